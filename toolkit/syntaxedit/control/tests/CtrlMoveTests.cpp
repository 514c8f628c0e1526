// Word movement, whole-row selection with its auto-scroll timer, and a second pane taking over the first's state.
#include <gtest/gtest.h>

#include "EditTestWindow.h"

namespace
{
// Row 12: "static int chat_put_fixed(dravolint_writer *w, ..."
TEST(CtrlMove, WordsAreRunsOfOneClassOfCharacters)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetCurrentPosition(12, 1, FALSE, FALSE);
    const int kRightStops[] = {8, 12, 26, 27, 44};
    for (int nStop : kRightStops)
    {
        ctrl.MoveWord(1);
        EXPECT_EQ(ctrl.GetCurrentChar(), nStop);
    }
    ctrl.MoveWord(-1);
    EXPECT_EQ(ctrl.GetCurrentChar(), 27);
    ctrl.MoveWord(-1);
    EXPECT_EQ(ctrl.GetCurrentChar(), 26);
    ctrl.MoveWord(-1);
    EXPECT_EQ(ctrl.GetCurrentChar(), 12);

    ctrl.SetCurrentPosition(12, ctrl.GetRowEndColumn(window.Buffer()->GetLineTextEx(12)), FALSE, FALSE);
    ctrl.MoveWord(1);
    EXPECT_EQ(ctrl.GetCurrentRow(), 13);
    EXPECT_EQ(ctrl.GetCurrentChar(), 1);
    ctrl.MoveWord(-1);
    EXPECT_EQ(ctrl.GetCurrentRow(), 12);
    EXPECT_EQ(ctrl.GetCurrentChar(), window.Buffer()->GetLineLength(12) + 1);
}

TEST(CtrlMove, ARowSelectionHoldsWholeRowsAndStopsFollowingWhenTheButtonIsUp)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SelectRow(20, TRUE);
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(ctrl.GetSelection(start, end));
    EXPECT_EQ(start, KT_EDIT_TEXTPOS(20, 1));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(21, 1));
    EXPECT_TRUE(ctrl.IsLineSelection());
    EXPECT_TRUE(PumpUntil([&] { return !ctrl.IsMouseDown(); }));
    EXPECT_TRUE(ctrl.HasSelection());
}

TEST(CtrlMove, ASecondPaneStartsWhereTheFirstStands)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& first = window.Ctrl();
    first.SetLineNumbers(FALSE);
    first.SetCurrentPosition(30, 5, FALSE, TRUE);
    first.SetRowBkColor(31, RGB(1, 2, 3));
    CKTSyntaxEditCtrl second;
    ASSERT_TRUE(second.Create(&window.Parent(), TRUE, TRUE, window.Buffer()));
    second.MoveWindow(0, 0, 300, 200);
    second.CopySettings(first);
    EXPECT_EQ(second.GetCurrentRow(), 30);
    EXPECT_EQ(second.GetCurrentDispCol(), first.GetCurrentDispCol());
    EXPECT_FALSE(second.GetLineNumbers());
    EXPECT_EQ(second.GetTextLeft(), first.GetTextLeft());
    COLORREF clr = 0;
    EXPECT_TRUE(second.GetRowBkColor(31, clr));
    EXPECT_EQ(second.GetHorzPos(), 0);
    EXPECT_EQ(second.GetBuffer(), first.GetBuffer());
}
}  // namespace
