// KTPopupPlacement.cpp: a popup keeps inside the work area, flipping above or leftwards when it must.
#include "KTPopupPlacement.h"

#include <algorithm>

namespace
{
const int KT_BOTTOM_MARGIN = 5;  // kept free above the work area's bottom
}

CRect CKTPopupPlacement::Place(int cx, int cy)
{
    m_rcWork.bottom -= KT_BOTTOM_MARGIN;
    m_bScroll = FALSE;
    PlaceVertically(cx, cy);
    PlaceHorizontally(cx);
    return CRect(m_ptPopup, CSize(cx, cy));
}

void CKTPopupPlacement::PlaceVertically(int& cx, int& cy)
{
    const CRect& W = m_rcWork;
    const CRect& E = m_rcExclude;
    CPoint& P = m_ptPopup;
    if (E.Height() == 0 && P.y > W.bottom)
    {
        P.y -= cy;
        return;
    }
    if (P.y + cy <= W.bottom)
        return;
    // Compared with the work area's middle, not half its height, so that a
    // work area that does not start at the screen's top decides alike.
    int nMiddle = (W.top + W.bottom) / 2;
    if (E.Height() == 0)
        P.y = P.y < nMiddle ? W.bottom - cy : P.y - cy;
    else if (m_dwFlags & ktPopupVertical)
    {
        P.y = E.top - cy;
        if (P.y < W.top)
        {
            if (m_bNoScroll)
            {
                m_dwFlags &= ~ktPopupVertical;
                // Beside its control it keeps clear of what a popup opening sideways keeps clear of.
                m_rcExclude = m_rcExcludeBeside;
                if (!(m_dwFlags & ktPopupLeftwards))
                    P.x = E.right;
                P.y = W.bottom - cy;
            }
            else if ((E.top + E.bottom) / 2 > nMiddle)
            {
                m_bScroll = TRUE;
                P.y = W.top;
                cy = E.top - W.top;
            }
            else
            {
                m_bScroll = TRUE;
                P.y = E.bottom;
                cy = W.bottom - E.bottom;
            }
        }
    }
    else
        P.y = W.bottom - cy;
    P.y = std::max(P.y, W.top);
    if (P.y + cy > W.bottom)
        FitTooTall(cx, cy);
}

void CKTPopupPlacement::FitTooTall(int& cx, int& cy)
{
    const CRect& W = m_rcWork;
    CPoint& P = m_ptPopup;
    if (!m_bNoScroll)
    {
        cy = W.bottom - P.y;
        m_bScroll = TRUE;
        return;
    }
    if (!m_reflow)
        return;
    const CSize sz = m_reflow(W.Height());
    cx = sz.cx;
    cy = sz.cy;
    // Moved up as far as needed, so its last entries stay in reach.
    P.y = std::max<int>(W.top, std::min<int>(P.y, W.bottom - cy));
}

void CKTPopupPlacement::PlaceHorizontally(int cx)
{
    const CRect& W = m_rcWork;
    const CRect& E = m_rcExclude;
    CPoint& P = m_ptPopup;
    BOOL bExcludeWidth = E.Width() != 0;
    if (m_dwFlags == (ktPopupLeftwards | ktPopupVertical) && bExcludeWidth)
        P.x = E.right - cx;
    else if (m_dwFlags & ktPopupLeftwards)
        P.x = bExcludeWidth ? E.left - cx : P.x - cx;
    if (P.x + cx > W.right)
    {
        if (!bExcludeWidth)
            P.x = P.x > W.right ? P.x - cx : W.right - cx;
        else
        {
            P.x = ((m_dwFlags & ktPopupVertical) ? W.right : E.left) - cx;
            m_dwFlags |= ktPopupLeftwards;
        }
        P.x = std::max(P.x, W.left);
    }
    else if (P.x < W.left)
    {
        if (bExcludeWidth)
        {
            P.x = (m_dwFlags & ktPopupVertical) ? W.left : E.right;
            m_dwFlags &= ~ktPopupLeftwards;
        }
        else if (m_dwFlags & ktPopupLeftwards)
        {
            P.x = W.left;
            m_dwFlags &= ~ktPopupLeftwards;
        }
    }
}
