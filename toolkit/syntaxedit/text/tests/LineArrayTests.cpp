// The row store: growth, holes, insertion with padding and the failures it reports.
#include <gtest/gtest.h>

#include "KTSyntaxEditLineArray.h"

namespace
{
TEST(LineArray, RowsStartAtOneAndHolesReadEmpty)
{
    CKTSyntaxEditLineArray lines;
    EXPECT_EQ(lines.GetSize(), 0);
    EXPECT_STREQ(lines.GetTextAt(2), "");
    lines.SetAt(3, "c");
    lines.SetAt(-1, "x");
    EXPECT_EQ(lines.GetSize(), 4);
    EXPECT_EQ(lines.GetRowCount(), 3);
    EXPECT_STREQ(lines.GetAt(2), "");
    EXPECT_STREQ(lines.GetTextAt(2), "");
    EXPECT_EQ(lines.GetLengthAt(3), 1);
    lines.SetAt(3, "");
    EXPECT_STREQ(lines.GetTextAt(3), "");
    EXPECT_EQ(lines.GetLengthAt(3), 0);
    lines.SetAt(1, NULL);
    EXPECT_STREQ(lines.GetAt(1), "");
}

TEST(LineArray, InsertAndRemoveShiftTheRowsBelow)
{
    CKTSyntaxEditLineArray lines;
    lines.SetAt(1, "a");
    lines.SetAt(2, "c");
    lines.InsertAt(2, "b");
    lines.InsertAt(9, "z");
    EXPECT_STREQ(lines.GetAt(3), "c");
    EXPECT_STREQ(lines.GetAt(9), "z");
    EXPECT_TRUE(lines.RemoveAt(1));
    EXPECT_STREQ(lines.GetAt(1), "b");
    EXPECT_FALSE(lines.RemoveAt(42));
    lines.RemoveRange(1, 100);
    EXPECT_EQ(lines.GetRowCount(), 0);
}

TEST(LineArray, CharacterEditsCheckTheirRange)
{
    CKTSyntaxEditLineArray lines;
    lines.SetAt(1, "abc");
    EXPECT_FALSE(lines.DeleteChars(1, 3, 1));
    EXPECT_FALSE(lines.DeleteChars(1, -1, 1));
    EXPECT_FALSE(lines.DeleteChars(1, 0, 0));
    EXPECT_FALSE(lines.DeleteChars(2, 0, 1));
    EXPECT_TRUE(lines.DeleteChars(1, 1, 99));
    EXPECT_STREQ(lines.GetAt(1), "a");
    EXPECT_TRUE(lines.InsertIntoLine(1, 4, "x", FALSE, '.'));
    EXPECT_STREQ(lines.GetAt(1), "a...x");
    EXPECT_TRUE(lines.InsertIntoLine(1, 99, "y", FALSE, 0));
    EXPECT_STREQ(lines.GetAt(1), "a...xy");
    EXPECT_FALSE(lines.InsertIntoLine(5, 0, "q", FALSE, ' '));
    EXPECT_TRUE(lines.InsertIntoLine(5, 0, "q", TRUE, ' '));
    EXPECT_STREQ(lines.GetAt(5), "q");
    EXPECT_FALSE(lines.InsertIntoLine(1, -1, NULL, FALSE, ' '));
}
// Appended rows share the array's arenas: they must go with the rows when arrays swap (a new text
// swapped into a buffer, the old rows kept by the undo step), and survive the array they came from.
TEST(LineArray, AppendedRowsGoWithTheirArrayWhenArraysSwapAndStayEditable)
{
    CKTSyntaxEditLineArray shown;
    shown.SetAt(1, "old");
    {
        CKTSyntaxEditLineArray split;
        split.Append("int a;");
        split.Append("");
        split.Append(CString('x', 300000));  // beyond one arena
        split.Append("}");
        EXPECT_EQ(4, split.GetRowCount());
        shown.Swap(split);
        EXPECT_STREQ("old", split.GetAt(1));
    }
    EXPECT_STREQ("int a;", shown.GetAt(1));
    EXPECT_EQ(0, shown.GetLengthAt(2));
    EXPECT_EQ(300000, shown.GetLengthAt(3));
    EXPECT_TRUE(shown.InsertIntoLine(1, 0, "static ", FALSE, ' '));
    EXPECT_TRUE(shown.DeleteChars(4, 0, 1));
    shown.Append("end");
    shown.InsertAt(1, "first");
    EXPECT_STREQ("first", shown.GetAt(1));
    EXPECT_STREQ("static int a;", shown.GetAt(2));
    EXPECT_STREQ("", shown.GetAt(5));
    EXPECT_STREQ("end", shown.GetAt(6));
    shown.RemoveAll();
    shown.Append("again");
    EXPECT_STREQ("again", shown.GetAt(1));
}
}  // namespace
