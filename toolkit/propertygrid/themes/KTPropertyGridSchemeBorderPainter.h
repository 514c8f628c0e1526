// KTPropertyGridSchemeBorderPainter.h: the base look in visual styles with a border of the colour scheme (theme 1).
//
// Classes: CKTPropertyGridSchemeBorderPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridSchemeBorderPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridSchemeBorderPainter(CKTPropertyGrid* pGrid);

    void RefreshMetrics() override;
};
