// Display rows around folded blocks, caret placement, hit testing, scrolling and the mouse wheel.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "MessageRecorder.h"
#include "TestInput.h"

#include <string>
#include <vector>

namespace
{
void Fold(CKTSyntaxEditCtrl& ctrl, int nStartRow, int nEndRow)
{
    KT_EDIT_LINEMARK_PARAM param;
    KT_EDIT_COLLAPSED_MARK* pMark = KT_EDIT_COLLAPSED_MARK::Attach(param);
    pMark->block.nStartLine = nStartRow;
    pMark->block.nStartCol = 3;
    pMark->block.nEndLine = nEndRow;
    pMark->block.nEndCol = 1;
    pMark->block.strCollapsedText = "[..]";
    ctrl.GetLineMarksManager()->AddLineMark(nStartRow, KT_EDIT_MARK_COLLAPSED, &param);
}

SCROLLINFO BarInfo(HWND hWnd, int nBar)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(hWnd, nBar, &si);
    return si;
}

TEST(CtrlRows, AFoldedBlockHidesTheRowsAfterItsFirst)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    Fold(ctrl, 5, 9);
    Fold(ctrl, 7, 15);  // inside the first block's hidden rows: passed over
    Fold(ctrl, 30, 31);
    EXPECT_EQ(ctrl.GetRowAtDisplayOffset(1, 6), 10);
    EXPECT_EQ(ctrl.GetDisplayRowCount(1, 20), 16);
    EXPECT_EQ(ctrl.GetDisplayRow(12), 8);
    EXPECT_EQ(ctrl.GetDisplayRow(-1), ctrl.GetRowCount() - 5);
    EXPECT_EQ(ctrl.GetRowAtDisplayOffset(1, 30), 35);
    int nHidden = 0;
    EXPECT_TRUE(ctrl.IsRowCollapsed(5, &nHidden));
    EXPECT_EQ(nHidden, 4);
    EXPECT_EQ(ctrl.GetLineText(5), window.Buffer()->GetLineTextEx(5).Left(2));
}

TEST(CtrlRows, EnsureVisibleMovesTheScrollBarsItReports)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == ctrl.GetSafeHwnd(); }));
    int nVisible = ctrl.GetVisibleRows();
    int nCols = ctrl.GetVisibleColumns();
    int nLongRow = 1;
    for (int row = 1; row <= nVisible; ++row)
    {
        if (window.Buffer()->GetLineLength(row) > window.Buffer()->GetLineLength(nLongRow))
            nLongRow = row;
    }
    int nEndCol = ctrl.GetRowEndColumn(window.Buffer()->GetLineTextEx(nLongRow));
    ASSERT_GT(nEndCol, nCols);
    ctrl.EnsureVisible(nLongRow, nEndCol, TRUE, TRUE);
    EXPECT_EQ(ctrl.GetHorzPos(), nEndCol - nCols + 20);
    EXPECT_EQ(BarInfo(ctrl, SB_HORZ).nPos, ctrl.GetHorzPos());
    EXPECT_EQ(ctrl.GetCaretPoint().x, ctrl.GetTextLeft() + (nCols - 21) * ctrl.GetCharWidth());
    ctrl.EnsureVisible(nLongRow, 5, TRUE, TRUE);
    EXPECT_EQ(BarInfo(ctrl, SB_HORZ).nPos, 0);
    EXPECT_EQ(ctrl.GetCaretPoint().x, ctrl.GetTextLeft() + 4 * ctrl.GetCharWidth());

    ctrl.SetCurrentPosition(300, 1, FALSE, TRUE);
    EXPECT_EQ(ctrl.GetTopRow(), 300 - nVisible + 1);
    EXPECT_EQ(BarInfo(ctrl, SB_VERT).nPos, ctrl.GetTopRow());
    ctrl.SetCurrentPosition(2, 1, FALSE, TRUE);
    EXPECT_EQ(ctrl.GetTopRow(), 2);
    EXPECT_EQ(BarInfo(ctrl, SB_VERT).nPos, 2);
}

// Rows longer than half the view but shorter than it: the bar's range holds half a screen more than the
// rows, so it is needed by one count and not by another. It came and went on every resize, each time
// resizing the view again, and opening such a file took half a minute.
TEST(CtrlRows, TheHorizontalBarStaysPutForRowsWiderThanHalfTheView)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    const int nCols = ctrl.GetVisibleColumns();
    std::string strRow, strText;
    while (int(strRow.size()) < nCols * 3 / 4)
        strRow += "previous generation, ";
    strRow.resize(nCols * 3 / 4);
    for (int i = 0; i < 300; ++i)
        strText += strRow + "\r\n";
    CMemFile file(reinterpret_cast<BYTE*>(&strText[0]), UINT(strText.size()));
    window.Buffer()->Load(&file, ".c");
    ctrl.RecalcScrollBars();
    CRect rcShown;
    ctrl.GetClientRect(&rcShown);

    CMessageRecorder sizes({ctrl.GetSafeHwnd()}, {WM_SIZE});
    ctrl.Scroll(0, 1);
    CRect rcScrolled;
    ctrl.GetClientRect(&rcScrolled);
    EXPECT_EQ(rcScrolled, rcShown);
    EXPECT_TRUE(ctrl.GetStyle() & WS_HSCROLL);
    EXPECT_EQ(BarInfo(ctrl, SB_HORZ).nMax, int(strRow.size()) + ctrl.GetVisibleColumns() / 2);

    CRect rcWindow;
    ctrl.GetWindowRect(&rcWindow);
    ctrl.SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height() - 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(sizes.Messages().size(), 1u);
    EXPECT_TRUE(ctrl.GetStyle() & WS_HSCROLL);
}

// The bar's range is that of the rows in view: paging down onto wider rows widens it at once.
TEST(CtrlRows, PagingOntoWiderRowsWidensTheHorizontalBar)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    const int nVisible = ctrl.GetVisibleRows();
    const std::string strWide(300, 'w');
    std::string strText;
    for (int i = 0; i < nVisible * 2; ++i)
        strText += "short row\r\n";
    for (int i = 0; i < nVisible * 2; ++i)
        strText += strWide + "\r\n";
    CMemFile file(reinterpret_cast<BYTE*>(&strText[0]), UINT(strText.size()));
    window.Buffer()->Load(&file, ".c");
    ctrl.RecalcScrollBars();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == ctrl.GetSafeHwnd(); }));
    ASSERT_LT(BarInfo(ctrl, SB_HORZ).nMax, 300);

    CTestInput input(ctrl.GetSafeHwnd());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(input.Key(VK_NEXT));
    ASSERT_TRUE(PumpUntil([&] { return ctrl.GetTopRow() > nVisible * 2; }));
    EXPECT_EQ(BarInfo(ctrl, SB_HORZ).nMax, 300 + ctrl.GetVisibleColumns() / 2);
}

TEST(CtrlRows, TheMouseWheelScrollsFourRowsPerNotch)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    CTestInput input(ctrl.GetSafeHwnd());
    POINT pt = {200, 100};
    window.Parent().Clear();
    ASSERT_TRUE(input.Wheel(pt, -WHEEL_DELTA));
    EXPECT_EQ(ctrl.GetTopRow(), 5);
    ASSERT_TRUE(input.Wheel(pt, -WHEEL_DELTA));
    EXPECT_EQ(ctrl.GetTopRow(), 9);
    ASSERT_TRUE(input.Wheel(pt, WHEEL_DELTA));
    EXPECT_EQ(ctrl.GetTopRow(), 5);
    auto changes = window.Parent().Of(KT_EDIT_NM_VIEWCHANGED);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].nFirst, KT_EDIT_VIEW_VERT);
}

TEST(CtrlCaret, TheCaretStandsAtItsRowAndColumnAndIsAnnounced)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == ctrl.GetSafeHwnd(); }));
    window.Parent().Clear();
    ctrl.SetCurrentPosition(12, 5, FALSE, TRUE);
    CPoint pt = ctrl.GetCaretPoint();
    EXPECT_EQ(pt.x, ctrl.GetTextLeft() + 4 * ctrl.GetCharWidth());
    EXPECT_EQ(pt.y, 11 * ctrl.GetRowHeight());
    auto moves = window.Parent().Of(KT_EDIT_NM_CARETMOVED);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().nFirst, 12);
    EXPECT_EQ(moves.back().nSecond, 5);

    // Row 14 starts with a tab: a column inside it snaps to the tab's end.
    ctrl.SetCurrentPosition(14, 2, FALSE, TRUE);
    EXPECT_EQ(ctrl.GetCurrentDispCol(), ctrl.GetTabSize() + 1);
    EXPECT_EQ(ctrl.GetCurrentChar(), 2);
    EXPECT_EQ(ctrl.GetCaretPoint().x, ctrl.GetTextLeft() + ctrl.GetTabSize() * ctrl.GetCharWidth());

    ctrl.SetCurrentRow(0);
    EXPECT_EQ(ctrl.GetCurrentRow(), 1);
    ctrl.SetCurrentRow(100000);
    EXPECT_EQ(ctrl.GetCurrentRow(), ctrl.GetRowCount());
}

// y / row height + 1: the first pixel line of the window belongs to the top row.
TEST(CtrlCaret, AClickOnTheTopPixelLineLandsOnTheTopRow)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetTopRow(20);
    int x = ctrl.GetTextLeft() + 3 * ctrl.GetCharWidth();
    int nRow = 0, nCol = 0, nOffset = 0;
    EXPECT_FALSE(ctrl.HitTest(x, 0, nRow, nCol, &nOffset));
    EXPECT_EQ(nRow, 20);
    EXPECT_EQ(nOffset, 1);
    EXPECT_EQ(nCol, 4);
    ctrl.HitTest(x, ctrl.GetRowHeight() - 1, nRow, nCol);
    EXPECT_EQ(nRow, 20);
    ctrl.HitTest(x, ctrl.GetRowHeight(), nRow, nCol);
    EXPECT_EQ(nRow, 21);
    EXPECT_TRUE(ctrl.HitTest(2, 0, nRow, nCol));
    EXPECT_EQ(nCol, 0);
}

TEST(CtrlSelection, StreamsHoldTheirLastColumnAndBlocksDoNot)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(ctrl.Select(12, 5, 14, 9, FALSE));
    EXPECT_TRUE(ctrl.IsInSelection(14, 9));
    EXPECT_TRUE(ctrl.IsInSelection(13, 1));
    EXPECT_FALSE(ctrl.IsInSelection(12, 4));
    ctrl.SetColumnSelection(TRUE);
    EXPECT_FALSE(ctrl.IsInSelection(14, 9));
    EXPECT_TRUE(ctrl.IsInSelection(13, 5));
    EXPECT_FALSE(ctrl.IsInSelection(13, 1));
    EXPECT_FALSE(ctrl.Select(0, 1, 2, 1, FALSE));
    EXPECT_FALSE(ctrl.ScrollUp(1));
}
}  // namespace

namespace
{
// Global memory blocks of one test, freed at its end.
class CGlobalBlock
{
public:
    explicit CGlobalBlock(HGLOBAL hData) : m_hData(hData) {}
    ~CGlobalBlock()
    {
        if (m_hData)
            ::GlobalFree(m_hData);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;
    template <class T>
    std::basic_string<T> Text() const
    {
        const T* p = static_cast<const T*>(::GlobalLock(m_hData));
        std::basic_string<T> text;
        if (p)
            text = p;
        ::GlobalUnlock(m_hData);
        return text;
    }
    HGLOBAL Get() const { return m_hData; }

private:
    HGLOBAL m_hData;
};

TEST(CtrlSelection, TheSelectedTextIsHandedOutAsAnsiOrUnicode)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    EXPECT_EQ(ctrl.GetSelectionData(CF_TEXT), HGLOBAL(NULL));
    ASSERT_TRUE(ctrl.Select(12, 1, 13, 2, FALSE));
    CGlobalBlock ansi(ctrl.GetSelectionData(CF_TEXT));
    CGlobalBlock wide(ctrl.GetSelectionData(CF_UNICODETEXT));
    CGlobalBlock other(ctrl.GetSelectionData(CF_BITMAP));
    CString strExpected = window.Buffer()->GetLineTextEx(12) + "\r\n ";
    EXPECT_EQ(ansi.Text<char>(), std::string(strExpected));
    EXPECT_EQ(wide.Text<wchar_t>().size(), size_t(strExpected.GetLength()));
    EXPECT_EQ(wide.Text<wchar_t>().substr(0, 6), L"static");
    EXPECT_EQ(other.Get(), HGLOBAL(NULL));
}
}  // namespace

namespace
{
void AddBookmarks(CKTSyntaxEditCtrl& ctrl, std::initializer_list<int> rows)
{
    for (int nRow : rows)
        ctrl.ToggleBookmark(nRow);
}
}  // namespace

// Bookmarks hidden in the caret's own folded block are passed over; the search wraps at both ends.
TEST(CtrlRows, BookmarksWrapBothWaysAndSkipTheCaretsFold)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    EXPECT_FALSE(ctrl.HasBookmarks());
    ctrl.NextBookmark();
    EXPECT_EQ(ctrl.GetCurrentRow(), 1) << "no bookmark: the caret stays";
    ctrl.GetLineMarksManager()->AddLineMark(3, KT_EDIT_MARK_BREAKPOINT);
    EXPECT_FALSE(ctrl.HasBookmarks()) << "a breakpoint is no bookmark";

    AddBookmarks(ctrl, {4, 12, 30, 60});
    Fold(ctrl, 10, 15);
    ctrl.SetCurrentPosition(10, 3, FALSE, TRUE);
    std::vector<int> rows;
    for (int i = 0; i < 4; ++i)
    {
        ctrl.NextBookmark();
        rows.push_back(ctrl.GetCurrentRow());
    }
    // 12 is hidden in the caret's fold at first; later the caret goes onto it, and the fold opens to show it.
    EXPECT_EQ(rows, std::vector<int>({30, 60, 4, 12}));
    EXPECT_EQ(ctrl.GetCurrentDispCol(), 1);
    EXPECT_FALSE(ctrl.IsRowCollapsed(10));
    EXPECT_EQ(ctrl.GetCaretPoint().y, (ctrl.GetDisplayRowCount(ctrl.GetTopRow(), 12) - 1) * ctrl.GetRowHeight());
    ctrl.PrevBookmark();
    ctrl.PrevBookmark();
    EXPECT_EQ(ctrl.GetCurrentRow(), 60) << "wrapped to the last";

    ASSERT_TRUE(ctrl.SetTopRow(40));
    ctrl.SetCurrentPosition(40, 1, FALSE, TRUE);
    ASSERT_EQ(ctrl.GetTopRow(), 40);
    ctrl.PrevBookmark();
    EXPECT_EQ(ctrl.GetCurrentRow(), 30) << "a bookmark above the top row is no wrap";

    AddBookmarks(ctrl, {4, 12, 30, 60});
    EXPECT_FALSE(ctrl.HasBookmarks());
    EXPECT_TRUE(ctrl.GetLineMarksManager()->HasLineMark(3, KT_EDIT_MARK_BREAKPOINT));
}

// Every block of the project's C scheme folds; the caret leaves the rows that no longer show.
TEST(CtrlRows, CollapseAllFoldsEveryBlockAndExpandAllShowsThemAgain)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    window.Buffer()->SetFileExt(".c");
    ctrl.InsertString("int a;\r\n/* one\r\n two\r\n */\r\nint b;\r\n/* three\r\n four */\r\nint c;", 1, 1);
    ASSERT_TRUE(PumpUntil([&] { return ctrl.GetFolding().GetRowState(6) != 0; }, 10000));
    ctrl.SetCurrentPosition(3, 3, FALSE, TRUE);
    ctrl.CollapseAll();
    EXPECT_TRUE(ctrl.IsRowCollapsed(2));
    EXPECT_TRUE(ctrl.IsRowCollapsed(6));
    EXPECT_EQ(ctrl.GetDisplayRow(-1), 5);
    EXPECT_EQ(ctrl.GetCurrentRow(), 2) << "the caret's row is hidden";
    EXPECT_EQ(ctrl.GetFolding().GetRowState(2), 0x01u | 0x20u);

    ctrl.ExpandAll();
    EXPECT_FALSE(ctrl.IsRowCollapsed(2));
    EXPECT_EQ(ctrl.GetDisplayRow(-1), 8);
    EXPECT_EQ(ctrl.GetFolding().GetRowState(2), 0x02u);
}
