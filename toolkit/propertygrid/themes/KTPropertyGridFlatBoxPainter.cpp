// KTPropertyGridFlatBoxPainter.cpp: colours, expand box and category band of theme 6.
#include "KTPropertyGridFlatBoxPainter.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTPropertyGridItem.h"

CKTPropertyGridFlatBoxPainter::CKTPropertyGridFlatBoxPainter(CKTPropertyGrid* pGrid) : CKTPropertyGridPainter(pGrid)
{
    m_nVisualStyleMode = ktGridVisualStyleWhenThemed;
}

void CKTPropertyGridFlatBoxPainter::RefreshMetrics()
{
    CKTPropertyGridPainter::RefreshMetrics();
    m_pMetrics->Color(ktGridColorCategoryBack).SetStandardValue(::GetSysColor(COLOR_BTNFACE));
    m_pMetrics->Color(ktGridColorCategoryText).SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
    m_clrBorder.SetStandardValue(KTColorManager()->GetColor(KTCOLOR_FLAT_BORDER));
}

void CKTPropertyGridFlatBoxPainter::DrawExpandButton(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption)
{
    CRect rc = GetExpandBoxRect(pItem, rcCaption);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    // The outline leaves the four corner pixels open.
    pDC->FillSolidRect(rc.left + 1, rc.top, 7, 1, clrShadow);
    pDC->FillSolidRect(rc.left + 1, rc.bottom - 1, 7, 1, clrShadow);
    pDC->FillSolidRect(rc.left, rc.top + 1, 1, 7, clrShadow);
    pDC->FillSolidRect(rc.right - 1, rc.top + 1, 1, 7, clrShadow);
    pDC->FillSolidRect(rc.left + 1, rc.top + 1, 7, 7, ::GetSysColor(COLOR_BTNFACE));
    pDC->FillSolidRect(rc.left + 1, rc.top + 1, 7, 3, RGB(255, 255, 255));
    pDC->FillSolidRect(rc.left + 2, rc.top + 5, 5, 2, RGB(255, 255, 255));
    pDC->FillSolidRect(rc.left + 2, rc.top + 4, 5, 1, RGB(0, 0, 0));
    if (!pItem->IsExpanded())
        pDC->FillSolidRect(rc.left + 4, rc.top + 2, 1, 5, RGB(0, 0, 0));
}

void CKTPropertyGridFlatBoxPainter::DrawCategoryCaptionBackground(CDC* pDC, CRect rc)
{
    COLORREF clrBack = GridColor(ktGridColorCategoryBack);
    pDC->FillSolidRect(rc, clrBack);
    CRect rcBand(rc.left, rc.bottom - 2, rc.right, rc.bottom - 1);
    KTDrawHelpers()->GradientFill(pDC, rcBand, clrBack, ::GetSysColor(COLOR_BTNHIGHLIGHT), TRUE);
}
