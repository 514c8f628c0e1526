// KTStyleGalleryPaintManager.cpp: the style's gallery colours, and its scroll buttons and bars drawn from the images.
#include "KTStyleGalleryPaintManager.h"

#include "KTBarScrollBar.h"
#include "KTCommandBar.h"
#include "KTControlGallery.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTStyleResourceSet.h"

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kSeparator = 0xC5C5C5;
const int kGlyphSize = 9;
const int kButtonsWidth = 15;  // the column of a gallery's buttons on a bar

// Part of an image of n states: 4 disabled, 3 pressed, 2 hot, 1 while another part is, 0 when none is.
int ButtonPart(BOOL bEnabled, int nPart, int nPressed, int nHot)
{
    if (!bEnabled)
        return 4;
    if (nPressed)
        return nPressed == nPart ? 3 : 1;
    if (nHot)
        return nHot == nPart ? 2 : 1;
    return 0;
}

// The thumb's part of three: 2 pressed, 1 hot, else 0; a disabled bar's thumb stays plain.
int ThumbPart(BOOL bActive, int nPressed, int nHot)
{
    if (!bActive)
        return 0;
    return nPressed == ktScrollThumb ? 2 : nHot == ktScrollThumb ? 1 : 0;
}

// A view its content exactly fills has nothing to scroll.
BOOL HasRangeToScroll(const KT_SCROLLBARPOSINFO& spi) { return spi.posMax - spi.page - spi.posMin + 1 > 0; }

// The glyph column's cell (from 1) for an arrow: up or left first, normal, active, disabled.
int GlyphCell(BOOL bVertical, BOOL bUp, BOOL bEnabled, BOOL bActive)
{
    int nFirst = (bVertical ? 1 : 9) + (bUp ? 0 : 4);
    return !bEnabled ? nFirst + 3 : bActive ? nFirst + 1 : nFirst;
}
}  // namespace

void CKTStyleGalleryPaintManager::RefreshMetrics()
{
    CKTGalleryPaintManager::RefreshMetrics();
    m_cyPopupUp = 21;
    m_cyPopupDown = 19;
    m_cxPopup = kButtonsWidth;
    const CKTStyleResourceSet& style = *KTStyleResourceSet();
    style.ReadColor("Toolbar", "ControlGallerySelected", m_clrSelected);
    style.ReadColor("Toolbar", "ControlGalleryNormal", m_clrNormal);
    style.ReadColor("Toolbar", "ControlGalleryBorder", m_clrBorder);
}

BOOL CKTStyleGalleryPaintManager::DrawImagePart(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts,
                                                const CRect& rcMargins)
{
    CKTStyleImage* pImage = KTStyleResourceSet()->GetImage(lpszName);
    if (!pImage)
        return FALSE;
    pImage->DrawImage(pDC, rc, pImage->GetSource(nPart, nParts), rcMargins, kMagenta);
    return TRUE;
}

void CKTStyleGalleryPaintManager::DrawLabel(CDC* pDC, CKTControlGalleryItem* pLabel, CRect rc)
{
    CKTGalleryPaintManager::DrawLabel(pDC, pLabel, rc);
    pDC->FillSolidRect(CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), kSeparator);
}

void CKTStyleGalleryPaintManager::FillControl(CDC* pDC, CKTControlGallery* pGallery, CRect rc)
{
    CKTCommandBar* pBar = pGallery->GetParent();
    COLORREF clrFace = m_clrNormal.GetColor();
    if (pBar && pBar->GetPosition() == ktBarPopup)
        clrFace = m_pPaintManager->GetColor(KTCOLOR_POPUP_FACE);
    else if (pGallery->GetSelected() && pGallery->IsEnabled())
        clrFace = m_clrSelected.GetColor();
    pDC->FillSolidRect(rc, clrFace);
    if (pGallery->IsShowBorders())
        pDC->Draw3dRect(rc, m_clrBorder.GetColor(), m_clrBorder.GetColor());
    else if (pGallery->IsFollowedOnPopup())
        pDC->FillSolidRect(CRect(rc.left, rc.bottom - 2, rc.right, rc.bottom - 1), kSeparator);
}

void CKTStyleGalleryPaintManager::DrawScrollButtons(CDC* pDC, CKTControlGallery* pGallery)
{
    const KT_SCROLLBUTTONS rects = ScrollButtonsOf(pGallery->GetPosInfo());
    const BOOL bEnabled = pGallery->IsEnabled();
    const int nPressed = pGallery->GetPressedPart();
    const int nHot = nPressed ? 0 : pGallery->GetHotPart();
    const struct
    {
        LPCSTR lpszImage;
        CRect rc;
        int nPart;
        BOOL bEnabled;
    } buttons[3] = {
        {"CONTROLGALLERYUP", rects.rcUp, ktScrollUpArrow, bEnabled && pGallery->GetScrollPos() > 0},
        {"CONTROLGALLERYDOWN", rects.rcDown, ktScrollDownArrow,
         bEnabled && pGallery->GetScrollPos() < pGallery->GetContentHeight() - pGallery->GetItemsRect().Height()},
        {"CONTROLGALLERYPOPUP", rects.rcPopup, ktScrollPopup, bEnabled},
    };
    for (const auto& button : buttons)
        DrawImagePart(pDC, button.lpszImage, button.rc, ButtonPart(button.bEnabled, button.nPart, nPressed, nHot), 5,
                      CRect(3, 3, 3, 3));
}

void CKTStyleGalleryPaintManager::DrawScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar)
{
    const int nStyle = pScrollBar->GetScrollBarStyle();
    if (nStyle != 5 && nStyle != 6)
        return CKTGalleryPaintManager::DrawScrollBar(pDC, pScrollBar);
    const KT_SCROLLBARPOSINFO& spi = pScrollBar->GetPosInfo();
    if (spi.rc.IsRectEmpty() || spi.posMax <= spi.posMin)
        return;
    DrawStyledScrollBar(pDC, pScrollBar, nStyle == 6);
}

void CKTStyleGalleryPaintManager::DrawStyledScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar, BOOL bDark)
{
    const KT_SCROLLBARPOSINFO& spi = pScrollBar->GetPosInfo();
    const KT_SCROLLPARTS parts = ScrollPartsOf(spi);
    const CString strAxis = spi.fVert ? "VERTICAL" : "HORIZONTAL";
    const CString strShade = bDark ? "DARK" : "LIGHT";
    const CRect rcTrackMargins = spi.fVert ? CRect(1, 0, 1, 0) : CRect(0, 1, 0, 1);
    const CString strTrack = "CONTROLGALLERYSCROLL" + strAxis + strShade;
    DrawImagePart(pDC, strTrack, spi.rc, 0, 2, rcTrackMargins);
    const CString strArrows = "CONTROLGALLERYSCROLLARROWS" + strAxis + strShade;
    DrawScrollArrow(pDC, pScrollBar, strArrows, parts.rcUp, ktScrollUpArrow);
    DrawScrollArrow(pDC, pScrollBar, strArrows, parts.rcDown, ktScrollDownArrow);
    const int nPressed = pScrollBar->GetPressedPart();
    if (nPressed == ktScrollPageUp || nPressed == ktScrollPageDown)
        DrawImagePart(pDC, strTrack, nPressed == ktScrollPageUp ? parts.rcPageUp : parts.rcPageDown, 1, 2,
                      rcTrackMargins);
    // A disabled bar still shows where its view stands; with nothing to scroll there is no thumb.
    if (!HasRangeToScroll(spi) || parts.rcThumb.IsRectEmpty() || spi.pxThumbBottom > spi.pxDownArrow)
        return;
    const int nThumbPart = ThumbPart(IsScrollBarActive(pScrollBar), nPressed, pScrollBar->GetHotPart());
    DrawImagePart(pDC, "CONTROLGALLERYSCROLLTHUMB" + strAxis, parts.rcThumb, nThumbPart, 3, CRect(5, 5, 5, 5));
    if (spi.cpxThumb <= 10)
        return;
    CPoint c = parts.rcThumb.CenterPoint();
    DrawImagePart(pDC, "CONTROLGALLERYSCROLLTHUMBGRIPPER" + strAxis, CRect(c.x - 3, c.y - 4, c.x + 5, c.y + 4),
                  nThumbPart, 3, CRect(0, 0, 0, 0));
}

void CKTStyleGalleryPaintManager::DrawScrollArrow(CDC* pDC, CKTBarScrollBar* pScrollBar, const CString& strArrows,
                                                  CRect rc, int nPart)
{
    const BOOL bEnabled = IsScrollBarActive(pScrollBar);
    const int nPressed = pScrollBar->GetPressedPart(), nHot = pScrollBar->GetHotPart();
    const BOOL bActive = nPressed || nHot;
    if (bEnabled && bActive)
        DrawImagePart(pDC, strArrows, rc, nPressed == nPart ? 3 : nHot == nPart ? 2 : 1, 4, CRect(3, 3, 3, 3));
    CKTStyleImage* pGlyphs = KTStyleResourceSet()->GetImage("CONTROLGALLERYSCROLLARROWGLYPHS");
    if (!pGlyphs)
        return;
    const int nCell = GlyphCell(pScrollBar->GetPosInfo().fVert, nPart == ktScrollUpArrow, bEnabled, bActive);
    CRect rcSource(0, kGlyphSize * (nCell - 1), kGlyphSize, kGlyphSize * nCell);
    CPoint c = rc.CenterPoint();
    CRect rcGlyph(c.x - kGlyphSize / 2, c.y - kGlyphSize / 2, c.x - kGlyphSize / 2 + kGlyphSize,
                  c.y - kGlyphSize / 2 + kGlyphSize);
    pGlyphs->DrawImage(pDC, rcGlyph, rcSource, CRect(0, 0, 0, 0), kMagenta);
}
