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

#include <algorithm>
#include <iterator>

void CwrenfoldApp::CreateEditorTemplate()
{
    CKTSyntaxEditLexParserAdapter::Install();
    m_pEditorTemplate = std::make_unique<CMultiDocTemplate>(IDR_MAINFRAME, RUNTIME_CLASS(CwrenfoldDoc),
                                                            RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CwrenfoldView));
}

// Gathered first, so that closing one does not disturb the walk.
std::vector<CwrenfoldDoc*> CwrenfoldApp::EditorsOf(const ProjectRecord& project) const
{
    std::vector<CwrenfoldDoc*> editors;
    if (!m_pEditorTemplate)
        return editors;
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
    {
        CwrenfoldDoc* pDoc = static_cast<CwrenfoldDoc*>(m_pEditorTemplate->GetNextDoc(pos));
        if (IsEditorFileOf(project, pDoc->GetPathName()))
            editors.push_back(pDoc);
    }
    return editors;
}

// One group: a header saved beside a source of an older Generate would build a mixed set.
void CwrenfoldApp::SaveEditorDocuments(const ProjectRecord& project, std::vector<CString>* pFailures)
{
    std::vector<CwrenfoldDoc*> modified;
    for (CwrenfoldDoc* pDoc : EditorsOf(project))
        if (pDoc->IsModified())
            modified.push_back(pDoc);
    CString strError;
    if (!CwrenfoldDoc::SaveTogether(modified, WaitingTextsOf(project), &strError))
    {
        pFailures->push_back(strError);
        return;
    }
    m_waitingTexts.erase(&project);
}

// Room for the new texts is made first, so that running out of memory changes nothing.
void CwrenfoldApp::HoldTexts(const ProjectRecord& project, const std::vector<CString>& placedPaths,
                             std::vector<WaitingText> texts)
{
    const auto found = m_waitingTexts.find(&project);
    if (texts.empty() && found == m_waitingTexts.end())
        return;
    std::vector<WaitingText>& waiting = found != m_waitingTexts.end() ? found->second : m_waitingTexts[&project];
    waiting.reserve(waiting.size() + texts.size());
    const auto replaced = [&placedPaths](const WaitingText& text)
    { return std::find(placedPaths.begin(), placedPaths.end(), text.strPath) != placedPaths.end(); };
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(), replaced), waiting.end());
    std::move(texts.begin(), texts.end(), std::back_inserter(waiting));
}

const std::vector<WaitingText>& CwrenfoldApp::WaitingTextsOf(const ProjectRecord& project) const
{
    static const std::vector<WaitingText> none;
    const auto found = m_waitingTexts.find(&project);
    return found != m_waitingTexts.end() ? found->second : none;
}

BOOL CwrenfoldApp::ReportSaveFailures(const std::vector<CString>& failures)
{
    if (failures.empty())
        return TRUE;
    CString strText;
    for (const CString& strFailure : failures)
        strText += (strText.IsEmpty() ? "" : "\n") + strFailure;
    AfxMessageBox(strText, MB_OK | MB_ICONERROR);
    return FALSE;
}

void CwrenfoldApp::CloseEditorDocuments(const ProjectRecord& project)
{
    for (CwrenfoldDoc* pDoc : EditorsOf(project))
        pDoc->OnCloseDocument();
    m_waitingTexts.erase(&project);
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
