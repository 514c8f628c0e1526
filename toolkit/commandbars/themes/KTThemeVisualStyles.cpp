// KTThemeVisualStyles.cpp: metrics, button states and menu-bar highlights of the visual-styles theme.
#include "KTThemeVisualStyles.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTIconState.h"
#include "KTImageManager.h"
#include "KTVisualStyleParts.h"

CKTThemeVisualStyles::CKTThemeVisualStyles()
{
    m_iconOptions.bFadedIcons = TRUE;
    m_iconOptions.bIconsWithShadow = FALSE;
    m_bThemedStatusBar = TRUE;
    m_bThemedCheckBox = TRUE;
    m_nPopupTextColor = COLOR_MENUTEXT;
}

BOOL CKTThemeVisualStyles::IsThemed() const
{
    return m_themeRebar.IsAppThemeReady() && m_themeToolbar.IsAppThemeReady();
}

// Faded idle icons belong to the styled look: without the styles the icons are theme 0's, as everything else.
void CKTThemeVisualStyles::DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon,
                                     const KT_CONTROLSTATE& state, BOOL bToolBarImage)
{
    if (IsThemed() || KTGetIconState(state) != ktIconNormal)
    {
        CKTThemeStyle0::DrawImage(pDC, pt, sz, pIcon, state, bToolBarImage);
        return;
    }
    pIcon->Draw(pDC, pt, pIcon->GetIcon(), sz);
}

void CKTThemeVisualStyles::RefreshMetrics()
{
    CKTThemeStyle0::RefreshMetrics();
    CWnd* pMain = AfxGetMainWnd();
    HWND hMain = pMain ? pMain->GetSafeHwnd() : NULL;
    m_themeToolbar.OpenThemeData(hMain, "TOOLBAR");
    m_themeRebar.OpenThemeData(hMain, "REBAR");
    m_themeComboBox.OpenThemeData(hMain, "COMBOBOX");
    m_themeWindow.OpenThemeData(hMain, "WINDOW");
    m_themeSpin.OpenThemeData(hMain, "SPIN");
    ReadThemeColors();
}

void CKTThemeVisualStyles::ReadThemeColors()
{
    BOOL bFlat = FALSE;
    if (!::SystemParametersInfo(SPI_GETFLATMENU, 0, &bFlat, 0))
        bFlat = FALSE;
    if (!bFlat && m_themeRebar.IsAppThemeReady())
        bFlat = m_themeRebar.GetThemeSysBool(ktTmtFlatMenus);
    m_bFlatMenus = bFlat;

    m_clrBandShadow = GetColor(COLOR_BTNSHADOW);
    m_clrBandHighlight = GetColor(COLOR_BTNHIGHLIGHT);
    m_themeRebar.GetThemeColor(ktRebarBand, 0, ktTmtEdgeShadowColor, m_clrBandShadow);
    m_themeRebar.GetThemeColor(ktRebarBand, 0, ktTmtEdgeHighlightColor, m_clrBandHighlight);

    COLORREF clrText = 0;
    if (m_themeToolbar.IsAppThemeReady() && SUCCEEDED(m_themeToolbar.GetThemeColor(0, 0, ktTmtTextColor, clrText)))
        m_clr[COLOR_BTNTEXT].SetStandardValue(clrText);
    if (!m_bFlatMenus)
        m_clr[COLOR_MENUHILIGHT].SetStandardValue(GetColor(COLOR_HIGHLIGHT));
}

namespace
{
int ToolbarButtonState(const KT_CONTROLSTATE& state)
{
    if (!state.bEnabled)
        return state.nChecked ? ktToolbarPressed : ktToolbarDisabled;
    BOOL bChecked = state.nChecked == 1, bHot = state.bSelected, bPressed = state.nPressed != 0;
    if (state.bPopuped)
        return ktToolbarPressed;
    if (bChecked && !bPressed)
        return bHot ? ktToolbarHotChecked : ktToolbarChecked;
    if ((bHot && bPressed) || state.IsPressedOpen())
        return ktToolbarPressed;
    return bHot ? ktToolbarHot : ktToolbarNormal;
}
}  // namespace

void CKTThemeVisualStyles::DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    if (!IsThemed())
        return CKTThemeStyle0::DrawControlEntry(pDC, rc, state);
    if (state.IsPopupBar())
    {
        if (!state.nChecked && (state.bSelected || state.nPressed))
            Rectangle(pDC, rc, COLOR_HIGHLIGHT, COLOR_MENUHILIGHT);
        return;
    }
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), ktToolbarButton, ToolbarButtonState(state), rc, NULL);
}

void CKTThemeVisualStyles::DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc)
{
    if (!IsThemed())
        return CKTThemeStyle0::DrawSplitButtonFrame(pDC, pControl, rc);
    KT_CONTROLSTATE state = GetControlState(pControl);
    int nState = ktToolbarNormal;
    if (!state.bEnabled)
        nState = ktToolbarDisabled;
    else if (state.nPressed && state.bSelected)
        nState = ktToolbarPressed;
    else if (state.nChecked)
        nState = ktToolbarChecked;
    else if (state.bSelected || state.bPopuped)
        nState = ktToolbarHot;
    HDC hDC = pDC->GetSafeHdc();
    CRect rcButton(rc.left, rc.top, rc.right - 12, rc.bottom), rcDrop(rc.right - 12, rc.top, rc.right, rc.bottom);
    m_themeToolbar.DrawThemeBackground(hDC, ktToolbarSplitButton, nState, rcButton, NULL);
    if (state.bPopuped)
        nState = ktToolbarPressed;
    if (pControl->GetEnabled() == 3)
        nState = ktToolbarDisabled;
    m_themeToolbar.DrawThemeBackground(hDC, ktToolbarSplitDropDown, nState, rcDrop, NULL);
}

BOOL CKTThemeVisualStyles::IsFlatMenuBarEntry(CKTControl* pControl) const
{
    CKTCommandBar* pBar = pControl->GetParent();
    return IsThemed() && m_bFlatMenus && pControl->GetType() == ktControlPopup && pBar &&
           pBar->GetType() == ktBarTypeMenuBar && pBar->GetPosition() != ktBarPopup;
}

void CKTThemeVisualStyles::DrawControlState(CDC* pDC, CKTControl* pControl)
{
    if (!IsFlatMenuBarEntry(pControl))
        return CKTThemeStyle0::DrawControlState(pDC, pControl);
    if (pControl->GetSelected() || pControl->IsPopuped() || pControl->GetPressed())
        pDC->FillSolidRect(pControl->GetRect(), GetColor(COLOR_HIGHLIGHT));
}

int CKTThemeVisualStyles::GetControlTextColor(CKTControl* pControl)
{
    if (IsFlatMenuBarEntry(pControl) && (pControl->GetSelected() || pControl->IsPopuped() || pControl->GetPressed()))
        return COLOR_HIGHLIGHTTEXT;
    return CKTThemeStyle0::GetControlTextColor(pControl);
}

void CKTThemeVisualStyles::AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical)
{
    if (!IsThemed())
        return CKTThemeStyle0::AdjustExcludeRect(rc, pControl, bVertical);
    if (pControl->GetTraits().bDropsList)
        return;
    CKTCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == ktBarTypePopup)
        rc.InflateRect(-3, 3);
}

CSize CKTThemeVisualStyles::DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                             CSize szBar, BOOL bHiddenExists)
{
    // The themed caption already shows the button's background.
    if ((nKind == 2 || nKind == 3) && m_themeToolbar.IsAppThemeReady())
        return CKTPaintManager::DrawExpandButton(pDC, nKind, pControl, pBar, bDraw, szBar, bHiddenExists);
    return CKTThemeStyle0::DrawExpandButton(pDC, nKind, pControl, pBar, bDraw, szBar, bHiddenExists);
}

KT_TAB_LOOK CKTThemeVisualStyles::GetTabLook() const
{
    KT_TAB_LOOK look;
    look.nColor = 8;
    look.bHotTracking = TRUE;
    return look;
}
