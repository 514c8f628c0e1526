// KTThemeStyle0Fields.cpp: the default theme's edit and combo-box frames, drop button and spin buttons.
#include "KTThemeStyle0.h"

#include "KTCommandBar.h"
#include "KTControlComboBox.h"

namespace
{
BOOL IsHot(CKTControl* pControl) { return pControl->GetSelected() != ktSelectionNone; }
}  // namespace

void CKTThemeStyle0::DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField)
{
    if (!pControl->IsEnabled())
    {
        const int nPressed = pControl->GetPressed();
        rcField.DeflateRect(1, 1);
        Rectangle(pDC, rcField, nPressed == 2 || nPressed == 3 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT, -1);
        return;
    }
    if (IsHot(pControl))
        DrawSunken(pDC, rcField);
    rcField.DeflateRect(1, 1);
    Rectangle(pDC, rcField, COLOR_BTNFACE, -1);
}

void CKTThemeStyle0::DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton)
{
    CRect rc(rcButton.left + 1, rcButton.top + 2, rcButton.right - 2, rcButton.bottom - 2);
    const BOOL bDropped = pCombo->IsPopuped();
    if (pCombo->IsEnabled())
    {
        pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
        // The column between the text and the button joins the button once it stands out.
        if (bDropped || IsHot(pCombo))
            VerticalLine(pDC, rc.left - 1, rc.top, rc.bottom, GetColor(COLOR_BTNFACE));
        if (bDropped)
            DrawSunken(pDC, rc);
        else if (IsHot(pCombo))
            DrawRaised(pDC, rc);
        else
            Rectangle(pDC, rc, COLOR_BTNHIGHLIGHT, -1);
    }
    DrawPopupArrow(pDC, rc + (bDropped ? CPoint(1, 1) : CPoint(0, 0)), GetColor(COLOR_BTNTEXT));
}

void CKTThemeStyle0::DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin)
{
    const BOOL bEnabled = pControl->IsEnabled();
    CRect rcHalves[2];
    SplitSpinHalves(rcSpin, rcHalves);
    const BOOL bHot = bEnabled && IsHot(pControl);
    if (bHot)
        pDC->FillSolidRect(rcSpin, GetColor(COLOR_BTNFACE));
    else if (bEnabled)
    {
        Rectangle(pDC, rcSpin, COLOR_WINDOW, -1);
        pDC->FillSolidRect(CRect(rcSpin.left + 1, rcSpin.top + 1, rcSpin.right - 1, rcSpin.bottom - 1),
                           GetColor(COLOR_BTNFACE));
    }
    const COLORREF clrArrow = GetColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 2; i++)
    {
        const BOOL bPressed = bHot && pControl->GetPressed() == ktSelectionSpinUp + i;
        if (bHot)
            Draw3dRect(pDC, rcHalves[i], bPressed ? COLOR_BTNSHADOW : COLOR_WINDOW,
                       bPressed ? COLOR_WINDOW : COLOR_BTNSHADOW);
        DrawSpinArrow(pDC, rcHalves[i], i == 0, bPressed, clrArrow);
    }
}
