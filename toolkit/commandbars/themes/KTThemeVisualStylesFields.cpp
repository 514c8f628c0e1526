// KTThemeVisualStylesFields.cpp: the frames, drop-down buttons and spin buttons of fields in the visual styles.
#include "KTCommandBar.h"
#include "KTControlComboBox.h"
#include "KTThemeVisualStyles.h"
#include "KTVisualStyleParts.h"

namespace
{
// A spin half: hot and pressed share one code per half, 3 upper and 4 lower.
int SpinHalfState(CKTControl* pControl, int nHalf)
{
    if (!pControl->IsEnabled())
        return ktToolbarDisabled;
    if (pControl->GetSelected() != nHalf)
        return ktToolbarNormal;
    return pControl->GetPressed() == nHalf ? ktToolbarPressed : ktToolbarHot;
}
}  // namespace

void CKTThemeVisualStyles::DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField)
{
    if (!m_themeComboBox.IsAppThemeReady())
        return CKTThemeStyle0::DrawEditFrame(pDC, pControl, rcField);
    COLORREF clrBorder = GetColor(COLOR_BTNSHADOW);
    int nState = pControl->IsEnabled() ? ktToolbarNormal : ktToolbarDisabled;
    m_themeComboBox.GetThemeColor(ktComboBoxDropDownButton, nState, ktTmtBorderColor, clrBorder);
    pDC->Draw3dRect(rcField, clrBorder, clrBorder);
}

void CKTThemeVisualStyles::DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton)
{
    if (!m_themeComboBox.IsAppThemeReady())
        return CKTThemeStyle0::DrawComboDropButton(pDC, pCombo, rcButton);
    int nState = ktToolbarNormal;
    if (!pCombo->IsEnabled())
        nState = ktToolbarDisabled;
    else if (pCombo->IsPopuped())
        nState = ktToolbarPressed;
    else if (pCombo->GetSelected())
        nState = ktToolbarHot;
    CRect rc(rcButton.left - 2, rcButton.top + 1, rcButton.right - 1, rcButton.bottom - 1);
    m_themeComboBox.DrawThemeBackground(pDC->GetSafeHdc(), ktComboBoxDropDownButton, nState, rc, NULL);
}

void CKTThemeVisualStyles::DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin)
{
    if (!IsThemed() || !m_themeSpin.IsAppThemeReady())
        return CKTThemeStyle0::DrawEditSpinButtons(pDC, pControl, rcSpin);
    int nMid = (rcSpin.top + rcSpin.bottom) / 2;
    HDC hDC = pDC->GetSafeHdc();
    m_themeSpin.DrawThemeBackground(hDC, ktSpinUp, SpinHalfState(pControl, ktSelectionSpinUp),
                                    CRect(rcSpin.left, rcSpin.top, rcSpin.right, nMid), NULL);
    m_themeSpin.DrawThemeBackground(hDC, ktSpinDown, SpinHalfState(pControl, ktSelectionSpinDown),
                                    CRect(rcSpin.left, nMid, rcSpin.right, rcSpin.bottom), NULL);
}
