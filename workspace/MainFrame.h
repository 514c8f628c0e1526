// MainFrame.h: the designer's main window: projects, project tree, output and status bar.
//
// Classes: CMainFrame.
#pragma once
#include "afxwin.h"

#include "KTMDIFrameWnd.h"
#include "KTStatusBar.h"
#include "OutputEdit.h"
#include "ProjectTreePane.h"

#include <memory>
#include <vector>

#include "model/ProtocolRecords.h"

// The start folder of Load Example Project: the program folder's "example".
extern CString g_strExampleFolder;

class CMainFrame : public CKTMDIFrameWnd
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CProjectTreePane m_wndProjectTree;
    int m_nAutoFlag = 0;
    CString m_strCompilerPath;  // full path of the compiler's environment script
    CImageList m_treeImages;
    std::vector<std::unique_ptr<ProjectRecord>> m_projects;  // in the order they were opened
    CKTStatusBar m_wndStatusBar;
    COutputEdit m_wndOutput;

    ~CMainFrame() override;

    // Loads the project file and shows it in the tree; a file that cannot be
    // read, or a project already loaded, is refused with a message.
    void ReadSolutionFile(LPCTSTR pszPath);
    void LoadGlobalConfig();
    BOOL DestroyWindow() override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    ProjectRecord* CurrentProject() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnCreateCommandBar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFileOpen();
    afx_msg void OnLoadExampleProject();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAll();
    afx_msg void OnFileClose();
    afx_msg void OnFileCloseAll();
    afx_msg void OnHelpTopics();
    afx_msg void OnWebPage();
    afx_msg void OnUpdateProjectCurrent(CCmdUI* pCmdUI);
    afx_msg void OnUpdateUnixProject(CCmdUI* pCmdUI);
    afx_msg void OnUpdateWindowsProject(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateCommandBars();
    BOOL CreateTreeImages();
    BOOL CreatePaneWindows();
    void OpenProjectFrom(LPCTSTR pszFolder);
    BOOL SaveProject(const ProjectRecord& project);
    void CloseProject(const ProjectRecord* pProject);
    BOOL HasTree() const;
    void UpdateForPlatform(CCmdUI* pCmdUI, int nPlatform);
};
