// Line marks: per-type lists, searches, enumeration, row adjustment and parameters.
#include <gtest/gtest.h>

#include "KTSyntaxEditLineMarks.h"

#include <cstdlib>

namespace
{
const char kBookmark[] = "Bookmark";

std::vector<int> MarkedRows(const CKTSyntaxEditLineMarksManager& marks, const char* type)
{
    std::vector<int> rows;
    int position = marks.HasMarksOfType(type);
    while (position != 0)
    {
        KT_EDIT_LINEMARK_ENTRY* pEntry = marks.GetNextLineMark(position, type);
        if (!pEntry)
            break;
        rows.push_back(pEntry->nLine);
    }
    return rows;
}

class LineMarks : public ::testing::Test
{
protected:
    void Mark(std::initializer_list<int> rows)
    {
        for (int row : rows)
            marks.AddLineMark(row, kBookmark);
    }

    CKTSyntaxEditLineMarksManager marks;
};

TEST_F(LineMarks, ToggleTwiceLeavesAnEmptyList)
{
    marks.ToggleLineMark(4, kBookmark);
    EXPECT_TRUE(marks.HasLineMark(4, kBookmark));
    marks.ToggleLineMark(4, kBookmark);
    EXPECT_FALSE(marks.HasLineMark(4, kBookmark));
    EXPECT_EQ(marks.HasMarksOfType(kBookmark), -1);
    EXPECT_EQ(marks.GetCount(kBookmark), 0);
    EXPECT_EQ(marks.HasMarksOfType("Breakpoint"), 0);
}

TEST_F(LineMarks, AddOnAMarkedRowReplacesTheParameter)
{
    KT_EDIT_LINEMARK_PARAM first, second, out;
    first.SetInt(1);
    second.SetDouble(2.5);
    marks.AddLineMark(3, kBookmark, &first);
    marks.AddLineMark(3, kBookmark, &second);
    EXPECT_EQ(marks.GetCount(kBookmark), 1);
    ASSERT_TRUE(marks.HasLineMark(3, kBookmark, &out));
    EXPECT_EQ(out.dwType, DWORD(KT_EDIT_LINEMARK_PARAM::lmpDouble));
    EXPECT_DOUBLE_EQ(out.dValue, 2.5);
}

TEST_F(LineMarks, TypesAreSeparateAndCaseSensitive)
{
    marks.AddLineMark(1, kBookmark);
    marks.AddLineMark(2, "Breakpoint");
    EXPECT_FALSE(marks.HasLineMark(1, "bookmark"));
    EXPECT_FALSE(marks.HasLineMark(2, kBookmark));
    marks.RemoveAll(kBookmark);
    EXPECT_EQ(marks.GetCount(kBookmark), 0);
    EXPECT_EQ(marks.GetCount("Breakpoint"), 1);
}

TEST_F(LineMarks, InsertedRowsMoveLaterMarks)
{
    Mark({3, 7, 9});
    marks.AdjustLineMarks(7, 9, CKTSyntaxEditLineMarksManager::actInsert);
    EXPECT_EQ(MarkedRows(marks, kBookmark), (std::vector<int>{3, 9, 11}));
}

TEST_F(LineMarks, DeletedRowsDropTheirMarksAndMoveLaterOnes)
{
    Mark({3, 7, 9});
    marks.AdjustLineMarks(9, 7, CKTSyntaxEditLineMarksManager::actDelete);
    EXPECT_EQ(MarkedRows(marks, kBookmark), (std::vector<int>{3, 7}));
}

TEST_F(LineMarks, SearchesBeforeAndAfter)
{
    Mark({3, 8});
    int row = 6;
    EXPECT_EQ(marks.FindNextLineMark(row, kBookmark), 2);
    EXPECT_EQ(row, 8);
    row = 1;
    EXPECT_EQ(marks.FindPrevLineMark(row, kBookmark), 0);
    EXPECT_EQ(row, -1);
    row = 9;
    EXPECT_EQ(marks.FindNextLineMark(row, kBookmark), 0);
    EXPECT_EQ(row, -1);
    row = 8;
    EXPECT_EQ(marks.FindPrevLineMark(row, kBookmark), 2);
    EXPECT_EQ(marks.FindLastLineMark(kBookmark), 2);
    EXPECT_EQ(marks.GetLineMarkAt(1, kBookmark)->nLine, 3);
    EXPECT_EQ(marks.GetLineMarkAt(3, kBookmark), nullptr);
}

TEST_F(LineMarks, EnumerationVisitsRowsInOrderAndEndsAtZero)
{
    Mark({9, 2, 5});
    int position = marks.HasMarksOfType(kBookmark);
    std::vector<int> rows;
    while (KT_EDIT_LINEMARK_ENTRY* pEntry = marks.GetNextLineMark(position, kBookmark))
        rows.push_back(pEntry->nLine);
    EXPECT_EQ(rows, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(position, 0);
}

int g_nReleased = 0;
void CountRelease(void* p)
{
    ++g_nReleased;
    free(p);
}

TEST_F(LineMarks, SharedPointerIsReleasedOnceByTheLastHolder)
{
    g_nReleased = 0;
    {
        KT_EDIT_LINEMARK_PARAM param;
        param.SetPtr(malloc(16), CountRelease);
        marks.AddLineMark(1, "Collapsed", &param);
        marks.AddLineMark(2, "Collapsed", &param);
    }
    EXPECT_NE(marks.GetLineMarkAt(1, "Collapsed")->lmParam.GetPtr(), nullptr);
    marks.DeleteLineMark(1, "Collapsed");
    EXPECT_EQ(g_nReleased, 0);
    marks.AdjustLineMarks(1, 5, CKTSyntaxEditLineMarksManager::actDelete);
    EXPECT_EQ(g_nReleased, 1);
    EXPECT_EQ(marks.GetCount("Collapsed"), 0);
}

TEST(LineMarkRelease, RunsOnceWhenTheManagerAndTheLastCopyAreGone)
{
    g_nReleased = 0;
    KT_EDIT_LINEMARK_PARAM kept;
    {
        CKTSyntaxEditLineMarksManager owner;
        KT_EDIT_LINEMARK_PARAM param;
        param.SetPtr(malloc(16), CountRelease);
        owner.AddLineMark(4, "Collapsed", &param);
        owner.AddLineMark(6, "Collapsed", &param);
        ASSERT_TRUE(owner.HasLineMark(6, "Collapsed", &kept));
    }
    EXPECT_EQ(g_nReleased, 0);
    kept.Clear();
    EXPECT_EQ(g_nReleased, 1);
    kept = KT_EDIT_LINEMARK_PARAM();
    EXPECT_EQ(g_nReleased, 1);
}

TEST_F(LineMarks, ParameterCopiesFollowTheirSource)
{
    KT_EDIT_LINEMARK_PARAM pointer, none;
    pointer.SetPtr(malloc(4));
    KT_EDIT_LINEMARK_PARAM copy = pointer;
    EXPECT_EQ(copy.GetPtr(), pointer.GetPtr());
    copy = none;
    EXPECT_EQ(copy.dwType, DWORD(KT_EDIT_LINEMARK_PARAM::lmpNone));
    EXPECT_EQ(copy.GetPtr(), nullptr);
    EXPECT_NE(pointer.GetPtr(), nullptr);
}
}  // namespace
