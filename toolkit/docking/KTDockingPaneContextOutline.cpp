// KTDockingPaneContextOutline.cpp: a 4-pixel halftone frame inverted on the screen, undone by inverting again.
#include "KTDockingPaneContextOutline.h"

#include "KTDockingPaneContextGeometry.h"

namespace
{
const int kFrameWidth = 4;

HRGN FrameRegion(const CRect& rc, BOOL bTab)
{
    CRect rcBody = rc, rcTab;
    if (bTab)
        KTDockingPaneContextGeometry::SplitTabOutline(rc, &rcBody, &rcTab);
    HRGN hOuter = ::CreateRectRgnIndirect(rcBody);
    CRect rcInnerBody = rcBody;
    rcInnerBody.DeflateRect(kFrameWidth, kFrameWidth);
    HRGN hInner = ::CreateRectRgnIndirect(rcInnerBody.IsRectEmpty() ? CRect(0, 0, 0, 0) : rcInnerBody);
    if (bTab && !rcTab.IsRectEmpty())
    {
        // The tab opens into the body: its inside reaches up through the body's bottom edge.
        HRGN hTab = ::CreateRectRgnIndirect(rcTab);
        ::CombineRgn(hOuter, hOuter, hTab, RGN_OR);
        CRect rcInnerTab(rcTab.left + kFrameWidth, rcBody.bottom - kFrameWidth, rcTab.right - kFrameWidth,
                         rcTab.bottom - kFrameWidth);
        if (!rcInnerTab.IsRectEmpty())
        {
            ::SetRectRgn(hTab, rcInnerTab.left, rcInnerTab.top, rcInnerTab.right, rcInnerTab.bottom);
            ::CombineRgn(hInner, hInner, hTab, RGN_OR);
        }
        ::DeleteObject(hTab);
    }
    ::CombineRgn(hOuter, hOuter, hInner, RGN_DIFF);
    ::DeleteObject(hInner);
    return hOuter;
}
}  // namespace

CKTDockingPaneContextOutline::CKTDockingPaneContextOutline() : m_rcLast(0, 0, 0, 0) {}

CKTDockingPaneContextOutline::~CKTDockingPaneContextOutline() { Erase(); }

void CKTDockingPaneContextOutline::Show(const CRect& rc, BOOL bTab)
{
    if (rc == m_rcLast && bTab == m_bLastTab)
        return;
    Erase();
    Invert(rc, bTab);
    m_rcLast = rc;
    m_bLastTab = bTab;
}

void CKTDockingPaneContextOutline::Erase()
{
    Invert(m_rcLast, m_bLastTab);
    m_rcLast.SetRectEmpty();
}

void CKTDockingPaneContextOutline::Invert(const CRect& rc, BOOL bTab) const
{
    if (!m_desktop.IsReady() || rc.IsRectEmpty())
        return;
    HRGN hFrame = FrameRegion(rc, bTab);
    m_desktop.Invert(rc, hFrame);
    ::DeleteObject(hFrame);
}
