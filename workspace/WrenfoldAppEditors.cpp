// The application's editor template and the editors it opened.
#include "WrenfoldApp.h"

#include "ChildFrame.h"
#include "KTSyntaxEditDoc.h"
#include "MainFrame.h"
#include "ProjectEditorFiles.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "WorkspaceRes.h"
#include "WrenfoldDoc.h"
#include "WrenfoldView.h"

void CwrenfoldApp::CreateEditorTemplate()
{
    CKTSyntaxEditLexParserAdapter::Install();
    m_pEditorTemplate = std::make_unique<CMultiDocTemplate>(IDR_MAINFRAME, RUNTIME_CLASS(CwrenfoldDoc),
                                                            RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CwrenfoldView));
}

// Gathered first, so that closing one does not disturb the walk.
std::vector<CDocument*> CwrenfoldApp::EditorsOf(const ProjectRecord& project) const
{
    std::vector<CDocument*> editors;
    if (!m_pEditorTemplate)
        return editors;
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
    {
        CDocument* pDoc = m_pEditorTemplate->GetNextDoc(pos);
        if (IsEditorFileOf(project, pDoc->GetPathName()))
            editors.push_back(pDoc);
    }
    return editors;
}

BOOL CwrenfoldApp::SaveEditorDocuments(const ProjectRecord& project)
{
    BOOL bAllSaved = TRUE;
    for (CDocument* pDoc : EditorsOf(project))
    {
        if (pDoc->IsModified() && !pDoc->OnSaveDocument(pDoc->GetPathName()))
            bAllSaved = FALSE;
    }
    return bAllSaved;
}

void CwrenfoldApp::CloseEditorDocuments(const ProjectRecord& project)
{
    for (CDocument* pDoc : EditorsOf(project))
        pDoc->OnCloseDocument();
}

void CwrenfoldApp::RefreshEditorDocuments(CView* pSender)
{
    if (!m_pEditorTemplate)
        return;
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
        if (CKTSyntaxEditDoc* pDoc = dynamic_cast<CKTSyntaxEditDoc*>(m_pEditorTemplate->GetNextDoc(pos)))
            pDoc->UpdateAllViews(pSender, CKTSyntaxEditDoc::ktHintSettings, NULL);
}

void CwrenfoldApp::RunLongWork(const CString& strStep, const std::function<void()>& work)
{
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->RunLongWork(strStep, work);
    else
        work();
}
