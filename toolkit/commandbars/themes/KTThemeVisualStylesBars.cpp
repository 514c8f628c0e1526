// KTThemeVisualStylesBars.cpp: the visual-styles theme's bar backgrounds, captions, grippers and separators.
#include "KTThemeVisualStyles.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTDialogBar.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTVisualStyleParts.h"

#include <algorithm>

void CKTThemeVisualStyles::FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pParent)
{
    CRect rcClient = CKTClientRect(pWnd);
    if (!IsThemed() || !pParent)
    {
        pDC->FillSolidRect(rcClient, GetColor(COLOR_BTNFACE));
        return;
    }
    CRect rcParent = CKTWindowRect(pParent);
    pWnd->ScreenToClient(&rcParent);
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), ktRebarBackground, 0, rcParent, rcClient);
}

void CKTThemeVisualStyles::FillDockBar(CDC* pDC, CKTDockBar* pBar)
{
    if (pBar->GetPosition() == ktBarTop)
        FillRebarBackground(pDC, pBar, pBar);
    else
        CKTThemeStyle0::FillDockBar(pDC, pBar);
}

void CKTThemeVisualStyles::FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar)
{
    int nPosition = pBar->GetPosition();
    // A floating dialog bar has a caption strip of its own, not the small window caption the frame parts match.
    if (!IsThemed() || (nPosition == ktBarFloating && pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar))))
        return CKTThemeStyle0::FillCommandBarEntry(pDC, pBar);
    CRect rc = CKTClientRect(pBar);
    if (nPosition == ktBarPopup)
        FillPopupFrame(pDC, rc);
    else if (nPosition == ktBarFloating)
        FillFloatingFrame(pDC, pBar, rc);
    else
        FillDockedBar(pDC, pBar, rc);
}

void CKTThemeVisualStyles::FillPopupFrame(CDC* pDC, CRect rc)
{
    if (m_bFlatMenus)
    {
        Rectangle(pDC, rc, COLOR_BTNSHADOW, COLOR_MENU);
        return;
    }
    pDC->FillSolidRect(rc, GetColor(COLOR_MENU));
    Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_3DDKSHADOW);
    rc.DeflateRect(1, 1);
    Draw3dRect(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
}

void CKTThemeVisualStyles::FillFloatingFrame(CDC* pDC, CKTCommandBar* pBar, CRect rc)
{
    HDC hDC = pDC->GetSafeHdc();
    if (pBar->GetType() == ktBarTypePopup)
        pDC->FillSolidRect(rc, GetColor(COLOR_MENU));
    else
    {
        pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
        m_themeToolbar.DrawThemeBackground(hDC, ktToolbarBackground, 0, rc, NULL);
    }
    const int nFrame = 3;
    CRect rcLeft(rc.left, rc.top, rc.left + nFrame, rc.bottom), rcRight(rc.right - nFrame, rc.top, rc.right, rc.bottom);
    CRect rcBottom(rc.left, rc.bottom - nFrame, rc.right, rc.bottom);
    m_themeWindow.DrawThemeBackground(hDC, ktWindowSmallFrameLeft, ktVisualStateActive, rcLeft, NULL);
    m_themeWindow.DrawThemeBackground(hDC, ktWindowSmallFrameRight, ktVisualStateActive, rcRight, NULL);
    m_themeWindow.DrawThemeBackground(hDC, ktWindowSmallFrameBottom, ktVisualStateActive, rcBottom, NULL);
}

void CKTThemeVisualStyles::FillDockedBar(CDC* pDC, CKTCommandBar* pBar, CRect rc)
{
    if (pBar->GetPosition() == ktBarTop)
        FillRebarBackground(pDC, pBar, pBar->GetParent());
    else
        pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), ktRebarBand, 0, rc, NULL);
    BOOL bFlat = pBar->GetType() == ktBarTypeMenuBar ? m_bFlatMenuBar : m_bFlatToolBar;
    if (!bFlat)
        pDC->Draw3dRect(rc, m_clrBandHighlight, m_clrBandShadow);
}

CSize CKTThemeVisualStyles::DrawFloatingCaption(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    CKTFontDC font(pDC, &m_fontSmCaption);
    int nHeight = std::max<int>(15, pDC->GetTextExtent("0", 1).cy) + 3;
    CRect rcCaption(0, 0, CKTClientRect(pBar).Width(), nHeight);
    if (bDraw)
    {
        m_themeWindow.DrawThemeBackground(pDC->GetSafeHdc(), ktWindowSmallCaption, ktVisualStateActive, rcCaption,
                                          NULL);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_clrFloatingGripperText);
        CRect rcText(5, 0, rcCaption.right - 2 * rcCaption.Height(), rcCaption.bottom);
        pDC->DrawText(pBar->GetTitle(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return rcCaption.Size();
}

CSize CKTThemeVisualStyles::DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    if (!IsThemed())
        return CKTThemeStyle0::DrawCommandBarGripper(pDC, pBar, bDraw);
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTDialogBar)))
        return DrawAltGripper(pDC, pBar, pDC && bDraw);
    int nPosition = pBar->GetPosition();
    if (nPosition == ktBarFloating)
        return DrawFloatingCaption(pDC, pBar, bDraw);
    CRect rc = CKTClientRect(pBar);
    BOOL bPaint = pDC && bDraw;
    if (nPosition == ktBarTop || nPosition == ktBarBottom)
    {
        if (bPaint)
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), ktRebarGripper, ktVisualStateActive,
                                             CRect(rc.left + 2, rc.top, rc.left + 8, rc.bottom), NULL);
        return CSize(8, 0);
    }
    if (nPosition == ktBarLeft || nPosition == ktBarRight)
    {
        if (bPaint)
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), ktRebarGripperVert, ktVisualStateActive,
                                             CRect(rc.left, rc.top + 2, rc.right, rc.top + 8), NULL);
        return CSize(0, 8);
    }
    return CSize(0, 0);
}

CSize CKTThemeVisualStyles::DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw)
{
    if (!IsThemed())
        return CKTThemeStyle0::DrawAltGripper(pDC, pBar, bDraw);
    int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), ktRebarGripper, ktVisualStateActive,
                                         CRect(2, 3, 8, nHeight), NULL);
    return CSize(8, nHeight);
}

CSize CKTThemeVisualStyles::DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw)
{
    if (!IsThemed() || !bDraw || pBar->GetType() == ktBarTypePopup || pBar->GetPosition() == ktBarPopup)
        return CKTThemeStyle0::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    CRect rc = pControl->GetRect(), rcRow = pControl->GetRowRect();
    BOOL bWrap = pControl->GetWrap();
    int nPart;
    CRect rcLine;
    if (pBar->IsVerticalPosition())
    {
        nPart = bWrap ? ktToolbarSeparator : ktToolbarSeparatorVert;
        rcLine = bWrap ? CRect(rcRow.right, rcRow.top + 4, rcRow.right + 5, rcRow.bottom)
                       : CRect(rcRow.left, rc.top - 6, rcRow.right, rc.top);
    }
    else
    {
        nPart = bWrap ? ktToolbarSeparatorVert : ktToolbarSeparator;
        rcLine = bWrap ? CRect(rcRow.left + 4, rcRow.top - 5, rcRow.right, rcRow.top)
                       : CRect(rc.left - 6, rcRow.top, rc.left, rcRow.bottom);
    }
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), nPart, ktToolbarNormal, rcLine, NULL);
    return CSize(0, 0);
}
