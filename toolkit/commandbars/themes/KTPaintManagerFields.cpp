// KTPaintManagerFields.cpp: the label, frame and spin buttons of edit and combo-box fields.
#include "KTPaintManager.h"

#include "KTCommandBar.h"
#include "KTControlComboBox.h"
#include "KTControlEdit.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"

#include <algorithm>

int CKTPaintManager::GetFieldLabelTextColor(CKTControl* pControl)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    state.bSelected = FALSE;
    state.nPressed = 0;
    state.bEnabled = TRUE;
    return GetRectangleTextColor(state);
}

COLORREF CKTPaintManager::GetControlEditBackColor(CKTControl* pControl)
{
    return GetColor(pControl->IsEnabled() ? COLOR_WINDOW : COLOR_BTNFACE);
}

CSize CKTPaintManager::DrawFieldLabel(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    IKTEditFieldOwner* pField = dynamic_cast<IKTEditFieldOwner*>(pControl);
    CKTCommandBar* pBar = pControl->GetParent();
    CKTFontDC font(pDC, GetIconFont());
    CString strCaption = pControl->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    CSize szCaption(0, 0), szSpace(0, 0);
    ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strCaption, strCaption.GetLength(), &szCaption);
    ::GetTextExtentPoint32A(pDC->GetSafeHdc(), " ", 1, &szSpace);
    int h = m_nFixedControlHeight > 0 ? m_nFixedControlHeight : szSpace.cy + 7;
    if (pBar && pBar->GetType() == ktBarTypePopup)
    {
        int nLabel = m_nPopupBarTextPadding + GetPopupBarGripperWidth(pBar) + szCaption.cx + 5;
        if (pField)
            pField->SetLabelWidth(nLabel);
        if (bDraw)
            DrawControlPopupParent(pDC, pControl, TRUE);
        return CSize(nLabel + pControl->GetWidth(), h);
    }
    BOOL bCaption = pControl->IsCaptionVisible();
    int nStyle = pControl->GetStyle();
    CSize szIcon = pControl->GetIconSize();
    BOOL bIconStyle = nStyle == ktButtonIcon || nStyle == ktButtonIconAndCaption;
    CKTImageManagerIcon* pIcon = bIconStyle ? pControl->GetImage(szIcon.cx) : NULL;
    int nLabel = (bCaption ? szCaption.cx + 5 : 0) + (pIcon ? szIcon.cx + 4 : 0);
    if (pField)
        pField->SetLabelWidth(nLabel);
    CSize sz(pControl->GetWidth(), pIcon ? std::max<int>(h, pControl->GetButtonSize().cy) : h);
    if (!bDraw)
        return sz;
    CRect rc = pControl->GetRect();
    if (pIcon)
        DrawImage(pDC, CPoint(rc.left + 3, rc.top + (rc.Height() - szIcon.cy) / 2), szIcon, pIcon,
                  GetControlState(pControl), TRUE);
    if (bCaption)
    {
        CKTFontDC regular(pDC, GetRegularFont(), GetColor(GetFieldLabelTextColor(pControl)));
        int nLeft = rc.left + 6 + (pIcon ? szIcon.cx : 0);
        DrawToolBarCaption(pDC, pControl, pControl->GetCaption(), CRect(nLeft, rc.top, rc.right, rc.bottom), FALSE);
    }
    return sz;
}

void CKTPaintManager::DrawEditField(CDC* pDC, CKTControl* pControl, CRect rcField)
{
    pDC->FillSolidRect(CRect(rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1),
                       GetControlEditBackColor(pControl));
    DrawEditFrame(pDC, pControl, rcField);
}

void CKTPaintManager::DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField)
{
    BOOL bHot = pControl->GetSelected() != ktSelectionNone && pControl->IsEnabled();
    Draw3dRect(pDC, rcField, bHot ? COLOR_BTNSHADOW : COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
}

void CKTPaintManager::DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton)
{
    rcButton.DeflateRect(1, 1);
    BOOL bDropped = pCombo->IsPopuped();
    pDC->FillSolidRect(rcButton, GetColor(COLOR_BTNFACE));
    Draw3dRect(pDC, rcButton, bDropped ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT,
               bDropped ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    DrawPopupArrow(pDC, rcButton + (bDropped ? CPoint(1, 1) : CPoint(0, 0)),
                   GetColor(pCombo->IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void CKTPaintManager::DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin)
{
    BOOL bEnabled = pControl->IsEnabled();
    CRect rcHalves[2];
    SplitSpinHalves(rcSpin, rcHalves);
    pDC->FillSolidRect(rcSpin, GetColor(COLOR_BTNFACE));
    COLORREF clrGlyph = GetColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 2; i++)
    {
        CRect rcHalf = rcHalves[i];
        BOOL bPressed = pControl->GetPressed() == 3 + i;
        Draw3dRect(pDC, rcHalf, bPressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT,
                   bPressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        DrawSpinArrow(pDC, rcHalf, i == 0, bPressed, clrGlyph);
    }
}

void CKTPaintManager::SplitSpinHalves(const CRect& rcSpin, CRect (&rcHalves)[2])
{
    const int nMid = (rcSpin.top + rcSpin.bottom) / 2;
    rcHalves[0].SetRect(rcSpin.left, rcSpin.top, rcSpin.right, nMid);
    rcHalves[1].SetRect(rcSpin.left, nMid, rcSpin.right, rcSpin.bottom);
}

void CKTPaintManager::DrawSpinArrow(CDC* pDC, CRect rcHalf, BOOL bUp, BOOL bPressed, COLORREF clr)
{
    CPoint pt = rcHalf.CenterPoint() + (bPressed ? CPoint(1, 1) : CPoint(0, 0));
    int nDir = bUp ? -1 : 1;
    Triangle(pDC, CPoint(pt.x - 2, pt.y - nDir), CPoint(pt.x + 2, pt.y - nDir), CPoint(pt.x, pt.y + nDir), clr);
}

CSize CKTPaintManager::DrawControlEdit(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    CSize sz = DrawFieldLabel(pDC, pControl, bDraw);
    if (!bDraw)
        return sz;
    CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(pControl);
    CRect rc = pControl->GetRect();
    CRect rcSpin = pEdit->GetSpinButtonsRect();
    CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rcSpin.IsRectEmpty() ? rc.right : rcSpin.left, rc.bottom);
    DrawEditField(pDC, pControl, rcField);
    if (!rcSpin.IsRectEmpty())
        DrawEditSpinButtons(pDC, pControl, rcSpin);
    return CSize(0, 0);
}

CSize CKTPaintManager::DrawControlComboBox(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    CKTControlComboBox* pCombo = static_cast<CKTControlComboBox*>(pControl);
    CSize sz = DrawFieldLabel(pDC, pControl, bDraw);
    pCombo->SetThumbWidth(::GetSystemMetrics(SM_CXVSCROLL) - 2);
    if (!bDraw)
        return sz;
    CRect rc = pControl->GetRect();
    CRect rcBox(rc.left + pCombo->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    CRect rcButton(rc.right - pCombo->GetThumbWidth(), rc.top, rc.right, rc.bottom);
    DrawEditField(pDC, pControl, rcBox);
    DrawComboDropButton(pDC, pCombo, rcButton);
    CKTFontDC font(pDC, GetIconFont());
    pCombo->DrawEditText(pDC, CRect(rcBox.left + 3, rc.top + 1, rcButton.left + 1, rc.bottom - 1));
    return CSize(0, 0);
}
