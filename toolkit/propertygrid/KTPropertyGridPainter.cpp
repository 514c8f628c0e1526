// KTPropertyGridPainter.cpp: colours, fonts, the grid's panels and the view's border of the base look.
#include "KTPropertyGridPainter.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTImageManager.h"
#include "KTDrawObjects.h"
#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

namespace
{

const int kVerbGap = 8;  // between a verb's comma and the next verb

}  // namespace

CKTPropertyGridPainter::CKTPropertyGridPainter(CKTPropertyGrid* pGrid)
    : m_pGrid(pGrid), m_pMetrics(KTMakeCounted<CKTPropertyGridItemMetrics>(this))
{
    LOGFONT lf = {};
    if (!::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_NORMAL;
    lf.lfUnderline = TRUE;
    m_fntLink.CreateFontIndirect(&lf);
}

CKTPropertyGridPainter::~CKTPropertyGridPainter() = default;

void CKTPropertyGridPainter::SetMetrics(CKTPropertyGridItemMetrics* pMetrics)
{
    m_pMetrics = pMetrics;
    m_pMetrics->m_pPainter = this;
}

CKTPropertyGridView* CKTPropertyGridPainter::GetView() const { return m_pGrid ? m_pGrid->GetGridView() : nullptr; }

void CKTPropertyGridPainter::RefreshMetrics()
{
    static const int kStandard[ktGridColorCount] = {COLOR_BTNFACE,    COLOR_BTNTEXT,      COLOR_SCROLLBAR,
                                                    COLOR_WINDOWTEXT, COLOR_GRAYTEXT,     COLOR_WINDOW,
                                                    COLOR_GRAYTEXT,   COLOR_ACTIVECAPTION};
    for (int i = 0; i < ktGridColorCount; i++)
        m_pMetrics->Color(i).SetStandardValue(::GetSysColor(kStandard[i]));
    m_pMetrics->Color(ktGridColorVerbText).SetCustomValue(::GetSysColor(COLOR_ACTIVECAPTION));
    m_clrFace.SetStandardValue(::GetSysColor(COLOR_BTNFACE));
    m_clrBorder.SetStandardValue(::GetSysColor(COLOR_BTNSHADOW));
    RefreshThemes();
}

void CKTPropertyGridPainter::RefreshThemes()
{
    CWnd* pMain = AfxGetMainWnd();
    HWND hWnd = pMain ? pMain->GetSafeHwnd() : NULL;
    m_themeTree.OpenThemeData(hWnd, "TREEVIEW");
    m_themeButton.OpenThemeData(hWnd, "BUTTON");
    m_themeCombo.OpenThemeData(hWnd, "COMBOBOX");
}

BOOL CKTPropertyGridPainter::IsThemed(const CKTWinThemeWrapper& theme) const
{
    return m_nVisualStyleMode == ktGridVisualStyleWhenThemed && theme.IsAppThemeReady();
}

COLORREF CKTPropertyGridPainter::GetItemTextColor(CKTPropertyGridItem* pItem, BOOL bValue)
{
    if (!pItem)
        return GridColor(ktGridColorItemText);
    CKTPropertyGridItemMetrics* pOwn = bValue ? pItem->PeekValueMetrics() : pItem->PeekCaptionMetrics();
    if (pOwn && pOwn->HasColor(ktGridColorItemText))
        return pOwn->Color(ktGridColorItemText);
    if (pItem->IsCategory())
        return GridColor(ktGridColorCategoryText);
    return GridColor(pItem->GetReadOnly() ? ktGridColorReadOnlyText : ktGridColorItemText);
}

COLORREF CKTPropertyGridPainter::GetItemBackColor(CKTPropertyGridItem* pItem, BOOL bValue)
{
    CKTPropertyGridItemMetrics* pOwn = !pItem   ? nullptr
                                       : bValue ? pItem->PeekValueMetrics()
                                                : pItem->PeekCaptionMetrics();
    if (pOwn && pOwn->HasColor(ktGridColorItemBack))
        return pOwn->Color(ktGridColorItemBack);
    return GridColor(ktGridColorItemBack);
}

CFont* CKTPropertyGridPainter::GetItemFont(CKTPropertyGridItem* pItem, BOOL bValue)
{
    if (!pItem)
        return GetNormalFont();
    CKTPropertyGridItemMetrics* pOwn = bValue ? pItem->PeekValueMetrics() : pItem->PeekCaptionMetrics();
    if (pOwn && pOwn->GetNormalFont())
        return pOwn->GetNormalFont();
    if (pItem->IsCategory())
        return GetBoldFont();
    if (bValue && pItem->IsValueChanged() && m_pGrid && m_pGrid->IsHighlightChangedItems())
        return GetBoldFont();
    return GetNormalFont();
}

void CKTPropertyGridPainter::FillPropertyGrid(CDC* pDC)
{
    CKTClientRect rc(m_pGrid);
    pDC->FillSolidRect(rc, m_clrFace);
    pDC->SetBkMode(TRANSPARENT);
    if (m_pGrid->IsHelpVisible())
        DrawHelpPanel(pDC, m_pGrid->GetHelpRect());
    if (!m_pGrid->IsVerbsVisible())
        return;
    CRect rcVerbs = m_pGrid->GetVerbsRect();
    pDC->FillSolidRect(rcVerbs, GridColor(ktGridColorHelpBack));
    DrawBorder(pDC, rcVerbs, FALSE);
    LayoutVerbs(pDC, rcVerbs, nullptr, TRUE);
}

void CKTPropertyGridPainter::DrawHelpPanel(CDC* pDC, CRect rcHelp)
{
    pDC->FillSolidRect(rcHelp, GridColor(ktGridColorHelpBack));
    CRect rcFrame(rcHelp);
    DrawBorder(pDC, rcFrame, FALSE);
    CKTPropertyGridItem* pItem = m_pGrid->GetSelectedItem();
    if (!pItem)
        return;
    CRect rcText(rcHelp);
    rcText.DeflateRect(6, 3);
    CKTFontDC font(pDC, GetBoldFont(), GridColor(ktGridColorHelpText));
    int nCaptionHeight = pDC->DrawText(pItem->GetCaption(), rcText, DT_SINGLELINE | DT_NOPREFIX);
    CString strDescription = pItem->GetDescription();
    if (strDescription.IsEmpty())
        return;
    font.SetFont(GetNormalFont());
    CRect rcDescription(rcHelp.left + 6, rcHelp.top + nCaptionHeight + 6, rcHelp.right - 6, rcHelp.bottom - 3);
    pDC->DrawText(strDescription, rcDescription, DT_WORDBREAK | DT_NOPREFIX);
}

int CKTPropertyGridPainter::HitTestVerbs(CDC* pDC, CRect rcVerbs, CPoint point)
{
    return LayoutVerbs(pDC, rcVerbs, &point, FALSE);
}

// Lays the verbs out left to right, wrapping a verb that does not fit;
// draws them when asked and answers the verb under the point.
int CKTPropertyGridPainter::LayoutVerbs(CDC* pDC, CRect rcVerbs, const CPoint* pptHit, BOOL bDraw)
{
    CKTPropertyGridVerbs* pVerbs = m_pGrid->GetVerbs();
    CRect rcText(rcVerbs);
    rcText.DeflateRect(6, 4);
    CKTFontDC font(pDC, &m_fntLink);
    int nLineHeight = pDC->GetTextExtent("XXX", 3).cy;
    CPoint pt = rcText.TopLeft();
    int nHit = -1;
    for (int i = 0; i < pVerbs->GetCount(); i++)
    {
        CKTPropertyGridVerb* pVerb = pVerbs->GetAt(i);
        font.SetFont(&m_fntLink);
        CSize sz = pDC->GetTextExtent(pVerb->m_strCaption);
        if (pt.x > rcText.left && pt.x + sz.cx > rcText.right)
            pt = CPoint(rcText.left, pt.y + nLineHeight);
        pVerb->m_rcVerb = CRect(pt, sz);
        if (pptHit && pVerb->m_rcVerb.PtInRect(*pptHit))
            nHit = i;
        if (bDraw)
        {
            pDC->SetTextColor(GridColor(ktGridColorVerbText));
            pDC->TextOut(pt.x, pt.y, pVerb->m_strCaption);
            if (i == m_pGrid->GetFocusedVerb() && ::GetFocus() == m_pGrid->GetSafeHwnd())
                pDC->DrawFocusRect(pVerb->m_rcVerb);
        }
        pt.x += sz.cx;
        if (i == pVerbs->GetCount() - 1 || pt.x >= rcText.right)
            continue;
        font.SetFont(GetNormalFont());
        if (bDraw)
        {
            pDC->SetTextColor(GridColor(ktGridColorHelpText));
            pDC->TextOut(pt.x, pt.y, ",", 1);
        }
        pt.x += pDC->GetTextExtent(",", 1).cx + kVerbGap;
    }
    return nHit;
}

void CKTPropertyGridPainter::FillBackground(CDC* pDC)
{
    CKTPropertyGridView* pView = GetView();
    if (pView)
        pDC->FillSolidRect(CKTClientRect(pView), GridColor(ktGridColorItemBack));
}

int CKTPropertyGridPainter::DrawBorder(CDC* pDC, CRect& rc, BOOL bAdjust)
{
    int nStyle = m_pGrid ? m_pGrid->GetBorderStyle() : ktGridBorderFlat;
    int nWidth = nStyle == ktGridBorderSunken ? 2 : nStyle == ktGridBorderNone ? 0 : 1;
    if (pDC && nStyle == ktGridBorderFrame)
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_WINDOWFRAME));
    else if (pDC && nStyle == ktGridBorderFlat)
        pDC->Draw3dRect(rc, m_clrBorder, m_clrBorder);
    else if (pDC && nStyle == ktGridBorderSunken)
    {
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CRect rcInner(rc);
        rcInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rcInner, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_BTNFACE));
    }
    if (bAdjust)
        rc.DeflateRect(nWidth, nWidth);
    return nWidth;
}

void CKTPropertyGridPainter::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CKTPropertyGridView* pView = GetView();
    auto* pItem = reinterpret_cast<CKTPropertyGridItem*>(lpMeasureItemStruct->itemData);
    if (pView && pItem && (pView->GetStyle() & LBS_OWNERDRAWVARIABLE))
        pItem->OnMeasureItem(lpMeasureItemStruct);
}

void CKTPropertyGridPainter::DrawInplaceListItem(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint, CRect rc,
                                                 BOOL bSelected)
{
    pDC->FillSolidRect(rc, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rc);
    rcText.DeflateRect(2, 0);
    DrawImage(pDC, pConstraint->m_nImage, rcText);
    CKTFontDC font(pDC, nullptr, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    pDC->DrawText(pConstraint->m_strConstraint, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// Draws the image vertically centred at the rectangle's left and moves the
// left edge past it.
void CKTPropertyGridPainter::DrawImage(CDC* pDC, int nImage, CRect& rc)
{
    CKTImageManagerIcon* pIcon = nImage < 0 || !m_pGrid ? nullptr : m_pGrid->GetImageManager()->GetImage(nImage, 0);
    if (!pIcon)
        return;
    CSize sz(pIcon->m_nWidth, std::min(pIcon->m_nHeight, rc.Height()));
    pIcon->DrawNormal(pDC, CPoint(rc.left, rc.top + (rc.Height() - sz.cy) / 2), sz);
    rc.left += pIcon->m_nWidth + 5;
}

// The width an item's image takes before its text, 0 without one.
int CKTPropertyGridPainter::GetImageSpace(const CKTPropertyGridItemMetrics* pMetrics) const
{
    if (!pMetrics || pMetrics->m_nImage < 0 || !m_pGrid)
        return 0;
    CKTImageManagerIcon* pIcon = m_pGrid->GetImageManager()->GetImage(pMetrics->m_nImage, 0);
    return pIcon ? pIcon->m_nWidth + 5 : 0;
}

void CKTPropertyGridPainter::AdjustItemValueRect(CKTPropertyGridItem* pItem, CRect& rc)
{
    rc.left += GetImageSpace(pItem->PeekValueMetrics());
}

void CKTPropertyGridPainter::AdjustItemCaptionRect(CKTPropertyGridItem* pItem, CRect& rc)
{
    rc.left += GetImageSpace(pItem->PeekCaptionMetrics());
}
