// CSplitterWnd: a grid of panes (views) that fills its frame, laid out from
// each row's and column's ideal size, with scroll bars shared by the panes of
// a column (horizontal) or a row (vertical). The split bars do not move.
#pragma once
#include <memory>
#include <vector>
#include "afxwin.h"

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    // Width of the bar between two panes, in pixels.
    static const int kSplitterGap = 4;

    CSplitterWnd() = default;

    // WS_HSCROLL and WS_VSCROLL in dwStyle become the scroll style.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // Makes the pane at row, col from a run-time class; sizeInit becomes the
    // row's and column's ideal size.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return (int)m_rows.size(); }
    int GetColumnCount() const { return (int)m_cols.size(); }
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    // The current size (after layout) and the minimum.
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;

    DWORD GetScrollStyle() const { return m_dwScrollStyle; }
    // Makes or removes the shared bars; RecalcLayout places them.
    virtual void SetScrollStyle(DWORD dwStyle);

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const;
    virtual void RecalcLayout();

    // The pane that is the frame's active view, else the one with the focus.
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    // A view becomes the frame's active view; any other pane gets the focus.
    virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);

protected:
    // Ideal, minimum and laid-out size of one row or column.
    struct CRowColInfo
    {
        int nIdealSize = 0;
        int nMinSize = 0;
        int nCurSize = 0;
    };
    std::vector<CRowColInfo> m_rows;
    std::vector<CRowColInfo> m_cols;
    DWORD m_dwScrollStyle = 0;                         // WS_HSCROLL, WS_VSCROLL
    std::vector<std::unique_ptr<CScrollBar>> m_hBars;  // one under each column
    std::vector<std::unique_ptr<CScrollBar>> m_vBars;  // one right of each row

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    void MakeBars(std::vector<std::unique_ptr<CScrollBar>>& bars, BOOL bWanted, int nCount, DWORD dwBarStyle,
                  int nFirstID);
    void SendToPanes(UINT message, UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
};
