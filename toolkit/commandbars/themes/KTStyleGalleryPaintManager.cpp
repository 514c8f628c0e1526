// KTStyleGalleryPaintManager.cpp: taller scroll buttons and the style's gallery colours.
#include "KTStyleGalleryPaintManager.h"

#include "KTStyleResourceSet.h"

void CKTStyleGalleryPaintManager::RefreshMetrics()
{
    CKTGalleryPaintManager::RefreshMetrics();
    m_cyPopupUp = 21;
    m_cyPopupDown = 19;
    const CKTStyleResourceSet& style = *KTStyleResourceSet();
    style.ReadColor("Toolbar", "ControlGallerySelected", m_clrSelected);
    style.ReadColor("Toolbar", "ControlGalleryNormal", m_clrNormal);
    style.ReadColor("Toolbar", "ControlGalleryBorder", m_clrBorder);
}
