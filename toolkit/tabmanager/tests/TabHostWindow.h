// A window that hosts one tab strip as the toolkit's windows do, and records the tabs it was told were clicked.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTSmartPtr.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

class CTabHostWindow : public CWnd, public CKTTabManager, public CKTTabPainter::CObserver
{
public:
    // A shown top-level window of the client size with the given number of tabs "Tab 1", "Tab 2", ...
    explicit CTabHostWindow(int nTabs = 5, CSize szClient = CSize(400, 60), DWORD dwExStyle = 0);
    ~CTabHostWindow() override;

    CKTTabPainter* GetPaintManager() const override { return m_pPainter; }
    void Reposition() override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    void OnItemClick(CKTTabManagerItem* pItem) override;
    void OnPropertyChanged() override { Reposition(); }
    void OnNavigateButtonClick(UINT nID) override { m_arrButtonClicks.push_back(nID); }

    CPoint CentreOf(int nTab) const { return GetItem(nTab)->GetRect().CenterPoint(); }
    CString Order() const;  // the captions' numbers in list order, e.g. "21345"

    // Three edge colours told apart, so a test reads which line a look draws where.
    struct CEdgeColours
    {
        COLORREF clrOuter, clrInner, clrFace;
    };
    // Takes that look with the three edge colours and selects the first tab.
    CEdgeColours UseDistinctEdges(int nAppearance);

    std::vector<int> m_arrClicked;        // indexes given to OnItemClick
    std::vector<UINT> m_arrButtonClicks;  // ids of navigate buttons clicked
    std::vector<int> m_arrOffsets;        // scroll offsets as the layouts saw them change
    int m_nQuitCode = -1;                 // a quit found waiting once a press was handled, -1 for none
    BOOL m_bIcons = FALSE;                // tabs show a 16-pixel icon
    std::vector<int> m_arrIconWidths;     // room an undrawn icon takes in each tab, to give tabs known lengths
    CSize m_szOwnIcon = CSize(0, 0);      // the icon size the strip answers when asked without a tab; 0: none

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
    // A second press soon after the first is a press all the same.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt) { OnLButtonDown(nFlags, pt); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint pt);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    CKTSmartPtr<CKTTabPainter> m_pPainter;
};
