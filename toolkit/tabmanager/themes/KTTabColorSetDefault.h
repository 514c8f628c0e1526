// KTTabColorSetDefault.h: the colours of the classic look, from the system colours.
//
// Classes: CKTTabColorSetDefault.
#pragma once

#include "KTTabColorSet.h"

class CKTTabColorSetDefault : public CKTTabColorSet
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) override;
};
