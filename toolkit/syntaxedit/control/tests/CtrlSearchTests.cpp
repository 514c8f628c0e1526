// Search forwards and backwards from the caret or the selection, with case and whole-word options, no wrap.
#include <gtest/gtest.h>

#include "EditTestWindow.h"

namespace
{
void ExpectSelected(CKTSyntaxEditCtrl& ctrl, int nRow, int nFirstCol, int nEndCol)
{
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(ctrl.GetSelection(start, end));
    EXPECT_EQ(start.nLine, nRow);
    EXPECT_EQ(end.nLine, nRow);
    EXPECT_EQ(start.nCol, nFirstCol);
    EXPECT_EQ(end.nCol, nEndCol);
}

class CtrlSearch : public ::testing::Test
{
protected:
    CtrlSearch() : m_window(FALSE)
    {
        Ctrl().InsertString("xab ab\r\nint Ab = ab(1);\r\nend", 1, 1, FALSE, FALSE);
        Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window.Ctrl(); }

    CEditTestWindow m_window;
};

TEST_F(CtrlSearch, AWholeWordNeedsDelimitersOnBothSides)
{
    EXPECT_TRUE(Ctrl().Find("ab", FALSE, TRUE, TRUE));
    ExpectSelected(Ctrl(), 1, 2, 4);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 4);
    Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
    EXPECT_TRUE(Ctrl().Find("ab", TRUE, TRUE, TRUE));
    ExpectSelected(Ctrl(), 1, 5, 7);
    EXPECT_TRUE(Ctrl().Find("ab", TRUE, TRUE, TRUE));  // "Ab" differs in case; "ab(" is a word
    ExpectSelected(Ctrl(), 2, 10, 12);
}

TEST_F(CtrlSearch, ASelectedMatchIsPassedInEitherDirection)
{
    EXPECT_TRUE(Ctrl().Find("ab", FALSE, FALSE, TRUE));
    EXPECT_TRUE(Ctrl().Find("ab", FALSE, FALSE, TRUE));
    ExpectSelected(Ctrl(), 1, 5, 7);
    EXPECT_TRUE(Ctrl().Find("ab", FALSE, FALSE, FALSE));
    ExpectSelected(Ctrl(), 1, 2, 4);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 2);
}

TEST_F(CtrlSearch, CaseCountsOnlyWhenAsked)
{
    EXPECT_TRUE(Ctrl().Find("AB", FALSE, FALSE, TRUE));
    ExpectSelected(Ctrl(), 1, 2, 4);
    Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
    EXPECT_TRUE(Ctrl().Find("Ab", FALSE, TRUE, TRUE));
    ExpectSelected(Ctrl(), 2, 5, 7);
    EXPECT_FALSE(Ctrl().Find("AB", FALSE, TRUE, TRUE));
}

TEST_F(CtrlSearch, NothingWrapsPastTheFirstOrLastRow)
{
    Ctrl().SetCurrentPosition(3, 4, FALSE, TRUE);
    EXPECT_FALSE(Ctrl().Find("xab", FALSE, FALSE, TRUE));
    EXPECT_FALSE(Ctrl().HasSelection());
    EXPECT_EQ(Ctrl().GetCurrentRow(), 3);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 4);
    Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
    EXPECT_FALSE(Ctrl().Find("end", FALSE, FALSE, FALSE));
    EXPECT_FALSE(Ctrl().Find("a pattern longer than every row", FALSE, FALSE, TRUE));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 1);
}

TEST(CtrlSearchFile, AMatchFarDownIsSelectedAndBroughtIntoView)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetCurrentPosition(400, 1, FALSE, TRUE);
    ASSERT_TRUE(ctrl.Find("chat_put_fixed", TRUE, TRUE, FALSE));
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(ctrl.GetSelection(start, end));
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(start.nLine).Find("chat_put_fixed") >= 0);
    EXPECT_TRUE(ctrl.IsRowVisible(start.nLine));
    EXPECT_EQ(ctrl.GetCurrentRow(), start.nLine);
}
}  // namespace
