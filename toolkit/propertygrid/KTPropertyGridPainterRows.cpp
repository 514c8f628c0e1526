// KTPropertyGridPainterRows.cpp: rows, captions, values, expand boxes and in-place buttons of the base look.
#include "KTPropertyGridPainter.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

namespace
{

const int kIndent = KT_PROPERTYGRID_INDENT;

}  // namespace

void CKTPropertyGridPainter::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    auto* pItem = reinterpret_cast<CKTPropertyGridItem*>(lpDrawItemStruct->itemData);
    CRect rcItem(lpDrawItemStruct->rcItem);
    if (!pItem || rcItem.IsRectEmpty())
        return;
    CKTBufferDC dc(lpDrawItemStruct->hDC, rcItem);
    dc.SetBkMode(TRANSPARENT);
    dc.FillSolidRect(rcItem, GetItemBackColor(pItem, FALSE));
    if (pItem->IsCategory())
        DrawCategoryRow(&dc, pItem, rcItem, lpDrawItemStruct->itemState);
    else
        DrawItemRow(&dc, pItem, rcItem, lpDrawItemStruct->itemState);
    DrawRowClosingLines(&dc, pItem, rcItem);
}

BOOL CKTPropertyGridPainter::IsFocusInView() const
{
    CKTPropertyGridView* pView = GetView();
    HWND hFocus = ::GetFocus();
    if (!pView || !hFocus)
        return FALSE;
    HWND hView = pView->GetSafeHwnd();
    return hFocus == hView || ::GetParent(hFocus) == hView || ::GetWindow(hFocus, GW_OWNER) == hView;
}

void CKTPropertyGridPainter::FillSelectedCaption(CDC* pDC, CRect rcCaption, COLORREF& clrText)
{
    if (IsFocusInView())
    {
        pDC->FillSolidRect(rcCaption, ::GetSysColor(COLOR_HIGHLIGHT));
        clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        return;
    }
    pDC->FillSolidRect(rcCaption, GridColor(ktGridColorCategoryBack));
}

void CKTPropertyGridPainter::DrawIndentBands(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem)
{
    for (CKTPropertyGridItem* p = pItem->GetParentItem(); p; p = p->GetParentItem())
    {
        if (p->IsCategory())
            pDC->FillSolidRect(p->GetIndent() * kIndent, rcItem.top, kIndent, rcItem.Height(),
                               GridColor(ktGridColorCategoryBack));
    }
}

void CKTPropertyGridPainter::DrawGridLines(CDC* pDC, CRect rcItem, int nLeft, int nDivider, COLORREF clr)
{
    CKTPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->MoveTo(nLeft, rcItem.bottom - 1);
    pDC->LineTo(rcItem.right, rcItem.bottom - 1);
    pDC->MoveTo(nDivider, rcItem.top);
    pDC->LineTo(nDivider, rcItem.bottom - 1);
}

void CKTPropertyGridPainter::DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    int nDivider = GetView()->GetDividerPos();
    CRect rcCaption(rcItem.left, rcItem.top, nDivider, rcItem.bottom);
    m_clrCaptionText = CLR_INVALID;
    if (nState & ODS_SELECTED)
        FillSelectedCaption(pDC, rcCaption, m_clrCaptionText);
    DrawGridLines(pDC, rcItem, 0, nDivider, GridColor(ktGridColorCategoryBack));
    DrawIndentBands(pDC, pItem, rcItem);
    DrawItemCaption(pDC, pItem, rcCaption);
    m_clrCaptionText = CLR_INVALID;
    CRect rcValue(nDivider + 1, rcItem.top, rcItem.right, rcItem.bottom - 1);
    DrawItemValue(pDC, pItem, rcValue);
    if (pItem->IsInplaceButtonVisible())
        DrawInplaceButtons(pDC, pItem, rcValue);
    if (pItem->HasVisibleChildren())
        DrawExpandBox(pDC, pItem, rcCaption);
}

void CKTPropertyGridPainter::DrawExpandBox(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcClip)
{
    CKTClipDC clip(pDC, rcClip);
    DrawExpandButton(pDC, pItem, rcClip);
}

void CKTPropertyGridPainter::DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState)
{
    DrawCategoryCaptionBackground(pDC, rcItem);
    DrawCategoryCaptionText(pDC, pItem, rcItem, (nState & ODS_FOCUS) != 0);
    if (pItem->HasVisibleChildren())
        DrawExpandButton(pDC, pItem, rcItem);
}

void CKTPropertyGridPainter::DrawCategoryCaptionText(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, BOOL bFocused)
{
    CKTFontDC font(pDC, GetItemFont(pItem, FALSE), GetItemTextColor(pItem, FALSE));
    CString strCaption = pItem->GetCaption();
    int nLeft = pItem->GetIndent() * kIndent + 13 + 4;
    CRect rcText(nLeft, rcItem.top, nLeft + pDC->GetTextExtent(strCaption).cx, rcItem.bottom);
    pDC->DrawText(strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (!bFocused)
        return;
    CRect rcFocus(rcText);
    rcFocus.InflateRect(2, 0);
    rcFocus.DeflateRect(0, 1);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawFocusRect(rcFocus);
}

// Separates a row from a category row that follows it.
void CKTPropertyGridPainter::DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem)
{
    CKTPropertyGridItem* pNext = GetNextRowItem(pItem);
    if (!pNext || !pNext->IsCategory())
        return;
    pDC->FillSolidRect(pNext->GetIndent() * kIndent, rcItem.bottom - 1, rcItem.Width(), 1, m_clrFace);
}

CKTPropertyGridItem* CKTPropertyGridPainter::GetNextRowItem(CKTPropertyGridItem* pItem) const
{
    CKTPropertyGridView* pView = GetView();
    return pView ? pView->GetItem(pItem->GetIndex() + 1) : nullptr;
}

void CKTPropertyGridPainter::DrawCategoryCaptionBackground(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(rc, GridColor(ktGridColorCategoryBack));
}

void CKTPropertyGridPainter::DrawItemText(CDC* pDC, CKTPropertyGridItem* pItem, CRect rc, const CString& strText,
                                          BOOL bValue)
{
    CKTPropertyGridItemMetrics* pOwn = bValue ? pItem->PeekValueMetrics() : pItem->PeekCaptionMetrics();
    DrawImage(pDC, pOwn ? pOwn->m_nImage : -1, rc);
    COLORREF clrText = !bValue && m_clrCaptionText != CLR_INVALID ? m_clrCaptionText : GetItemTextColor(pItem, bValue);
    CKTFontDC font(pDC, GetItemFont(pItem, bValue), clrText);
    UINT nFormat = pOwn ? pOwn->m_uDrawTextFormat : DT_SINGLELINE | DT_VCENTER;
    pDC->DrawText(strText, rc, nFormat | DT_NOPREFIX);
}

void CKTPropertyGridPainter::DrawItemValue(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcValue)
{
    if (pItem->OnDrawItemValue(*pDC, rcValue))
        return;
    rcValue.left += 3;  // where the in-place edit puts its text
    DrawItemText(pDC, pItem, rcValue, pItem->GetViewValue(), TRUE);
}

void CKTPropertyGridPainter::DrawItemCaption(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption)
{
    int nLevel = pItem->GetIndent() + (pItem->IsCategory() ? 1 : 0);
    CRect rc(nLevel * kIndent + 3, rcCaption.top, GetView()->GetDividerPos() - 1, rcCaption.bottom - 1);
    DrawItemText(pDC, pItem, rc, pItem->GetCaption(), FALSE);
}

CRect CKTPropertyGridPainter::GetExpandBoxRect(CKTPropertyGridItem* pItem, const CRect& rcRow) const
{
    int nShift = (pItem->IsCategory() ? pItem->GetIndent() : pItem->GetIndent() - 1) * kIndent;
    int nMiddle = rcRow.CenterPoint().y;
    return CRect(2 + nShift, nMiddle - 4, 11 + nShift, nMiddle + 5);
}

void CKTPropertyGridPainter::DrawExpandButton(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption)
{
    CRect rcBox = GetExpandBoxRect(pItem, rcCaption);
    if (IsThemed(m_themeTree))
    {
        m_themeTree.DrawThemeBackground(pDC->GetSafeHdc(), TVP_GLYPH, pItem->IsExpanded() ? GLPS_OPENED : GLPS_CLOSED,
                                        rcBox, NULL);
        return;
    }
    COLORREF clrLine = GetItemTextColor(pItem, FALSE);
    if (!pItem->IsCategory())
        pDC->FillSolidRect(rcBox, GetItemBackColor(pItem, FALSE));
    pDC->Draw3dRect(rcBox, clrLine, clrLine);
    CPoint ptMiddle(rcBox.left + 4, rcBox.top + 4);
    pDC->FillSolidRect(ptMiddle.x - 2, ptMiddle.y, 5, 1, clrLine);
    if (!pItem->IsExpanded())
        pDC->FillSolidRect(ptMiddle.x, ptMiddle.y - 2, 1, 5, clrLine);
}

void CKTPropertyGridPainter::DrawInplaceButtons(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcValue)
{
    if (!pItem->IsInplaceButtonVisible())
        return;
    CKTPropertyGridItemButtons* pButtons = pItem->GetInplaceButtons();
    CRect rc(rcValue);
    for (int i = pButtons->GetCount() - 1; i >= 0; i--)
    {
        CKTPropertyGridItemButton* pButton = pButtons->GetAt(i);
        CRect rcButton(rc.right - pButton->GetWidth(), rc.top, rc.right, rc.bottom);
        rc.right = rcButton.left;
        pButton->OnDraw(pDC, rcButton);
    }
}

void CKTPropertyGridPainter::DrawInplaceButton(CDC* pDC, CKTPropertyGridItemButton* pButton)
{
    CRect rc = pButton->GetRect();
    if (IsThemed(pButton->GetID() == KT_IDC_INPLACEBUTTON_COMBO ? m_themeCombo : m_themeButton))
        DrawThemedButtonFace(pDC, pButton, rc);
    else if (m_nVisualStyleMode == ktGridVisualStyleFlat)
        DrawFlatButtonFace(pDC, pButton, rc);
    else
        DrawClassicButtonFace(pDC, pButton, rc);
    if (pButton->GetID() != KT_IDC_INPLACEBUTTON_COMBO)
        DrawButtonContent(pDC, pButton, rc);
    if (!pButton->IsFocused())
        return;
    CRect rcFocus(rc);
    rcFocus.DeflateRect(2, 2);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawFocusRect(rcFocus);
}

void CKTPropertyGridPainter::DrawThemedButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc)
{
    pDC->FillSolidRect(rc, GetItemBackColor(pButton->GetItem(), TRUE));
    BOOL bPressed = pButton->IsPressed() && pButton->IsHot();
    if (pButton->GetID() == KT_IDC_INPLACEBUTTON_COMBO)
    {
        int nState = bPressed ? CBXS_PRESSED : pButton->IsHot() ? CBXS_HOT : CBXS_NORMAL;
        m_themeCombo.DrawThemeBackground(pDC->GetSafeHdc(), CP_DROPDOWNBUTTON, nState, rc, NULL);
        return;
    }
    int nState = bPressed ? PBS_PRESSED : pButton->IsHot() ? PBS_HOT : PBS_NORMAL;
    m_themeButton.DrawThemeBackground(pDC->GetSafeHdc(), BP_PUSHBUTTON, nState, rc, NULL);
}

void CKTPropertyGridPainter::DrawFlatButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc)
{
    CKTColorManager* pColors = KTColorManager();
    BOOL bHot = pButton->IsHot();
    int nFill = pButton->IsPressed() && bHot ? KTCOLOR_HIGHLIGHT_PUSHED : bHot ? KTCOLOR_HIGHLIGHT : COLOR_BTNFACE;
    COLORREF clrFrame = pColors->GetColor(bHot ? KTCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW);
    pDC->FillSolidRect(rc, pColors->GetColor(nFill));
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    if (pButton->GetID() == KT_IDC_INPLACEBUTTON_COMBO)
        DrawButtonContent(pDC, pButton, rc);
}

void CKTPropertyGridPainter::DrawClassicButtonFace(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc)
{
    pDC->FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));
    if (pButton->IsPressed() && pButton->IsHot())
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    else
    {
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_3DDKSHADOW));
        CRect rcInner(rc);
        rcInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rcInner, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNSHADOW));
    }
    if (pButton->GetID() == KT_IDC_INPLACEBUTTON_COMBO)
        DrawButtonContent(pDC, pButton, rc);
}

// The drop-down arrow, or an image, a caption or the three dots.
void CKTPropertyGridPainter::DrawButtonContent(CDC* pDC, CKTPropertyGridItemButton* pButton, CRect rc)
{
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    CPoint ptCenter = rc.CenterPoint();
    if (pButton->GetID() == KT_IDC_INPLACEBUTTON_COMBO)
    {
        for (int i = 0; i < 3; i++)
            pDC->FillSolidRect(ptCenter.x - 2 + i, ptCenter.y - 1 + i, 5 - 2 * i, 1, clrText);
        return;
    }
    if (CKTImageManagerIcon* pIcon = pButton->GetImage())
    {
        CSize sz(pIcon->m_nWidth, std::min(pIcon->m_nHeight, rc.Height()));
        pIcon->DrawNormal(pDC, CPoint(ptCenter.x - sz.cx / 2, ptCenter.y - sz.cy / 2), sz);
        return;
    }
    if (!pButton->GetCaption().IsEmpty())
    {
        CKTFontDC font(pDC, GetItemFont(pButton->GetItem(), TRUE), clrText);
        pDC->DrawText(pButton->GetCaption(), rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    if (pButton->GetID() != KT_IDC_INPLACEBUTTON_EXPAND)
        return;
    for (int i = -1; i <= 1; i++)
        pDC->FillSolidRect(ptCenter.x - 1 + i * 4, ptCenter.y, 2, 2, clrText);
}
