// KTThemeRibbonGlyphs.cpp: theme 6's expand button, drop-down and popup glyphs, popup labels and keyboard tips.
#include "KTCommandBar.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTStyleResourceSet.h"
#include "KTThemeRibbon.h"

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kPopupLine = 0xC5C5C5;
const int kExpandButtonSize = 12;

// The part of a three-state image: 2 open, 1 hot, 0 otherwise.
int OpenHotPart(BOOL bPopuped, BOOL bSelected) { return bPopuped ? 2 : bSelected ? 1 : 0; }
}  // namespace

CSize CKTThemeRibbon::DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw,
                                       CSize szBar, BOOL bHiddenExists)
{
    const BOOL bAcross = IsAcrossBar(pBar);
    LPCSTR lpszImage = bAcross ? "TOOLBAREXPANDBUTTONVERTICAL" : "TOOLBAREXPANDBUTTONHORIZONTAL";
    if (nKind != 0 || !LoadImage(lpszImage))
        return CKTThemeStyle5::DrawExpandButton(pDC, nKind, pControl, pBar, bDraw, szBar, bHiddenExists);
    if (!bDraw)
    {
        pControl->SetRect(bAcross ? CRect(0, szBar.cy - kExpandButtonSize, szBar.cx, szBar.cy)
                                  : CRect(szBar.cx - kExpandButtonSize, 0, szBar.cx, szBar.cy));
        return CSize(0, 0);
    }
    CRect rc = pControl->GetRect();
    const BOOL bOpen = pControl->IsPopuped(), bHot = pControl->GetSelected() != ktSelectionNone;
    DrawStyleImage(pDC, lpszImage, rc, OpenHotPart(bOpen, bHot), 3, CRect(3, 3, 3, 3));
    DrawToolBarExpandGlyph(pDC, bAcross, rc + CPoint(1, 1), bHiddenExists, GetColor(COLOR_BTNHIGHLIGHT));
    DrawToolBarExpandGlyph(pDC, bAcross, rc, bHiddenExists,
                           GetColor(bHot && !bOpen ? KTCOLOR_HIGHLIGHT_TEXT : KTCOLOR_TOOLBAR_TEXT));
    return rc.Size();
}

void CKTThemeRibbon::DrawDropDownGlyph(CDC* pDC, CKTControl* pControl, CPoint pt, const KT_CONTROLSTATE& state,
                                       BOOL bVertical)
{
    CKTStyleImage* pImage = bVertical ? NULL : LoadImage("TOOLBARBUTTONDROPDOWNGLYPH");
    if (!pImage)
        return CKTThemeStyle5::DrawDropDownGlyph(pDC, pControl, pt, state, bVertical);
    int nPart = !state.bEnabled ? 3 : state.bPopuped ? 2 : state.bSelected ? 1 : 0;
    CRect rcSource = pImage->GetSource(nPart, 4);
    CPoint ptTopLeft(pt.x - rcSource.Width() / 2, pt.y - rcSource.Height() / 2);
    CRect rc(ptTopLeft, rcSource.Size());
    pImage->DrawImage(pDC, rc, rcSource, CRect(0, 0, 0, 0), kMagenta);
}

void CKTThemeRibbon::DrawSplitPopupGlyph(CDC* pDC, CKTControl* pControl)
{
    KT_CONTROLSTATE state = GetControlState(pControl);
    CRect rc = pControl->GetRect();
    CRect rcSplit(rc.right - m_nSplitButtonPopupWidth, rc.top, rc.right, rc.bottom);
    int nPart = state.bEnabled && state.bSelected ? (state.bPopuped ? 2 : 1) : 0;
    if (!DrawStyleImage(pDC, "MENUSPLITDROPDOWN", rcSplit, nPart, 3, CRect(0, 0, 0, 0), kMagenta))
        CKTThemeStyle5::DrawSplitPopupGlyph(pDC, pControl);
}

void CKTThemeRibbon::DrawPopupGlyph(CDC* pDC, CKTControl* pControl)
{
    CKTStyleImage* pImage = LoadImage("MENUPOPUPGLYPH");
    if (!pImage)
        return CKTThemeStyle5::DrawPopupGlyph(pDC, pControl);
    CRect rcSource = pImage->GetSource(pControl->IsEnabled() ? 0 : 1, 2);
    CRect rc = pControl->GetRect();
    CPoint ptTopLeft(rc.right - 14, rc.CenterPoint().y - rcSource.Height() / 2);
    pImage->DrawImage(pDC, CRect(ptTopLeft, rcSource.Size()), rcSource, CRect(0, 0, 0, 0), kMagenta);
}

void CKTThemeRibbon::FillPopupLabel(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(KTCOLOR_POPUP_LABEL));
    pDC->FillSolidRect(CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), kPopupLine);
}

void CKTThemeRibbon::DrawKeyboardTip(CDC* pDC, CKTCommandBarKeyboardTip* pTip, BOOL bSetRegion)
{
    if (bSetRegion)
    {
        SetCornerRegion(pTip);
        return;
    }
    if (!pDC)
        return;
    CRect rc = CKTClientRect(pTip);
    CKTFontDC font(pDC, &m_fontStatus, GetColor(pTip->IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    GradientFill(pDC, rc, m_clrTooltipLight.GetColor(), m_clrTooltipDark.GetColor(), FALSE);
    pDC->Draw3dRect(rc, m_clrTooltipBorder.GetColor(), m_clrTooltipBorder.GetColor());
    DrawKeyboardTipText(pDC, pTip, rc);
}
