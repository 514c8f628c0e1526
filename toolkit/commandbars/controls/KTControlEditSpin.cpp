// KTControlEditSpin.cpp: the spin buttons of an edit control: hot halves, the held press and the stepping.
#include "KTControlEdit.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
const UINT_PTR kSpinTimer = 435;
const UINT kSpinFirstDelay = 530;
const UINT kSpinRepeatDelay = 100;

// The spin request to the site: the control header, then the signed step.
struct KT_NMCONTROLSPIN
{
    KT_NMCONTROL hdr;
    int nStep;
};

// Steps grow the longer the button is held: 5 from about two seconds, 20 from about five.
int StepCount(DWORD dwHeld)
{
    DWORD dwUnits = dwHeld >> 10;
    return dwUnits >= 5 ? 20 : dwUnits >= 2 ? 5 : 1;
}
}  // namespace

int CKTControlEdit::HitTestSpin(CPoint pt) const
{
    CRect rcSpin = GetSpinButtonsRect();
    if (!rcSpin.PtInRect(pt))
        return 1;
    return pt.y < (rcSpin.top + rcSpin.bottom) / 2 ? 3 : 4;
}

void CKTControlEdit::OnMouseMove(CPoint pt)
{
    if (!IsEnabled() || !m_bShowSpinButtons || !m_nSelected)
        return;
    int nHot = HitTestSpin(pt);
    if (nHot == m_nSelected || (nHot == 1 && m_nSelected != 3 && m_nSelected != 4))
        return;
    m_nSelected = nHot;
    RedrawParent(FALSE);
}

void CKTControlEdit::TrackSpin(CPoint pt)
{
    CKTSmartPtr<CKTControl> pHold(this);
    if (m_pParent->GetSelected() != m_nIndex)
        m_pParent->SetSelected(m_nIndex);
    const int nHalf = HitTestSpin(pt);
    const int nDirection = nHalf == 3 ? 1 : -1;
    m_nPressed = m_nSelected = nHalf;
    RedrawParent(FALSE);
    Spin(1, nDirection);

    HWND hWndBar = m_pParent->GetSafeHwnd();
    DWORD dwStart = ::GetTickCount();
    BOOL bFirstTick = TRUE;
    ::SetTimer(hWndBar, kSpinTimer, kSpinFirstDelay, NULL);
    {
        CKTCaptureLoop loop(hWndBar);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
            {
                int nSelected =
                    HitTestSpin(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam))) == nHalf ? nHalf : 0;
                if (nSelected == m_nSelected)
                    continue;
                // Coming back starts the slow steps again.
                dwStart = ::GetTickCount();
                m_nSelected = nSelected;
                RedrawParent(FALSE);
            }
            else if (msg.message == WM_TIMER && msg.hwnd == hWndBar && msg.wParam == kSpinTimer)
            {
                if (m_nSelected)
                    Spin(StepCount(::GetTickCount() - dwStart), nDirection);
                if (bFirstTick)
                    ::SetTimer(hWndBar, kSpinTimer, kSpinRepeatDelay, NULL);
                bFirstTick = FALSE;
            }
            else
                CKTCaptureLoop::Dispatch(msg);
        }
    }
    ::KillTimer(hWndBar, kSpinTimer);
    if (!m_pParent || !::IsWindow(hWndBar))
        return;
    m_nPressed = 0;
    if (!m_nSelected)
        m_nSelected = 1;
    RedrawParent(FALSE);
    if (m_pParent->GetType() != ktBarTypePopup)
        m_pParent->SetTrackingMode(0);
}

void CKTControlEdit::Spin(int nCount, int nDirection)
{
    KT_NMCONTROLSPIN notify = {};
    notify.nStep = nCount * nDirection;
    if (NotifySiteEx(nDirection > 0 ? 0x1010 : 0x1011, &notify.hdr))
        return;
    // Wide, so that a typed number beyond the int range steps without wrapping; the result is kept in range.
    long long nValue = std::clamp<long long>(strtoll(GetEditText(), NULL, 10), INT_MIN, INT_MAX);
    nValue += (long long)nCount * nDirection;
    while (nValue % nCount != 0)
        nValue += nDirection;
    nValue = std::clamp<long long>(nValue, INT_MIN, INT_MAX);
    CString strValue;
    strValue.Format("%i", (int)nValue);
    SetEditTextOrHint(strValue);
    NotifySite(KTN_EXECUTE);
}
