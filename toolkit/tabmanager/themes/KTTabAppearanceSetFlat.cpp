// KTTabAppearanceSetFlat.cpp: the flat looks: flat rectangles, softened corners, trapezoids, flat tabs with
// separators and flat buttons.
#include "KTTabAppearanceSetFlat.h"

#include "KTDrawHelpers.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

CKTTabAppearanceSet6::CKTTabAppearanceSet6() { m_rcHeaderMargin.SetRect(2, 2, 4, 0); }

CRect CKTTabAppearanceSet6::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    return FillFramedClient(pDC, rcControl, pManager, clrFrame, clrFrame);
}

// One pixel short of the client, which the selected tab takes back to merge with it.
void CKTTabAppearanceSet6::DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    if (!pItem->IsSelected())
        rc.bottom--;
    GetColorSet()->FillItem(pDC, rc, pItem);
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    FillVertical(pDC, rc.left, rc.top, rc.Height(), clrFrame);
    FillHorizontal(pDC, rc.left, rc.top, rc.Width(), clrFrame);
    FillVertical(pDC, rc.right - 1, rc.top, rc.Height(), clrFrame);
}

CKTTabAppearanceSet2::CKTTabAppearanceSet2() { m_rcHeaderMargin.SetRect(2, 2, 4, 0); }

// Corner pixels away from the client are left out and softened against their neighbours.
void CKTTabAppearanceSet2::DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    BOOL bSelected = pItem->IsSelected();
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    if (!bSelected && !m_bSelectedReachesClient && m_pPainter->m_nClientFrame != ktTabClientFrameNone)
        FillHorizontal(pDC, rc.left, rc.bottom - 1, rc.Width(), clrFrame);
    if (!m_bSelectedReachesClient || bSelected)
        rc.bottom += m_bSelectedReachesClient ? 1 : 2;
    else
        rc.bottom--;
    int nSaved = pDC->SaveDC();
    CKTDrawHelpers::ExcludeCorners(pDC, rc);
    GetColorSet()->FillItem(pDC, rc, pItem);
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    pDC->RestoreDC(nSaved);
    const KT_BLENDPIXEL corners[2] = {{{rc.left, rc.top}, {1, 1}}, {{rc.right - 1, rc.top}, {-1, 1}}};
    CKTDrawHelpers::BlendPixels(pDC, corners, 2);
}

CKTTabAppearanceSet7::CKTTabAppearanceSet7() { m_rcHeaderMargin.SetRect(2, 3, 2, 0); }

CRect CKTTabAppearanceSet7::GetHeaderMargin() const
{
    CRect rc = m_rcHeaderMargin;
    int nHalf = GetButtonHeight(NULL) / 2;
    rc.left += nHalf;
    rc.right += nHalf;
    return rc;
}

CRect CKTTabAppearanceSet7::GetButtonDrawRect(const CKTTabManagerItem* pItem) const
{
    CRect rc = pItem->GetRect();
    if (pItem->GetTabManager()->IsHorizontalPosition())
        rc.InflateRect(rc.Height() / 2, 0);
    else
        rc.InflateRect(0, rc.Width() / 2);
    return rc;
}

void CKTTabAppearanceSet7::DrawShape(CDC* pDC, CKTTabManagerItem* pItem, CRect rc)
{
    int B = rc.bottom - 1, k = (B - rc.top) / 2, t = rc.top;
    int L = rc.left + k / 2, R = rc.right - k / 2;
    const POINT shape[4] = {{L, B}, {L + k, B - 2 * k}, {R, B - 2 * k}, {R + k, B}};
    COLORREF clrFill = DrawPolygonTab(pDC, pItem, shape, 4, GetColorSet());
    const KT_TAB_EDGE_COLORS& edges =
        pItem->IsSelected() ? GetColorSet()->m_csSelectedEdges : GetColorSet()->m_csNormalEdges;
    DrawLine(pDC, edges.clr[3], L + 1, B - 1, L + k + 1, t);
    DrawLine(pDC, edges.clr[3], L + k, t + 1, R, t + 1);
    DrawLine(pDC, edges.clr[4], R - 1, t, R + k - 1, B);
    DrawLine(pDC, edges.clr[0], L, B - 1, L + k, t);
    DrawLine(pDC, edges.clr[0], L + k, t, R, t);
    DrawLine(pDC, edges.clr[2], R, t, R + k, B);
    if (pItem->IsSelected())
        FillHorizontal(pDC, L, B, R - L + k, clrFill);
}

CKTTabAppearanceSet5::CKTTabAppearanceSet5() { m_rcHeaderMargin.SetRect(4, 2, 4, 0); }

CRect CKTTabAppearanceSet5::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    CKTTabColorSet* pColors = GetColorSet();
    return FillFramedClient(pDC, rcControl, pManager, pColors->m_clrTabBorder, pColors->m_clrTextSelected);
}

void CKTTabAppearanceSet5::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    CKTTabColorSet* pColors = GetColorSet();
    CRect rc = pItem->GetRect();
    if (pItem->IsSelected())
    {
        CKTTabPainter::DeflateRectByPosition(rc, CRect(0, 0, 0, 1), GetPosition(pItem->GetTabManager()));
        pColors->FillItem(pDC, rc, pItem);
        pDC->Draw3dRect(rc, pColors->m_clrTabBorder, pColors->m_clrTextSelected);
    }
    else if (pItem->GetTabManager()->IsHorizontalPosition())
        FillVertical(pDC, rc.right - 1, rc.top + 2, rc.Height() - 4, pColors->m_clrFrameBorder);
    else
        FillHorizontal(pDC, rc.left + 2, rc.bottom - 1, rc.Width() - 4, pColors->m_clrFrameBorder);
    m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}

CKTTabAppearanceSet4::CKTTabAppearanceSet4()
{
    m_rcHeaderMargin.SetRect(2, 2, 4, 2);
    m_nRowSpacing = 0;
}

CRect CKTTabAppearanceSet4::FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager)
{
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    return FillFramedClient(pDC, rcControl, pManager, clrFrame, clrFrame);
}

void CKTTabAppearanceSet4::DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem)
{
    GetColorSet()->FillSelectedButton(pDC, pItem->GetRect(), pItem);
    m_pPainter->DrawItemContent(pDC, pItem, pItem->GetRect(), 1);
}
