// KTControlSelector.h: a grid of cells for choosing a size, such as the rows and columns of a table.
//
// Classes: CKTControlSelector.
#pragma once

#include "KTControl.h"

class CKTControlSelector : public CKTControl
{
    DECLARE_DYNCREATE(CKTControlSelector)
public:
    void SetItemsCount(CSize sz) { m_szItemsCount = sz; }
    void SetItemsMax(CSize sz) { m_szItemsMax = sz; }
    void SetItemSize(CSize sz) { m_szItem = sz; }
    CSize GetItemsCount() const { return m_szItemsCount; }
    CSize GetItemsMax() const { return m_szItemsMax; }
    CSize GetItemSize() const { return m_szItem; }
    // Columns and rows under the pointer.
    CSize GetSelected() const { return m_szSelected; }
    // The size picked when the control last ran its command.
    CSize GetChosen() const { return m_szChosen; }
    CSize GetVisibleCount() const { return m_szVisible; }

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Only its grid shows: no caption, so no letter runs it.
    BOOL IsDrawnByItself() const override { return TRUE; }
    void OnMouseMove(CPoint pt) override;
    void OnLButtonUp(CPoint pt) override;
    void OnKeyboardTip() override { RunSelection(); }
    void OnCalcDynamicSize(DWORD dwMode) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    void DoPropExchange(CKTPropExchange* pPX) override;

protected:
    // Derived selectors draw into each cell.
    virtual void DrawCell(CDC* pDC, CRect rc, COLORREF clr) {}

private:
    CRect GetCellRect(int nColumn, int nRow) const;
    void SetSelection(CSize sz);
    // Runs the command with the cells selected; nothing while none is.
    void RunSelection();
    // With the button held beyond the grid, the grid grows to the pointer; TRUE when it did.
    BOOL GrowTo(CPoint pt);

    CSize m_szItemsCount = CSize(5, 4);  // cells shown at first
    CSize m_szItemsMax = CSize(12, 12);  // most cells the grid grows to
    CSize m_szSelected = CSize(0, 0);
    CSize m_szItem = CSize(28, 28);
    CSize m_szChosen = CSize(0, 0);
    CSize m_szVisible = CSize(5, 4);  // cells shown now
    BOOL m_bLayoutLock = FALSE;       // the bar lays out for a growth: keep the grid
};
