// KTThemeStyle0.cpp: bevels, checked pattern, etched separators and raised grippers.
#include "KTThemeStyle0.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDialogBar.h"
#include "KTDrawObjects.h"
#include "KTIconState.h"
#include "KTImageManager.h"

#include <algorithm>

CKTThemeStyle0::CKTThemeStyle0()
{
    m_iconOptions.bFadedIcons = FALSE;
    m_iconOptions.bIconsWithShadow = FALSE;
}

void CKTThemeStyle0::RefreshMetrics()
{
    CKTPaintManager::RefreshMetrics();
    m_clrFloatingGripper.SetStandardValue(GetColor(COLOR_ACTIVECAPTION));
    m_clrFloatingGripperText.SetStandardValue(GetColor(COLOR_CAPTIONTEXT));
}

void CKTThemeStyle0::FillCheckedPattern(CDC* pDC, CRect rc)
{
    HBRUSH hBrush = KTHalftoneBrush();
    if (!hBrush)
        return;
    COLORREF clrOldBk = pDC->SetBkColor(GetColor(COLOR_BTNFACE));
    COLORREF clrOldText = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), hBrush);
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

void CKTThemeStyle0::DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    BOOL bHot = state.bSelected, bPressed = state.nPressed != 0;
    if (state.IsPopupBar() && !state.nChecked)
    {
        if (bHot || bPressed)
            Rectangle(pDC, rc, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
        return;
    }
    if (!state.bEnabled)
    {
        if (state.nChecked || state.IsPressedOpen())
            DrawSunken(pDC, rc);
        return;
    }
    if (state.nChecked)
    {
        if (!bHot && !bPressed)
            FillCheckedPattern(pDC, rc);
        DrawSunken(pDC, rc);
        return;
    }
    if (state.bPopuped || state.IsPressedOpen())
    {
        DrawSunken(pDC, rc);
        return;
    }
    if (bHot && bPressed)
        DrawSunken(pDC, rc);
    else if (bHot || bPressed)
        DrawRaised(pDC, rc);
}

int CKTThemeStyle0::GetRectangleTextColor(const KT_CONTROLSTATE& state)
{
    if (state.IsPopupBar())
    {
        if (!state.bEnabled)
            return COLOR_GRAYTEXT;
        return state.bSelected ? COLOR_HIGHLIGHTTEXT : m_nPopupTextColor;
    }
    if (!state.bEnabled)
        return COLOR_GRAYTEXT;
    return state.nBarPosition == ktBarPopup ? m_nPopupTextColor : COLOR_BTNTEXT;
}

void CKTThemeStyle0::FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar)
{
    CRect rc = CKTClientRect(pBar);
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarFloating || nPosition == ktBarPopup)
    {
        Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        DrawRaised(pDC, rc);
        return;
    }
    BOOL bFlat = pBar->GetType() == ktBarTypeMenuBar ? m_bFlatMenuBar : m_bFlatToolBar;
    if (!bFlat)
        DrawRaised(pDC, rc);
}

CSize CKTThemeStyle0::DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)))
        return DrawAltGripper(pDC, pBar, pDC && bDraw);
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarFloating)
        return CKTPaintManager::DrawCommandBarGripper(pDC, pBar, bDraw);
    CRect rc = CKTClientRect(pBar);
    if (nPosition == ktBarLeft || nPosition == ktBarRight)
    {
        if (pDC && bDraw)
            DrawRaised(pDC, CRect(3, 3, rc.Width() - 3, 6));
        return CSize(0, 8);
    }
    if (nPosition == ktBarTop || nPosition == ktBarBottom)
    {
        if (pDC && bDraw)
            DrawRaised(pDC, CRect(3, 3, 6, rc.Height() - 3));
        return CSize(6, 0);
    }
    return CSize(0, 0);
}

CSize CKTThemeStyle0::DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == ktBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(8, 8) : CSize(6, 6);
    CRect rc = pControl->GetRect(), rcRow = pControl->GetRowRect();
    BOOL bWrap = pControl->GetWrap();
    CRect rcLine;
    if (bPopup)
        rcLine = bWrap ? CRect(rc.left - 5, rcRow.top + 3, rc.left - 3, rcRow.bottom - 3)
                       : CRect(rc.left + 11, rc.top - 5, rc.right - 11, rc.top - 3);
    else if (pBar->IsVerticalPosition())
        rcLine = bWrap ? CRect(rcRow.right + 2, rcRow.top + 4, rcRow.right + 4, rcRow.bottom)
                       : CRect(rcRow.left, rc.top - 4, rcRow.right, rc.top - 2);
    else
        rcLine = bWrap ? CRect(rcRow.left + 4, rcRow.top - 4, rcRow.right, rcRow.top - 2)
                       : CRect(rc.left - 4, rcRow.top, rc.left - 2, rcRow.bottom);
    DrawSunken(pDC, rcLine);
    return CSize(0, 0);
}

void CKTThemeStyle0::AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical)
{
    if (pControl->GetTraits().bDropsList)
        return;
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == ktBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CRect CKTThemeStyle0::GetCommandBarBorders(CKTCommandBar* pBar)
{
    if (pBar->GetType() == ktBarTypePopup)
        return CRect(3, 3, 3, 3);
    return CKTPaintManager::GetCommandBarBorders(pBar);
}

CSize CKTThemeStyle0::GetPopupBarImageSize(CKTCommandBar* pBar)
{
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    return CSize(std::max<int>(m_nTextHeight, szIcon.cx + 4), std::max<int>(m_nTextHeight, szIcon.cy + 4));
}

void CKTThemeStyle0::DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                               BOOL bToolBarImage)
{
    switch (KTGetIconState(state))
    {
    case ktIconDisabled:
        if (!pIcon->HasDisabledIcon() && !m_iconOptions.bUseDisabledIcons)
        {
            pIcon->DrawMono(pDC, pt + CPoint(1, 1), pIcon->GetIcon(), sz, GetColor(COLOR_BTNHIGHLIGHT));
            pIcon->DrawMono(pDC, pt, pIcon->GetIcon(), sz, GetColor(COLOR_BTNSHADOW));
        }
        else
            pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(TRUE), sz);
        break;
    case ktIconIndeterminate:
        if (pIcon->HasDisabledIcon())
            pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(TRUE), sz);
        else
            pIcon->DrawMono(pDC, pt, pIcon->GetCheckedIcon(), sz, GetColor(COLOR_BTNSHADOW));
        break;
    case ktIconPopuped:
    case ktIconChecked:
        pIcon->Draw(pDC, pt, pIcon->GetCheckedIcon(), sz);
        break;
    case ktIconNormal:
        pIcon->Draw(pDC, pt, m_iconOptions.bFadedIcons ? pIcon->GetFadedIcon() : pIcon->GetIcon(), sz);
        break;
    case ktIconPressed:
        pIcon->Draw(pDC, pt + CPoint(1, 1), pIcon->GetPressedIcon(), sz);
        break;
    case ktIconHot:
        if (m_iconOptions.bIconsWithShadow && !pIcon->GetShadowIcon().IsEmpty())
        {
            pIcon->Draw(pDC, pt + CPoint(1, 1), pIcon->GetShadowIcon(), sz);
            pIcon->Draw(pDC, pt - CPoint(1, 1), pIcon->GetHotIcon(), sz);
        }
        else
            pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), sz);
        break;
    }
}

void CKTThemeStyle0::DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    BOOL bActive = (state.bSelected || state.nPressed || state.bPopuped) && state.bEnabled;
    CKTCommandBar* pBar = pControl->GetParent();
    if (pControl->GetStyle() == ktButtonIconAndCaptionBelow)
    {
        int d = GetSplitDropDownSize();
        BOOL bVert = pBar && pBar->IsVerticalPosition();
        CRect rcDrop =
            bVert ? CRect(rc.left, rc.top, rc.left + d, rc.bottom) : CRect(rc.left, rc.bottom - d, rc.right, rc.bottom);
        DrawControlEntry(pDC, rc, state);
        if (bActive)
        {
            KT_CONTROLSTATE drop = state;
            drop.bSelected = TRUE;
            drop.nPressed = 0;
            DrawControlEntry(pDC, rcDrop, drop);
        }
        return;
    }
    KT_CONTROLSTATE main = state;
    main.bSelected = state.bSelected || state.bPopuped;
    DrawControlEntry(pDC, CRect(rc.left, rc.top, rc.right - 12, rc.bottom), main);
    if (bActive)
    {
        KT_CONTROLSTATE drop = state;
        drop.bSelected = TRUE;
        drop.nPressed = 0;
        drop.nChecked = 0;
        DrawControlEntry(pDC, CRect(rc.right - 12, rc.top, rc.right, rc.bottom), drop);
    }
    DrawDropDownGlyph(pDC, pControl, CPoint(rc.right - 7, rc.CenterPoint().y), state, FALSE);
}

CSize CKTThemeStyle0::DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CKTPaintManager::DrawControlPopupParent(pDC, pControl, FALSE);
    CKTCommandBar* pBar = pControl->GetParent();
    KT_CONTROLSTATE state = GetControlState(pControl);
    CRect rc = pControl->GetRect();
    int nColumn = GetPopupBarImageSize(pBar).cx;
    if (pControl->IsExpandedShown())
        pDC->FillSolidRect(rc, GetColor(COLOR_3DLIGHT));
    pDC->SetTextColor(GetColor(GetControlTextColor(pControl)));
    if (state.bSelected)
    {
        KT_CONTROLSTATE hot;
        hot.bSelected = TRUE;
        hot.nBarType = ktBarTypePopup;
        hot.nBarPosition = ktBarPopup;
        CRect rcHot = m_bSelectImageInPopupBar ? rc : CRect(rc.left + nColumn, rc.top, rc.right, rc.bottom);
        DrawControlEntry(pDC, rcHot, hot);
    }
    CRect rcCell(rc.left, rc.top, rc.left + nColumn, rc.bottom);
    CSize szIcon = pControl->GetIconSize();
    CKTImageManagerIcon* pIcon = pControl->GetStyle() != ktButtonCaption ? pControl->GetImage(szIcon.cx) : NULL;
    if (state.nChecked)
    {
        KT_CONTROLSTATE checked = state;
        checked.nBarType = ktBarTypeNormal;
        checked.nBarPosition = ktBarPopup;
        checked.bSelected = FALSE;
        DrawControlEntry(pDC, rcCell, checked);
        if (!pIcon && pControl->GetType() == ktControlRadioButton)
            DrawRadioDot(pDC, rcCell, GetColor(m_nPopupTextColor));
        else if (!pIcon)
            DrawCheckMark(pDC, rcCell, GetColor(m_nPopupTextColor));
    }
    if (pIcon)
        DrawImage(pDC, CPoint(rcCell.left + (nColumn - szIcon.cx) / 2, rcCell.top + (rc.Height() - szIcon.cy) / 2),
                  szIcon, pIcon, state, FALSE);
    if (KTIsPopupType(pControl->GetType()))
    {
        int cy = rc.CenterPoint().y;
        Triangle(pDC, CPoint(rc.right - 11, cy - 3), CPoint(rc.right - 8, cy), CPoint(rc.right - 11, cy + 3),
                 pDC->GetTextColor());
    }
    if (pControl->GetType() == ktControlSplitButtonPopup)
        DrawSplitPopupSeparator(pDC, rc, state, pDC->GetTextColor());
    pDC->SetBkMode(TRANSPARENT);
    return CKTPaintManager::DrawControlPopupParent(pDC, pControl, TRUE);
}

void CKTThemeStyle0::DrawSplitPopupSeparator(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state, COLORREF clrText)
{
    const CRect rcDrop(rc.right - 20, rc.top, rc.right, rc.bottom);
    if (state.bSelected && state.bPopuped && state.bEnabled)
    {
        DrawSunken(pDC, rcDrop);
        return;
    }
    const COLORREF clr = !state.bEnabled ? clrText : GetColor(state.bSelected ? COLOR_BTNSHADOW : m_nPopupTextColor);
    VerticalLine(pDC, rcDrop.left, rc.top + 1, rc.bottom - 1, clr);
}

CSize CKTThemeStyle0::DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                         CKTCommandBars* pCommandBars)
{
    if (!bDraw)
        return rc.Size();
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    const CRect rcColumn(rc.left, rc.top, rc.left + GetListBoxIconColumn(pCommandBars), rc.bottom);
    KT_CONTROLSTATE button;
    button.bSelected = bSelected;
    button.nBarType = ktBarTypeNormal;
    button.nBarPosition = ktBarPopup;
    DrawControlEntry(pDC, rcColumn, button);
    DrawListBoxIcon(pDC, pControl, rcColumn, bSelected);
    const CRect rcText(rcColumn.right, rc.top, rc.right, rc.bottom);
    if (bSelected)
        pDC->FillSolidRect(rcText, GetColor(COLOR_HIGHLIGHT));
    const int nCaption = bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    DrawListBoxEntryText(pDC, pControl, rcText, bSelected,
                         {nCaption, nCaption, bSelected ? COLOR_HIGHLIGHT : COLOR_BTNFACE, COLOR_HIGHLIGHT});
    return rc.Size();
}
