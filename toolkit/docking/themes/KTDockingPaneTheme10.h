// KTDockingPaneTheme10.h: theme 2's strips in the colours of the loaded style resources.
//
// Classes: CKTDockingPaneTheme10.
#pragma once

#include "KTDockingPaneTheme2.h"

class CKTDockingPaneTheme10 : public CKTDockingPaneTheme2
{
public:
    CKTDockingPaneTheme10();

    void RefreshMetrics() override;
    void DrawCaption(CDC* pDC, CKTDockingPaneTabbedContainer* pContainer, CRect rc) override;

private:
    void ReadStyleColors();
    void UseFallbackColors();
};
