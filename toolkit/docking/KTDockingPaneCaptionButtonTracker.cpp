// KTDockingPaneCaptionButtonTracker.cpp: the press loop shared by group captions and floating frames.
#include "KTDockingPaneCaptionButtonTracker.h"

#include "KTCaptureLoop.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneNode.h"

#include <windowsx.h>

namespace
{
CPoint WindowPoint(HWND hWnd, LPARAM lParam, BOOL bClientPoints)
{
    CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (bClientPoints)
        return pt;
    ::ClientToScreen(hWnd, &pt);
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    return pt - rcWindow.TopLeft();
}
}  // namespace

BOOL KTTrackCaptionButton(CWnd* pWnd, CKTDockingPaneCaptionButton* pButton, CPoint pt, BOOL bClientPoints)
{
    if (::GetCapture())
        return FALSE;
    HWND hWnd = pWnd->GetSafeHwnd();
    CRect rcButton = pButton->GetRect();
    BOOL bClicked = FALSE;
    {
        CKTCaptureLoop loop(hWnd);
        pButton->SetPressed(rcButton.PtInRect(pt));
        MSG msg;
        while (loop.Next(msg))
        {
            // Keys go nowhere while the button is held: a letter must not reach the focused pane.
            if (msg.message == WM_MOUSEMOVE)
                pt = WindowPoint(hWnd, msg.lParam, bClientPoints);
            else if (msg.message != WM_NCMOUSEMOVE && msg.message != WM_KEYDOWN)
                ::DispatchMessage(&msg);
            pButton->SetPressed(rcButton.PtInRect(pt));
        }
        bClicked = loop.IsReleased() && pButton->IsPressed();
    }
    pButton->SetPressed(FALSE);
    pButton->GetOwner()->CheckCaptionButtons(pt);
    pButton->GetOwner()->RedrawPane();
    return bClicked;
}
