// WrenfoldApp.h: the designer's application object.
//
// Classes: CwrenfoldApp.
#pragma once
#include "afxwin.h"

#include <functional>
#include <memory>
#include <vector>

#include "ProjectBuild.h"
#include "WaitingTexts.h"

class CProjectReading;
class CKTSyntaxEditDoc;
class CwrenfoldDoc;
struct FolderRecovery;
struct SettledFolder;
struct ProjectRecord;

class CwrenfoldApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    // Bar classes that saved states and other modules create by name, though no frame here shows them.
    static void RegisterDynamicClasses();
    // Only project files go into the recent-file list.
    void AddToRecentFileList(LPCTSTR lpszPathName) override;

    // Editors are opened only through this template; the framework's own file commands never see it.
    void CreateEditorTemplate();
    CMultiDocTemplate* GetEditorTemplate() const { return m_pEditorTemplate.get(); }
    // Writes the project's modified editors, and the generated texts waiting with them, all or none;
    // why they were not (naming the file that failed) is added to pFailures.
    void SaveEditorDocuments(const ProjectRecord& project, std::vector<CString>* pFailures,
                             const SettledFolder* pSettled = nullptr);
    // Generated texts of the project that no editor shows wait for that save (IProjectEditors::HoldTexts),
    // with the editors their Generate filled.
    CWaitingTexts& WaitingTexts() { return m_waitingTexts; }
    // The project's open editors of files whose texts wait take them, as a save writes them; returns those
    // editors. One the user has edited since it opened is added to pEdited (CMainFrame::ShowWaitingTexts).
    std::vector<CKTSyntaxEditDoc*> ShowWaitingTexts(const ProjectRecord& project, std::vector<CString>* pEdited);
    // Tells the user of every failure in one message; TRUE when there is none.
    static BOOL ReportSaveFailures(const std::vector<CString>& failures);
    void CloseEditorDocuments(const ProjectRecord& project);
    // Once putting right a run cut off in the folder told anything, every open editor of a file the run names (of
    // any file there, where its files are not known) agrees with the disk, but where the user's edits would be
    // lost: the output pane then says that the file changed on disk under the editor, and that a save writes the
    // edits over it; while the run still waits, the save waits for it too. Gives the editors so told.
    std::vector<CwrenfoldDoc*> AgreeEditorsWithFolder(const CString& strFolder, const FolderRecovery& recovery);
    // Every editor view but the sender's takes the options now in the profile.
    void RefreshEditorDocuments(CView* pSender);
    // Long work with the main frame answering meanwhile, as the frame runs its own; without the
    // frame, here and now.
    void RunLongWork(const CString& strStep, const std::function<void()>& work);
    // A line in the main frame's output pane; without the frame, nowhere.
    void AddOutputLine(const CString& strLine);
    // A run cut off in the folder put right as long work, before a design there is read or made: what it told
    // goes to the output pane after "<strTellingAs>: ", and the folder's open editors are made to agree with it;
    // those that keep the user's text over a file it changed are added to pKept.
    FolderRecovery SettleFolder(const CString& strFolder, const CString& strTellingAs,
                                std::vector<CwrenfoldDoc*>* pKept = nullptr);
    // A write into the folder put right a run cut off there itself and told strTold of the files in names: the
    // folder is settled again, as a settling before the write may have found the run held back, and the editors
    // of those files agree with what the write put back as SettleFolder has them agree.
    FolderRecovery SettleAfterWrite(const CString& strFolder, const CString& strTold, const RunNames& names,
                                    const CString& strTellingAs, std::vector<CwrenfoldDoc*>* pKept = nullptr);
    // Save All is, or is about to be, there for the user (see CMainFrame::OffersSaveAll).
    bool OffersSaveAll() const;

protected:
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateMainFrame();
    std::unique_ptr<CProjectReading> ReadCommandLineProject();
    std::vector<CwrenfoldDoc*> EditorsOf(const ProjectRecord& project) const;

    std::unique_ptr<CMultiDocTemplate> m_pEditorTemplate;
    CWaitingTexts m_waitingTexts;
};
