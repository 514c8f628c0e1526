// KTPropertyGridEtchedPainter.cpp: the etched divider, dotted row ends and selection frame of theme 5.
#include "KTPropertyGridEtchedPainter.h"

#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

void CKTPropertyGridEtchedPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    m_pMetrics->Color(ktGridColorItemBack).SetStandardValue(::GetSysColor(COLOR_BTNFACE));
    m_pMetrics->Color(ktGridColorItemText).SetStandardValue(RGB(0, 0, 128));
}

void CKTPropertyGridEtchedPainter::DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    DrawRow(pDC, pItem, rcItem, nState);
}

void CKTPropertyGridEtchedPainter::DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    DrawRow(pDC, pItem, rcItem, nState);
}

// A selected row is framed, never filled, wherever the focus is.
void CKTPropertyGridEtchedPainter::DrawRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    int nDivider = GetView()->GetDividerPos();
    pDC->FillSolidRect(nDivider - 1, rcItem.top, 1, rcItem.Height(), ::GetSysColor(COLOR_BTNSHADOW));
    pDC->FillSolidRect(nDivider, rcItem.top, 1, rcItem.Height(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    if (nState & ODS_SELECTED)
        pDC->Draw3dRect(rcItem, GridColor(ktGridColorItemText), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else
    {
        for (int x = 0; x < rcItem.right; x += 2)
            pDC->SetPixelV(x, rcItem.bottom - 1, ::GetSysColor(COLOR_BTNSHADOW));
    }
    CRect rcCaption(rcItem.left, rcItem.top, nDivider, rcItem.bottom);
    DrawItemCaption(pDC, pItem, rcCaption);
    if (!pItem->IsCategory())
    {
        CRect rcValue(nDivider + 1, rcItem.top, rcItem.right, rcItem.bottom - 1);
        DrawItemValue(pDC, pItem, rcValue);
        DrawInplaceButtons(pDC, pItem, rcValue);
    }
    if (pItem->HasVisibleChildren())
        DrawExpandBox(pDC, pItem, rcCaption);
}
