// The application's editor template and the editors it opened.
#include "WrenfoldApp.h"

#include "ChildFrame.h"
#include "KTSyntaxEditDoc.h"
#include "MainFrame.h"
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
std::vector<CDocument*> CwrenfoldApp::EditorsIn(LPCTSTR pszFolder) const
{
    std::vector<CDocument*> editors;
    if (!m_pEditorTemplate)
        return editors;
    const CString strFolder(pszFolder);
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
    {
        CDocument* pDoc = m_pEditorTemplate->GetNextDoc(pos);
        if (pDoc->GetPathName().Left(strFolder.GetLength()).CompareNoCase(strFolder) == 0)
            editors.push_back(pDoc);
    }
    return editors;
}

BOOL CwrenfoldApp::SaveEditorDocuments(LPCTSTR pszFolder)
{
    BOOL bAllSaved = TRUE;
    for (CDocument* pDoc : EditorsIn(pszFolder))
    {
        if (pDoc->IsModified() && !pDoc->OnSaveDocument(pDoc->GetPathName()))
            bAllSaved = FALSE;
    }
    return bAllSaved;
}

void CwrenfoldApp::CloseEditorDocuments(LPCTSTR pszFolder)
{
    for (CDocument* pDoc : EditorsIn(pszFolder))
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
