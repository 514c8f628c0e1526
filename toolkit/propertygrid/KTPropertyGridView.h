// KTPropertyGridView.h: the owner-drawn list of a grid's rows, with selection, divider, keys and mouse.
//
// Classes: CKTPropertyGridView.
#pragma once

#include <afxwin.h>

#include <memory>

#include "KTPropertyGridItems.h"
#include "KTPropertyGridViewAccessible.h"

class CKTPropertyGrid;
class CKTPropertyGridItem;
class CKTPropertyGridItemButton;
class CKTPropertyGridPainter;
class CKTPropertyGridToolTip;

class CKTPropertyGridView : public CListBox
{
public:
    CKTPropertyGridView();
    ~CKTPropertyGridView() override;

    CKTPropertyGridItem* AddCategory(LPCSTR lpszCaption, CKTPropertyGridItem* pCategory = nullptr);
    CKTPropertyGridItem* InsertCategory(int nIndex, LPCSTR lpszCaption, CKTPropertyGridItem* pCategory = nullptr);
    CKTPropertyGridItems* GetCategories() { return &m_categories; }
    void Refresh(int nOrder, BOOL bForce, BOOL bRedrawOff);
    int GetSortOrder() const { return m_nSortOrder; }
    void BeginUpdate();
    void EndUpdate();
    BOOL IsUpdateLocked() const { return m_nLockUpdate > 0; }
    void ResetContent();
    // Inserts the item's row (and its expanded descendants') at the row;
    // answers how many rows went in.
    int InsertItem(CKTPropertyGridItem* pItem, int nRow);
    void RemoveChildRows(CKTPropertyGridItem* pItem);
    void Renumber();
    CKTPropertyGridItem* GetItem(int nRow) const;
    CKTPropertyGridItem* ItemFromPoint(CPoint point) const;
    CKTPropertyGridItem* GetSelectedItem() const { return m_pSelected; }
    int GetDividerPos() const;
    void SetDividerPos(int x);
    BOOL IsDividerProportional() const { return m_bProportional; }
    void SetDividerProportional(BOOL bProportional) { m_bProportional = bProportional; }
    double GetDividerFraction() const { return m_dDivider; }
    void LockDivider(BOOL bLock) { m_bDividerMovable = !bLock; }
    int GetDefaultRowHeight() const { return m_nRowHeight; }
    CKTPropertyGridItemButton* GetFocusedButton() const { return m_pFocusedButton; }
    CKTPropertyGridItemButton* GetHotButton() const { return m_pHotButton; }
    void SetFocusedButton(CKTPropertyGridItemButton* pButton);
    void ClearFocusedButton() { m_pFocusedButton = nullptr; }
    void SetHotButton(CKTPropertyGridItemButton* pButton);
    // A button going away is no longer focused or hot.
    void ForgetButton(CKTPropertyGridItemButton* pButton);
    // An item going away is no longer selected.
    void ForgetItem(CKTPropertyGridItem* pItem);
    // The selection handling: deselect the old item, select the current row's.
    void OnSelectionChanged();

    CKTPropertyGrid* GetGrid() const { return m_pGrid; }
    void SetGrid(CKTPropertyGrid* pGrid) { m_pGrid = pGrid; }
    CKTPropertyGridPainter* GetPainter() const;
    IAccessible* GetAccessible() { return &m_accessible; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSelChange();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsOnDivider(CPoint point) const;
    void MoveDivider(int x);
    void PressComboButton();
    void InsertCategoryRows(CKTPropertyGridItem* pCategory);
    int FindRowBefore(int nCategoryIndex) const;
    void RebuildRows(int nOrder);
    void ScrollKeepingChildren(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateToolTip(CPoint point);
    BOOL GetToolTipTarget(CKTPropertyGridItem* pItem, BOOL bValue, CString& strText, CRect& rcText);
    void HideToolTip();

    CKTPropertyGrid* m_pGrid = nullptr;  // owner
    BOOL m_bTracking = FALSE;            // dragging the divider
    double m_dDivider = 0.5;             // fraction of the width, or pixels
    BOOL m_bProportional = TRUE;
    HCURSOR m_hDividerCursor;  // shared resource
    int m_nSortOrder = 0;
    CKTPropertyGridItem* m_pSelected = nullptr;  // whose OnSelect ran last; not counted
    CKTPropertyGridItems m_categories;
    std::unique_ptr<CKTPropertyGridToolTip> m_pToolTip;
    int m_nLockUpdate = 0;
    int m_nRowHeight = 0;  // default row height
    BOOL m_bDividerMovable = TRUE;
    CKTPropertyGridItemButton* m_pFocusedButton = nullptr;  // not counted
    CKTPropertyGridItemButton* m_pHotButton = nullptr;      // not counted
    CKTPropertyGridViewAccessible m_accessible;
};
