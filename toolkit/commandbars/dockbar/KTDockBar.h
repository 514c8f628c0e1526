// KTDockBar.h: a frame edge that holds docked bars in rows.
//
// Classes: CKTDockBar.
#pragma once

#include <afxwin.h>

#include <vector>

class CKTCommandBars;
class CKTToolBar;

class CKTDockBar : public CWnd
{
    DECLARE_DYNCREATE(CKTDockBar)
public:
    CKTDockBar();

    // The window title names the edge.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nId);
    int GetPosition() const;
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    void SetCommandBars(CKTCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CKTCommandBars* GetCommandBars() const { return m_pCommandBars; }

    // Takes the bar into a new last row.
    void DockCommandBar(CKTToolBar* pBar);
    // Takes the bar into the row where the screen rectangle's centre lies, or a new row there.
    void DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen);
    // Drops the bar's entry (not the one at nSkip) and the row it leaves empty.
    void RemoveCommandBar(CKTToolBar* pBar, int nSkip = -1);
    int FindBar(CKTToolBar* pBar, int nSkip = -1) const;
    BOOL HasBar(CKTToolBar* pBar) const { return FindBar(pBar) != -1; }
    // The visible bars of the row that holds the entry, in screen order.
    std::vector<CKTToolBar*> GetVisibleRowBars(int nIndex) const;
    // Lays the rows out across the bar (committing them when asked); the size they take.
    CSize CalcFixedLayout(int nLength, DWORD dwMode, BOOL bCommit);

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct CLayoutRecord;
    // The records of the bars of one line as it is laid out.
    using CKTDockBarRows = std::vector<CLayoutRecord>;
    // Puts the bar into the row the centre falls in (a row of its own on a row's edge); its index.
    int Insert(CKTToolBar* pBar, CPoint ptCentre);
    // The command bars' menu bar is a ribbon held here: its row takes no other bars.
    BOOL HoldsRibbon() const;
    // A stretched bar sits alone in its row.
    void IsolateStretchedBars();
    // One row, wrapping bars that do not fit onto further lines; the row's thickness.
    int LayoutRow(std::vector<CKTToolBar*> bars, int nOffset, int nLength, BOOL bCommit);
    // One line of bars, or -1 with the bar to take out in pOut.
    int LayoutLine(const std::vector<CKTToolBar*>& bars, int nOffset, int nLength, BOOL bCommit, CKTToolBar*& pOut);
    void PlaceRecords(CKTDockBarRows& records, int nLength) const;
    BOOL ShrinkRecords(CKTDockBarRows& records, int nLength, CKTToolBar*& pOut) const;
    void CommitRecords(CKTDockBarRows& records, int nLength, int nThickness);
    DWORD GetBaseMode(CKTToolBar* pBar) const;

    DWORD m_dwStyle = 0;                    // the creation style's bar bits
    std::vector<CKTToolBar*> m_bars;        // rows of bars, each closed by NULL; the first entry is NULL
    CKTCommandBars* m_pCommandBars = NULL;  // the owner
};
