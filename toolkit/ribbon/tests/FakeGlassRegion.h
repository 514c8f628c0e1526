// FakeGlassRegion.h: the ribbon's frame-region object with the desktop composition answer a test wants.
//
// Classes: CFakeGlassRegion.
#pragma once

#include "KTRibbonBar.h"

#include <memory>

// Wine has no desktop composition: the glass path runs on this answer instead of the system's.
class CFakeGlassRegion : public CKTFrameRegionHelper
{
public:
    CFakeGlassRegion(CKTRibbonBar* pBar, BOOL bGlass)
        : CKTFrameRegionHelper(pBar->GetFrameSite(), pBar->GetCommandBars(), pBar), m_bGlass(bGlass)
    {
    }

    // Gives the ribbon the frame's caption with this answer; the ribbon owns the object.
    static CFakeGlassRegion* Attach(CKTRibbonBar* pBar, BOOL bGlass)
    {
        auto* pRegion = new CFakeGlassRegion(pBar, bGlass);
        pBar->SetFrameRegion(std::unique_ptr<CKTFrameRegionHelper>(pRegion));
        return pRegion;
    }

    // The system's own caption buttons on the glass, in screen co-ordinates, as the system would answer for them.
    LRESULT HitTestComposition(CPoint ptScreen) const override
    {
        return m_bGlass && m_rcCloseButton.PtInRect(ptScreen) ? HTCLOSE : 0;
    }

    BOOL m_bGlass;
    CRect m_rcCloseButton;

protected:
    BOOL QueryComposition() const override { return m_bGlass; }
};
