// KTGalleryPaintManager.h: the metrics of gallery frames and scroll arrows.
//
// Classes: CKTGalleryPaintManager.
#pragma once

#include <windows.h>

#include "KTWinThemeWrapper.h"

class CKTPaintManager;

class CKTGalleryPaintManager
{
public:
    explicit CKTGalleryPaintManager(CKTPaintManager* pPaintManager) : m_pPaintManager(pPaintManager) {}
    virtual ~CKTGalleryPaintManager() = default;

    virtual void RefreshMetrics();

    int m_cxHScroll = 0;
    int m_cyHScroll = 0;
    int m_cyVScroll = 0;
    int m_cxVScroll = 0;
    int m_cyPopupUp = 19;
    int m_cyPopupDown = 19;
    int m_cxPopup = 16;
    CKTWinThemeWrapper m_themeScrollBar;

protected:
    CKTPaintManager* m_pPaintManager;  // the owner
};
