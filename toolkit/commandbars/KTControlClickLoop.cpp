// KTControlClickLoop.cpp: the loop that holds the mouse while a tool-bar button is pressed.
#include "KTControl.h"

#include "KTCommandBar.h"

namespace
{
// Takes the next message for the loop; FALSE ends it. A quit request is put
// back for the outer loop, and a failed read ends the loop instead of spinning.
BOOL GetLoopMessage(MSG& msg)
{
    BOOL bResult = ::GetMessage(&msg, NULL, 0, 0);
    if (bResult == -1)
        return FALSE;
    if (bResult == 0)
    {
        ::PostQuitMessage((int)msg.wParam);
        return FALSE;
    }
    return TRUE;
}
}  // namespace

BOOL CKTControl::ClickToolBarButton(CRect rcActive)
{
    CKTCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd())
        return FALSE;
    CKTSmartPtr<CKTControl> pHold(this);
    CKTSmartPtr<CKTCommandBar> pHoldBar(pBar);
    HWND hWndBar = pBar->GetSafeHwnd();
    pBar->SetSelected(m_nIndex);
    m_nPressed = 1;
    RedrawParent(FALSE);
    BOOL bAutoRepeat = m_nExecuteOnPressInterval > 0;
    ::SetCapture(hWndBar);
    if (bAutoRepeat)
    {
        ::SetTimer(hWndBar, KT_TIMER_AUTOREPEAT, m_nExecuteOnPressInterval, NULL);
        ExecuteCommand();
    }
    BOOL bInside = TRUE;
    BOOL bReleased = FALSE;  // only a button-up ends a press that may run the command
    MSG msg;
    while (::GetCapture() == hWndBar && GetLoopMessage(msg))
    {
        if (msg.message == WM_LBUTTONUP)
        {
            bReleased = TRUE;
            if (msg.hwnd == hWndBar)
                bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
            break;
        }
        if (!::IsWindow(hWndBar))
            break;
        if (msg.message == WM_TIMER && msg.wParam == KT_TIMER_AUTOREPEAT && msg.hwnd == hWndBar)
        {
            if (m_nSelected)
                ExecuteCommand();
            continue;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
        {
            bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
            if (OnSetSelected(bInside ? 3 : 0))
                RedrawParent(FALSE);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (!::IsWindow(hWndBar))
        return FALSE;
    if (bAutoRepeat)
        ::KillTimer(hWndBar, KT_TIMER_AUTOREPEAT);
    BOOL bReleasedInside = bReleased && bInside && m_nSelected && !bAutoRepeat;
    m_nPressed = bReleasedInside && pBar->GetPosition() != ktBarPopup ? 2 : 0;
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    if (m_nSelected)
    {
        pBar->SetSelected(-1);
        OnSetSelected(0);
        pBar->SetStatusIndex(m_nIndex);
    }
    if (!bReleasedInside)
        RedrawParent(TRUE);
    return bReleasedInside;
}
