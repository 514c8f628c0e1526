// KTDockBar.h: a frame edge that holds docked bars, one row each.
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
    // Takes the bar into the row where the screen rectangle's centre lies, or a new one there.
    void DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen);
    void RemoveCommandBar(CKTToolBar* pBar);
    BOOL HasBar(CKTToolBar* pBar) const;

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }
    DECLARE_MESSAGE_MAP()

    // Places the bars one row each; returns the thickness they take.
    int LayoutBars(CRect rc, BOOL bCommit);

    DWORD m_dwStyle = 0;                    // the creation style's bar bits
    std::vector<CKTToolBar*> m_bars;        // not held: the command bars hold them
    CKTCommandBars* m_pCommandBars = NULL;  // the owner
};
