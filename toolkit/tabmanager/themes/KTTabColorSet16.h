// KTTabColorSet16.h: the colours of the designer's own look: plain faces, optionally gradient tabs.
//
// Classes: CKTTabColorSet16.
#pragma once

#include "KTTabColorSet4.h"

class CKTTabColorSet16 : public CKTTabColorSet4
{
public:
    void RefreshMetrics() override;
    COLORREF FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem) override;

    BOOL m_bGradientTabs = FALSE;
};
