// KTDockingPaneTabColorSet.h: the tab colours of the gradient-caption docking themes: transparent or filled
// tabs on a header that follows the system scheme.
//
// Classes: CKTDockingPaneTabColorSet.
#pragma once

#include "KTTabColorSet4.h"

class CKTDockingPaneTabColorSet : public CKTTabColorSet4
{
public:
    // bMutedText: scheme-coloured tabs are dropped and a Luna scheme greys the captions.
    CKTDockingPaneTabColorSet(BOOL bTransparentTabs, BOOL bFilledSelectedTab, BOOL bMutedText)
        : m_bTransparentTabs(bTransparentTabs), m_bFilledSelectedTab(bFilledSelectedTab), m_bMutedText(bMutedText)
    {
    }

    void RefreshMetrics() override;
    // -1 for a tab left unfilled.
    COLORREF FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem) override;
    // One gradient over the whole window of the strip's docking site, so that neighbouring strips line up.
    void FillHeader(CDC* pDC, CRect rc, CKTTabManager* pManager) override;

private:
    void ApplyDockingScheme(int nScheme);

    BOOL m_bSchemeColors = FALSE;  // tabs take the scheme's fill
    BOOL m_bTransparentTabs;
    BOOL m_bFilledSelectedTab;
    BOOL m_bMutedText;
};
