// KTGalleryPaintManager.cpp: scroll-bar metrics from the system, and the gallery's frame, labels and scroll bars.
#include "KTGalleryPaintManager.h"

#include "KTBarScrollBar.h"
#include "KTCommandBar.h"
#include "KTControlGallery.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"

#include <algorithm>

namespace
{
// Colour-table slots of the gallery's parts.
const int kGalleryFace = 41;
const int kGalleryFrame = 52;
const int kGallerySeparator = 39;
const int kLabelFace = 56;
const int kLabelText = 44;
const int kButtonsFace = 30;

// A filled triangle 8 pixels wide and 4 high about the centre, pointing up or down.
void DrawButtonGlyph(CKTPaintManager* pPaintManager, CDC* pDC, CRect rc, BOOL bUp, COLORREF clr)
{
    CPoint c = rc.CenterPoint();
    if (bUp)
        pPaintManager->Triangle(pDC, CPoint(c.x - 4, c.y + 2), CPoint(c.x + 4, c.y + 2), CPoint(c.x, c.y - 2), clr);
    else
        pPaintManager->Triangle(pDC, CPoint(c.x - 4, c.y - 2), CPoint(c.x + 4, c.y - 2), CPoint(c.x, c.y + 2), clr);
}
}  // namespace

CKTGalleryPaintManager::KT_SCROLLPARTS CKTGalleryPaintManager::ScrollPartsOf(const KT_SCROLLBARPOSINFO& spi)
{
    auto span = [&spi](int nFrom, int nTo)
    { return spi.fVert ? CRect(spi.pxLeft, nFrom, spi.pxRight, nTo) : CRect(nFrom, spi.pxLeft, nTo, spi.pxRight); };
    return {span(spi.pxTop, spi.pxUpArrow), span(spi.pxDownArrow, spi.pxBottom), span(spi.pxUpArrow, spi.pxThumbTop),
            span(spi.pxThumbBottom, spi.pxDownArrow), span(spi.pxThumbTop, spi.pxThumbBottom)};
}

CKTGalleryPaintManager::KT_SCROLLBUTTONS CKTGalleryPaintManager::ScrollButtonsOf(const KT_SCROLLBARPOSINFO& spi)
{
    auto span = [&spi](int nFrom, int nTo) { return CRect(spi.rc.left, nFrom, spi.rc.right, nTo); };
    return {span(spi.pxTop, spi.pxUpArrow), span(spi.pxDownArrow, spi.pxPopup), span(spi.pxPopup, spi.pxBottom)};
}

void CKTGalleryPaintManager::LayOutScrollButtons(KT_SCROLLBARPOSINFO* pInfo) const
{
    pInfo->pxUpArrow = pInfo->pxDownArrow = pInfo->pxTop + m_cyPopupUp;
    pInfo->pxPopup = pInfo->pxDownArrow + m_cyPopupDown;
}

BOOL CKTGalleryPaintManager::IsScrollBarActive(CKTBarScrollBar* pScrollBar)
{
    const KT_SCROLLBARPOSINFO& spi = pScrollBar->GetPosInfo();
    return spi.posMax - spi.page - spi.posMin + 1 > 0 && pScrollBar->IsScrollBarEnabled();
}

void CKTGalleryPaintManager::RefreshMetrics()
{
    m_cxHScroll = ::GetSystemMetrics(SM_CXHSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_themeScrollBar.OpenThemeData(NULL, "SCROLLBAR");
    m_cyPopupUp = 19;
    m_cyPopupDown = 19;
    m_cxPopup = 16;
}

void CKTGalleryPaintManager::DrawLabel(CDC* pDC, CKTControlGalleryItem* pLabel, CRect rc)
{
    pDC->FillSolidRect(rc, m_pPaintManager->GetColor(kLabelFace));
    pDC->FillSolidRect(CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), m_pPaintManager->GetColor(kGalleryFrame));
    CKTFontDC font(pDC, m_pPaintManager->GetRegularBoldFont(), m_pPaintManager->GetColor(kLabelText));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rc.left + 10, rc.top, rc.right - 10, rc.bottom);
    pDC->DrawText(pLabel->GetCaption(), rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CKTGalleryPaintManager::FillControl(CDC* pDC, CKTControlGallery* pGallery, CRect rc)
{
    pDC->FillSolidRect(rc, m_pPaintManager->GetColor(kGalleryFace));
    if (pGallery->IsShowBorders())
    {
        COLORREF clr = m_pPaintManager->GetColor(kGalleryFrame);
        pDC->Draw3dRect(rc, clr, clr);
    }
    else if (pGallery->IsFollowedOnPopup())
        pDC->FillSolidRect(CRect(rc.left, rc.bottom - 2, rc.right, rc.bottom - 1),
                           m_pPaintManager->GetColor(kGallerySeparator));
}

void CKTGalleryPaintManager::DrawScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar)
{
    if (pScrollBar->GetPosInfo().rc.IsRectEmpty())
        return;
    int nStyle = pScrollBar->GetScrollBarStyle();
    if (nStyle == 3 && m_themeScrollBar.IsAppThemed() && m_themeScrollBar.IsAppThemeReady())
        DrawThemedScrollBar(pDC, pScrollBar);
    else
        DrawClassicScrollBar(pDC, pScrollBar, nStyle == 2);
}

void CKTGalleryPaintManager::DrawThemedScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar)
{
    const KT_SCROLLBARPOSINFO& spi = pScrollBar->GetPosInfo();
    KT_SCROLLPARTS parts = ScrollPartsOf(spi);
    BOOL bEnabled = IsScrollBarActive(pScrollBar);
    int nPressed = pScrollBar->GetPressedPart(), nHot = pScrollBar->GetHotPart();
    auto state = [&](int nPart) { return !bEnabled ? 4 : nPressed == nPart ? 3 : nHot == nPart ? 2 : 1; };
    HDC hDC = pDC->GetSafeHdc();
    m_themeScrollBar.DrawThemeBackground(hDC, 1, (spi.fVert ? 0 : 8) + state(ktScrollUpArrow), parts.rcUp, NULL);
    m_themeScrollBar.DrawThemeBackground(hDC, 1, (spi.fVert ? 4 : 12) + state(ktScrollDownArrow), parts.rcDown, NULL);
    m_themeScrollBar.DrawThemeBackground(hDC, spi.fVert ? 6 : 4, state(ktScrollPageUp), parts.rcPageUp, NULL);
    m_themeScrollBar.DrawThemeBackground(hDC, spi.fVert ? 7 : 5, state(ktScrollPageDown), parts.rcPageDown, NULL);
    if (!bEnabled || spi.pxThumbBottom > spi.pxDownArrow)
        return;
    m_themeScrollBar.DrawThemeBackground(hDC, spi.fVert ? 3 : 2, state(ktScrollThumb), parts.rcThumb, NULL);
    if (spi.cpxThumb > 13)
        m_themeScrollBar.DrawThemeBackground(hDC, spi.fVert ? 9 : 8, state(ktScrollThumb), parts.rcThumb, NULL);
}

// A flat arrow button: the face, a thin 3-D frame, and the arrow as the "Marlett" glyph.
void CKTGalleryPaintManager::DrawFlatArrow(CDC* pDC, CRect rc, char chGlyph, BOOL bPressed, BOOL bEnabled)
{
    pDC->FillSolidRect(rc, m_pPaintManager->GetColor(COLOR_BTNFACE));
    m_pPaintManager->Draw3dRect(pDC, rc, bPressed ? COLOR_BTNSHADOW : COLOR_3DHIGHLIGHT,
                                bPressed ? COLOR_3DHIGHLIGHT : COLOR_BTNSHADOW);
    const int nSize = std::min(rc.Width(), rc.Height());
    if (nSize < 6)
        return;
    CFont font;
    if (!font.CreateFont(nSize - 4, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett"))
        return;
    CKTFontDC select(pDC, &font, bEnabled ? RGB(0, 0, 0) : m_pPaintManager->GetColor(COLOR_BTNSHADOW));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcGlyph = rc + CPoint(2, 2);
    pDC->DrawText(CString(chGlyph), rcGlyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// As a scroll bar window's owner fills it: with the brush, and in the colours, that the bar window's default
// procedure gives (the system's checkered face and highlight), the DC's colours put back after.
void CKTGalleryPaintManager::FillTrack(CDC* pDC, CKTBarScrollBar* pScrollBar, std::initializer_list<CRect> rects)
{
    CKTCommandBar* pBar = pScrollBar->GetParentCommandBar();
    HWND hWnd = pBar ? pBar->GetSafeHwnd() : NULL;
    if (!hWnd)
        return;
    const COLORREF clrText = pDC->GetTextColor(), clrBack = pDC->GetBkColor();
    // The system's brush: not ours to free.
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(::DefWindowProc(
        hWnd, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), reinterpret_cast<LPARAM>(hWnd)));
    if (hBrush)
        for (const CRect& rc : rects)
            ::FillRect(pDC->GetSafeHdc(), rc, hBrush);
    pDC->SetTextColor(clrText);
    pDC->SetBkColor(clrBack);
}

void CKTGalleryPaintManager::DrawClassicScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar, BOOL bFlat)
{
    const KT_SCROLLBARPOSINFO& spi = pScrollBar->GetPosInfo();
    KT_SCROLLPARTS parts = ScrollPartsOf(spi);
    BOOL bEnabled = IsScrollBarActive(pScrollBar);
    int nPressed = pScrollBar->GetPressedPart();
    const UINT nArrows[2] = {spi.fVert ? (UINT)DFCS_SCROLLUP : (UINT)DFCS_SCROLLLEFT,
                             spi.fVert ? (UINT)DFCS_SCROLLDOWN : (UINT)DFCS_SCROLLRIGHT};
    const CRect rcArrows[2] = {parts.rcUp, parts.rcDown};
    for (int i = 0; i < 2; i++)
    {
        const BOOL bPressed = nPressed == ktScrollUpArrow + i;
        CRect rc = rcArrows[i];
        if (bFlat)
            DrawFlatArrow(pDC, rc, spi.fVert ? (i ? '6' : '5') : (i ? '4' : '3'), bPressed, bEnabled);
        else
            pDC->DrawFrameControl(rc, DFC_SCROLL,
                                  nArrows[i] | (bPressed ? DFCS_PUSHED : 0) | (bEnabled ? 0 : DFCS_INACTIVE));
    }
    FillTrack(pDC, pScrollBar, {parts.rcPageUp, parts.rcPageDown});
    if (nPressed == ktScrollPageUp)
        pDC->InvertRect(parts.rcPageUp);
    if (nPressed == ktScrollPageDown)
        pDC->InvertRect(parts.rcPageDown);
    if (!bEnabled || spi.pxThumbBottom > spi.pxDownArrow)
        return;
    CRect rcThumb = parts.rcThumb;
    pDC->FillSolidRect(rcThumb, m_pPaintManager->GetColor(COLOR_BTNFACE));
    if (bFlat)
        m_pPaintManager->Draw3dRect(pDC, rcThumb, COLOR_3DHIGHLIGHT, COLOR_BTNSHADOW);
    else
        pDC->DrawEdge(rcThumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
}

void CKTGalleryPaintManager::DrawScrollButtons(CDC* pDC, CKTControlGallery* pGallery)
{
    const KT_SCROLLBARPOSINFO& spi = pGallery->GetPosInfo();
    pDC->FillSolidRect(spi.rc, m_pPaintManager->GetColor(kButtonsFace));
    BOOL bEnabled = pGallery->IsEnabled();
    const KT_SCROLLBUTTONS rects = ScrollButtonsOf(spi);
    const struct
    {
        CRect rc;
        int nPart;
        BOOL bEnabled;
    } buttons[3] = {
        {rects.rcUp, ktScrollUpArrow, bEnabled && pGallery->GetScrollPos() > 0},
        {rects.rcDown, ktScrollDownArrow,
         bEnabled && pGallery->GetScrollPos() < pGallery->GetContentHeight() - pGallery->GetItemsRect().Height()},
        {rects.rcPopup, ktScrollPopup, bEnabled},
    };
    for (const auto& button : buttons)
    {
        KT_CONTROLSTATE state;
        state.bEnabled = button.bEnabled;
        state.bSelected = pGallery->GetHotPart() == button.nPart;
        state.nPressed = pGallery->GetPressedPart() == button.nPart;
        m_pPaintManager->DrawControlEntry(pDC, button.rc, state);
        COLORREF clr = m_pPaintManager->GetColor(m_pPaintManager->GetRectangleTextColor(state));
        DrawButtonGlyph(m_pPaintManager, pDC, button.rc, button.nPart == ktScrollUpArrow, clr);
        if (button.nPart == ktScrollPopup)
        {
            CPoint c = button.rc.CenterPoint();
            pDC->FillSolidRect(CRect(c.x - 4, c.y - 5, c.x + 5, c.y - 3), clr);
        }
    }
}
