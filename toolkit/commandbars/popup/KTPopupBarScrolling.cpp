// KTPopupBarScrolling.cpp: a popup too tall for the work area shows a run of its items between scroll bands; the
// popup's mouse moves, timers and selection, which the bands share with the gripper and the expand button.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

namespace
{
const int KT_SCROLL_BAND = 16;
const UINT KT_SCROLL_INTERVAL = 80;
}  // namespace

int CKTPopupBar::GetScrolledCount() const
{
    const int nCount = GetControlCount();
    CKTControl* pLast = GetControl(nCount - 1);
    return pLast && pLast->GetID() == (int)KT_ID_POPUPBAR_EXPAND ? nCount - 1 : nCount;
}

void CKTPopupBar::LayoutScrolled(BOOL bFromEnd)
{
    // The gripper above the run and the expand button below it stay where the full layout puts them.
    CRect rcBorder = GetBorders();
    int nExpandHeight = 0;
    ReserveSpecialRows(rcBorder, nExpandHeight);
    PlaceSpecialRows(m_rcScrollClient.Size(), rcBorder, nExpandHeight);
    const CRect rcInner(m_rcScrollClient.left + rcBorder.left, m_rcScrollClient.top + rcBorder.top,
                        m_rcScrollClient.right - rcBorder.right, m_rcScrollClient.bottom - rcBorder.bottom);
    const int nCount = GetScrolledCount();
    const int nSeparator = nCount ? GetPaintManager()->DrawCommandBarSeparator(NULL, this, GetControl(0), FALSE).cy : 0;
    if (m_nFirstVisible == 1)
        m_nFirstVisible = 0;
    for (int i = 0; i < nCount; i++)
        GetControl(i)->SetHideFlag(ktHideScroll, TRUE);
    // The run grows from one end while the space left still holds the other end's band.
    const int nStep = bFromEnd ? -1 : 1;
    int i = bFromEnd ? m_nEndVisible - 1 : m_nFirstVisible;
    const int nStop = bFromEnd ? -1 : nCount;
    int nEdge = bFromEnd ? rcInner.bottom - (m_nEndVisible < nCount ? KT_SCROLL_BAND : 0)
                         : rcInner.top + (m_nFirstVisible > 0 ? KT_SCROLL_BAND : 0);
    const int nLimit = bFromEnd ? rcInner.top : rcInner.bottom;
    int nRunEnd = i;
    BOOL bFirstPlaced = TRUE;
    for (; i != nStop; i += nStep)
    {
        CKTControl* pControl = GetControl(i);
        pControl->SetHideFlag(ktHideScroll, FALSE);
        if (!pControl->IsVisible())
            continue;
        const int nGap = pControl->GetBeginGroup() && !bFirstPlaced ? nSeparator : 0;
        const int nHeight = pControl->GetRect().Height() + nGap;
        const BOOL bLast = i + nStep == nStop;
        const int nNeeded = nHeight + (bLast ? 0 : KT_SCROLL_BAND);
        if (bFromEnd ? nEdge - nNeeded < nLimit : nEdge + nNeeded > nLimit)
        {
            pControl->SetHideFlag(ktHideScroll, TRUE);
            break;
        }
        const int nTop = bFromEnd ? nEdge - nHeight + nGap : nEdge + nGap;
        pControl->SetRect(CRect(rcInner.left, nTop, rcInner.right, nTop + nHeight - nGap));
        pControl->SetRowRect(pControl->GetRect());
        nEdge += bFromEnd ? -nHeight : nHeight;
        nRunEnd = i;
        bFirstPlaced = FALSE;
    }
    if (bFromEnd)
        m_nFirstVisible = nRunEnd;
    else
        m_nEndVisible = nRunEnd + 1;
    m_scrollUp.rc = m_nFirstVisible > 0 ? CRect(rcInner.left, rcInner.top, rcInner.right, rcInner.top + KT_SCROLL_BAND)
                                        : CRect(0, 0, 0, 0);
    m_scrollDown.rc = m_nEndVisible < nCount
                          ? CRect(rcInner.left, rcInner.bottom - KT_SCROLL_BAND, rcInner.right, rcInner.bottom)
                          : CRect(0, 0, 0, 0);
}

void CKTPopupBar::CKTPopupScrollArea::Start()
{
    if (nTimer == 0 && pBar->GetSafeHwnd())
        nTimer = pBar->SetTimer(nTimerId, KT_SCROLL_INTERVAL, NULL);
}

void CKTPopupBar::CKTPopupScrollArea::Stop()
{
    if (nTimer != 0 && pBar->GetSafeHwnd())
        pBar->KillTimer(nTimer);
    nTimer = 0;
}

void CKTPopupBar::StopScrollTimers()
{
    m_scrollDown.Stop();
    m_scrollUp.Stop();
}

void CKTPopupBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nLockRecurse > 0)
        return;
    // The pointer reached the sub-menu, perhaps across a sibling of its item: the item is selected again so
    // that the sibling's hover timer does not close the sub-menu under the pointer.
    CKTCommandBar* pParent = GetParentCommandBar();
    if (pParent && m_pControlPopup && CKTClientRect(this).PtInRect(point))
        pParent->SetSelected(m_pControlPopup->GetIndex());
    if (m_bTearOffPopup && !IsCustomizeMode() && m_rcGripper.PtInRect(point) && !m_bGripperHot)
    {
        SetSelected(-1);
        SetPopuped(-1);
        SetTimer(KT_TIMER_TEAROFF, KT_TEAROFF_INTERVAL, NULL);
    }
    if (m_bScrolling)
    {
        for (CKTPopupScrollArea* pArea : {&m_scrollDown, &m_scrollUp})
        {
            const BOOL bInside = pArea->rc.PtInRect(point);
            if (bInside)
                pArea->Start();
            else
                pArea->Stop();
            // The run moves under an open sub-menu's item: close it.
            if (bInside && m_nPopuped != -1)
                SetPopuped(-1);
        }
    }
    CKTCommandBar::OnMouseMove(nFlags, point);
}

void CKTPopupBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == KT_TIMER_TEAROFF)
    {
        OnGripperTimer();
        return;
    }
    if (nIDEvent == KT_TIMER_EXPAND_BUTTON)
    {
        KillTimer(KT_TIMER_EXPAND_BUTTON);
        CKTControl* pSelected = GetControl(m_nSelected);
        if (pSelected && pSelected->GetID() == (int)KT_ID_POPUPBAR_EXPAND)
            pSelected->OnExecute();
        return;
    }
    const BOOL bDown = nIDEvent == m_scrollDown.nTimerId;
    if (!bDown && nIDEvent != m_scrollUp.nTimerId)
    {
        CKTCommandBar::OnTimer(nIDEvent);
        return;
    }
    CKTPopupScrollArea& area = bDown ? m_scrollDown : m_scrollUp;
    const BOOL bMore = bDown ? m_nEndVisible < GetScrolledCount() : m_nFirstVisible > 0;
    if (!bMore)
    {
        area.Stop();
        return;
    }
    if (bDown)
        m_nEndVisible++;
    else
        m_nFirstVisible--;
    LayoutScrolled(bDown);
    Redraw(NULL, FALSE);
}

BOOL CKTPopupBar::SetSelected(int nSelected, int nKeyboard)
{
    if (!CKTCommandBar::SetSelected(nSelected, nKeyboard))
        return FALSE;
    CKTControl* pControl = GetControl(nSelected);
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pControl && !nKeyboard && pControl->GetID() == (int)KT_ID_POPUPBAR_EXPAND && pCommandBars &&
        pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay)
        SetTimer(KT_TIMER_EXPAND_BUTTON, KT_EXPAND_BUTTON_DELAY, NULL);
    else if (GetSafeHwnd())
        KillTimer(KT_TIMER_EXPAND_BUTTON);
    if (!m_bScrolling || !pControl || !(pControl->GetHideFlags() & ktHideScroll))
        return TRUE;
    const BOOL bBelow = nSelected >= m_nEndVisible;
    if (bBelow)
        m_nEndVisible = nSelected + 1;
    else
        m_nFirstVisible = nSelected;
    LayoutScrolled(bBelow);
    Redraw(NULL, FALSE);
    return TRUE;
}

void CKTPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CKTCommandBar::DrawCommandBar(pDC, rcClipBox);
    if (m_bTearOffPopup && !m_rcGripper.IsRectEmpty())
        GetPaintManager()->DrawTearOffGripper(pDC, m_rcGripper, m_bGripperHot, TRUE);
    if (!m_bScrolling)
        return;
    DrawScrollArea(pDC, m_scrollDown, TRUE);
    DrawScrollArea(pDC, m_scrollUp, FALSE);
}

void CKTPopupBar::DrawScrollArea(CDC* pDC, const CKTPopupScrollArea& area, BOOL bDown)
{
    if (area.rc.IsRectEmpty())
        return;
    const CPoint ptCentre = area.rc.CenterPoint();
    const int nApex = bDown ? 3 : -3;
    const POINT pts[] = {{ptCentre.x - 3, ptCentre.y}, {ptCentre.x + 3, ptCentre.y}, {ptCentre.x, ptCentre.y + nApex}};
    const COLORREF clr = GetPaintManager()->GetColor(COLOR_BTNTEXT);
    CKTBrushDC brush(pDC->GetSafeHdc(), clr);
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->Polygon(pts, 3);
}
