// KTPropertyGridEtchedPainter.h: rows with an etched divider and dotted separators, framed when selected (theme 5).
//
// Classes: CKTPropertyGridEtchedPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridEtchedPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridEtchedPainter(CKTPropertyGrid* pGrid) : CKTPropertyGridPainter(pGrid) {}

    void RefreshMetrics() override;

protected:
    void DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState) override;
    void DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState) override;
    void DrawRowClosingLines(CDC*, CKTPropertyGridItem*, CRect) override {}

private:
    void DrawRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState);
};
