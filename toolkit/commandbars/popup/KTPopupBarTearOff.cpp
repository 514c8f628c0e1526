// KTPopupBarTearOff.cpp: a popup with a gripper is dragged off into a floating toolbar of its controls.
#include "KTPopupBar.h"

#include "KTCaptureLoop.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"

#include <afxpriv.h>

namespace
{
// The cursor counts as back at the gripper within this margin around it.
const int kGripperSlack = 10;
}  // namespace

void CKTPopupBar::SetTearOffPopup(LPCSTR lpszCaption, UINT nId, int nWidth)
{
    m_bTearOffPopup = TRUE;
    m_strTearOffCaption = lpszCaption;
    m_nTearOffId = nId;
    m_nTearOffWidth = nWidth;
}

void CKTPopupBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bTearOffPopup || IsCustomizeMode() || !m_rcGripper.PtInRect(point))
    {
        CKTCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    CKTSmartPtr<CKTPopupBar> pHold(this);
    if (TrackTearOff())
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
}

void CKTPopupBar::OnGripperTimer()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const BOOL bInside = m_rcGripper.PtInRect(pt);
    if (!m_bGripperHot && bInside)
    {
        m_bGripperHot = TRUE;
        Redraw(NULL, FALSE);
        return;
    }
    if (m_bGripperHot && (bInside || m_bTearing))
        return;
    KillTimer(KT_TIMER_TEAROFF);
    if (!m_bGripperHot)
        return;
    m_bGripperHot = FALSE;
    Redraw(NULL, FALSE);
}

BOOL CKTPopupBar::TrackTearOff()
{
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    CRect rcNear = m_rcGripper;
    ClientToScreen(rcNear);
    rcNear.InflateRect(kGripperSlack, kGripperSlack);
    m_bTearing = TRUE;
    m_pTornOffBar = NULL;
    BOOL bNear = TRUE;
    {
        CKTCaptureLoop loop(m_hWnd, ktLoopPaintFirst);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message != WM_MOUSEMOVE)
            {
                CKTCaptureLoop::Dispatch(msg);
                continue;
            }
            const CPoint pt(msg.pt);
            if (rcNear.PtInRect(pt) != bNear)
            {
                bNear = !bNear;
                TearOff(bNear, pt);
            }
            if (m_pTornOffBar)
                m_pTornOffBar->MoveWindow(pt.x - m_szTorn.cx / 2, pt.y - 10, m_szTorn.cx, m_szTorn.cy, TRUE);
        }
    }
    m_bTearing = FALSE;
    return m_pTornOffBar != NULL;
}

void CKTPopupBar::TearOff(BOOL bBack, CPoint pt)
{
    ShowWindow(bBack ? SW_SHOWNA : SW_HIDE);
    if (bBack)
    {
        if (m_pTornOffBar)
            m_pTornOffBar->SetVisible(FALSE);
        m_pTornOffBar = NULL;
        return;
    }
    m_pTornOffBar = MakeTornOffBar();
    if (!m_pTornOffBar)
        return;
    NotifySite(KTWM_TEAROFF, (WPARAM)m_pTornOffBar);
    m_szTorn = m_pTornOffBar->CalcDynamicLayout(-1, LM_MRUWIDTH | LM_HORZ | LM_COMMIT);
    m_pTornOffBar->MoveWindow(pt.x - m_szTorn.cx / 2, pt.y - 10, m_szTorn.cx, m_szTorn.cy, TRUE);
    m_pTornOffBar->IdleUpdate();
    m_pTornOffBar->Redraw(NULL, FALSE);
}

CKTToolBar* CKTPopupBar::MakeTornOffBar()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return NULL;
    if (CKTToolBar* pExisting = pCommandBars->GetToolBar(m_nTearOffId))
    {
        pExisting->SetPosition(ktBarFloating);
        pExisting->SetVisible(TRUE);
        return pExisting;
    }
    CKTToolBar* pBar = pCommandBars->AddCustomBar(m_strTearOffCaption, m_nTearOffId, TRUE);
    if (!pBar)
        return NULL;
    if (m_nTearOffWidth > 0)
        pBar->SetMRUWidth(m_nTearOffWidth);
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (pControl->GetID() == (int)KT_ID_POPUPBAR_EXPAND)
            continue;
        CKTSmartPtr<CKTControl> pCopy = CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(FALSE));
        pCopy->SetHideFlag(ktHideScroll | ktHideExpand, FALSE);
        pBar->GetControls()->InsertAt(pCopy);
    }
    return pBar;
}
