// KTThemeRibbonFields.cpp: theme 6's edit and combo-box fields, their drop-down and spin buttons from the style images.
#include "KTCommandBar.h"
#include "KTControlComboBox.h"
#include "KTControlEdit.h"
#include "KTDrawObjects.h"
#include "KTThemeRibbon.h"

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);

BOOL IsOnPopupBar(CKTControl* pControl)
{
    CKTCommandBar* pBar = pControl->GetParent();
    return pBar && pBar->GetType() == ktBarTypePopup;
}

// The spin image's part for one half: the up half takes parts 0-4, the down half 5-9.
int SpinPart(CKTControl* pControl, int nHalf)
{
    const int nBase = nHalf == ktSelectionSpinUp ? 0 : 5;
    if (!pControl->IsEnabled())
        return nBase + 4;
    const int nSelected = pControl->GetSelected();
    if (!nSelected)
        return nBase;
    if (pControl->GetPressed() == nHalf)
        return nBase + 3;
    return nBase + (nSelected == nHalf ? 2 : 1);
}

// The drop-down image's part and the fill behind the field, by the combo box's state.
std::pair<int, int> ComboPartAndFill(CKTControlComboBox* pCombo)
{
    if (!pCombo->IsEnabled())
        return {4, COLOR_BTNFACE};
    if (pCombo->IsPopuped())
        return {3, COLOR_WINDOW};
    if (pCombo->GetSelected())
        return {2, COLOR_WINDOW};
    return {0, -1};
}

// Outside its groups the ribbon's own text colour stands on its face; states keep the bars' colours.
BOOL IsIdleOnRibbonFace(CKTControl* pControl)
{
    CKTCommandBar* pBar = pControl->GetParent();
    if (!pBar || pBar->GetType() != ktBarTypeRibbon || pControl->GetRibbonGroup())
        return FALSE;
    return pControl->IsEnabled() && !pControl->GetSelected() && !pControl->GetPressed() && !pControl->GetChecked() &&
           !pControl->IsPopuped();
}
}  // namespace

COLORREF CKTThemeRibbon::GetControlEditBackColor(CKTControl* pControl)
{
    if (!pControl->IsEnabled())
        return GetColor(COLOR_BTNFACE);
    if (pControl->GetSelected())
        return GetColor(COLOR_WINDOW);
    if (IsOnPopupBar(pControl))
        return GetColor(KTCOLOR_POPUP_FACE);
    return m_clrEditNormal.GetColor();
}

int CKTThemeRibbon::GetFieldLabelTextColor(CKTControl* pControl)
{
    return pControl->IsEnabled() ? KTCOLOR_TOOLBAR_TEXT : KTCOLOR_DISABLED_TEXT;
}

int CKTThemeRibbon::GetControlTextColor(CKTControl* pControl)
{
    if (IsIdleOnRibbonFace(pControl) && !m_clrRibbonText.IsDefaultValue())
        return KTColorArgument(m_clrRibbonText.GetColor());
    // An edit's label on a popup lights up with its field, as the popup's entries do.
    if (pControl->GetType() == ktControlEdit && IsOnPopupBar(pControl) && pControl->IsEnabled() &&
        pControl->GetSelected())
        return KTCOLOR_HIGHLIGHT_TEXT;
    return CKTThemeStyle5::GetControlTextColor(pControl);
}

CSize CKTThemeRibbon::DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    CSize sz = DrawFieldLabel(pDC, pControl, bDraw);
    if (!bDraw)
        return sz;
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(pControl);
    CRect rc = pControl->GetRect();
    CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const int nSelected = pControl->GetSelected();
    int nFrame = KTCOLOR_POPUP_EDIT;
    CRect rcFill(rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1);
    if (!pControl->IsEnabled())
    {
        nFrame = KTIsKeyboardSelection(nSelected) ? KTCOLOR_HIGHLIGHT_BORDER : KTCOLOR_POPUP_EDIT;
        rcFill.left++;
    }
    if (pControl->IsEnabled() && !nSelected && IsOnPopupBar(pControl))
        rcFill.SetRectEmpty();
    if (!rcFill.IsRectEmpty())
        pDC->FillSolidRect(rcFill, GetControlEditBackColor(pControl));
    pDC->Draw3dRect(rcField, GetColor(nFrame), GetColor(nFrame));
    if (pEdit->IsSpinButtonsVisible())
        DrawEditSpin(pDC, pControl, rc);
    return CSize(0, 0);
}

void CKTThemeRibbon::DrawEditSpin(CDC* pDC, CKTControl* pControl, CRect rc)
{
    const int nMid = (rc.top + rc.bottom) / 2;
    DrawStyleImage(pDC, "TOOLBARBUTTONSPIN", CRect(rc.right - 18, rc.top + 1, rc.right - 1, nMid),
                   SpinPart(pControl, ktSelectionSpinUp), 10, CRect(0, 0, 0, 0), kMagenta);
    DrawStyleImage(pDC, "TOOLBARBUTTONSPIN", CRect(rc.right - 18, nMid, rc.right - 1, rc.bottom - 1),
                   SpinPart(pControl, ktSelectionSpinDown), 10, CRect(0, 0, 0, 0), kMagenta);
}

CSize CKTThemeRibbon::DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CKTThemeStyle5::DrawControlComboBox(pDC, pControl, FALSE);
    CKTControlComboBox* pCombo = static_cast<CKTControlComboBox*>(pControl);
    DrawFieldLabel(pDC, pControl, TRUE);
    CKTFontDC font(pDC, GetIconFont());
    CRect rc = pControl->GetRect();
    CRect rcButton(rc.right - pCombo->GetThumbWidth(), rc.top, rc.right, rc.bottom);
    CRect rcField(rc.left + pCombo->GetLabelWidth(), rc.top, rcButton.left, rc.bottom);
    std::pair<int, int> look = ComboPartAndFill(pCombo);
    pDC->FillSolidRect(rcField, look.second < 0 ? m_clrEditNormal.GetColor() : GetColor(look.second));
    pDC->Draw3dRect(rcField, GetColor(KTCOLOR_POPUP_EDIT), GetColor(KTCOLOR_POPUP_EDIT));
    DrawStyleImage(pDC, "TOOLBARBUTTONSCOMBODROPDOWN", rcButton, look.first, 5, CRect(2, 2, 2, 2));
    pCombo->DrawEditText(pDC, CRect(rcField.left + 3, rc.top + 1, rcButton.left, rc.bottom - 1));
    DrawDropDownGlyph(pDC, pControl, rcButton.CenterPoint(), GetControlState(pControl), FALSE);
    return CSize(0, 0);
}
