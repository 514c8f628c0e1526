// KTCommandBarCustomize.cpp: a bar while the bars are customised: presses that drag controls, the insertion
// marker of a control dragged over it, drops, and the customise selection's frame.
#include "KTCommandBar.h"

#include "KTColorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTDrawObjects.h"
#include "KTFoundationRes.h"
#include "KTResourceManager.h"

#include <climits>
#include <cstdlib>

namespace
{
// The marker is this thick across the layout axis's edge it stands on.
const int kMarkerHalf = 3;
// A control dropped onto itself further than this changes its group mark instead of staying as it was.
const int kGroupMoveDistance = 4;
// The marker's colour-table slot.
const int kMarkerColor = 15;

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

BOOL CKTCommandBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTControl* pSelection = pCommandBars && IsCustomizeMode() ? pCommandBars->GetCustomizeSelection() : NULL;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (nHitTest != HTCLIENT || !pSelection || pSelection->GetParent() != this ||
        pSelection->HitTestCustomizeEdge(pt) == 0)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(KTResourceManager()->LoadCursor(KT_IDC_CUSTOMIZE_RESIZE));
    return TRUE;
}

BOOL CKTCommandBar::AltDragControl(CKTControl* pControl, CPoint point)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || IsPopupBar() || ::GetKeyState(VK_MENU) >= 0 || IsCustomizeMode() ||
        !pCommandBars->GetCommandBarsOptions()->bAltDragCustomization || !pCommandBars->IsCustomizeCommandAvailable())
        return FALSE;
    CKTSmartPtr<CKTControl> pHold(pControl);
    pCommandBars->SetCustomizeMode(TRUE);
    SetPopuped(-1);
    SetSelected(-1);
    pControl->CustomizeStartDrag(point);
    pCommandBars->SetCustomizeMode(FALSE);
    pCommandBars->RecalcFrameLayout();
    pCommandBars->ClosePopups();
    return TRUE;
}

BOOL CKTCommandBar::OnCustomizeDragEnter(CKTControl* pDragged, CPoint pt)
{
    SetDropMarker(-1, CRect(0, 0, 0, 0));
    // The ribbon lays its controls out in groups of its own, which a drop knows nothing of.
    if (!m_bCustomizable || IsRibbonBar() || !IsWindowVisible() || !pDragged->IsCustomizeDropAllowed(this))
        return FALSE;
    OnCustomizeDragOver(pDragged, pt);
    return TRUE;
}

void CKTCommandBar::OnCustomizeDragLeave() { SetDropMarker(-1, CRect(0, 0, 0, 0)); }

void CKTCommandBar::OnCustomizeDragOver(CKTControl* pDragged, CPoint pt)
{
    CRect rcMarker;
    const int nIndex = FindDropIndex(pt, rcMarker);
    SetDropMarker(nIndex, rcMarker);
    if (CKTControl* pOver = m_pControls->HitTest(pt))
        pOver->OnCustomizeDragOver(pDragged, pt);
}

int CKTCommandBar::FindDropIndex(CPoint pt, CRect& rcMarker) const
{
    const BOOL bVertical = IsVerticalLayout();
    // The controls of the row under the point compete; a point beside every row takes the nearest of all.
    CKTControl* pNearest = NULL;
    for (int nPass = 0; nPass < 2 && !pNearest; nPass++)
    {
        int nBest = INT_MAX;
        for (int i = 0; i < GetControlCount(); i++)
        {
            CKTControl* pControl = GetControl(i);
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
        CRect rc = CKTClientRect(this);
        rcMarker = bVertical ? CRect(rc.left + 2, rc.top + 2, rc.right - 2, rc.top + 8)
                             : CRect(rc.left + 2, rc.top + 2, rc.left + 8, rc.bottom - 2);
        return GetControlCount();
    }
    const CRect rc = pNearest->GetRect();
    const BOOL bAfter = AxisPos(pt, bVertical) > (NearEdge(rc, bVertical) + FarEdge(rc, bVertical)) / 2;
    if (!bAfter)
    {
        rcMarker = MarkerAt(NearEdge(rc, bVertical), rc, bVertical);
        return pNearest->GetIndex();
    }
    rcMarker = MarkerAt(FarEdge(rc, bVertical), rc, bVertical);
    CKTControl* pNext = GetControl(pNearest->GetIndex() + 1);
    if (pNext && pNext->IsVisible() && !pNext->GetBeginGroup() && !(pNext->GetFlags() & ktFlagWrapRow) &&
        CrossContains(pNext->GetRect(), rc.CenterPoint(), bVertical))
        rcMarker = MarkerAt(NearEdge(pNext->GetRect(), bVertical), rc, bVertical);
    return pNearest->GetIndex() + 1;
}

void CKTCommandBar::SetDropMarker(int nIndex, const CRect& rcMarker)
{
    m_nDropIndex = nIndex;
    if (m_rcMarker == rcMarker)
        return;
    m_rcMarker = rcMarker;
    if (GetSafeHwnd())
        Redraw(NULL, FALSE);
}

void CKTCommandBar::OnCustomizeDrop(CKTControl* pDragged, int& nEffect, CPoint ptDrop, CPoint ptStart)
{
    CKTSmartPtr<CKTControl> pHold(pDragged);
    const int nIndex = m_nDropIndex < 0 || m_nDropIndex > GetControlCount() ? GetControlCount() : m_nDropIndex;
    SetDropMarker(-1, CRect(0, 0, 0, 0));
    if (pDragged->GetParent() == this && m_pControls->HitTest(ptDrop) == pDragged)
    {
        // Onto itself: nothing moves, but a drag along the bar marks or unmarks a group.
        const int nDelta = AxisPos(ptDrop, IsVerticalLayout()) - AxisPos(ptStart, IsVerticalLayout());
        if (abs(nDelta) > kGroupMoveDistance)
            pDragged->SetBeginGroup(nDelta > 0 && pDragged->GetIndex() > 0);
        nEffect = ktDropEffectCancel;
    }
    else
    {
        SetPopuped(-1);
        SetSelected(-1);
        // A move shares the control's popup bar with the one it leaves behind; a copy gets a popup of its own.
        CKTSmartPtr<CKTControl> pClone = CKTSmartPtr<CKTControl>::Adopt(pDragged->Clone(nEffect == ktDropEffectCopy));
        CKTControl* pAt = GetControl(nIndex);
        pClone->SetBeginGroup(pAt && pAt->GetBeginGroup());
        if (pAt)
            pAt->SetBeginGroup(FALSE);
        m_pControls->InsertAt(pClone, nIndex);
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->SetCustomizeSelection(pClone);
    }
    OnRecalcLayout();
    Redraw(NULL, FALSE);
}

void CKTCommandBar::DrawCustomizeMarks(CDC* pDC)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTControl* pSelection = pCommandBars && IsCustomizeMode() ? pCommandBars->GetCustomizeSelection() : NULL;
    if (pSelection && pSelection->GetParent() == this && pSelection->IsVisible())
    {
        CRect rc = pSelection->GetRect();
        pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
    }
    if (m_rcMarker.IsRectEmpty())
        return;
    const CRect& r = m_rcMarker;
    CKTBrushDC brush(pDC->GetSafeHdc(), KTColorManager()->GetColor(kMarkerColor));
    // Two arrow-like caps joined by a bar: across the axis on a vertical bar, along it on a horizontal one.
    if (IsVerticalLayout())
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
