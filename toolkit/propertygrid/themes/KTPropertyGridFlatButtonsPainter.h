// KTPropertyGridFlatButtonsPainter.h: the base look with flat in-place buttons (theme 7).
//
// Classes: CKTPropertyGridFlatButtonsPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridFlatButtonsPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridFlatButtonsPainter(CKTPropertyGrid* pGrid);

    void RefreshMetrics() override;
};
