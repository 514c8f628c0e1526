// KTDockingPaneContextGeometry.cpp: the drag context's rectangle arithmetic.
#include "KTDockingPaneContextGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace KTDockingPaneContextGeometry
{
namespace
{
const int kSideThreshold = 20;
const int kAnyDistance = 32000;
const int kOnScreenMargin = 10;
const int kSideStickerInset = 16;
const int kTabHeight = 20;
const int kTabIndent = 5;
const int kTabWidth = 50;

struct SSideDistance
{
    int nDirection;
    double dDistance;
};

// The offset that lines the edge up with the target, when they lie closer than the distance.
BOOL SnapEdge(int nEdge, int nTarget, int nDistance, int* pnOffset)
{
    if (std::abs(nEdge - nTarget) >= nDistance)
        return FALSE;
    *pnOffset = nTarget - nEdge;
    return TRUE;
}

// An edge being dragged goes onto the other's opposite edge, else its same edge, when one lies within the distance.
void SnapMovingEdge(BOOL bMoving, LONG& nEdge, int nOpposite, int nSame, int nDistance)
{
    int nOffset = 0;
    if (bMoving && (SnapEdge(nEdge, nOpposite, nDistance, &nOffset) || SnapEdge(nEdge, nSame, nDistance, &nOffset)))
        nEdge += nOffset;
}

// The rectangles touch or overlap within the distance.
BOOL AreNear(const CRect& rc, const CRect& rcOther, int nDistance)
{
    CRect rcNear = rcOther;
    rcNear.InflateRect(nDistance, nDistance);
    CRect rcMeet;
    return rcMeet.IntersectRect(rc, rcNear);
}

int SnapOffset(int nLow, int nHigh, int nOtherLow, int nOtherHigh, int nDistance)
{
    int nOffset = 0;
    if (SnapEdge(nLow, nOtherHigh, nDistance, &nOffset) || SnapEdge(nHigh, nOtherLow, nDistance, &nOffset) ||
        SnapEdge(nLow, nOtherLow, nDistance, &nOffset) || SnapEdge(nHigh, nOtherHigh, nDistance, &nOffset))
        return nOffset;
    return 0;
}
}  // namespace

int FindSide(const CRect& rc, CPoint pt, BOOL bInside, BOOL bFloatingAllowed)
{
    if (rc.IsRectEmpty())
        return kNone;
    double dAspect = 1.0;
    double dBest = kSideThreshold;
    if (bInside && !bFloatingAllowed)
    {
        // Scaled so a tall group still docks at its nearer long side; the ratio stays fractional so a wide group
        // does not collapse its left and right distances to zero.
        if (rc.Height() > 1 && rc.Width() > 1)
            dAspect = static_cast<double>(rc.Height()) / rc.Width();
        dBest = kAnyDistance;
    }
    CRect rcReach = rc;
    if (!bInside)
        rcReach.InflateRect(kSideThreshold, kSideThreshold);
    if (!rcReach.PtInRect(pt))
        return kNone;
    const int nSign = bInside ? 1 : -1;
    const SSideDistance sides[] = {{kTop, nSign * double(pt.y - rc.top)},
                                   {kBottom, nSign * double(rc.bottom - pt.y)},
                                   {kLeft, nSign * double(pt.x - rc.left) * dAspect},
                                   {kRight, nSign * double(rc.right - pt.x) * dAspect}};
    int nDirection = kNone;
    for (const SSideDistance& side : sides)
    {
        const BOOL bRightSide = bInside ? side.dDistance >= 0 : side.dDistance > 0;
        if (bRightSide && side.dDistance < dBest)
        {
            dBest = side.dDistance;
            nDirection = side.nDirection;
        }
    }
    return nDirection;
}

CRect KeepOnScreen(CRect rc, const CRect& rcWork)
{
    if (rc.right < rcWork.left + kOnScreenMargin)
        rc.OffsetRect(rcWork.left + kOnScreenMargin - rc.right, 0);
    if (rc.left > rcWork.right - kOnScreenMargin)
        rc.OffsetRect(rcWork.right - kOnScreenMargin - rc.left, 0);
    if (rc.bottom < rcWork.top + kOnScreenMargin)
        rc.OffsetRect(0, rcWork.top + kOnScreenMargin - rc.bottom);
    if (rc.top > rcWork.bottom - kOnScreenMargin)
        rc.OffsetRect(0, rcWork.bottom - kOnScreenMargin - rc.top);
    return rc;
}

CRect SnapToWorkArea(CRect rc, const CRect& rcWork, int nDistance)
{
    int nOffset = 0;
    if (SnapEdge(rc.top, rcWork.top, nDistance, &nOffset) || SnapEdge(rc.bottom, rcWork.bottom, nDistance, &nOffset))
        rc.OffsetRect(0, nOffset);
    nOffset = 0;
    if (SnapEdge(rc.right, rcWork.right, nDistance, &nOffset) || SnapEdge(rc.left, rcWork.left, nDistance, &nOffset))
        rc.OffsetRect(nOffset, 0);
    return rc;
}

CRect SnapToFrame(CRect rc, const CRect& rcOther, int nDistance)
{
    if (!AreNear(rc, rcOther, nDistance))
        return rc;
    rc.OffsetRect(SnapOffset(rc.left, rc.right, rcOther.left, rcOther.right, nDistance),
                  SnapOffset(rc.top, rc.bottom, rcOther.top, rcOther.bottom, nDistance));
    return rc;
}

CRect SnapSizingEdges(CRect rc, UINT nSide, const std::vector<CRect>& others, int nDistance)
{
    const BOOL bLeft = nSide == WMSZ_LEFT || nSide == WMSZ_TOPLEFT || nSide == WMSZ_BOTTOMLEFT;
    const BOOL bRight = nSide == WMSZ_RIGHT || nSide == WMSZ_TOPRIGHT || nSide == WMSZ_BOTTOMRIGHT;
    const BOOL bTop = nSide == WMSZ_TOP || nSide == WMSZ_TOPLEFT || nSide == WMSZ_TOPRIGHT;
    const BOOL bBottom = nSide == WMSZ_BOTTOM || nSide == WMSZ_BOTTOMLEFT || nSide == WMSZ_BOTTOMRIGHT;
    for (const CRect& rcOther : others)
    {
        if (!AreNear(rc, rcOther, nDistance))
            continue;
        SnapMovingEdge(bLeft, rc.left, rcOther.right, rcOther.left, nDistance);
        SnapMovingEdge(bRight, rc.right, rcOther.left, rcOther.right, nDistance);
        SnapMovingEdge(bTop, rc.top, rcOther.bottom, rcOther.top, nDistance);
        SnapMovingEdge(bBottom, rc.bottom, rcOther.top, rcOther.bottom, nDistance);
    }
    return rc;
}

void SplitTabOutline(const CRect& rc, CRect* prcBody, CRect* prcTab)
{
    const int nTab = std::min(kTabHeight, rc.Height() / 2);
    *prcBody = CRect(rc.left, rc.top, rc.right, rc.bottom - nTab);
    *prcTab = CRect(rc.left + kTabIndent, rc.bottom - nTab,
                    rc.left + kTabIndent + std::min(kTabWidth, rc.Width() - kTabIndent), rc.bottom);
}

CRect PlaceFiveWaySticker(const CRect& rcCandidate, CSize size)
{
    const CPoint ptCentre = rcCandidate.CenterPoint();
    return CRect(CPoint(ptCentre.x - size.cx / 2, ptCentre.y - size.cy / 2), size);
}

CRect PlaceSideSticker(const CRect& rcArea, int nDirection, CSize size)
{
    const CPoint ptCentre = rcArea.CenterPoint();
    const int nLeft = ptCentre.x - size.cx / 2;
    const int nTop = ptCentre.y - size.cy / 2;
    switch (nDirection)
    {
    case kTop:
        return CRect(CPoint(nLeft, rcArea.top + kSideStickerInset), size);
    case kBottom:
        return CRect(CPoint(nLeft, rcArea.bottom - kSideStickerInset - size.cy), size);
    case kLeft:
        return CRect(CPoint(rcArea.left + kSideStickerInset, nTop), size);
    default:
        return CRect(CPoint(rcArea.right - kSideStickerInset - size.cx, nTop), size);
    }
}
}  // namespace KTDockingPaneContextGeometry
