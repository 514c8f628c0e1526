// KTDockingPaneContextGeometry.h: where a dragged pane would dock, where its floating rectangle may go, and where
// the drag feedback and stickers are shown.
#pragma once

#include <afxwin.h>

#include <vector>

namespace KTDockingPaneContextGeometry
{
// Directions of a docking side.
enum EDirection
{
    kNone = -1,
    kLeft = 0,
    kRight = 1,
    kTop = 2,
    kBottom = 3
};

// The side of the rectangle the point docks at: with bInside, from within the rectangle (any distance when the
// pane cannot float), else from within 20 pixels outside it.
int FindSide(const CRect& rc, CPoint pt, BOOL bInside, BOOL bFloatingAllowed);

// Moved so that at least 10 pixels stay inside the work area on every side.
CRect KeepOnScreen(CRect rc, const CRect& rcWork);
// Edges within the distance of the work area's edges move onto them.
CRect SnapToWorkArea(CRect rc, const CRect& rcWork, int nDistance);
// When the rectangles touch or overlap within the distance, near edges line up with the other's.
CRect SnapToFrame(CRect rc, const CRect& rcOther, int nDistance);

// A frame being resized (nSide as in WM_SIZING): its moving edges line up with the near edges of the others.
CRect SnapSizingEdges(CRect rc, UINT nSide, const std::vector<CRect>& others, int nDistance);

// The tab-shaped outline shown when dropping would tab into a group: the body and the tab below it.
void SplitTabOutline(const CRect& rc, CRect* prcBody, CRect* prcTab);

// The five-way sticker centred on the candidate, and a frame-side sticker of the given size near the area's side.
CRect PlaceFiveWaySticker(const CRect& rcCandidate, CSize size);
CRect PlaceSideSticker(const CRect& rcArea, int nDirection, CSize size);
}  // namespace KTDockingPaneContextGeometry
