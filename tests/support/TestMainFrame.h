// The test application's frames: the MDI main frame with two bars and the
// child frame of its documents.
// Classes: CTestMainFrame, CTestChildFrame.
#pragma once
#include "TestApp.h"
#include "TestBar.h"

class CTestChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CTestChildFrame)
};

class CTestMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CTestMainFrame)
public:
    CTestBar m_wndToolBar;
    CTestBar m_wndStatusBar;
    CButton m_btnFrameCmd;
    CButton m_btnNoHandler;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnFrameCmd() { g_commandLog.push_back("frame"); }
    afx_msg void OnDisabledCmd() { g_commandLog.push_back("disabled"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
