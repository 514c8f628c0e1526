// MainFrame.h: the designer's main window: projects, command bars, docking panes and the editors' tabs.
//
// Classes: CMainFrame.
#pragma once
#include "afxwin.h"

#include "KTDockingPaneManager.h"
#include "KTMDIFrameWnd.h"
#include "KTStatusBar.h"
#include "KTTabClientWnd.h"
#include "OutputEdit.h"
#include "ProjectFiles.h"
#include "ProjectTreePane.h"
#include "SelectedRecords.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "model/ProtocolRecords.h"

// The start folder of Load Example Project: the program folder's "example".
extern CString g_strExampleFolder;

class CKTDockingPane;
class CKTSyntaxEditDoc;
class CNewProject;
class CProjectReading;
class CProjectBuild;
struct SettledFolder;

class CMainFrame : public CKTMDIFrameWnd, public ISettingsSelection
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CKTTabClientWnd m_wndTabClient;
    CProtocolSettingsPane m_wndSettings;
    CProjectTreePane m_wndProjectTree;
    int m_nAutoFlag = 0;
    CString m_strCompilerPath;  // full path of the compiler's environment script
    CImageList m_treeImages;
    std::vector<std::unique_ptr<ProjectRecord>> m_projects;  // in the order they were opened
    CProjectFiles m_files;                                   // where each project is saved
    CKTStatusBar m_wndStatusBar;
    CKTDockingPaneManager m_paneManager;
    COutputEdit m_wndOutput;

    ~CMainFrame() override;

    enum class ProjectOpening
    {
        Shown,
        Gone,  // no such file, in a folder or on a drive that is there
        Refused
    };
    // Loads the project file and shows it in the tree; a file that cannot be
    // read, or a project already loaded, is refused with a message, which ends
    // with pszWhenGone for a file that is gone.
    ProjectOpening ReadSolutionFile(LPCTSTR pszPath, LPCTSTR pszWhenGone = "");
    // Shows the project that the reading gave, once it has ended, as ReadSolutionFile does.
    ProjectOpening ShowProjectRead(CProjectReading& reading, LPCTSTR pszWhenGone = "");
    void LoadGlobalConfig();
    BOOL DestroyWindow() override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    ProjectRecord* CurrentProject() const;
    // Save All acts while a project is current, and a Close All makes the one it could not close current again
    // as soon as its refusal is read.
    BOOL OffersSaveAll() const;

    // The tree selected the item: its project's editors come to the front when the project
    // changed, and the item's record shows on its settings page.
    void OnTreeSelectionChanged(HTREEITEM hItem, BOOL bProjectChanged);
    // The records behind the tree's selected item, for the settings pane.
    SettingsTarget Resolve() override;
    void RenameSelected(LPCTSTR pszName) override;

    // Long work as LongWork.h rules it: an open settings edit goes into its record first. FALSE when
    // Esc stopped it (see CLongWork::Run).
    BOOL RunLongWork(const CString& strStep, const std::function<void()>& work, BOOL bEscStops = FALSE);
    // An open settings edit goes into its record, before work that reads the records starts.
    void CommitSettingsEdit();
    // The project's open editors take the texts that wait for their files, as an edit the user can undo;
    // returns those editors. At a save (pEdited given) they also take what a Generate taken back gives back,
    // and an editor the user has edited since it opened takes its text too, its path added to pEdited; at a
    // selection such an editor keeps the user's text.
    std::vector<CKTSyntaxEditDoc*> ShowWaitingTexts(const ProjectRecord& project, std::vector<CString>* pEdited);

    // Posted by an editor's frame when it becomes the active one.
    static const UINT kEditorActivated = WM_APP + 2;

protected:
    // Hands a file or address to the shell, saying so when it refuses.
    virtual void OpenWithShell(const CString& strTarget);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnReloadSettings(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditorActivated(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDockingPaneNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCreateCommandBar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnLoadExampleProject();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAll();
    afx_msg void OnFileClose();
    afx_msg void OnFileCloseAll();
    afx_msg void OnHelpTopics();
    afx_msg void OnWebPage();
    afx_msg void OnUpdateProjectCurrent(CCmdUI* pCmdUI);
    afx_msg void OnAddPacket();
    afx_msg void OnDeletePacket();
    afx_msg void OnAddField();
    afx_msg void OnDeleteField();
    afx_msg void OnUpdateAddPacket(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDeletePacket(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAddField(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDeleteField(CCmdUI* pCmdUI);
    afx_msg void OnProjectProperties();
    afx_msg void OnTlvSetting();
    afx_msg void OnOption();
    afx_msg void OnAppAbout();
    afx_msg void OnGenerateCode();
    afx_msg void OnGenerateMakefile();
    afx_msg void OnGenerateDiagram();
    afx_msg void OnCompile();
    afx_msg void OnCompileDemo();
    afx_msg void OnRunDemo();
    afx_msg void OnUpdateUnixProject(CCmdUI* pCmdUI);
    afx_msg void OnUpdateWindowsProject(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    HWND m_hWndFocusWhenInactive = nullptr;  // where the keys went before a dialog or another program took them

    int CreateParts(LPCREATESTRUCT lpCreateStruct);
    BOOL FocusInEditor() const;
    BOOL DropsTextCommand(UINT nID) const;
    BOOL IsPaneEditKey(const MSG& msg) const;
    BOOL CreateCommandBars();
    BOOL CreateTreeImages();
    BOOL InstallDockingPanes();
    CKTDockingPane* CreateWorkspacePanes();
    void AttachTabClient();
    void CreateSettingsPane(CKTDockingPane* pTreePane);
    void CreatePaneWindow(CKTDockingPane* pPane);
    BOOL CreateTreeWindow();
    BOOL CreateSettingsWindow();
    BOOL CreateOutputWindow();
    void CreateProject(const CNewProject& dialog);
    void OpenAndSelect(LPCTSTR pszPath);
    void SelectProjectItem(const ProjectRecord* pProject);
    void ShowInTree(ProjectRecord* pProject);
    void OpenProjectFrom(LPCTSTR pszFolder);
    void SaveProjectFiles(const ProjectRecord& project, std::vector<CString>* pFailures);
    // Writes the design where it changed, its folder put right first; pSettled gets that folder as then left.
    void SaveDesign(const ProjectRecord& project, std::optional<SettledFolder>* pSettled,
                    std::vector<CString>* pFailures);
    // Saves the project and tells the user in one message of every file that failed; FALSE then.
    BOOL SaveProject(const ProjectRecord& project);
    // Saves every project, asking what to do about each one that cannot be saved; FALSE to stay.
    BOOL SaveForExit();
    BOOL CloseProject(const ProjectRecord* pProject);
    BOOL HasTree() const;
    TreeItemData* ItemDataOf(HTREEITEM hItem) const;
    void RunBuild(void (*pfnCommand)(CProjectBuild& build, const CMainFrame& frame));
    // The tree's selected item is one of these kinds, with a current project.
    BOOL SelectedKindIs(std::initializer_list<unsigned> kinds) const;
    void UpdateForPlatform(CCmdUI* pCmdUI, int nPlatform);
    // Shows the project's tabs and hides every other; FALSE when none of its editors is open.
    BOOL ShowOnlyTabsOfProject(const ProjectRecord& project);
    void ShowProjectEditors(const ProjectRecord& project);
    // At a click on an item of the current project, opens the editors it owes: all of them where Close All made it
    // current again with none open, else those an earlier selection could not open.
    void OpenEditorsOwed(const ProjectRecord& project);
    // Opens the project's editors; bOnlyRetries: only those an earlier selection could not open.
    void OpenProjectEditors(const ProjectRecord& project, BOOL bOnlyRetries);
    BOOL HasUnopenedEditors(const ProjectRecord& project) const;
    SelectedItem SelectedItemOf(HTREEITEM hItem) const;
    // Shows the selected item's record on its settings page as it is stored now.
    void ReloadSelectedPage();
    void ShowTabsOfActiveEditor();
    ProjectRecord* ProjectOfEditor(const CDocument& doc) const;
    ProjectRecord* ProjectOfActiveEditor() const;
    BOOL HasOpenEditor(const ProjectRecord& project) const;
    // The project Close All makes current where it closed the current one; kept: the first it could not close.
    const ProjectRecord* KeptProjectToShow(const ProjectRecord& kept) const;

    // Posted while long work refuses a settings change, so the page shows the record again after it.
    static const UINT kReloadSettings = WM_APP + 1;

    BOOL m_bSavedForExit = FALSE;            // Exit saved, or the user chose to quit without saving
    BOOL m_bLayoutHeld = FALSE;              // while OnCreate makes the parts
    BOOL m_bClosingAll = FALSE;              // while Close All runs
    std::vector<CString> m_unopenedEditors;  // paths of editors a selection could not open
    // Made current again by Close All with none of its editors open.
    const ProjectRecord* m_pEditorsOwed = nullptr;
};
