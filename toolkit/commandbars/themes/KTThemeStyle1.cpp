// KTThemeStyle1.cpp: flat faces, state rectangles, dotted grippers and menus with an icon column.
#include "KTThemeStyle1.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDialogBar.h"
#include "KTDrawObjects.h"
#include "KTIconState.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"

#include <algorithm>

CKTThemeStyle1::CKTThemeStyle1()
{
    m_bFlatMenuBar = TRUE;
    m_iconOptions.bFadedIcons = TRUE;
    m_iconOptions.bUseDisabledIcons = TRUE;
    m_iconOptions.bIconsWithShadow = TRUE;
    m_iconOptions.bUseTintedDisabled = TRUE;
    m_nPopupBarTextPadding = 8;
    m_bEmbossedDisabledText = FALSE;
    m_dwShadowOptions = 3;
}

void CKTThemeStyle1::DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    BOOL bHot = state.bSelected, bPressed = state.nPressed != 0;
    if (!state.bEnabled)
    {
        if (state.IsPressedOpen())
            Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_BORDER,
                      state.nBarPosition == ktBarPopup
                          ? KTCOLOR_POPUP_FACE
                          : (state.nChecked ? KTCOLOR_HIGHLIGHT_PUSHED : KTCOLOR_HIGHLIGHT));
        else if (state.nChecked)
            Rectangle(pDC, rc, KTCOLOR_DISABLED_CHECKED_BORDER,
                      state.nBarPosition == ktBarPopup ? -1 : KTCOLOR_HIGHLIGHT_CHECKED);
        return;
    }
    if (state.bPopuped)
        Rectangle(pDC, rc, KTCOLOR_POPUP_BORDER, KTCOLOR_TOOLBAR_FACE);
    else if (state.nChecked == 2 && !bHot && !bPressed)
        Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_CHECKED_BORDER, KTCOLOR_CONTROL_FACE);
    else if (state.nChecked == 1 && !bHot && !bPressed)
        Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_CHECKED_BORDER, KTCOLOR_HIGHLIGHT_CHECKED);
    else if (!bHot && !bPressed)
        return;
    else if (((bHot && !bPressed) || (state.nPressed == 1 && !bHot)) && state.nChecked != 2 &&
             !(state.nChecked && bHot))
        Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_BORDER, KTCOLOR_HIGHLIGHT);
    else
        Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_PUSHED_BORDER, KTCOLOR_HIGHLIGHT_PUSHED);
}

int CKTThemeStyle1::GetRectangleTextColor(const KT_CONTROLSTATE& state)
{
    int nNormal = state.nBarPosition == ktBarPopup ? KTCOLOR_POPUP_TEXT : KTCOLOR_TOOLBAR_TEXT;
    BOOL bHot = state.bSelected, bPressed = state.nPressed != 0;
    if (state.IsPopupBar())
        return !state.bEnabled ? KTCOLOR_POPUP_DISABLED_TEXT : (bHot ? KTCOLOR_HIGHLIGHT_TEXT : KTCOLOR_POPUP_TEXT);
    if (!state.bEnabled)
        return KTCOLOR_DISABLED_TEXT;
    if (state.bPopuped)
        return KTCOLOR_TOOLBAR_TEXT;
    if (state.nChecked && !bHot && !bPressed)
        return KTCOLOR_HIGHLIGHT_TEXT;
    if (state.IsPressedOpen() || (bHot && (bPressed || state.nChecked)))
        return KTCOLOR_HIGHLIGHT_PUSHED_TEXT;
    if (!bHot && !bPressed)
        return nNormal;
    return KTCOLOR_HIGHLIGHT_TEXT;
}

BOOL CKTThemeStyle1::IsFlatBar(CKTCommandBar* pBar) const
{
    return pBar->GetType() == ktBarTypeMenuBar ? m_bFlatMenuBar : m_bFlatToolBar;
}

void CKTThemeStyle1::FillFloatingFrame(CDC* pDC, CRect rc, int nFill)
{
    Rectangle(pDC, rc, KTCOLOR_FLOATING_FRAME, -1);
    rc.DeflateRect(1, 1);
    Rectangle(pDC, rc, KTCOLOR_FLOATING_FRAME, nFill);
    COLORREF clr = GetColor(KTCOLOR_FLOATING_FRAME);
    pDC->SetPixel(rc.left + 2, rc.top + 2, clr);
    pDC->SetPixel(rc.right - 3, rc.top + 2, clr);
    pDC->SetPixel(rc.left + 2, rc.bottom - 3, clr);
    pDC->SetPixel(rc.right - 3, rc.bottom - 3, clr);
}

void CKTThemeStyle1::FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar)
{
    CRect rc = CKTClientRect(pBar);
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarFloating)
    {
        int nFill = pBar->GetType() == ktBarTypePopup ? KTCOLOR_POPUP_FACE
                                                      : (IsFlatBar(pBar) ? COLOR_BTNFACE : KTCOLOR_TOOLBAR_FACE);
        FillFloatingFrame(pDC, rc, nFill);
        return;
    }
    if (nPosition == ktBarPopup)
    {
        Rectangle(pDC, rc, KTCOLOR_POPUP_BORDER, KTCOLOR_POPUP_FACE);
        pDC->FillSolidRect(GetOpeningGap(pBar), GetColor(KTCOLOR_TOOLBAR_FACE));
        return;
    }
    if (IsFlatBar(pBar))
    {
        pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
        return;
    }
    Rectangle(pDC, rc, COLOR_BTNFACE, KTCOLOR_TOOLBAR_FACE);
    COLORREF clr = GetColor(COLOR_BTNFACE);
    pDC->SetPixel(rc.left + 1, rc.top + 1, clr);
    pDC->SetPixel(rc.right - 2, rc.top + 1, clr);
    pDC->SetPixel(rc.left + 1, rc.bottom - 2, clr);
    pDC->SetPixel(rc.right - 2, rc.bottom - 2, clr);
}

CSize CKTThemeStyle1::DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)))
        return DrawAltGripper(pDC, pBar, pDC && bDraw);
    CRect rc = CKTClientRect(pBar);
    int nPosition = pBar->GetPosition();
    if (pBar->GetType() == ktBarTypePopup && nPosition == ktBarPopup)
    {
        if (pDC && bDraw)
        {
            CRect rcBorders = GetCommandBarBorders(pBar);
            DrawPopupBarGripper(pDC, rcBorders.left, rcBorders.top, GetPopupBarGripperWidth(pBar), rc.Height() - 1,
                                FALSE);
        }
        return CSize(0, 0);
    }
    if (nPosition == ktBarFloating)
    {
        CSize szCaption = CKTPaintManager::DrawCommandBarGripper(pDC, pBar, bDraw);
        if (pDC && bDraw && pBar->GetType() == ktBarTypePopup && pBar->GetShowGripper())
            DrawFloatingIconColumn(pDC, pBar, 3 + szCaption.cy);  // the caption strip starts 3 pixels in
        return szCaption;
    }
    if (nPosition == ktBarLeft || nPosition == ktBarRight)
    {
        if (pDC && bDraw)
            for (int x = 5; x < rc.Width() - 5; x += 2)
                Line(pDC, x, 3, x, 6, KTCOLOR_GRIPPER);
        return CSize(0, 8);
    }
    if (nPosition == ktBarTop || nPosition == ktBarBottom)
    {
        if (pDC && bDraw)
            for (int y = 5; y < rc.Height() - 5; y += 2)
                Line(pDC, 3, y, 6, y, KTCOLOR_GRIPPER);
        return CSize(6, 0);
    }
    return CSize(0, 0);
}

void CKTThemeStyle1::DrawFloatingIconColumn(CDC* pDC, CKTCommandBar* pBar, int nCaptionBottom)
{
    CRect rc = CKTClientRect(pBar);
    CRect rcBorders = GetCommandBarBorders(pBar);
    // Inside the double frame of the floating bar.
    DrawPopupBarGripper(pDC, rcBorders.left, nCaptionBottom, GetPopupBarGripperWidth(pBar),
                        rc.bottom - 2 - nCaptionBottom, FALSE);
}

CSize CKTThemeStyle1::DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == ktBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(3, 3) : CSize(6, 6);
    CRect rc = pControl->GetRect(), rcRow = pControl->GetRowRect();
    BOOL bWrap = pControl->GetWrap();
    COLORREF clr = GetColor(KTCOLOR_SEPARATOR);
    if (bPopup)
    {
        if (bWrap)
            VerticalLine(pDC, rc.left - 2, rcRow.top - 1, rcRow.bottom + 1, clr);
        else
            HorizontalLine(pDC, GetPopupBarGripperWidth(pBar) + m_nPopupBarTextPadding + rc.left - 1, rc.top - 2,
                           rc.right + 1, clr);
    }
    else if (pBar->IsVerticalPosition())
    {
        if (bWrap)
            VerticalLine(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.bottom, clr);
        else
            HorizontalLine(pDC, rcRow.left, rc.top - 4, rcRow.right, clr);
    }
    else if (bWrap)
        HorizontalLine(pDC, rcRow.left, rcRow.top - 4, rcRow.right, clr);
    else
        VerticalLine(pDC, rc.left - 4, rcRow.top, rcRow.bottom, clr);
    return CSize(0, 0);
}

void CKTThemeStyle1::AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical)
{
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == ktBarTypePopup)
        rc.InflateRect(1, 0);
    else if (pControl->GetTraits().bDropsList)
        return;
    else if (pBar && (pBar->GetFlags() & 0x200000) && pBar->GetPosition() == ktBarPopup)
        rc.DeflateRect(0, 1);
    else if (bVertical)
        rc.DeflateRect(1, 0);
    else
        rc.DeflateRect(0, 1);
}

void CKTThemeStyle1::DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                               BOOL bToolBarImage)
{
    switch (KTGetIconState(state))
    {
    case ktIconDisabled:
    case ktIconIndeterminate:
        if (!m_iconOptions.bUseDisabledIcons && !pIcon->HasDisabledIcon())
        {
            pIcon->DrawMono(pDC, pt, pIcon->GetIcon(), sz, GetColor(KTCOLOR_DISABLED_ICON));
            break;
        }
        if (m_iconOptions.bUseTintedDisabled && !pIcon->HasDisabledIcon() && pIcon->GetDisabledIcon(FALSE).IsEmpty())
            pIcon->CreateDisabledIcon(m_grcDisabledIcons.clrLight, m_grcDisabledIcons.clrDark);
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(TRUE), sz);
        break;
    case ktIconPopuped:
        pIcon->Draw(pDC, pt, state.nChecked ? pIcon->GetCheckedIcon() : pIcon->GetIcon(), sz);
        break;
    case ktIconChecked:
        pIcon->Draw(pDC, pt, pIcon->GetCheckedIcon(), sz);
        break;
    case ktIconNormal:
        pIcon->Draw(pDC, pt, m_iconOptions.bFadedIcons ? pIcon->GetFadedIcon() : pIcon->GetIcon(), sz);
        break;
    case ktIconPressed:
        pIcon->Draw(pDC, pt, pIcon->GetPressedIcon(), sz);
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

void CKTThemeStyle1::DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    pDC->FillSolidRect(x, y, cx, cy, GetColor(bExpanded ? KTCOLOR_POPUP_HIDDEN_COLUMN : KTCOLOR_TOOLBAR_FACE));
}

void CKTThemeStyle1::FillPopupLabel(CDC* pDC, CRect rc) { pDC->FillSolidRect(rc, GetColor(KTCOLOR_POPUP_LABEL)); }

void CKTThemeStyle1::DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    state.bEnabled = pControl->IsEnabled();
    state.nBarType = ktBarTypeNormal;
    BOOL bActive = (state.bSelected || state.nPressed) && !state.bPopuped && state.bEnabled;
    int nSplit = m_nSplitButtonDropDownWidth;
    CKTCommandBar* pBar = pControl->GetParent();
    if (pControl->GetStyle() != ktButtonIconAndCaptionBelow)
    {
        DrawControlEntry(pDC, state.bPopuped ? rc : CRect(rc.left, rc.top, rc.right - nSplit, rc.bottom), state);
        if (bActive)
        {
            KT_CONTROLSTATE drop;
            drop.bSelected = TRUE;
            drop.nBarPosition = state.nBarPosition;
            DrawControlEntry(pDC, CRect(rc.right - nSplit - 1, rc.top, rc.right, rc.bottom), drop);
        }
        KT_CONTROLSTATE glyph = state;
        glyph.bEnabled = pControl->GetEnabled() != 0 && pControl->GetEnabled() != 3;
        DrawDropDownGlyph(pDC, pControl, CPoint(rc.right - 7, rc.CenterPoint().y), glyph, FALSE);
        return;
    }
    int d = GetSplitDropDownSize();
    BOOL bVert = pBar && pBar->IsVerticalPosition();
    BOOL bFullPress = state.bSelected && state.nPressed && !state.bPopuped && state.bEnabled;
    KT_CONTROLSTATE whole = state;
    whole.nPressed = bFullPress ? 0 : state.nPressed;
    DrawControlEntry(pDC, rc, whole);
    if (bActive)
    {
        if (bVert)
            VerticalLine(pDC, rc.left + d, rc.top, rc.bottom, GetColor(KTCOLOR_HIGHLIGHT_BORDER));
        else
            HorizontalLine(pDC, rc.left, rc.bottom - d - 1, rc.right, GetColor(KTCOLOR_HIGHLIGHT_BORDER));
    }
    if (bFullPress)
        DrawControlEntry(pDC,
                         bVert ? CRect(rc.left + d, rc.top, rc.right, rc.bottom)
                               : CRect(rc.left, rc.top, rc.right, rc.bottom - d),
                         state);
}

void CKTThemeStyle1::DrawSplitPopupGlyph(CDC* pDC, CKTControl* pControl)
{
    CRect rc = pControl->GetRect();
    KT_CONTROLSTATE state = GetControlState(pControl);
    CRect rcSplit(rc.right - m_nSplitButtonPopupWidth, rc.top, rc.right, rc.bottom);
    if (state.bSelected && state.bPopuped && state.bEnabled)
        Rectangle(pDC, rcSplit, KTCOLOR_HIGHLIGHT_BORDER, KTCOLOR_HIGHLIGHT_PUSHED);
    else
    {
        COLORREF clr = state.bEnabled ? GetColor(state.bSelected ? KTCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW)
                                      : GetColor(GetControlTextColor(pControl));
        VerticalLine(pDC, rcSplit.left, rc.top + 1, rc.bottom - 1, clr);
    }
}

void CKTThemeStyle1::DrawPopupGlyph(CDC* pDC, CKTControl* pControl)
{
    CRect rc = pControl->GetRect();
    KT_CONTROLSTATE state = GetControlState(pControl);
    int cy = rc.CenterPoint().y;
    BOOL bOpenSplit =
        pControl->GetType() == ktControlSplitButtonPopup && state.bEnabled && state.bSelected && state.bPopuped;
    COLORREF clr = GetColor(bOpenSplit ? KTCOLOR_HIGHLIGHT_PUSHED_TEXT : GetControlTextColor(pControl));
    Triangle(pDC, CPoint(rc.right - 11, cy - 3), CPoint(rc.right - 8, cy), CPoint(rc.right - 11, cy + 3), clr);
}

void CKTThemeStyle1::FillPopupEntry(CDC* pDC, CKTControl* pControl, const KT_CONTROLSTATE& state, int nLabelLeft)
{
    CRect rc = pControl->GetRect();
    if (pControl->GetType() == ktControlLabel)
    {
        FillPopupLabel(pDC, CRect(nLabelLeft, rc.top, rc.right, rc.bottom));
        return;
    }
    KT_CONTROLSTATE entry;
    entry.bSelected = state.bSelected;
    entry.bEnabled = state.bEnabled;
    entry.nBarType = ktBarTypePopup;
    entry.nBarPosition = ktBarPopup;
    DrawControlEntry(pDC, rc, entry);
}

void CKTThemeStyle1::DrawPopupEntryMark(CDC* pDC, CKTControl* pControl, const KT_CONTROLSTATE& state, CRect rcCell,
                                        CRect rcMark)
{
    KT_CONTROLSTATE checked;
    checked.bSelected = state.bSelected;
    checked.bEnabled = state.bEnabled;
    checked.nChecked = state.nChecked;
    checked.nBarType = ktBarTypePopup;
    checked.nBarPosition = ktBarPopup;
    DrawControlEntry(pDC, rcCell, checked);
    if (rcMark.IsRectEmpty())
        return;
    COLORREF clr = GetColor(state.bEnabled ? COLOR_BTNTEXT : KTCOLOR_DISABLED_ICON);
    if (pControl->GetType() == ktControlRadioButton)
        DrawRadioDot(pDC, rcMark, clr);
    else
        DrawCheckMark(pDC, rcMark, clr);
}

CSize CKTThemeStyle1::DrawControlPopupParent(CDC* pDC, CKTControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CKTPaintManager::DrawControlPopupParent(pDC, pControl, FALSE);
    KT_CONTROLSTATE state = GetControlState(pControl);
    const CRect rc = pControl->GetRect();
    CKTCommandBar* pBar = pControl->GetParent();
    const BOOL bIconColumn = !pBar || pBar->GetShowGripper();
    const BOOL bCheckColumn = pBar && pBar->IsDoubleGripper();
    const CSize szIcon = pControl->GetIconSize();
    CKTImageManagerIcon* pIcon = pControl->GetStyle() != ktButtonCaption ? pControl->GetImage(szIcon.cx) : NULL;
    int nColumn = std::max<int>(szIcon.cx + 4, m_nTextHeight + 4);
    if (pControl->GetType() == ktControlLabel && !m_bOffsetPopupLabelText)
        nColumn = 0;
    // The column area runs from the bar's left border; a control of a further column starts right of it.
    CKTPopupBar* pPopup = pBar ? pBar->AsPopupBar() : NULL;
    const int nBorder = pPopup ? pPopup->GetBorders().left : pBar ? GetCommandBarBorders(pBar).left : 0;
    const int nColumnEnd = nBorder + (bCheckColumn ? 2 * nColumn : nColumn);
    if (pControl->IsExpandedShown() && rc.left < nColumnEnd)
        DrawPopupBarGripper(pDC, rc.left - 1, rc.top, nColumnEnd - rc.left + 1, rc.Height(), TRUE);
    FillPopupEntry(pDC, pControl, state, bIconColumn ? std::max<int>(rc.left, nColumnEnd) : rc.left);

    // A check column stands before the icon column: the mark and the icon each keep a column of their own
    // rather than one drawn over the other.
    const CRect rcFirst(rc.left, rc.top, rc.left + nColumn, rc.bottom);
    const CRect rcIcon = bCheckColumn ? rcFirst + CPoint(nColumn, 0) : rcFirst;
    if (state.nChecked)
    {
        CRect rcCell = rcFirst;
        if (!bIconColumn)
            rcCell.InflateRect(m_nPopupBarTextPadding / 2, 0);
        if (bCheckColumn)
            rcCell.right += nColumn;
        rcCell.left = std::max(rcCell.left, rc.left);  // never over the bar's border
        DrawPopupEntryMark(pDC, pControl, state, rcCell, bCheckColumn || !pIcon ? rcFirst : CRect(0, 0, 0, 0));
    }
    if (pIcon)
    {
        // An image of another shape keeps it: as wide as the bar's icons, as high as its proportions say.
        const CSize szImage(szIcon.cx,
                            pIcon->m_nWidth > 0 ? ::MulDiv(szIcon.cx, pIcon->m_nHeight, pIcon->m_nWidth) : szIcon.cy);
        CPoint pt(rcIcon.left + (rcIcon.Width() - szImage.cx) / 2, rcIcon.top + (rcIcon.Height() - szImage.cy) / 2);
        DrawImage(pDC, pt, szImage, pIcon, state, FALSE);
    }
    pDC->SetTextColor(GetColor(GetControlTextColor(pControl)));
    pDC->SetBkMode(TRANSPARENT);
    if (KTIsPopupType(pControl->GetType()))
    {
        if (pControl->GetType() == ktControlSplitButtonPopup)
            DrawSplitPopupGlyph(pDC, pControl);
        DrawPopupGlyph(pDC, pControl);
    }
    return CKTPaintManager::DrawControlPopupParent(pDC, pControl, TRUE);
}

void CKTThemeStyle1::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    Rectangle(pDC, rc, COLOR_BTNSHADOW, -1);
}

CRect CKTThemeStyle1::GetOpeningGap(CKTCommandBar* pBar) const
{
    CKTPopupBar* pPopup = pBar ? pBar->AsPopupBar() : NULL;
    CKTControl* pControl = pPopup ? pPopup->GetOpeningControl() : NULL;
    CKTCommandBar* pParent = pControl ? pControl->GetParent() : NULL;
    if (!pParent || pParent->GetType() == ktBarTypePopup || !pParent->GetSafeHwnd() || !pBar->GetSafeHwnd())
        return CRect(0, 0, 0, 0);
    CRect rcControl = pControl->GetRect();
    pParent->ClientToScreen(&rcControl);
    CRect rcGap;
    if (!rcGap.IntersectRect(CKTWindowRect(pBar), rcControl))
        return CRect(0, 0, 0, 0);
    pBar->ScreenToClient(&rcGap);
    if (rcGap.Width() > 1)
        rcGap.DeflateRect(1, 0);
    if (rcGap.Height() > 1)
        rcGap.DeflateRect(0, 1);
    return rcGap;
}

KT_TAB_LOOK CKTThemeStyle1::GetTabLook() const
{
    KT_TAB_LOOK look;
    look.nAppearance = 5;
    look.bStaticFrame = TRUE;
    look.nClientFrame = ktTabClientFrameLine;
    return look;
}

CSize CKTThemeStyle1::DrawListBoxControl(CDC* pDC, CKTControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                         CKTCommandBars* pCommandBars)
{
    if (!bDraw)
        return rc.Size();
    pDC->FillSolidRect(rc, GetColor(KTCOLOR_POPUP_FACE));
    const CRect rcColumn(rc.left, rc.top, rc.left + GetListBoxIconColumn(pCommandBars), rc.bottom);
    if (bSelected)
    {
        KT_CONTROLSTATE hot;
        hot.bSelected = TRUE;
        hot.nBarType = ktBarTypePopup;
        hot.nBarPosition = ktBarPopup;
        DrawControlEntry(pDC, rcColumn, hot);
    }
    DrawListBoxIcon(pDC, pControl, rcColumn, bSelected);
    const CRect rcText(rcColumn.right, rc.top, rc.right, rc.bottom);
    DrawListBoxEntryText(pDC, pControl, rcText, bSelected,
                         {bSelected ? KTCOLOR_HIGHLIGHT_TEXT : KTCOLOR_POPUP_TEXT,
                          bSelected ? KTCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW,
                          bSelected ? KTCOLOR_HIGHLIGHT_BORDER : COLOR_BTNFACE, -1});
    return rc.Size();
}
