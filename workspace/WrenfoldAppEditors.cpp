// The application's editor template and the editors it opened.
#include "WrenfoldApp.h"

#include "ChildFrame.h"
#include "KTSyntaxEditDoc.h"
#include "MainFrame.h"
#include "ProjectEditorFiles.h"
#include "ProjectReading.h"
#include "project/RunFiles.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "WorkspaceRes.h"
#include "WrenfoldDoc.h"
#include "WrenfoldView.h"

#include <algorithm>

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

// One group: a header saved beside a source of an older Generate would build a mixed set. A save with nothing to
// write puts the folder right all the same, as every save does: an opening that could not put a run right says
// that the next save will.
void CwrenfoldApp::SaveEditorDocuments(const ProjectRecord& project, std::vector<CString>* pFailures,
                                       const SettledFolder* pSettled)
{
    std::vector<CwrenfoldDoc*> modified;
    for (CwrenfoldDoc* pDoc : EditorsOf(project))
        if (pDoc->IsModified())
            modified.push_back(pDoc);
    SettledFolder settled;
    if (modified.empty() && !pSettled)
    {
        settled.recovery = SettleFolder(project.folder, CString("Saving ") + project.name, &settled.kept);
        pSettled = &settled;
    }
    CString strError;
    if (!CwrenfoldDoc::SaveTogether(modified, &strError, pSettled))
        pFailures->push_back(strError);
}

std::vector<CKTSyntaxEditDoc*> CwrenfoldApp::ShowWaitingTexts(const ProjectRecord& project,
                                                              std::vector<CString>* pEdited)
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    return pFrame ? pFrame->ShowWaitingTexts(project, pEdited) : std::vector<CKTSyntaxEditDoc*>();
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
    m_waitingTexts.Forget(project);
}

// What the run did with the file is in the recovery's own line: it may have left it as another's. An editor the
// user has not changed failed to read it anew; once changed, its save writes what it shows, unasked.
static CString UnderEditorWords(CwrenfoldDoc& doc, const FolderRecovery& recovery)
{
    if (doc.IsModified())
        return "which keeps its text" + recovery.ThenWrites("a save of the editor writes that text over it");
    return "which could not read it anew and still shows the text it had; once changed, a save of the editor " +
           recovery.WaitsThen() + "writes that text over it";
}

// An editor left showing a text the run's undo took off the disk would write half of that run back with its next
// save. A file the run does not name was changed by another program, if at all: no word of the run is said of it.
// While the folder's run waits, a save is refused by it: the editor's text goes over the file only after.
std::vector<CwrenfoldDoc*> CwrenfoldApp::AgreeEditorsWithFolder(const CString& strFolder,
                                                                const FolderRecovery& recovery)
{
    std::vector<CwrenfoldDoc*> told;
    if (recovery.strTold.IsEmpty() || !m_pEditorTemplate)
        return told;
    POSITION pos = m_pEditorTemplate->GetFirstDocPosition();
    while (pos)
    {
        CwrenfoldDoc* pDoc = static_cast<CwrenfoldDoc*>(m_pEditorTemplate->GetNextDoc(pos));
        const CString strPath = pDoc->GetPathName();
        // A file no run names is left as it is: reading it anew would take its undo history for nothing.
        const bool bNamed = recovery.names.has_value();
        if (!SamePath(RecordPathOf(strPath), RecordPathIn(strFolder)) ||
            (bNamed && std::none_of(recovery.names->begin(), recovery.names->end(),
                                    [&strPath](const CString& strName) { return SamePath(strName, strPath); })) ||
            pDoc->ShowFileNow() != CwrenfoldDoc::Under::Changed)
            continue;
        AddOutputLine(strPath + " changed on disk under its editor, " + UnderEditorWords(*pDoc, recovery));
        pDoc->TakeFileAsSeen();
        told.push_back(pDoc);
    }
    return told;
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

void CwrenfoldApp::AddOutputLine(const CString& strLine)
{
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->m_wndOutput.AddLine(strLine);
}

bool CwrenfoldApp::OffersSaveAll() const
{
    const CMainFrame* pFrame = dynamic_cast<const CMainFrame*>(m_pMainWnd);
    return pFrame && pFrame->OffersSaveAll();
}

void CwrenfoldApp::RunLongWork(const CString& strStep, const std::function<void()>& work)
{
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->RunLongWork(strStep, work);
    else
        work();
}

FolderRecovery CwrenfoldApp::SettleFolder(const CString& strFolder, const CString& strTellingAs,
                                          std::vector<CwrenfoldDoc*>* pKept)
{
    FolderRecovery recovery;
    RunLongWork("Reading " + strFolder + "...", [&] { recovery = RecoverFolder(strFolder); });
    if (!recovery.strTold.IsEmpty())
        AddOutputLine(strTellingAs + ": " + recovery.strTold);
    const std::vector<CwrenfoldDoc*> kept = AgreeEditorsWithFolder(strFolder, recovery);
    if (pKept)
        pKept->insert(pKept->end(), kept.begin(), kept.end());
    return recovery;
}

FolderRecovery CwrenfoldApp::SettleAfterWrite(const CString& strFolder, const CString& strTold, const RunNames& names,
                                              const CString& strTellingAs, std::vector<CwrenfoldDoc*>* pKept)
{
    const FolderRecovery recovery = SettleFolder(strFolder, strTellingAs, pKept);
    FolderRecovery written = recovery;
    written.strTold = strTold;
    written.names = names;
    const std::vector<CwrenfoldDoc*> kept = AgreeEditorsWithFolder(strFolder, written);
    if (pKept)
        pKept->insert(pKept->end(), kept.begin(), kept.end());
    return recovery;
}
