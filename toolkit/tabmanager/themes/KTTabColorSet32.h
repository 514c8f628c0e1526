// KTTabColorSet32.h: the scheme colours overridden from the style resources.
//
// Classes: CKTTabColorSet32.
#pragma once

#include "KTTabColorSet4.h"

class CKTTabColorSet32 : public CKTTabColorSet4
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) override;

private:
    void ReadStyleColors();
};
