// KTPropertyGridMarginPainter.cpp: the margin line, grid lines and row drawing of theme 4.
#include "KTPropertyGridMarginPainter.h"

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

namespace
{

const int kMargin = KT_PROPERTYGRID_INDENT;

}  // namespace

void CKTPropertyGridMarginPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    m_pMetrics->Color(ktGridColorCategoryBack).SetStandardValue(::GetSysColor(COLOR_BTNFACE));
}

void CKTPropertyGridMarginPainter::DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    DrawRow(pDC, pItem, rcItem, nState);
}

void CKTPropertyGridMarginPainter::DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    DrawRow(pDC, pItem, rcItem, nState);
}

// A category is a row without a value or buttons, on the row background.
void CKTPropertyGridMarginPainter::DrawRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    int nDivider = GetView()->GetDividerPos();
    COLORREF clrLine = GridColor(ktGridColorCategoryBack);
    CRect rcCaption(rcItem.left, rcItem.top, nDivider, rcItem.bottom);
    m_clrCaptionText = CLR_INVALID;
    if (nState & ODS_SELECTED)
        FillSelectedCaption(pDC, CRect(kMargin, rcItem.top, nDivider, rcItem.bottom), m_clrCaptionText);
    pDC->FillSolidRect(kMargin - 1, rcItem.top, 1, rcItem.Height(), clrLine);
    DrawGridLines(pDC, rcItem, kMargin, nDivider, clrLine);
    DrawItemCaption(pDC, pItem, rcCaption);
    m_clrCaptionText = CLR_INVALID;
    if (!pItem->IsCategory())
    {
        CRect rcValue(nDivider + 1, rcItem.top, rcItem.right, rcItem.bottom - 1);
        DrawItemValue(pDC, pItem, rcValue);
        DrawInplaceButtons(pDC, pItem, rcValue);
    }
    if (pItem->HasVisibleChildren())
        DrawExpandBox(pDC, pItem, rcCaption);
}

void CKTPropertyGridMarginPainter::DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem)
{
    if (!GetNextRowItem(pItem))
        pDC->FillSolidRect(0, rcItem.bottom - 1, rcItem.Width(), 1, GridColor(ktGridColorCategoryBack));
}
