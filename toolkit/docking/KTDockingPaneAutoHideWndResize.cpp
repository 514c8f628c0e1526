// KTDockingPaneAutoHideWndResize.cpp: dragging the slide-out window's edge gives its group another size.
#include <algorithm>

#include "KTCaptureLoop.h"
#include "KTDockingPane.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "KTSplitterTracker.h"

void CKTDockingPaneAutoHideWnd::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo, BOOL bWithEdge) const
{
    m_pContainer->GetMinMaxInfo(pMinMaxInfo);
    if (!bWithEdge)
        return;
    (IsVerticalSliding() ? pMinMaxInfo->ptMinTrackSize.y : pMinMaxInfo->ptMinTrackSize.x) += ktEdge;
    (IsVerticalSliding() ? pMinMaxInfo->ptMaxTrackSize.y : pMinMaxInfo->ptMaxTrackSize.x) += ktEdge;
}

BOOL CKTDockingPaneAutoHideWnd::IsPanelBefore() const
{
    int nSide = GetManager()->GetRTLDirection(m_nDirection);
    return nSide == ktDockLeft || nSide == ktDockTop;
}

CRect CKTDockingPaneAutoHideWnd::GetLayoutAreaOnScreen() const
{
    CKTDockingPaneManager* pManager = GetManager();
    CRect rcArea = pManager->GetTopPane() ? pManager->GetTopPane()->GetRect() : CRect();
    pManager->GetSite()->ClientToScreen(&rcArea);
    return rcArea;
}

BOOL CKTDockingPaneAutoHideWnd::GetEdgeRange(const CRect& rcWindow, CRect& rcEdge, int& nLow, int& nHigh) const
{
    CRect rcArea = GetLayoutAreaOnScreen();
    MINMAXINFO mmi;
    GetMinMaxInfo(&mmi, TRUE);
    BOOL bVertical = IsVerticalSliding();
    int nGap = GetManager()->m_nSplitterGap + ktEdge;
    int nMin = std::max(int(bVertical ? mmi.ptMinTrackSize.y : mmi.ptMinTrackSize.x), nGap);
    int nMax = bVertical ? mmi.ptMaxTrackSize.y : mmi.ptMaxTrackSize.x;
    int nNear = bVertical ? rcArea.top : rcArea.left, nFar = bVertical ? rcArea.bottom : rcArea.right;
    rcEdge = rcWindow;
    LONG& nEdgeNear = bVertical ? rcEdge.top : rcEdge.left;
    LONG& nEdgeFar = bVertical ? rcEdge.bottom : rcEdge.right;
    // The range is for the edge's near side; the window's size is measured to the edge's far side.
    if (IsPanelBefore())
    {
        nEdgeNear = nEdgeFar - ktEdge;
        nLow = nNear + nMin - ktEdge;
        nHigh = std::min(nFar - nGap, nNear + nMax) - ktEdge;
    }
    else
    {
        nEdgeFar = nEdgeNear + ktEdge;
        nLow = std::max(nNear + nGap, nFar - nMax);
        nHigh = nFar - nMin;
    }
    return nLow <= nHigh;
}

BOOL CKTDockingPaneAutoHideWnd::CanResize() const
{
    CRect rcFull = m_rcFull, rcEdge;
    int nLow = 0, nHigh = 0;
    GetManager()->GetSite()->ClientToScreen(&rcFull);
    return !GetManager()->m_bLockSplitters && GetEdgeRange(rcFull, rcEdge, nLow, nHigh);
}

void CKTDockingPaneAutoHideWnd::OnLButtonDown(UINT, CPoint point)
{
    CRect rcEdge;
    int nLow = 0, nHigh = 0;
    if (GetManager()->m_bLockSplitters || !m_pContainer || !GetEdgeRange(CKTWindowRect(this), rcEdge, nLow, nHigh))
        return;
    // Messages dispatched by the loops may close the window.
    CKTSmartPtr<CKTDockingPaneAutoHideWnd> keepAlive(this);
    m_bResizing = TRUE;
    ClientToScreen(&point);
    if (GetManager()->m_bSplitterTracker)
        TrackWithOutline(rcEdge, nLow, nHigh, point);
    else
        TrackLive(rcEdge, nLow, nHigh, point);
    m_bResizing = FALSE;
}

void CKTDockingPaneAutoHideWnd::TrackWithOutline(CRect rcEdge, int nLow, int nHigh, CPoint ptScreen)
{
    BOOL bVertical = IsVerticalSliding();
    CRect rcAvail = rcEdge;
    (bVertical ? rcAvail.top : rcAvail.left) = nLow;
    (bVertical ? rcAvail.bottom : rcAvail.right) = nHigh;
    CRect rcTracker = rcEdge;
    CKTSplitterTracker tracker(FALSE);
    if (tracker.Track(this, rcAvail, rcTracker, ptScreen, bVertical) && rcTracker != rcEdge)
        ApplyEdge(rcTracker);
}

void CKTDockingPaneAutoHideWnd::TrackLive(CRect rcEdge, int nLow, int nHigh, CPoint ptScreen)
{
    BOOL bVertical = IsVerticalSliding();
    int nStart = bVertical ? rcEdge.top : rcEdge.left;
    int nGrip = (bVertical ? ptScreen.y : ptScreen.x) - nStart;
    CKTCaptureLoop loop(m_hWnd, ktLoopPaintFirst);
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message != WM_MOUSEMOVE)
        {
            CKTCaptureLoop::Dispatch(msg);
            continue;
        }
        CPoint pt;
        ::GetCursorPos(&pt);
        CRect rcMoved = rcEdge;
        int nAt = std::max(nLow, std::min(int(bVertical ? pt.y : pt.x) - nGrip, nHigh));
        rcMoved.OffsetRect(bVertical ? 0 : nAt - nStart, bVertical ? nAt - nStart : 0);
        ApplyEdge(rcMoved);
    }
}

void CKTDockingPaneAutoHideWnd::ApplyEdge(const CRect& rcEdgeScreen)
{
    if (!m_pContainer || !m_pContainer->GetSelected())
        return;
    CRect rcEdge = rcEdgeScreen;
    GetManager()->GetSite()->ScreenToClient(&rcEdge);
    CRect rc = m_rcFull;
    switch (GetManager()->GetRTLDirection(m_nDirection))
    {
    case ktDockLeft:
        rc.right = rcEdge.right;
        break;
    case ktDockRight:
        rc.left = rcEdge.left;
        break;
    case ktDockTop:
        rc.bottom = rcEdge.bottom;
        break;
    default:
        rc.top = rcEdge.top;
        break;
    }
    // The group's size leaves out the edge, as the window is made from it plus the edge.
    ApplySize(rc, (IsVerticalSliding() ? rc.Height() : rc.Width()) - ktEdge);
}

void CKTDockingPaneAutoHideWnd::ApplySize(const CRect& rc, int nDockedSize)
{
    CKTDockingPane* pPane = m_pContainer ? m_pContainer->GetSelected() : NULL;
    if (!pPane)
        return;
    (IsVerticalSliding() ? pPane->m_nDockedHeight : pPane->m_nDockedWidth) = nDockedSize;
    m_rcFull = rc;
    SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
    Invalidate(FALSE);
}
