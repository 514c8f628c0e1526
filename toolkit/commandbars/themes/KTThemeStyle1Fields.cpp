// KTThemeStyle1Fields.cpp: the flat theme's edit and combo-box fields: a window-coloured box, framed when hot.
#include "KTThemeStyle1.h"

#include "KTCommandBar.h"
#include "KTControlComboBox.h"
#include "KTControlEdit.h"
#include "KTDrawObjects.h"

namespace
{
BOOL IsOnPopupBar(CKTControl* pControl)
{
    CKTCommandBar* pBar = pControl->GetParent();
    return pBar && pBar->GetType() == ktBarTypePopup;
}
}  // namespace

void CKTThemeStyle1::DrawDisabledField(CDC* pDC, CKTControl* pControl, CRect rcField)
{
    rcField.left++;
    // The keyboard may still stand on a disabled field; it keeps the hot frame then.
    int nBorder = KTIsKeyboardSelection(pControl->GetSelected()) ? KTCOLOR_HIGHLIGHT_BORDER : KTCOLOR_DISABLED_ICON;
    Rectangle(pDC, rcField, nBorder, COLOR_BTNFACE);
}

void CKTThemeStyle1::DrawFlatSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    CRect rcHalves[2];
    SplitSpinHalves(rcSpin, rcHalves);
    if (state.bEnabled && state.bSelected)
    {
        pDC->FillSolidRect(rcSpin, GetColor(KTCOLOR_HIGHLIGHT));
        for (int i = 0; i < 2; i++)
            if (state.nPressed == ktSelectionSpinUp + i)
                pDC->FillSolidRect(rcHalves[i], GetColor(KTCOLOR_HIGHLIGHT_PUSHED));
        COLORREF clrLine = GetColor(KTCOLOR_HIGHLIGHT_BORDER);
        VerticalLine(pDC, rcSpin.left, rcSpin.top, rcSpin.bottom, clrLine);
        HorizontalLine(pDC, rcSpin.left, rcHalves[1].top, rcSpin.right, clrLine);
    }
    else
        Rectangle(pDC, rcSpin, COLOR_WINDOW, -1);
    COLORREF clrGlyph = GetColor(state.bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 2; i++)
    {
        CPoint pt = rcHalves[i].CenterPoint();
        int nBase = i == 0 ? pt.y + 2 : pt.y - 2;
        Triangle(pDC, pt, CPoint(pt.x - 2, nBase), CPoint(pt.x + 2, nBase), clrGlyph);
    }
}

CSize CKTThemeStyle1::DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CKTPaintManager::DrawControlEdit(pDC, pControl, FALSE);
    DrawFieldLabel(pDC, pControl, TRUE);
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(pControl);
    const CRect rc = pControl->GetRect();
    const CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const CRect rcSpin = pEdit->GetSpinButtonsRect();
    KT_CONTROLSTATE state = GetControlState(pControl);
    if (!state.bEnabled)
        DrawDisabledField(pDC, pControl, rcField);
    else
    {
        // The spin buttons keep the field's frame but not its fill.
        const int cxFill = rcField.Width() - (rcSpin.IsRectEmpty() ? 2 : 18);
        pDC->FillSolidRect(rcField.left + 1, rcField.top + 1, cxFill, rcField.Height() - 2, GetColor(COLOR_WINDOW));
        if (state.bSelected)
            Rectangle(pDC, rcField, KTCOLOR_HIGHLIGHT_BORDER, -1);
        else if (IsOnPopupBar(pControl))
            Rectangle(pDC, rcField, KTCOLOR_POPUP_EDIT, -1);
    }
    if (!rcSpin.IsRectEmpty())
        DrawFlatSpinButtons(pDC, pControl, rcSpin);
    return CSize(0, 0);
}

void CKTThemeStyle1::DrawFlatComboButton(CDC* pDC, CKTControl* pControl, CRect rcBox, CRect rcButton)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    const BOOL bDropped = pControl->IsPopuped();
    if (state.bSelected)
    {
        Rectangle(pDC, rcBox, KTCOLOR_HIGHLIGHT_BORDER, -1);
        KT_CONTROLSTATE button;
        button.bSelected = TRUE;
        button.nPressed = bDropped ? 1 : 0;
        button.nBarType = state.nBarType;
        button.nBarPosition = state.nBarPosition;
        DrawControlEntry(pDC, rcButton, button);
        rcButton.DeflateRect(1, 1);
    }
    else
    {
        rcButton.DeflateRect(1, 1);
        if (IsOnPopupBar(pControl))
        {
            Rectangle(pDC, rcBox, KTCOLOR_POPUP_EDIT, -1);
            Rectangle(pDC, rcButton, COLOR_WINDOW, KTCOLOR_POPUP_EDIT);
        }
        else
            Rectangle(pDC, rcButton, COLOR_WINDOW, -1);
    }
    int nArrow = bDropped          ? KTCOLOR_HIGHLIGHT_PUSHED_TEXT
                 : state.bSelected ? KTCOLOR_HIGHLIGHT_TEXT
                                   : KTCOLOR_TOOLBAR_TEXT;
    DrawPopupArrow(pDC, rcButton, GetColor(nArrow));
}

CSize CKTThemeStyle1::DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CKTPaintManager::DrawControlComboBox(pDC, pControl, FALSE);
    CKTFontDC font(pDC, GetIconFont());
    DrawFieldLabel(pDC, pControl, TRUE);
    CKTControlComboBox* pCombo = static_cast<CKTControlComboBox*>(pControl);
    const CRect rc = pControl->GetRect();
    const CRect rcBox(rc.left + pCombo->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const CRect rcButton(rc.right - pCombo->GetThumbWidth(), rc.top, rc.right, rc.bottom);
    if (GetControlState(pControl).bEnabled)
    {
        pDC->FillSolidRect(CRect(rcBox.left + 1, rcBox.top + 1, rcButton.left, rcBox.bottom - 1),
                           GetColor(COLOR_WINDOW));
        DrawFlatComboButton(pDC, pControl, rcBox, rcButton);
    }
    else
    {
        DrawDisabledField(pDC, pControl, rcBox);
        CRect rcArrow = rcButton;
        rcArrow.DeflateRect(1, 1);
        DrawPopupArrow(pDC, rcArrow, GetColor(KTCOLOR_DISABLED_ICON));
    }
    pCombo->DrawEditText(pDC, CRect(rcBox.left + 3, rc.top + 1, rcButton.left, rc.bottom - 1));
    return CSize(0, 0);
}
