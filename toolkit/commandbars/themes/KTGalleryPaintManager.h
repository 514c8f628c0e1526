// KTGalleryPaintManager.h: the drawing of galleries: their frame, group labels and scroll bars.
//
// Classes: CKTGalleryPaintManager.
#pragma once

#include <afxwin.h>

#include "KTWinThemeWrapper.h"

#include <initializer_list>

class CKTBarScrollBar;
class CKTControlGallery;
class CKTControlGalleryItem;
class CKTPaintManager;
struct KT_SCROLLBARPOSINFO;

class CKTGalleryPaintManager
{
public:
    explicit CKTGalleryPaintManager(CKTPaintManager* pPaintManager) : m_pPaintManager(pPaintManager) {}
    virtual ~CKTGalleryPaintManager() = default;

    virtual void DrawLabel(CDC* pDC, CKTControlGalleryItem* pLabel, CRect rc);
    // The background, the frame and the line that parts the gallery from the control after it.
    virtual void FillControl(CDC* pDC, CKTControlGallery* pGallery, CRect rc);
    virtual void DrawScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar);
    // The up, down and popup buttons of a gallery that stands on a bar.
    virtual void DrawScrollButtons(CDC* pDC, CKTControlGallery* pGallery);
    virtual void RefreshMetrics();

    int m_cxHScroll = 0;
    int m_cyHScroll = 0;
    int m_cyVScroll = 0;
    int m_cxVScroll = 0;
    // The up, down and popup buttons of a gallery that stands on a bar: a column m_cxPopup wide, buttons
    // m_cyPopupUp and m_cyPopupDown high, the popup button to the bottom. The hit test and the drawing both take
    // them from here.
    int m_cyPopupUp = 19;
    int m_cyPopupDown = 19;
    int m_cxPopup = 16;
    CKTWinThemeWrapper m_themeScrollBar;

    // Stacks the three buttons down the bar's extent.
    void LayOutScrollButtons(KT_SCROLLBARPOSINFO* pInfo) const;

protected:
    // The pieces of a scroll bar, across the whole bar, in client coordinates.
    struct KT_SCROLLPARTS
    {
        CRect rcUp, rcDown, rcPageUp, rcPageDown, rcThumb;
    };
    static KT_SCROLLPARTS ScrollPartsOf(const KT_SCROLLBARPOSINFO& spi);
    // The up, down and popup buttons as the layout stacked them.
    struct KT_SCROLLBUTTONS
    {
        CRect rcUp, rcDown, rcPopup;
    };
    static KT_SCROLLBUTTONS ScrollButtonsOf(const KT_SCROLLBARPOSINFO& spi);
    // Something to scroll, and the bar lets it.
    static BOOL IsScrollBarActive(CKTBarScrollBar* pScrollBar);
    // The arrows, track and thumb of the bar in the classic or flat look.
    void DrawClassicScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar, BOOL bFlat);
    static void FillTrack(CDC* pDC, CKTBarScrollBar* pScrollBar, std::initializer_list<CRect> rects);
    void DrawFlatArrow(CDC* pDC, CRect rc, char chGlyph, BOOL bPressed, BOOL bEnabled);
    void DrawThemedScrollBar(CDC* pDC, CKTBarScrollBar* pScrollBar);

    CKTPaintManager* m_pPaintManager;  // the owner
};
