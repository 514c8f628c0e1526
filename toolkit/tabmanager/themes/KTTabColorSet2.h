// KTTabColorSet2.h: the colours of the flat looks, from the toolkit's own colours.
//
// Classes: CKTTabColorSet2.
#pragma once

#include "KTTabColorSet.h"

class CKTTabColorSet2 : public CKTTabColorSet
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) override;
};
