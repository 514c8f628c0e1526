// KTControlClickLoop.cpp: the loop that holds the mouse while a tool-bar button is pressed.
#include "KTControl.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTPressRepeat.h"

#include <optional>

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
        std::optional<CKTPressRepeat> repeat;
        if (bAutoRepeat)
        {
            repeat.emplace(
                hWndBar, KT_TIMER_AUTOREPEAT, m_nExecuteOnPressInterval, m_nExecuteOnPressInterval,
                [this] { ExecuteCommand(); }, [this] { return m_nSelected != ktSelectionNone; });
            repeat->Press();
        }
        MSG msg;
        while (loop.Next(msg))
            if (!repeat || !repeat->OnMessage(msg))
                OnClickLoopMessage(msg, hWndBar, rcActive, bInside);
        bReleased = loop.IsReleased();
        if (bReleased && msg.hwnd == hWndBar)
            bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
        if (!::IsWindow(hWndBar))
            return FALSE;
    }
    BOOL bReleasedInside = bReleased && bInside && m_nSelected != ktSelectionNone && !bAutoRepeat;
    m_nPressed = bReleasedInside && pBar->GetPosition() != ktBarPopup ? 2 : 0;
    if (m_nSelected != ktSelectionNone)
    {
        pBar->SetSelected(-1);
        OnSetSelected(ktSelectionNone);
        pBar->SetStatusIndex(m_nIndex);
    }
    if (!bReleasedInside)
        RedrawParent(TRUE);
    return bReleasedInside;
}

void CKTControl::OnClickLoopMessage(const MSG& msg, HWND hWndBar, const CRect& rcActive, BOOL& bInside)
{
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
    {
        bInside = rcActive.PtInRect(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
        if (OnSetSelected(bInside ? ktSelectionHeld : ktSelectionNone))
            RedrawParent(FALSE);
        return;
    }
    CKTCaptureLoop::Dispatch(msg);
}
