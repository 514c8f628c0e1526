// KTBarDropTarget.cpp: a control dragged over a bar while customising: its insertion point, its marker, the drop.
#include "KTBarDropTarget.h"

#include "KTColorManager.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"

#include <climits>
#include <cstdlib>

namespace
{
// The marker is this thick across the layout axis's edge it stands on.
const int kMarkerHalf = 3;
// The marker's colour-table slot.
const int kMarkerColor = 15;
// A control dropped onto itself further than this changes its group mark instead of staying as it was.
const int kGroupMoveDistance = 4;

int AxisPos(CPoint pt, BOOL bVertical) { return bVertical ? pt.y : pt.x; }
int CrossPos(CPoint pt, BOOL bVertical) { return bVertical ? pt.x : pt.y; }
int NearEdge(const CRect& rc, BOOL bVertical) { return bVertical ? rc.top : rc.left; }
int FarEdge(const CRect& rc, BOOL bVertical) { return bVertical ? rc.bottom : rc.right; }
BOOL CrossContains(const CRect& rc, CPoint pt, BOOL bVertical)
{
    const int n = CrossPos(pt, bVertical);
    return bVertical ? (n >= rc.left && n < rc.right) : (n >= rc.top && n < rc.bottom);
}

// A band across the axis at the edge, as long as the control is across.
CRect MarkerAt(int nEdge, const CRect& rcControl, BOOL bVertical)
{
    return bVertical ? CRect(rcControl.left, nEdge - kMarkerHalf, rcControl.right, nEdge + kMarkerHalf)
                     : CRect(nEdge - kMarkerHalf, rcControl.top, nEdge + kMarkerHalf, rcControl.bottom);
}
}  // namespace

BOOL CKTBarDropTarget::OnDragEnter(CKTControl* pDragged, CPoint pt)
{
    OnDragLeave();
    // The ribbon lays its controls out in groups of its own, which a drop knows nothing of.
    if (!m_pBar->IsCustomizable() || m_pBar->IsRibbonBar() || !m_pBar->IsWindowVisible() ||
        !pDragged->IsCustomizeDropAllowed(m_pBar))
        return FALSE;
    OnDragOver(pDragged, pt);
    return TRUE;
}

void CKTBarDropTarget::OnDragOver(CKTControl* pDragged, CPoint pt)
{
    CRect rcMarker;
    const int nIndex = Find(pt, rcMarker);
    Set(nIndex, rcMarker);
    if (CKTControl* pOver = m_pBar->GetControls()->HitTest(pt))
        pOver->OnCustomizeDragOver(pDragged, pt);
}

void CKTBarDropTarget::OnDrop(CKTControl* pDragged, int& nEffect, CPoint ptDrop, CPoint ptStart)
{
    CKTSmartPtr<CKTControl> pHold(pDragged);
    const int nCount = m_pBar->GetControlCount();
    const int nIndex = m_nIndex < 0 || m_nIndex > nCount ? nCount : m_nIndex;
    OnDragLeave();
    if (pDragged->GetParent() == m_pBar && m_pBar->GetControls()->HitTest(ptDrop) == pDragged)
    {
        // Onto itself: nothing moves, but a drag along the bar marks or unmarks a group.
        const int nDelta = m_pBar->IsVerticalLayout() ? ptDrop.y - ptStart.y : ptDrop.x - ptStart.x;
        if (abs(nDelta) > kGroupMoveDistance)
            pDragged->SetBeginGroup(nDelta > 0 && pDragged->GetIndex() > 0);
        nEffect = ktDropEffectCancel;
    }
    else
    {
        m_pBar->SetPopuped(-1);
        m_pBar->SetSelected(-1);
        // A move shares the control's popup bar with the one it leaves behind; a copy gets a popup of its own.
        CKTSmartPtr<CKTControl> pClone = CKTSmartPtr<CKTControl>::Adopt(pDragged->Clone(nEffect == ktDropEffectCopy));
        CKTControl* pAt = m_pBar->GetControl(nIndex);
        pClone->SetBeginGroup(pAt && pAt->GetBeginGroup());
        if (pAt)
            pAt->SetBeginGroup(FALSE);
        m_pBar->GetControls()->InsertAt(pClone, nIndex);
        if (CKTCommandBars* pCommandBars = m_pBar->GetCommandBars())
            pCommandBars->GetCustomize()->SetSelection(pClone);
    }
    m_pBar->OnRecalcLayout();
    m_pBar->Redraw(NULL, FALSE);
}

int CKTBarDropTarget::Find(CPoint pt, CRect& rcMarker) const
{
    const BOOL bVertical = m_pBar->IsVerticalLayout();
    const CKTControls* pControls = m_pBar->GetControls();
    // The controls of the row under the point compete; a point beside every row takes the nearest of all, unless
    // the bar keeps to what lies across the pointer.
    CKTControl* pNearest = NULL;
    const int nCount = pControls ? pControls->GetCount() : 0;
    const int nPasses = m_pBar->IsNoScrolling() ? 1 : 2;
    for (int nPass = 0; nPass < nPasses && !pNearest; nPass++)
    {
        int nBest = INT_MAX;
        for (int i = 0; i < nCount; i++)
        {
            CKTControl* pControl = pControls->GetAt(i);
            const CRect rc = pControl->GetRect();
            if (!pControl->IsVisible() || !pControl->IsCustomizeMovable() ||
                (nPass == 0 && !CrossContains(rc, pt, bVertical)))
                continue;
            const int nDistance = abs((NearEdge(rc, bVertical) + FarEdge(rc, bVertical)) / 2 - AxisPos(pt, bVertical));
            if (nDistance < nBest)
                nBest = nDistance, pNearest = pControl;
        }
    }
    if (!pNearest)
    {
        CRect rc = CKTClientRect(m_pBar);
        rcMarker = bVertical ? CRect(rc.left + 2, rc.top + 2, rc.right - 2, rc.top + 8)
                             : CRect(rc.left + 2, rc.top + 2, rc.left + 8, rc.bottom - 2);
        return nCount;
    }
    const CRect rc = pNearest->GetRect();
    const BOOL bAfter = AxisPos(pt, bVertical) > (NearEdge(rc, bVertical) + FarEdge(rc, bVertical)) / 2;
    if (!bAfter)
    {
        rcMarker = MarkerAt(NearEdge(rc, bVertical), rc, bVertical);
        return pNearest->GetIndex();
    }
    rcMarker = MarkerAt(FarEdge(rc, bVertical), rc, bVertical);
    CKTControl* pNext = pControls->GetAt(pNearest->GetIndex() + 1);
    if (pNext && pNext->IsVisible() && !pNext->GetBeginGroup() && !(pNext->GetFlags() & ktFlagWrapRow) &&
        CrossContains(pNext->GetRect(), rc.CenterPoint(), bVertical))
        rcMarker = MarkerAt(NearEdge(pNext->GetRect(), bVertical), rc, bVertical);
    return pNearest->GetIndex() + 1;
}

void CKTBarDropTarget::Set(int nIndex, const CRect& rcMarker)
{
    m_nIndex = nIndex;
    if (m_rcMarker == rcMarker)
        return;
    m_rcMarker = rcMarker;
    if (m_pBar->GetSafeHwnd())
        m_pBar->Redraw(NULL, FALSE);
}

void CKTBarDropTarget::DrawMarker(CDC* pDC) const
{
    if (m_rcMarker.IsRectEmpty())
        return;
    const CRect& r = m_rcMarker;
    CKTBrushDC brush(pDC->GetSafeHdc(), KTColorManager()->GetColor(kMarkerColor));
    // Two arrow-like caps joined by a bar: across the axis on a vertical bar, along it on a horizontal one.
    if (m_pBar->IsVerticalLayout())
    {
        pDC->PatBlt(r.left, r.top, 1, r.Height(), PATINVERT);
        pDC->PatBlt(r.left + 1, r.top + 1, 1, r.Height() - 2, PATINVERT);
        pDC->PatBlt(r.left + 2, r.top + 2, r.Width() - 4, 2, PATINVERT);
        pDC->PatBlt(r.right - 1, r.top, 1, r.Height(), PATINVERT);
        pDC->PatBlt(r.right - 2, r.top + 1, 1, r.Height() - 2, PATINVERT);
        return;
    }
    pDC->PatBlt(r.left, r.top, r.Width(), 1, PATINVERT);
    pDC->PatBlt(r.left + 1, r.top + 1, r.Width() - 2, 1, PATINVERT);
    pDC->PatBlt(r.left + 2, r.top + 2, 2, r.Height() - 4, PATINVERT);
    pDC->PatBlt(r.left, r.bottom - 1, r.Width(), 1, PATINVERT);
    pDC->PatBlt(r.left + 1, r.bottom - 2, r.Width() - 2, 1, PATINVERT);
}
