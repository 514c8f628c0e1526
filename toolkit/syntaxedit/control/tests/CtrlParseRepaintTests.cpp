// A block the background parse announces on screen repaints the control at once, whichever way the view came to
// show it: its top row set, the scroll bar, a caret move, a move past the view's edge, a fold, a resize.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "EditTestWindow.h"
#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexTextSchema.h"

namespace
{
const int kRows = 200;
const int kCommentFirst = 10;
const int kCommentLast = 40;
const int kWidth = 600;
const int kHeight = 300;  // the control's; its parent is twice as tall, room to grow

// Plain rows and one block comment, which the C scheme folds.
std::string CommentedText()
{
    std::string strText;
    for (int nRow = 1; nRow <= kRows; ++nRow)
    {
        if (nRow == kCommentFirst)
            strText += "/* start\r\n";
        else if (nRow == kCommentLast)
            strText += "   end */\r\n";
        else if (nRow > kCommentFirst && nRow < kCommentLast)
            strText += "   comment\r\n";
        else
            strText += "int f" + std::to_string(nRow) + ";\r\n";
    }
    return strText;
}

// The control with the pace of its parse repaints set aside on request, and what its paints were asked to cover.
class CPaintWatchedCtrl : public CKTSyntaxEditCtrl
{
public:
    // As if the last repaint for the parse were long past: the next block on screen repaints at once.
    void ForgetParseRepaint() { m_dwLastParseRepaint = ::GetTickCount() - 3600000; }
    CRect m_rcPainted;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        CRect rc;
        if (message == WM_PAINT && ::GetUpdateRect(m_hWnd, &rc, FALSE))
            ::UnionRect(&m_rcPainted, &m_rcPainted, &rc);
        return CKTSyntaxEditCtrl::WindowProc(message, wParam, lParam);
    }
};

class CParseRepaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto pCtrl = std::make_unique<CPaintWatchedCtrl>();
        m_pCtrl = pCtrl.get();
        m_window = std::make_unique<CEditTestWindow>(std::move(pCtrl), FALSE, kWidth, 2 * kHeight);
        m_window->LoadText(CommentedText());
        ASSERT_TRUE(PumpUntil([this] { return m_window->ParseEnded(); }, kColdWineDeadlineMs));
        Ctrl().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_EQ(Ctrl().GetFolding().GetRowState(kCommentFirst), 0x02u);
    }
    CPaintWatchedCtrl& Ctrl() { return *m_pCtrl; }
    // The view at the top of the unfolded text, in its first height.
    void Restart()
    {
        Ctrl().ExpandAll();
        Ctrl().MoveWindow(0, 0, kWidth, kHeight);
        Ctrl().SetTopRow(1);
        Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
        PumpMessages();
    }
    // As the parser adapter announces a block it parsed, from the row to the next.
    void Announce(int nRow)
    {
        CKTLexBlockPtr block = Ctrl().GetTextSchema()->NewBlock();
        block->m_posStart = {nRow, 0};
        block->m_posEnd = {nRow + 1, 0};
        Ctrl().ForgetParseRepaint();
        m_window->Buffer()->GetConnection()->SendEvent(CKTSyntaxEditLexParser::ktEditOnTextBlockParsed,
                                                       WPARAM(block.GetInterface()), 0);
    }
    // A block on the view's last row announced: whether the paint it asked for at once covered that row.
    BOOL LastRowRepaints()
    {
        int nLast = Ctrl().GetBottomRow(Ctrl().GetVisibleRows());
        int y = (Ctrl().GetDisplayRowCount(Ctrl().GetTopRow(), nLast) - 1) * Ctrl().GetRowHeight();
        CRect rcClient;
        Ctrl().GetClientRect(&rcClient);
        CRect rcRow(0, y, rcClient.right, y + Ctrl().GetRowHeight());
        Ctrl().m_rcPainted.SetRectEmpty();
        Announce(nLast);
        CRect rcCovered;
        return rcCovered.IntersectRect(Ctrl().m_rcPainted, rcRow) && rcCovered == rcRow;
    }

    std::unique_ptr<CEditTestWindow> m_window;
    CPaintWatchedCtrl* m_pCtrl = nullptr;
};

struct CViewMove
{
    const char* pszName;
    std::function<void(CKTSyntaxEditCtrl&)> prepare;
    std::function<void(CKTSyntaxEditCtrl&)> move;
};

// Before each move the control judges a block announced far below, as a parse announces those it passes, while the
// view still stands where it was; after it, a block on the last row it shows is judged by what it shows now.
TEST_F(CParseRepaintTest, ABlockParsedOnTheLastRowShownRepaintsItWhicheverWayTheViewMoved)
{
    const auto nothing = [](CKTSyntaxEditCtrl&) {};
    const CViewMove moves[] = {
        {"top row set", nothing, [](CKTSyntaxEditCtrl& ctrl) { ctrl.SetTopRow(60); }},
        {"scroll bar", nothing,
         [](CKTSyntaxEditCtrl& ctrl) { ctrl.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0); }},
        {"caret moved below the view", nothing,
         [](CKTSyntaxEditCtrl& ctrl) { ctrl.SetCurrentPosition(120, 1, FALSE, TRUE); }},
        {"move down from the last row",
         [](CKTSyntaxEditCtrl& ctrl)
         { ctrl.SetCurrentPosition(ctrl.GetBottomRow(ctrl.GetVisibleRows()), 1, FALSE, TRUE); },
         [](CKTSyntaxEditCtrl& ctrl) { ctrl.MoveDown(10); }},
        {"move up from the top row",
         [](CKTSyntaxEditCtrl& ctrl)
         {
             ctrl.SetTopRow(60);
             ctrl.SetCurrentPosition(60, 1, FALSE, TRUE);
         },
         [](CKTSyntaxEditCtrl& ctrl) { ctrl.MoveUp(10); }},
        {"fold over the top row", [](CKTSyntaxEditCtrl& ctrl) { ctrl.SetTopRow(kCommentFirst + 5); },
         [](CKTSyntaxEditCtrl& ctrl) { ctrl.ToggleCollapse(kCommentFirst); }},
        {"resize", nothing, [](CKTSyntaxEditCtrl& ctrl) { ctrl.MoveWindow(0, 0, kWidth, 2 * kHeight); }},
    };
    for (const CViewMove& move : moves)
    {
        SCOPED_TRACE(move.pszName);
        Restart();
        move.prepare(Ctrl());
        const int nLastBefore = Ctrl().GetBottomRow(Ctrl().GetVisibleRows());
        Announce(kRows - 1);
        move.move(Ctrl());
        ASSERT_NE(Ctrl().GetBottomRow(Ctrl().GetVisibleRows()), nLastBefore);
        EXPECT_TRUE(LastRowRepaints());
    }
}
}  // namespace
