// KTSplitterTracker.h: a modal drag of a splitter outline on the desktop.
//
// Classes: CKTSplitterTracker.
#pragma once

#include <afxwin.h>

#include "KTDrawObjects.h"

// Draws the bar inverted on the desktop (solid or halftone) while the mouse
// moves it; the near edge of the bar stays within the limits.
class CKTSplitterTracker
{
public:
    explicit CKTSplitterTracker(BOOL bSolid = FALSE);
    ~CKTSplitterTracker();
    CKTSplitterTracker(const CKTSplitterTracker&) = delete;
    CKTSplitterTracker& operator=(const CKTSplitterTracker&) = delete;

    // Tracks from ptStart (screen); a horizontal bar moves up and down, a
    // vertical one left and right. TRUE with the final rectangle (screen
    // coordinates) when the button is released, FALSE when the loop is
    // cancelled.
    BOOL Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rectTracker, CPoint ptStart, BOOL bHorizontal);

private:
    void DrawTracker(const CRect& rc);
    // Moves the outline from rcCurrent to rcNew.
    void ShowAt(const CRect& rcNew, CRect& rcCurrent);
    CRect MovedTo(const CRect& rcStart, CPoint ptStart, CPoint ptNow) const;

    BOOL m_bSolid;                        // solid or halftone outline
    const CKTDesktopOutline* m_pDesktop;  // while tracking
    HBRUSH m_hSolidBrush;                 // owned; made for a solid outline
    CRect m_rcAvail;                      // limits of the near edge
    BOOL m_bHorizontal;
};
