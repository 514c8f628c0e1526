// KTControlCustomize.cpp: dragging a control between bars and dragging its width while the bars are customised.
#include "KTControl.h"

#include "KTCaptureLoop.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTDrawObjects.h"

#include <algorithm>

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

BOOL CKTControl::IsCustomizeMovable() const
{
    return m_pParent && m_pParent->IsCustomizable() && !(m_dwFlags & ktFlagNoMovable);
}

void CKTControl::OnCustomizeClick(CPoint pt)
{
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
    CustomizeStartDrag(pt);
}

void CKTControl::OnCustomizeDragOver(CKTControl*, CPoint)
{
    if (!m_pParent)
        return;
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
}

void CKTControl::CustomizeStartDrag(CPoint pt)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !m_pParent)
        return;
    if (pCommandBars->GetCustomizeSelection() == this && CustomizeStartResize(pt))
        return;
    CKTSmartPtr<CKTControl> pHold(this);
    CKTSmartPtr<CKTCommandBar> pBar(m_pParent);
    pCommandBars->SetCustomizeSelection(this);
    const int nEffect = pCommandBars->GetDropSource()->DoDragDrop(this);
    if (nEffect != ktDropEffectNone && nEffect != ktDropEffectMove)
        return;
    if (m_pParent != pBar)
        return;
    // The control leaves its bar; its group mark passes on so that the separators stay where they were.
    pBar->SetPopuped(-1);
    pBar->SetSelected(-1);
    if (pCommandBars->GetCustomizeSelection() == this)
        pCommandBars->SetCustomizeSelection(NULL);
    if (CKTControl* pNext = pBar->GetControl(m_nIndex + 1))
        pNext->SetBeginGroup(m_nIndex > 0 && (m_bBeginGroup || pNext->GetBeginGroup()));
    pBar->GetControls()->Remove(this);
    if (pBar->GetSafeHwnd())
        pBar->OnRecalcLayout();
}

int CKTControl::HitTestCustomizeEdge(CPoint pt) const
{
    if (!IsCustomizeResizeAllow() || pt.y < m_rcControl.top || pt.y >= m_rcControl.bottom)
        return 0;
    if (abs(pt.x - m_rcControl.left) <= kResizeEdge)
        return -1;
    if (abs(pt.x - m_rcControl.right) <= kResizeEdge)
        return 1;
    return 0;
}

BOOL CKTControl::CustomizeStartResize(CPoint pt)
{
    const int nEdge = HitTestCustomizeEdge(pt);
    if (nEdge == 0 || !m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    CKTSmartPtr<CKTControl> pHold(this);
    CKTSmartPtr<CKTCommandBar> pBar(m_pParent);
    const CRect rcStart = m_rcControl;
    const int nMinWidth = std::max<int>(GetCustomizeMinWidth(), 1);
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
        SetWidth(m_nWidth + rc.Width() - rcStart.Width());
        pBar->OnRecalcLayout();
        pBar->Redraw(NULL, FALSE);
    }
    return TRUE;
}
