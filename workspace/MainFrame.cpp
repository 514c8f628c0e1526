// The designer's main window.
#include "MainFrame.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BOOL CMainFrame::CreateMainFrame()
{
    return Create(nullptr, "Kestova", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CRect(CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT + 1024, CW_USEDEFAULT + 768));
}
