// The designer's main window: an MDI frame titled "Kestova".
#pragma once
#include "afxwin.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    BOOL CreateMainFrame();
};
