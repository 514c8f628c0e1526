// KTStyleGalleryPaintManager.h: gallery metrics and colours from the style resources.
//
// Classes: CKTStyleGalleryPaintManager.
#pragma once

#include "KTGalleryPaintManager.h"
#include "KTPaintManagerColor.h"

class CKTStyleGalleryPaintManager : public CKTGalleryPaintManager
{
public:
    using CKTGalleryPaintManager::CKTGalleryPaintManager;

    void RefreshMetrics() override;

    CKTPaintManagerColor m_clrSelected;  // a selected gallery's background
    CKTPaintManagerColor m_clrNormal;
    CKTPaintManagerColor m_clrBorder;
};
