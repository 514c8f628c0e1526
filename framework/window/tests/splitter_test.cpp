// A frame split into two rows and two columns of views: where the panes lie,
// which one is active, and the shared scroll bars that scroll a column or a
// row of panes together, clicked with the real mouse.
#include <gtest/gtest.h>
#include <vector>
#include "afxext.h"
#include "TestApp.h"
#include "TestInput.h"

namespace
{

// A view that records the scroll messages it receives.
class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    std::vector<UINT> m_scrollCodes;  // nSBCode of each WM_HSCROLL
    HWND m_hWndLastBar = nullptr;

protected:
    void OnDraw(CDC*) override {}
    afx_msg void OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar)
    {
        m_scrollCodes.push_back(nSBCode);
        m_hWndLastBar = pScrollBar->GetSafeHwnd();
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CPaneView, CView)

BEGIN_MESSAGE_MAP(CPaneView, CView)
ON_WM_HSCROLL()
END_MESSAGE_MAP()

class CSplitFrame : public CFrameWnd
{
public:
    CSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_wndSplitter.CreateStatic(this, 2, 2) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(150, 100), pContext) &&
               m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(0, 100), pContext) &&
               m_wndSplitter.CreateView(1, 0, RUNTIME_CLASS(CPaneView), CSize(150, 0), pContext) &&
               m_wndSplitter.CreateView(1, 1, RUNTIME_CLASS(CPaneView), CSize(0, 0), pContext);
    }
};

CRect PaneRect(CSplitterWnd& splitter, int row, int col)
{
    CRect rect;
    splitter.GetPane(row, col)->GetWindowRect(&rect);
    splitter.ScreenToClient(&rect);
    return rect;
}

class SplitterTest : public ::testing::Test
{
protected:
    CSplitFrame* m_pFrame = new CSplitFrame;  // deletes itself with its window
    CSplitterWnd& m_splitter = m_pFrame->m_wndSplitter;

    void SetUp() override
    {
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Split", WS_OVERLAPPEDWINDOW, CRect(100, 100, 520, 420)));
        m_pFrame->InitialUpdateFrame(nullptr, TRUE);
        PumpPending();
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    CPaneView* Pane(int row, int col) { return static_cast<CPaneView*>(m_splitter.GetPane(row, col)); }
};

}  // namespace

TEST_F(SplitterTest, PanesTileTheFrameByRowAndColumn)
{
    EXPECT_TRUE(Pane(1, 1)->GetParent()->IsKindOf(RUNTIME_CLASS(CSplitterWnd)));
    EXPECT_EQ(2, m_splitter.GetRowCount());
    EXPECT_EQ(2, m_splitter.GetColumnCount());
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16 + 1, Pane(1, 1)->GetDlgCtrlID());
    EXPECT_EQ(nullptr, m_splitter.GetPane(2, 0));

    CRect client;
    m_splitter.GetClientRect(&client);
    const int nGap = CSplitterWnd::kSplitterGap;
    EXPECT_EQ(CRect(0, 0, 150, 100), PaneRect(m_splitter, 0, 0));
    EXPECT_EQ(CRect(150 + nGap, 0, client.right, 100), PaneRect(m_splitter, 0, 1));
    EXPECT_EQ(CRect(150 + nGap, 100 + nGap, client.right, client.bottom), PaneRect(m_splitter, 1, 1));
    int cxCur = 0, cxMin = 0;
    m_splitter.GetColumnInfo(1, cxCur, cxMin);
    EXPECT_EQ(client.right - 150 - nGap, cxCur) << "the last column takes the rest";
}

TEST_F(SplitterTest, FirstPaneStartsActiveAndAnyPaneCanBeMadeActive)
{
    int row = -1, col = -1;
    EXPECT_EQ(Pane(0, 0), m_splitter.GetActivePane(&row, &col));
    EXPECT_EQ(0, row);
    EXPECT_EQ(0, col);
    m_splitter.SetActivePane(1, 1);
    EXPECT_EQ(Pane(1, 1), m_splitter.GetActivePane(&row, &col));
    EXPECT_EQ(1, row);
    EXPECT_EQ(1, col);
    EXPECT_EQ(Pane(1, 1), m_pFrame->GetActiveView());
}

TEST_F(SplitterTest, SharedBarScrollsItsColumnAndTakesThePanesScrollCalls)
{
    m_splitter.SetScrollStyle(WS_HSCROLL | WS_VSCROLL);
    m_splitter.RecalcLayout();
    EXPECT_EQ(DWORD(WS_HSCROLL | WS_VSCROLL), m_splitter.GetScrollStyle());
    CScrollBar* pBar = Pane(0, 1)->GetScrollBarCtrl(SB_HORZ);
    ASSERT_NE(nullptr, pBar);
    EXPECT_EQ(AFX_IDW_HSCROLL_FIRST + 1, pBar->GetDlgCtrlID());
    EXPECT_EQ(pBar, Pane(1, 1)->GetScrollBarCtrl(SB_HORZ)) << "one bar for the column";
    ASSERT_NE(nullptr, Pane(1, 0)->GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(AFX_IDW_VSCROLL_FIRST + 1, Pane(1, 0)->GetScrollBarCtrl(SB_VERT)->GetDlgCtrlID());

    Pane(0, 1)->SetScrollRange(SB_HORZ, 0, 100);
    Pane(0, 1)->SetScrollPos(SB_HORZ, 40);
    EXPECT_EQ(40, ::GetScrollPos(pBar->m_hWnd, SB_CTL)) << "the pane's call went to the shared bar";
    EXPECT_EQ(40, Pane(1, 1)->GetScrollPos(SB_HORZ));
    EXPECT_FALSE(Pane(0, 1)->GetStyle() & WS_HSCROLL);
    Pane(0, 1)->EnableScrollBarCtrl(SB_HORZ, FALSE);
    EXPECT_FALSE(pBar->IsWindowEnabled());
    Pane(0, 1)->EnableScrollBarCtrl(SB_HORZ, TRUE);
    EXPECT_TRUE(pBar->IsWindowEnabled());

    CRect rectBar;
    pBar->GetClientRect(&rectBar);
    ASSERT_TRUE(CTestInput(pBar->m_hWnd).Click(CPoint(rectBar.right - rectBar.Height() / 2, rectBar.Height() / 2)));
    ASSERT_FALSE(Pane(1, 1)->m_scrollCodes.empty());
    EXPECT_EQ(SB_LINERIGHT, Pane(0, 1)->m_scrollCodes.front());
    EXPECT_EQ(SB_LINERIGHT, Pane(1, 1)->m_scrollCodes.front());
    EXPECT_EQ(pBar->m_hWnd, Pane(1, 1)->m_hWndLastBar);
    EXPECT_TRUE(Pane(0, 0)->m_scrollCodes.empty()) << "the other column did not scroll";

    m_splitter.SetScrollStyle(0);
    EXPECT_EQ(nullptr, Pane(0, 1)->GetScrollBarCtrl(SB_HORZ));
}

TEST(ScrollBarCtrl, WindowWithoutAStandInShowsItsOwnBar)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "own bars", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    wnd.EnableScrollBarCtrl(SB_VERT, TRUE);
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL);
    wnd.SetScrollRange(SB_VERT, 0, 50);
    wnd.SetScrollPos(SB_VERT, 20);
    EXPECT_EQ(20, ::GetScrollPos(wnd.m_hWnd, SB_VERT));
    wnd.EnableScrollBarCtrl(SB_VERT, FALSE);
    EXPECT_FALSE(wnd.GetStyle() & WS_VSCROLL);
    wnd.DestroyWindow();
}
