// Two editors of one document side by side in a splitter: an edit in one pane shows in the other,
// and panes sharing the vertical bar scroll together.
#include <gtest/gtest.h>

#include <afxwin_splitter.h>

#include <functional>
#include <vector>

#include "EditorAppTest.h"
#include "InputBuilder.h"
#include "MessagePump.h"
#include "KTSyntaxEditNotify.h"
#include "PixelImage.h"
#include "TestInput.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
// The bar runs a loop of its own while the button is down, so the whole drag goes in at once.
bool DragAtOnce(CWnd* pWnd, CPoint ptFrom, CPoint ptTo, const std::function<bool()>& bDone)
{
    CTestInput foreground(pWnd->GetSafeHwnd());
    pWnd->ClientToScreen(&ptFrom);
    pWnd->ClientToScreen(&ptTo);
    std::vector<INPUT> inputs;
    InputBuilder::AddDrag(inputs, ptFrom, ptTo, 2);
    return foreground.Send(inputs) && PumpUntil(bDone, kColdWineDeadlineMs);
}

class CSplitEditorFrame : public CFrameWnd
{
public:
    CSplitterWnd m_wndSplitter;
    int m_nRows = 1;
    int m_nCols = 2;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        const CSize first = m_nCols > 1 ? CSize(300, 0) : CSize(0, 150);
        return m_wndSplitter.CreateStatic(this, m_nRows, m_nCols, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL) &&
               m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CKTSyntaxEditView), first, pContext) &&
               m_wndSplitter.CreateView(m_nRows - 1, m_nCols - 1, RUNTIME_CLASS(CKTSyntaxEditView), CSize(0, 0),
                                        pContext);
    }
};

class CSplitEditorTest : public CEditorAppTest
{
protected:
    void SetUp() override
    {
        m_pDoc = static_cast<CKTSyntaxEditDoc*>(RUNTIME_CLASS(CKTSyntaxEditDoc)->CreateObject());
        ASSERT_TRUE(m_pDoc->OnNewDocument());
        CCreateContext context;
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(
            m_pFrame->Create(NULL, "Split", WS_OVERLAPPEDWINDOW, CRect(60, 60, 700, 460), NULL, NULL, 0, &context));
        m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
        ::SetForegroundWindow(m_pFrame->GetSafeHwnd());
        PumpPending();
    }
    // The document goes with its last view.
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    CKTSyntaxEditCtrl* Pane(int nCol, int nRow = 0)
    {
        return static_cast<CKTSyntaxEditView*>(m_pFrame->m_wndSplitter.GetPane(nRow, nCol))->GetEditCtrl();
    }
    // The first text row of a pane, as painted.
    static CPixelImage FirstRow(CKTSyntaxEditCtrl* pCtrl)
    {
        CRect rc;
        pCtrl->GetClientRect(&rc);
        rc.bottom = pCtrl->GetRowHeight();
        pCtrl->ClientToScreen(&rc);
        return CPixelImage::FromScreen(rc);
    }
    static bool SameImage(const CPixelImage& a, const CPixelImage& b)
    {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    }
    // Wine shows a window's painting only once its thread waits, and a loaded machine may take a while.
    static bool ChangesOnScreen(CKTSyntaxEditCtrl* pCtrl, const CPixelImage& old)
    {
        return PumpUntil([&] { return !SameImage(old, FirstRow(pCtrl)); }, kColdWineDeadlineMs);
    }

    // Rows "row 1" .. "row N" and a caret at the start.
    void FillRows(int nRows)
    {
        CString strRows;
        for (int i = 1; i <= nRows; ++i)
            strRows.AppendFormat("row %d of a text wide enough to scroll sideways in a narrow pane\r\n", i);
        Pane(0)->InsertString(strRows, 1, 1);
        Pane(0)->SetFocus();
        Pane(0)->SetCurrentPosition(1, 1, FALSE, TRUE);
        PumpPending();
    }
    CScrollBar* SharedBar(int nBar, int nCol = 0)
    {
        return m_pFrame->m_wndSplitter.GetPane(0, nCol)->GetScrollBarCtrl(nBar);
    }
    static int BarPos(CScrollBar* pBar) { return ::GetScrollPos(pBar->GetSafeHwnd(), SB_CTL); }
    // The thumb's rectangle in the bar's client coordinates.
    static CRect Thumb(CScrollBar* pBar)
    {
        SCROLLBARINFO info = {sizeof(SCROLLBARINFO)};
        EXPECT_TRUE(::GetScrollBarInfo(pBar->GetSafeHwnd(), OBJID_CLIENT, &info));
        CRect rc;
        pBar->GetClientRect(&rc);
        if (pBar->GetStyle() & SBS_VERT)
            return CRect(0, info.xyThumbTop, rc.right, info.xyThumbBottom);
        return CRect(info.xyThumbTop, 0, info.xyThumbBottom, rc.bottom);
    }

    CSplitEditorFrame* m_pFrame = new CSplitEditorFrame;  // deletes itself with its window
    CKTSyntaxEditDoc* m_pDoc = NULL;
};

TEST_F(CSplitEditorTest, TypingInOnePaneRepaintsTheOther)
{
    CKTSyntaxEditCtrl* pLeft = Pane(0);
    CKTSyntaxEditCtrl* pRight = Pane(1);
    ASSERT_EQ(pLeft->GetBuffer(), pRight->GetBuffer());
    EXPECT_TRUE(pLeft->GetUseParentScrollBars());
    CPixelImage before = FirstRow(pRight);

    CTestInput input(pLeft->GetSafeHwnd());
    pLeft->SetFocus();
    ASSERT_TRUE(input.Text("wxyz"));
    EXPECT_STREQ(m_pDoc->GetDataManager()->GetLineTextEx(1), "wxyz");
    EXPECT_TRUE(ChangesOnScreen(pRight, before));

    CPixelImage typed = FirstRow(pRight);
    m_pFrame->m_wndSplitter.GetPane(0, 0)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ(m_pDoc->GetDataManager()->GetLineTextEx(1), "");
    EXPECT_TRUE(ChangesOnScreen(pRight, typed));
}

// A selection stays in the pane where it was made: acting in another pane, by a click or an undo, leaves none
// drawn over text that may have moved meanwhile.
TEST_F(CSplitEditorTest, AClickOrAnUndoInOnePaneClearsTheSelectionShownInTheOther)
{
    FillRows(10);
    CKTSyntaxEditCtrl* pLeft = Pane(0);
    CKTSyntaxEditCtrl* pRight = Pane(1);
    auto selected = [](CKTSyntaxEditCtrl* pCtrl)
    {
        const CKTSyntaxEditPaintManager* pPaint = KTSyntaxEditPaintManager();
        CPixelImage row = FirstRow(pCtrl);
        return row.CountNear(pPaint->GetColor(CKTSyntaxEditPaintManager::ktColorSelBack)) +
               row.CountNear(pPaint->GetColor(CKTSyntaxEditPaintManager::ktColorInactiveSelBack));
    };
    auto selectInLeft = [&]
    {
        pLeft->Select(1, 1, 1, 12);
        pLeft->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_TRUE(PumpUntil([&] { return selected(pLeft) > 0; }, kColdWineDeadlineMs));
    };

    selectInLeft();
    CTestInput input(pRight->GetSafeHwnd());
    ASSERT_TRUE(input.Click({pRight->GetTextLeft() + 20, pRight->GetRowHeight() * 3}));
    EXPECT_FALSE(pLeft->HasSelection());
    EXPECT_TRUE(PumpUntil([&] { return selected(pLeft) == 0; }, kColdWineDeadlineMs)) << "after a click";

    ASSERT_TRUE(input.Text("q"));
    selectInLeft();
    m_pFrame->m_wndSplitter.GetPane(0, 1)->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_FALSE(pLeft->HasSelection());
    EXPECT_TRUE(PumpUntil([&] { return selected(pLeft) == 0; }, kColdWineDeadlineMs)) << "after an undo";
}

TEST_F(CSplitEditorTest, PanesOfARowShareTheTopRow)
{
    CKTSyntaxEditCtrl* pLeft = Pane(0);
    CString strRows;
    for (int i = 0; i < 100; ++i)
        strRows += "row\r\n";
    pLeft->InsertString(strRows, 1, 1);
    pLeft->SetFocus();
    pLeft->SetCurrentPosition(1, 1, FALSE, TRUE);
    EXPECT_EQ(Pane(1)->GetTopRow(), 1);
    pLeft->Scroll(0, 30);
    PumpPending();
    EXPECT_EQ(pLeft->GetTopRow(), 31);
    EXPECT_EQ(Pane(1)->GetTopRow(), 31);
    Pane(1)->Scroll(0, -10);
    EXPECT_EQ(pLeft->GetTopRow(), 21);

    // Without the splitter's bars the panes still scroll together and grow no bars of their own.
    auto* pView = static_cast<CKTSyntaxEditView*>(m_pFrame->m_wndSplitter.GetPane(0, 0));
    ASSERT_TRUE(pView->SetScrollBars(FALSE, FALSE, FALSE, TRUE));
    EXPECT_EQ(m_pFrame->m_wndSplitter.GetScrollStyle(), 0u);
    pLeft->Scroll(0, 5);
    PumpPending();
    EXPECT_EQ(Pane(1)->GetTopRow(), 26);
    for (int nCol : {0, 1})
        EXPECT_FALSE(m_pFrame->m_wndSplitter.GetPane(0, nCol)->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(CSplitEditorTest, TheSharedVerticalBarScrollsEveryPaneOfItsRow)
{
    FillRows(300);
    CScrollBar* pBar = SharedBar(SB_VERT);
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar, SharedBar(SB_VERT, 1));
    SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL};
    ASSERT_TRUE(pBar->GetScrollInfo(&si));
    EXPECT_EQ(si.nMax, Pane(0)->GetRowCount());
    EXPECT_EQ(int(si.nPage), Pane(0)->GetVisibleRows());
    EXPECT_FALSE(Pane(0)->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(m_pFrame->m_wndSplitter.GetPane(0, 0)->GetStyle() & WS_VSCROLL)
        << "the panes show no bars of their own";

    CPixelImage before = FirstRow(Pane(1));
    CRect rcBar;
    pBar->GetClientRect(&rcBar);
    CRect rcThumb = Thumb(pBar);
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click({rcBar.CenterPoint().x, (rcThumb.bottom + rcBar.bottom) / 2}));
    PumpPending();
    const int nPage = Pane(0)->GetVisibleRows();
    EXPECT_EQ(Pane(0)->GetTopRow(), 1 + nPage);
    EXPECT_EQ(Pane(1)->GetTopRow(), 1 + nPage);
    EXPECT_EQ(BarPos(pBar), 1 + nPage) << "one page, however many panes share the bar";
    EXPECT_TRUE(ChangesOnScreen(Pane(1), before));

    rcThumb = Thumb(pBar);
    CPoint ptFrom = rcThumb.CenterPoint();
    ASSERT_TRUE(DragAtOnce(pBar, ptFrom, ptFrom + CPoint(0, rcBar.Height() / 3),
                           [&] { return ::GetCapture() == NULL && Pane(1)->GetTopRow() > 1 + nPage; }));
    PumpPending();
    int nTop = Pane(0)->GetTopRow();
    EXPECT_GT(nTop, 1 + nPage + 50);
    EXPECT_EQ(Pane(1)->GetTopRow(), nTop);
    EXPECT_EQ(BarPos(pBar), nTop);
}

TEST_F(CSplitEditorTest, AColumnsHorizontalBarScrollsOnlyThatColumn)
{
    FillRows(30);
    CScrollBar* pBar = SharedBar(SB_HORZ, 0);
    ASSERT_NE(pBar, nullptr);
    EXPECT_NE(pBar, SharedBar(SB_HORZ, 1));
    CRect rcBar;
    pBar->GetClientRect(&rcBar);
    CRect rcThumb = Thumb(pBar);
    ASSERT_TRUE(CTestInput(pBar->GetSafeHwnd()).Click({(rcThumb.right + rcBar.right) / 2, rcBar.CenterPoint().y}));
    PumpPending();
    SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL};
    ASSERT_TRUE(pBar->GetScrollInfo(&si));
    EXPECT_EQ(Pane(0)->GetHorzPos(), int(si.nPage));
    EXPECT_EQ(si.nPos, int(si.nPage));
    EXPECT_EQ(Pane(1)->GetHorzPos(), 0);
}

// One pane above the other: they share the horizontal bar, each keeps its own rows.
class CSplitRowsTest : public CSplitEditorTest
{
protected:
    void SetUp() override
    {
        m_pFrame->m_nRows = 2;
        m_pFrame->m_nCols = 1;
        CSplitEditorTest::SetUp();
    }
};

TEST_F(CSplitRowsTest, TheCaretGoingSidewaysInOnePaneTakesThePaneBelowAlongButNotItsRows)
{
    CString strRows;
    for (int i = 0; i < 60; ++i)
        strRows += CString('x', 300) + "\r\n";
    Pane(0)->InsertString(strRows, 1, 1);
    Pane(0)->SetFocus();
    Pane(0)->SetCurrentPosition(1, 1, FALSE, TRUE);
    CKTSyntaxEditCtrl* pBelow = Pane(0, 1);
    pBelow->SetTopRow(30);
    pBelow->SetCurrentPosition(35, 1, FALSE, FALSE);
    PumpPending();
    ASSERT_TRUE(CTestInput(Pane(0)->GetSafeHwnd()).Key(VK_END));
    ASSERT_TRUE(PumpUntil([&] { return Pane(0)->GetHorzPos() > 0; }, kColdWineDeadlineMs));
    EXPECT_EQ(pBelow->GetHorzPos(), Pane(0)->GetHorzPos());
    EXPECT_EQ(pBelow->GetCurrentDispCol(), Pane(0)->GetCurrentDispCol());
    EXPECT_EQ(pBelow->GetCurrentRow(), 35);
    EXPECT_EQ(pBelow->GetTopRow(), 30);
    EXPECT_EQ(Pane(0)->GetTopRow(), 1);
}
}  // namespace
