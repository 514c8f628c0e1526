// KTDockingPaneCaptionButtonTracker.cpp: the press loop shared by group captions and floating frames.
#include "KTDockingPaneCaptionButtonTracker.h"

#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneNode.h"

#include <windowsx.h>

namespace
{
enum class EStep
{
    Continue,
    Released,
    Cancelled
};

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

// One message of the loop; a quit request is put back for the outer loop and ends this one.
EStep TakeMessage(HWND hWnd, BOOL bClientPoints, CPoint& pt)
{
    MSG msg;
    if (!::GetMessage(&msg, NULL, 0, 0))
    {
        ::PostQuitMessage(int(msg.wParam));
        return EStep::Cancelled;
    }
    switch (msg.message)
    {
    case WM_MOUSEMOVE:
        pt = WindowPoint(hWnd, msg.lParam, bClientPoints);
        return EStep::Continue;
    case WM_LBUTTONUP:
        return EStep::Released;
    case WM_RBUTTONDOWN:
    case WM_CANCELMODE:
        return EStep::Cancelled;
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE ? EStep::Cancelled : EStep::Continue;
    case WM_NCMOUSEMOVE:
        return EStep::Continue;
    default:
        ::DispatchMessage(&msg);
        return EStep::Continue;
    }
}
}  // namespace

BOOL KTTrackCaptionButton(CWnd* pWnd, CKTDockingPaneCaptionButton* pButton, CPoint pt, BOOL bClientPoints)
{
    if (::GetCapture())
        return FALSE;
    HWND hWnd = pWnd->GetSafeHwnd();
    ::SetCapture(hWnd);
    CRect rcButton = pButton->GetRect();
    EStep step = EStep::Continue;
    while (step == EStep::Continue && ::GetCapture() == hWnd)
    {
        pButton->SetPressed(rcButton.PtInRect(pt));
        step = TakeMessage(hWnd, bClientPoints, pt);
    }
    BOOL bClicked = step == EStep::Released && pButton->IsPressed();
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    pButton->SetPressed(FALSE);
    pButton->GetOwner()->CheckCaptionButtons(pt);
    pButton->GetOwner()->RedrawPane();
    return bClicked;
}
