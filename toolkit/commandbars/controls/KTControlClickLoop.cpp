// KTControlClickLoop.cpp: the loop that holds the mouse while a tool-bar button is pressed.
#include "KTControl.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"

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
    BOOL bInside = TRUE;
    BOOL bReleased = FALSE;  // only a button-up ends a press that may run the command
    {
        CKTCaptureLoop loop(hWndBar);
        if (bAutoRepeat)
        {
            ::SetTimer(hWndBar, KT_TIMER_AUTOREPEAT, m_nExecuteOnPressInterval, NULL);
            ExecuteCommand();
        }
        MSG msg;
        while (loop.Next(msg))
            OnClickLoopMessage(msg, hWndBar, rcActive, bInside);
        bReleased = loop.IsReleased();
        if (bReleased && msg.hwnd == hWndBar)
            bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
        if (!::IsWindow(hWndBar))
            return FALSE;
        if (bAutoRepeat)
            ::KillTimer(hWndBar, KT_TIMER_AUTOREPEAT);
    }
    BOOL bReleasedInside = bReleased && bInside && m_nSelected && !bAutoRepeat;
    m_nPressed = bReleasedInside && pBar->GetPosition() != ktBarPopup ? 2 : 0;
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

void CKTControl::OnClickLoopMessage(const MSG& msg, HWND hWndBar, const CRect& rcActive, BOOL& bInside)
{
    if (msg.message == WM_TIMER && msg.wParam == KT_TIMER_AUTOREPEAT && msg.hwnd == hWndBar)
    {
        if (m_nSelected)
            ExecuteCommand();
        return;
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
    {
        bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
        if (OnSetSelected(bInside ? 3 : 0))
            RedrawParent(FALSE);
        return;
    }
    CKTCaptureLoop::Dispatch(msg);
}
