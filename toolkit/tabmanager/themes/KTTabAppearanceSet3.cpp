// KTTabAppearanceSet3.cpp: slanted tabs whose left side falls at 45 degrees over the neighbour before them.
#include "KTTabAppearanceSet3.h"

#include "KTTabManager.h"
#include "KTTabPainter.h"

CKTTabAppearanceSet3::CKTTabAppearanceSet3() { m_rcHeaderMargin.SetRect(2, 3, 6, 0); }

// The first tab's slant needs room before it.
CRect CKTTabAppearanceSet3::GetHeaderMargin() const
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nTextHeight;
    return rc;
}

CRect CKTTabAppearanceSet3::GetButtonDrawRect(const CKTTabManagerItem* pItem) const
{
    CRect rc = pItem->GetRect();
    if (pItem->GetTabManager()->IsHorizontalPosition())
        rc.InflateRect(rc.Height(), 0, 2, 0);
    else
        rc.InflateRect(0, rc.Width(), 0, 2);
    return rc;
}

CRect CKTTabAppearanceSet3::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    COLORREF clrEdge = GetColorSet()->m_clrEdgeMiddle;
    return FillFramedClient(pDC, rcControl, pManager, clrEdge, clrEdge);
}

// The outline runs up the slant, over two soft shoulders and down the right side; inside it, the inner line
// follows the slant to the left shoulder and the face line goes on under the top and down the right side.
void CKTTabAppearanceSet3::DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    CKTTabColorSet* pColors = GetColorSet();
    int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom, h = rc.Height();
    const POINT shape[4] = {{r - 1, b - 1}, {r - 1, t + 2}, {l + 4, t + 2}, {l + 8 - h, b - 2}};
    COLORREF clrFill = DrawPolygonTab(pDC, pItem, shape, 4, pColors);
    BOOL bSelected = pItem->IsSelected();
    COLORREF clrOuter = bSelected ? COLORREF(pColors->m_clrEdgeMiddle) : COLORREF(pColors->m_clrEdgeOuter);
    COLORREF clrInner = bSelected ? 0xFFFFFF : COLORREF(pColors->m_clrEdgeInner);
    COLORREF clrFace = bSelected ? 0xFFFFFF : COLORREF(pColors->m_clrEdgeFace);
    if (m_bHotOutline && pItem->IsHighlighted())
        clrOuter = clrInner = clrFace = pColors->m_clrButtonSelectedBorder.clrDark;
    int nSlant = h - 6;
    const POINT outline[7] = {{l + 7 - h, b - 1}, {nSlant, -nSlant}, {1, -2}, {2, -1}, {r - l - 7, 0}, {2, 1},
                              {0, h - 4}};
    const POINT inner[3] = {{l + 8 - h, b - 1}, {nSlant, -nSlant}, {1, -2}};
    const POINT face[4] = {{l + 3, t + 3}, {r - l - 6, 0}, {1, 1}, {0, h - 6}};
    DrawPolyLine(pDC, clrOuter, outline, 7);
    DrawPolyLine(pDC, clrInner, inner, 3);
    DrawPolyLine(pDC, clrFace, face, 4);
    if (bSelected && clrFill != COLORREF(-1))
        FillHorizontal(pDC, l + 8 - h, b - 1, r - l - 9 + h, clrFill);
}

CKTTabAppearanceSet9::CKTTabAppearanceSet9() { m_bLeftToRightOrder = TRUE; }

CRect CKTTabAppearanceSet9::GetHeaderMargin() const
{
    CRect rc = m_rcHeaderMargin;
    rc.left += GetButtonHeight(NULL) / 2;
    return rc;
}

CRect CKTTabAppearanceSet9::GetButtonDrawRect(const CKTTabManagerItem* pItem) const
{
    CRect rc = pItem->GetRect();
    if (pItem->GetTabManager()->IsHorizontalPosition())
        rc.InflateRect(rc.Height() / 2, 0);
    else
        rc.InflateRect(0, rc.Width() / 2);
    return rc;
}

// Eight points, from the right foot up the right side, over the rounded top and down the left side.
void CKTTabAppearanceSet9::DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    CKTTabColorSet* pColors = GetColorSet();
    int k = rc.Height() / 2, w = rc.Width();
    const POINT steps[8] = {{rc.right + k - 4, rc.bottom - 1},
                            {3 - k, 6 - 2 * k},
                            {-4, -4},
                            {-3, -1},
                            {-(w - 16), 0},
                            {-3, 1},
                            {-3, 3},
                            {2 - k, 2 * k - 4}};
    POINT shape[8];
    shape[0] = steps[0];
    for (int i = 1; i < 8; i++)
        shape[i] = {shape[i - 1].x + steps[i].x, shape[i - 1].y + steps[i].y};
    COLORREF clrFill = DrawPolygonTab(pDC, pItem, shape, 8, pColors);
    BOOL bSelected = pItem->IsSelected();
    DrawPolyLine(pDC, bSelected ? COLORREF(pColors->m_clrEdgeMiddle) : COLORREF(pColors->m_clrEdgeOuter), steps, 8);
    // One pixel inside the outline: the left corner and side in the inner colour, the top in the face colour.
    COLORREF clrInner = bSelected ? 0xFFFFFF : COLORREF(pColors->m_clrEdgeInner);
    COLORREF clrFace = bSelected ? 0xFFFFFF : COLORREF(pColors->m_clrEdgeFace);
    const POINT inner[4] = {{shape[4].x, shape[4].y + 1}, {-3, 1}, {-2, 2}, steps[7]};
    DrawPolyLine(pDC, clrInner, inner, 4);
    FillHorizontal(pDC, shape[4].x, shape[4].y + 1, shape[3].x - shape[4].x, clrFace);
    if (bSelected && clrFill != COLORREF(-1))
        FillHorizontal(pDC, shape[7].x + 1, rc.bottom - 1, shape[0].x - shape[7].x - 1, clrFill);
}
