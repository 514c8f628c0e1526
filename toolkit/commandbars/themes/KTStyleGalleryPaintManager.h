// KTStyleGalleryPaintManager.h: galleries drawn in the style's colours, with scroll buttons and bars from its images.
//
// Classes: CKTStyleGalleryPaintManager.
#pragma once

#include "KTGalleryPaintManager.h"
#include "KTPaintManagerColor.h"

class CKTStyleImage;

class CKTStyleGalleryPaintManager : public CKTGalleryPaintManager
{
public:
    using CKTGalleryPaintManager::CKTGalleryPaintManager;

    void DrawLabel(CDC* pDC, CKTControlGalleryItem* pLabel, CRect rc) override;
    void FillControl(CDC* pDC, CKTControlGallery* pGallery, CRect rc) override;
    // Styles 5 (light) and 6 (dark) from the images; the others as the base draws them.
    void DrawScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar) override;
    void DrawScrollButtons(CDC* pDC, CKTControlGallery* pGallery) override;
    void RefreshMetrics() override;

    CKTPaintManagerColor m_clrSelected;  // a selected gallery's background
    CKTPaintManagerColor m_clrNormal;
    CKTPaintManagerColor m_clrBorder;

private:
    // One part of a named image over a rectangle; FALSE when the style has no such image.
    static BOOL DrawImagePart(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nPart, int nParts,
                              const CRect& rcMargins);
    void DrawStyledScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar, BOOL bDark);
    // An arrow button's frame and its 9 x 9 glyph from the glyph column.
    void DrawScrollArrow(CDC* pDC, CKTBarScrollBar* pScrollBar, const CString& strArrows, CRect rc, int nPart);
};
