// KTPropertyGridTreeLinesPainter.h: rows closed by shadow lines that outline each category's tree (theme 3).
//
// Classes: CKTPropertyGridTreeLinesPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridTreeLinesPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridTreeLinesPainter(CKTPropertyGrid* pGrid) : CKTPropertyGridPainter(pGrid) {}

    void RefreshMetrics() override;

protected:
    void DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState) override;
    void DrawIndentBands(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem) override;
    void DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem) override;

private:
    static void DrawShadowLine(CDC* pDC, int nLeft, const CRect& rcItem);
};
