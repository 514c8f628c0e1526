// KTPropertyGridFlatBoxPainter.h: the look with flat expand boxes and shaded category rows (theme 6).
//
// Classes: CKTPropertyGridFlatBoxPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridFlatBoxPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridFlatBoxPainter(CKTPropertyGrid* pGrid);

    void RefreshMetrics() override;
    void DrawExpandButton(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcCaption) override;
    void DrawCategoryCaptionBackground(CDC* pDC, CRect rc) override;
};
