// KTPropertyGridTreeLinesPainter.cpp: category rows, bands and closing lines of theme 3.
#include "KTPropertyGridTreeLinesPainter.h"

#include "KTDrawObjects.h"
#include "KTPropertyGridItem.h"

namespace
{

const int kIndent = KT_PROPERTYGRID_INDENT;

}  // namespace

void CKTPropertyGridTreeLinesPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    m_pMetrics->Color(ktGridColorCategoryBack).SetStandardValue(::GetSysColor(COLOR_BTNFACE));
}

void CKTPropertyGridTreeLinesPainter::DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    pDC->FillSolidRect(rcItem, GridColor(ktGridColorCategoryBack));
    DrawIndentBands(pDC, pItem, rcItem);
    int nTextLeft = (pItem->GetIndent() + 1) * kIndent;
    COLORREF clrText = GetItemTextColor(pItem, FALSE);
    if (nState & ODS_FOCUS)
    {
        pDC->FillSolidRect(nTextLeft, rcItem.top, rcItem.right - nTextLeft, rcItem.Height(),
                           ::GetSysColor(COLOR_HIGHLIGHT));
        clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    CKTFontDC font(pDC, GetItemFont(pItem, FALSE), clrText);
    CRect rcText(nTextLeft + 3, rcItem.top, rcItem.right, rcItem.bottom - 1);
    pDC->DrawText(pItem->GetCaption(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    int nLevel = pItem->GetIndent() + (pItem->IsExpanded() ? 1 : 0);
    DrawShadowLine(pDC, nLevel * kIndent - 1, rcItem);
    if (pItem->HasVisibleChildren())
        DrawExpandButton(pDC, pItem, rcItem);
}

void CKTPropertyGridTreeLinesPainter::DrawIndentBands(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem)
{
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (CKTPropertyGridItem* p = pItem->GetParentItem(); p; p = p->GetParentItem())
    {
        if (!p->IsCategory())
            continue;
        int nLeft = p->GetIndent() * kIndent;
        pDC->FillSolidRect(nLeft, rcItem.top, kIndent, rcItem.Height(), GridColor(ktGridColorCategoryBack));
        pDC->FillSolidRect(nLeft + kIndent - 1, rcItem.top, 1, rcItem.Height() + 2, clrShadow);
    }
}

void CKTPropertyGridTreeLinesPainter::DrawShadowLine(CDC* pDC, int nLeft, const CRect& rcItem)
{
    pDC->FillSolidRect(nLeft, rcItem.bottom - 1, rcItem.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
}

// The last row closes the list; a row before a category closes the rows
// above it; the last child of a shown category closes that category, level
// by level upwards.
void CKTPropertyGridTreeLinesPainter::DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem)
{
    CKTPropertyGridItem* pNext = GetNextRowItem(pItem);
    if (!pNext)
        DrawShadowLine(pDC, 0, rcItem);
    else if (pNext->IsCategory())
        DrawShadowLine(pDC, pNext->GetIndent() * kIndent, rcItem);
    if (pItem->HasVisibleChildren() && pItem->IsExpanded())
        return;
    for (CKTPropertyGridItem* p = pItem; CKTPropertyGridItem* pParent = p->GetParentItem(); p = pParent)
    {
        CKTPropertyGridItems* pSiblings = pParent->GetChilds();
        BOOL bLast = pSiblings->GetAt(pSiblings->GetCount() - 1) == p;
        if (!pParent->IsCategory() || !pParent->IsVisible() || !bLast)
            break;
        DrawShadowLine(pDC, pParent->GetIndent() * kIndent, rcItem);
    }
}
