// KTCustomizeDrag.cpp: dragging a control between bars and dragging its width while the bars are customised.
#include "KTCustomizeMode.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTDrawObjects.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// A press this near the left or right edge of a resizable control drags its width.
const int kResizeEdge = 2;
const CSize kResizeFrame(2, 2);

// The control's rectangle with the dragged edge moved by dx, kept at least nMinWidth wide.
CRect ResizedRect(CRect rc, int nEdge, int dx, int nMinWidth)
{
    if (nEdge > 0)
        rc.right = std::max<int>(rc.right + dx, rc.left + nMinWidth);
    else
        rc.left = std::min<int>(rc.left + dx, rc.right - nMinWidth);
    return rc;
}
}  // namespace

void CKTCustomizeMode::DragControl(CKTControl* pControl, CPoint pt)
{
    if (!pControl->GetParent())
        return;
    if (m_pSelection == pControl && ResizeControl(pControl, pt))
        return;
    CKTSmartPtr<CKTControl> pHold(pControl);
    CKTSmartPtr<CKTCommandBar> pBar(pControl->GetParent());
    SetSelection(pControl);
    const int nEffect = m_pDropSource->DoDragDrop(pControl);
    if (nEffect != ktDropEffectNone && nEffect != ktDropEffectMove)
        return;
    if (pControl->GetParent() != pBar)
        return;
    // The control leaves its bar; its group mark passes on so that the separators stay where they were.
    pBar->SetPopuped(-1);
    pBar->SetSelected(-1);
    if (m_pSelection == pControl)
        SetSelection(NULL);
    const int nIndex = pControl->GetIndex();
    if (CKTControl* pNext = pBar->GetControl(nIndex + 1))
        pNext->SetBeginGroup(nIndex > 0 && (pControl->GetBeginGroup() || pNext->GetBeginGroup()));
    pBar->GetControls()->Remove(pControl);
    if (pBar->GetSafeHwnd())
        pBar->OnRecalcLayout();
}

int CKTCustomizeMode::HitTestResizeEdge(const CKTControl* pControl, CPoint pt)
{
    const CRect rcControl = pControl->GetRect();
    if (!pControl->IsCustomizeResizeAllow() || pt.y < rcControl.top || pt.y >= rcControl.bottom)
        return 0;
    if (abs(pt.x - rcControl.left) <= kResizeEdge)
        return -1;
    if (abs(pt.x - rcControl.right) <= kResizeEdge)
        return 1;
    return 0;
}

BOOL CKTCustomizeMode::ResizeControl(CKTControl* pControl, CPoint pt)
{
    const int nEdge = HitTestResizeEdge(pControl, pt);
    if (nEdge == 0 || !pControl->GetParent() || !pControl->GetParent()->GetSafeHwnd())
        return FALSE;
    CKTSmartPtr<CKTControl> pHold(pControl);
    CKTSmartPtr<CKTCommandBar> pBar(pControl->GetParent());
    const CRect rcStart = pControl->GetRect();
    const int nMinWidth = std::max<int>(pControl->GetCustomizeMinWidth(), 1);
    CRect rc = rcStart;
    {
        CKTDesktopOutline outline;
        CKTCaptureLoop loop(pBar->GetSafeHwnd(), ktLoopPaintFirst);
        auto invert = [&](const CRect& rcBar)
        {
            CRect rcScreen = rcBar;
            pBar->ClientToScreen(&rcScreen);
            outline.InvertFrame(rcScreen, kResizeFrame);
        };
        invert(rc);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message != WM_MOUSEMOVE)
            {
                CKTCaptureLoop::Dispatch(msg);
                continue;
            }
            CPoint ptMove = msg.pt;
            pBar->ScreenToClient(&ptMove);
            const CRect rcNew = ResizedRect(rcStart, nEdge, ptMove.x - pt.x, nMinWidth);
            if (rcNew == rc)
                continue;
            invert(rc);
            rc = rcNew;
            invert(rc);
        }
        invert(rc);
        if (!loop.IsReleased())
            rc = rcStart;
    }
    if (rc.Width() != rcStart.Width())
    {
        // A control on a popup bar is wider than its width by the popup's own margin.
        pControl->SetWidth(pControl->GetWidth() + rc.Width() - rcStart.Width());
        pBar->OnRecalcLayout();
        pBar->Redraw(NULL, FALSE);
    }
    return TRUE;
}
