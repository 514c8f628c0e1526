// The editor's child frame: a plain MDI child; the tab client takes its caption and borders.
#include "ChildFrame.h"

#include "LongWork.h"
#include "MainFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
ON_WM_CLOSE()
ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

// Sent by another program while long work waits (a save of this editor, or a new text going in):
// the editor goes after it.
void CChildFrame::OnClose()
{
    if (CLongWork::IsRunning())
    {
        PostMessage(WM_CLOSE);
        return;
    }
    CMDIChildWnd::OnClose();
}

// Posted: the frame looks at the editor once the activation, and what brought it, are over.
void CChildFrame::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (bActivate && pFrame)
        pFrame->PostMessage(CMainFrame::kEditorActivated);
}
