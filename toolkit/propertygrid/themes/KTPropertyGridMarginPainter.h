// KTPropertyGridMarginPainter.h: rows behind one margin line, categories drawn as rows (theme 4).
//
// Classes: CKTPropertyGridMarginPainter.
#pragma once

#include "KTPropertyGridPainter.h"

class CKTPropertyGridMarginPainter : public CKTPropertyGridPainter
{
public:
    explicit CKTPropertyGridMarginPainter(CKTPropertyGrid* pGrid) : CKTPropertyGridPainter(pGrid) {}

    void RefreshMetrics() override;

protected:
    void DrawItemRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState) override;
    void DrawCategoryRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState) override;
    void DrawRowClosingLines(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem) override;

private:
    void DrawRow(CDC* pDC, CKTPropertyGridItem* pItem, CRect rcItem, UINT nState);
};
