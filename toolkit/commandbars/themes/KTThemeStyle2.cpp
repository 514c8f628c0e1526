// KTThemeStyle2.cpp: bar faces, dock bars, grippers and separators of the gradient theme.
#include "KTThemeStyle2.h"

#include "KTColorManager.h"
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDialogBar.h"
#include "KTDockBar.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

#include <algorithm>

CKTThemeStyle2::CKTThemeStyle2()
{
    m_iconOptions.bFadedIcons = FALSE;
    m_iconOptions.bIconsWithShadow = FALSE;
    m_grcChecked.SetStandardValue(0x8CD5FF, 0x55ADFF, 0.5f);
    m_grcPressed.SetStandardValue(0x4B8EFE, 0x8BCFFF, 0.5f);
    m_grcHot.SetStandardValue(0xC8F2FF, 0x97D4FF, 0.5f);
}

CKTThemeStyle2::~CKTThemeStyle2()
{
    if (m_hBallImages)
        ImageList_Destroy(m_hBallImages);
}

BOOL CKTThemeStyle2::IsBarDockable(CKTCommandBar* pBar) const
{
    if (IsFlatBar(pBar))
        return FALSE;
    return (pBar->GetFlags() & 0x0F) != 0;
}

void CKTThemeStyle2::GradientRect(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, int nBorder, BOOL bHorz)
{
    GradientFill(pDC, rc, grc, bHorz);
    Rectangle(pDC, rc, nBorder, -1);
}

void CKTThemeStyle2::DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state)
{
    BOOL bHorz = state.nBarPosition == ktBarLeft || state.nBarPosition == ktBarRight;
    if (state.bPopuped)
    {
        GradientRect(pDC, rc, m_grcPopuped, KTCOLOR_POPUP_BORDER, FALSE);
        return;
    }
    if (!m_bLunaColors || state.IsPopupBar() || state.nBarPosition > ktBarFloating)
    {
        CKTThemeStyle1::DrawControlEntry(pDC, rc, state);
        return;
    }
    BOOL bHot = state.bSelected, bPressed = state.nPressed != 0;
    if (!state.bEnabled)
    {
        if (state.IsPressedOpen())
            GradientRect(pDC, rc, state.nChecked ? m_grcPressed : m_grcHot, KTCOLOR_HIGHLIGHT_PUSHED_BORDER, bHorz);
        else if (state.nChecked)
            GradientRect(pDC, rc, m_grcChecked, KTCOLOR_DISABLED_CHECKED_BORDER, bHorz);
        return;
    }
    if (state.nChecked == 2 && !bHot && !bPressed)
        Rectangle(pDC, rc, KTCOLOR_HIGHLIGHT_PUSHED_BORDER, KTCOLOR_CONTROL_FACE);
    else if (state.nChecked == 1 && !bHot && !bPressed)
        GradientRect(pDC, rc, m_grcChecked, KTCOLOR_HIGHLIGHT_CHECKED_BORDER, bHorz);
    else if (state.nChecked && bHot && !bPressed)
        GradientRect(pDC, rc, m_grcPressed, KTCOLOR_HIGHLIGHT_PUSHED_BORDER, bHorz);
    else if (state.IsPressedOpen() || (bHot && bPressed))
        GradientRect(pDC, rc, m_grcPressed, KTCOLOR_HIGHLIGHT_PUSHED_BORDER, bHorz);
    else if (bHot || bPressed)
        GradientRect(pDC, rc, m_grcHot, KTCOLOR_HIGHLIGHT_BORDER, bHorz);
}

CRect CKTThemeStyle2::GetDockArea(CKTCommandBar* pBar, CRect rcClient) const
{
    int nHalfScreen = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
    CRect rc = rcClient;
    CWnd* pParent = pBar->GetParent();
    if (pParent && pBar->GetPosition() <= ktBarRight)
    {
        pParent->GetWindowRect(&rc);
        pBar->ScreenToClient(&rc);
    }
    if (rc.Width() < nHalfScreen)
        rc.right = rc.left + nHalfScreen;
    return rc;
}

void CKTThemeStyle2::FillHorizontalFace(CDC* pDC, CKTCommandBar* pBar, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    if (pBar->GetParent())
        GradientFill(pDC, GetDockArea(pBar, rc), m_grcDockBar, TRUE, rc);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rc);
    pDC->SelectClipRgn(&rgnClip);
    pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 3, rc.bottom);
    CKTDrawHelpers::ExcludeCorners(pDC, CRect(rc.left + 3, rc.top + 1, rc.right, rc.bottom - 1));
    int nRowBottom = rc.bottom - 1;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CKTControl* pControl = pBar->GetControl(i);
        if (pControl->IsVisible())
        {
            nRowBottom = std::min<int>(rc.bottom - 1, pControl->GetRowRect().bottom + 1);
            break;
        }
    }
    GradientFill(pDC, CRect(rc.left, rc.top + 1, rc.right, nRowBottom), m_grcToolBar, FALSE);
    pDC->FillSolidRect(rc.left, nRowBottom, rc.Width(), rc.bottom - 1 - nRowBottom, m_grcToolBar.clrDark);
    HorizontalLine(pDC, rc.left + 5, rc.bottom - 1, rc.right - 2, m_clrFaceShadow);
    pDC->SelectClipRgn(NULL);
}

void CKTThemeStyle2::FillVerticalFace(CDC* pDC, CKTCommandBar* pBar, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    if (pBar->GetPosition() == ktBarRight)
        pDC->FillSolidRect(rc, m_grcDockBar.clrDark);
    else if (pBar->GetParent())
        GradientFill(pDC, GetDockArea(pBar, rc), m_grcDockBar, TRUE, rc);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rc);
    pDC->SelectClipRgn(&rgnClip);
    pDC->ExcludeClipRect(rc.left, rc.top, rc.right, rc.top + 3);
    CKTDrawHelpers::ExcludeCorners(pDC, CRect(rc.left + 1, rc.top + 3, rc.right - 1, rc.bottom));
    GradientFill(pDC, CRect(rc.left + 1, rc.top, rc.right - 1, rc.bottom), m_grcToolBar, TRUE);
    VerticalLine(pDC, rc.right - 1, rc.top + 5, rc.bottom - 2, m_clrFaceShadow);
    pDC->SelectClipRgn(NULL);
}

void CKTThemeStyle2::FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar)
{
    CRect rc = CKTClientRect(pBar);
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarPopup)
    {
        Rectangle(pDC, rc, KTCOLOR_POPUP_BORDER, KTCOLOR_POPUP_FACE);
        pDC->FillSolidRect(GetOpeningGap(pBar), GetColor(KTCOLOR_POPUP_FACE));
        return;
    }
    if (IsFlatBar(pBar))
    {
        GradientFill(pDC, GetDockArea(pBar, rc), m_grcDockBar, TRUE, rc);
        if (nPosition == ktBarFloating)
            FillFloatingFrame(pDC, rc, -1);
        return;
    }
    if (nPosition == ktBarTop || nPosition == ktBarBottom)
        FillHorizontalFace(pDC, pBar, rc);
    else if (nPosition == ktBarLeft || nPosition == ktBarRight)
        FillVerticalFace(pDC, pBar, rc);
    else if (nPosition == ktBarFloating && IsBarDockable(pBar))
        FillFloatingRows(pDC, pBar, rc);
    else
        CKTThemeStyle1::FillCommandBarEntry(pDC, pBar);
}

void CKTThemeStyle2::FillDockBar(CDC* pDC, CKTDockBar* pBar)
{
    CRect rc = CKTClientRect(pBar);
    if (pBar->GetPosition() == ktBarRight)
    {
        pDC->FillSolidRect(rc, m_grcDockBar.clrDark);
        return;
    }
    CRect rcGradient(rc.left, rc.top, rc.left + std::max<int>(rc.Width(), ::GetSystemMetrics(SM_CXFULLSCREEN) / 2),
                     rc.bottom);
    GradientFill(pDC, rcGradient, m_grcDockBar, TRUE, rc);
}

CSize CKTThemeStyle2::DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    int nPosition = pBar->GetPosition();
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)) || pBar->GetType() == ktBarTypePopup ||
        nPosition == ktBarFloating || nPosition > ktBarFloating)
        return CKTThemeStyle1::DrawCommandBarGripper(pDC, pBar, bDraw);
    CRect rc = CKTClientRect(pBar);
    BOOL bVert = nPosition == ktBarLeft || nPosition == ktBarRight;
    if (!bDraw || !pDC)
        return bVert ? CSize(0, 9) : CSize(6, 0);
    COLORREF clrLight = GetColor(COLOR_WINDOW), clrDark = GetColor(KTCOLOR_GRIPPER);
    if (bVert)
    {
        for (int x = 8; x - 3 < rc.Width() - 7; x += 4)
        {
            pDC->FillSolidRect(x - 2, 7, 2, 2, clrLight);
            pDC->FillSolidRect(x - 3, 6, 2, 2, clrDark);
        }
    }
    else
    {
        for (int y = 8; y - 3 < rc.Height() - 7; y += 4)
        {
            pDC->FillSolidRect(7, y - 2, 2, 2, clrLight);
            pDC->FillSolidRect(6, y - 3, 2, 2, clrDark);
        }
    }
    return CSize(0, 0);
}

CSize CKTThemeStyle2::DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw)
{
    int nPosition = pBar->GetPosition();
    BOOL bFloatingToolBar = nPosition == ktBarFloating && pBar->GetType() != ktBarTypePopup;
    if (!(nPosition <= ktBarRight || bFloatingToolBar) || pBar->GetType() == ktBarTypePopup)
        return CKTThemeStyle1::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    if (!bDraw)
        return bFloatingToolBar ? CSize(6, 0) : CKTThemeStyle1::DrawCommandBarSeparator(pDC, pBar, pControl, FALSE);
    CRect rc = pControl->GetRect(), rcRow = pControl->GetRowRect();
    BOOL bWrap = pControl->GetWrap();
    COLORREF clrDark = GetColor(KTCOLOR_SEPARATOR), clrLight = GetColor(COLOR_BTNHIGHLIGHT);
    BOOL bLight = !m_bSingleSeparator;
    if (nPosition == ktBarLeft || nPosition == ktBarRight)
    {
        if (!bWrap)
        {
            HorizontalLine(pDC, rcRow.left + 4, rc.top - 4, rcRow.right - 4, clrDark);
            if (bLight)
                HorizontalLine(pDC, rcRow.left + 5, rc.top - 3, rcRow.right - 3, clrLight);
        }
        else
        {
            VerticalLine(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.bottom, clrDark);
            if (bLight)
                VerticalLine(pDC, rcRow.right + 3, rcRow.top + 5, rcRow.bottom, clrLight);
        }
        return CSize(0, 0);
    }
    if (!bWrap)
    {
        VerticalLine(pDC, rc.left - 4, rcRow.top + 4, rcRow.bottom - 4, clrDark);
        if (bLight)
            VerticalLine(pDC, rc.left - 3, rcRow.top + 5, rcRow.bottom - 3, clrLight);
    }
    else if (!bFloatingToolBar)
    {
        HorizontalLine(pDC, rcRow.left + 4, rcRow.top - 4, rcRow.right, clrDark);
        if (bLight)
            HorizontalLine(pDC, rcRow.left + 5, rcRow.top - 3, rcRow.right, clrLight);
    }
    return CSize(0, 0);
}

CRect CKTThemeStyle2::GetCommandBarBorders(CKTCommandBar* pBar)
{
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarTop || nPosition == ktBarBottom)
        return CRect(4, 2, 2, 2);
    return CKTPaintManager::GetCommandBarBorders(pBar);
}

void CKTThemeStyle2::DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    GradientFill(pDC, CRect(x, y, x + cx, y + cy), bExpanded ? m_grcHiddenColumn : m_grcToolBar, TRUE);
}

void CKTThemeStyle2::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemeReady())
        CKTPaintManager::DrawStatusBarPaneBorder(pDC, rc, bGripperPane);
    else
        pDC->Draw3dRect(rc, m_clrPaneBorder, m_clrPaneBorder);
}

void CKTThemeStyle2::DrawStatusBarGripper(CDC* pDC, CRect rc)
{
    if (m_themeStatusBar.IsAppThemeReady())
    {
        CRect rcGrip(rc.right - 18, rc.top, rc.right, rc.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 3, 0, &rcGrip, NULL);
        return;
    }
    // Three stripes 5 pixels apart, each three dark lines and a light one.
    for (int nStripe = 0; nStripe < 3; nStripe++)
    {
        int nStart = 2 + nStripe * 5;
        for (int i = 0; i < 3; i++)
            Line(pDC, rc.right - nStart - 3 + i, rc.bottom - 1, rc.right - 1, rc.bottom - nStart - 4 + i,
                 COLOR_BTNSHADOW);
        Line(pDC, rc.right - nStart - 4, rc.bottom - 1, rc.right - 1, rc.bottom - nStart - 5, COLOR_BTNHIGHLIGHT);
    }
}

void CKTThemeStyle2::FillFloatingRows(CDC* pDC, CKTCommandBar* pBar, CRect rc)
{
    FillFloatingFrame(pDC, rc, KTCOLOR_TOOLBAR_FACE);
    CKTFontDC font(pDC, &m_fontSmCaption);
    int nCaption = std::max<int>(15, pDC->GetTextExtent("0", 1).cy);
    CRect rcInside = rc;
    rcInside.DeflateRect(2, 2);
    rcInside.top += nCaption;
    CRect rcDone(0, 0, 0, 0);
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CKTControl* pControl = pBar->GetControl(i);
        CRect rcRow = pControl->GetRowRect();
        if (!pControl->IsVisible() || rcRow.IsRectEmpty() || rcRow == rcDone)
            continue;
        rcDone = rcRow;
        CRect rcFace(rcInside.left, rcRow.top, rcInside.right, rcRow.bottom);
        GradientFill(pDC, rcFace, m_grcToolBar, FALSE, rcInside);
    }
}

KT_TAB_LOOK CKTThemeStyle2::GetTabLook() const
{
    KT_TAB_LOOK look;
    look.nAppearance = 3;
    look.nDisableLunaColors = FALSE;
    look.bItemColors = TRUE;
    look.bHotTracking = TRUE;
    return look;
}
