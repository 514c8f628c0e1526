// KTDockingPaneBandedTheme.h: the plain theme's offspring that caption groups and frames as the gradient
// themes do: the caption on a band of the splitter colour, floating frames in three rings.
//
// Classes: CKTDockingPaneBandedTheme.
#pragma once

#include "KTDockingPaneTheme0.h"

class CKTDockingPaneBandedTheme : public CKTDockingPaneTheme0
{
public:
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override
    {
        DrawBandedCaption(pDC, pContainer, rc);
    }
    void DrawFloatingFrame(CDC* pDC, CKTDockingPaneMiniWnd* pFrame, CRect rc) override
    {
        DrawRingedFloatingFrame(pDC, pFrame, rc, m_clrTable[COLOR_3DFACE]);
    }
};
