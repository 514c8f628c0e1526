// KTControlEditSpin.cpp: the spin buttons of an edit control: hot halves, the held press and the stepping.
#include "KTControlEdit.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTPressRepeat.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
const UINT_PTR kSpinTimer = 435;
const UINT kSpinFirstDelay = 530;
const UINT kSpinRepeatDelay = 100;

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
        return ktSelectionHot;
    return pt.y < (rcSpin.top + rcSpin.bottom) / 2 ? ktSelectionSpinUp : ktSelectionSpinDown;
}

void CKTControlEdit::OnMouseMove(CPoint pt)
{
    if (!IsEnabled() || !m_bShowSpinButtons || m_nSelected == ktSelectionNone)
        return;
    int nHot = HitTestSpin(pt);
    if (nHot == m_nSelected ||
        (nHot == ktSelectionHot && m_nSelected != ktSelectionSpinUp && m_nSelected != ktSelectionSpinDown))
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
    const int nDirection = nHalf == ktSelectionSpinUp ? 1 : -1;
    m_nPressed = m_nSelected = nHalf;
    RedrawParent(FALSE);

    HWND hWndBar = m_pParent->GetSafeHwnd();
    DWORD dwStart = ::GetTickCount();
    {
        CKTPressRepeat repeat(
            hWndBar, kSpinTimer, kSpinFirstDelay, kSpinRepeatDelay,
            [&] { Spin(StepCount(::GetTickCount() - dwStart), nDirection); },
            [this] { return m_nSelected != ktSelectionNone; });
        repeat.Press();
        CKTCaptureLoop loop(hWndBar);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
                OnSpinMouseMove(msg, nHalf, dwStart);
            else if (!repeat.OnMessage(msg))
                CKTCaptureLoop::Dispatch(msg);
        }
    }
    if (!m_pParent || !::IsWindow(hWndBar))
        return;
    EndSpin();
}

void CKTControlEdit::OnSpinMouseMove(const MSG& msg, int nHalf, DWORD& dwStart)
{
    CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
    int nSelected = HitTestSpin(pt) == nHalf ? nHalf : ktSelectionNone;
    if (nSelected == m_nSelected)
        return;
    dwStart = ::GetTickCount();
    m_nSelected = nSelected;
    RedrawParent(FALSE);
}

void CKTControlEdit::EndSpin()
{
    m_nPressed = 0;
    if (m_nSelected == ktSelectionNone)
        m_nSelected = ktSelectionHot;
    RedrawParent(FALSE);
    if (m_pParent->GetType() != ktBarTypePopup)
        m_pParent->SetTrackingMode(ktTrackingNone);
}

void CKTControlEdit::Spin(int nCount, int nDirection)
{
    KT_NMCONTROLSPIN notify = {};
    notify.nStep = nCount * nDirection;
    if (NotifySiteEx(nDirection > 0 ? KTN_EDIT_SPINUP : KTN_EDIT_SPINDOWN, &notify.hdr))
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
