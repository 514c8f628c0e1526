// KTPaintManagerListBox.cpp: a control drawn as an entry of the customise command list.
#include "KTPaintManager.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

#include <algorithm>

namespace
{
const UINT kListCaptionFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

BOOL IsFieldType(int nType) { return nType == ktControlEdit || nType == ktControlComboBox; }
}  // namespace

CSize CKTPaintManager::DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                          CKTCommandBars* pCommandBars)
{
    if (!bDraw)
        return rc.Size();
    CString strCaption = pControl->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    rc.left += GetListBoxIconColumn(pCommandBars);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    pDC->DrawText(strCaption, rc, kListCaptionFormat);
    return rc.Size();
}

int CKTPaintManager::GetListBoxIconColumn(CKTCommandBars* pCommandBars) const
{
    CSize szIcon = pCommandBars ? pCommandBars->GetCommandBarsOptions()->szIcons : CSize(0, 0);
    if (szIcon.cx <= 0)
        szIcon = GetAutoIconSize(FALSE);
    return std::max<int>(szIcon.cx + 4, m_nTextHeight);
}

void CKTPaintManager::DrawListBoxIcon(CDC* pDC, CKTControl* pControl, CRect rcColumn, BOOL bSelected)
{
    const CSize szIcon = pControl->GetIconSize();
    CKTImageManagerIcon* pIcon = pControl->GetImage(szIcon.cx);
    if (!pIcon)
        return;
    KT_CONTROLSTATE state;
    state.bSelected = bSelected;
    state.nBarType = ktBarTypePopup;
    state.nBarPosition = ktBarPopup;
    const CPoint pt(rcColumn.left + (rcColumn.Width() - szIcon.cx) / 2,
                    rcColumn.top + (rcColumn.Height() - szIcon.cy) / 2);
    DrawImage(pDC, pt, szIcon, pIcon, state, FALSE);
}

void CKTPaintManager::DrawListBoxEntryText(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected,
                                           const KT_LISTBOXLOOK& look)
{
    const int nType = pControl->GetType();
    const COLORREF clrCaption = GetColor(look.nCaption);
    CString strCaption = pControl->GetCaption();
    CKTDrawHelpers::StripMnemonics(strCaption);
    CRect rcField = rc;
    if (IsFieldType(nType))
    {
        CKTFontDC font(pDC, GetRegularFont());
        rcField.left = rc.right - pDC->GetTextExtent(strCaption + "0").cx;
        rc.right = rcField.left;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrCaption);
    pDC->DrawText(strCaption, CRect(rc.left + 4, rc.top, rc.right, rc.bottom), kListCaptionFormat);
    const int cy = rc.CenterPoint().y;
    if (nType == ktControlPopup || nType == ktControlButtonPopup || nType == ktControlSplitButtonPopup)
        Triangle(pDC, CPoint(rc.right - 7, cy), CPoint(rc.right - 12, cy - 5), CPoint(rc.right - 12, cy + 5),
                 clrCaption);
    if (nType == ktControlSplitButtonPopup)
        pDC->FillSolidRect(rc.right - 20, rc.top + 1, 1, rc.Height() - 2, GetColor(look.nLine));
    if (!IsFieldType(nType))
        return;
    rcField.DeflateRect(0, 2);
    pDC->FillSolidRect(rcField, GetColor(look.nFieldFrame));
    pDC->FillSolidRect(CRect(rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1),
                       GetColor(COLOR_WINDOW));
    if (nType != ktControlComboBox)
        return;
    CRect rcButton(rcField.right - 13, rcField.top + 1, rcField.right - 1, rcField.bottom - 1);
    if (bSelected && look.nButtonFrame >= 0)
    {
        pDC->FillSolidRect(rcButton, GetColor(look.nButtonFrame));
        rcButton.DeflateRect(1, 1);
        pDC->FillSolidRect(rcButton, GetColor(COLOR_BTNFACE));
    }
    else if (bSelected)
    {
        KT_CONTROLSTATE hot;
        hot.bSelected = TRUE;
        hot.nBarType = ktBarTypePopup;
        hot.nBarPosition = ktBarPopup;
        DrawControlEntry(pDC, rcButton, hot);
    }
    else
        pDC->FillSolidRect(CRect(rcButton.left + 2, rcButton.top + 2, rcButton.right - 2, rcButton.bottom - 2),
                           GetColor(COLOR_BTNFACE));
    DrawPopupArrow(pDC, rcButton, GetColor(COLOR_BTNTEXT));
}
