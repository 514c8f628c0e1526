// The test application's frames.
#include "TestMainFrame.h"

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CTestMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_TEST_VIEWCMD, OnFrameCmd)
ON_COMMAND(ID_TEST_DOCCMD, OnFrameCmd)
ON_COMMAND(ID_TEST_FRAMECMD, OnFrameCmd)
ON_COMMAND(ID_TEST_DISABLED, OnDisabledCmd)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

int CTestMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndToolBar.Create(this, AFX_IDW_TOOLBAR, TRUE) || !m_wndStatusBar.Create(this, AFX_IDW_STATUS_BAR, FALSE))
        return -1;
    m_btnFrameCmd.Create("Frame", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(2, 2, 62, 22), &m_wndToolBar,
                         ID_TEST_FRAMECMD);
    m_btnNoHandler.Create("None", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(64, 2, 124, 22), &m_wndToolBar,
                          ID_TEST_NOHANDLER);
    RecalcLayout();
    return 0;
}
