// Text operations of the buffer: insertion, deletion, column blocks, case, columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "AllocationFault.h"
#include "TextTestHelpers.h"

using kttest::BufferPtr;
using kttest::LoadBytes;
using kttest::NewBuffer;
using kttest::Rows;
using kttest::SetRows;
using kttest::StoreBytes;
using Strings = std::vector<std::string>;

namespace
{
std::string Copy(CKTSyntaxEditBufferManager& buffer, int r1, int d1, int r2, int d2, BOOL bColumn)
{
    CMemFile file;
    buffer.GetBuffer(r1, d1, r2, d2, &file, bColumn, FALSE);
    std::string bytes(size_t(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], UINT(bytes.size()));
    return bytes;
}

TEST(BufferInsert, SplitsTheRowAroundInsertedLines)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd"});
    KT_EDIT_TEXTPOS end;
    ASSERT_TRUE(buffer->InsertText("x\ny", 1, 3, FALSE, &end));
    EXPECT_EQ(Rows(*buffer), (Strings{"abx", "ycd"}));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(2, 2));
}

TEST(BufferInsert, TextEndingWithLineEndPutsTheTailOnItsOwnRow)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd"});
    KT_EDIT_TEXTPOS end;
    buffer->InsertText("x\r\n", 1, 3, FALSE, &end);
    EXPECT_EQ(Rows(*buffer), (Strings{"abx", "cd"}));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(2, 1));
}

TEST(BufferInsert, BeyondTheRowEndPadsWithSpacesThatUndoTakesBack)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd"});
    buffer->InsertText("zz", 1, 8, TRUE);
    EXPECT_EQ(Rows(*buffer), Strings{"abcd   zz"});
    KT_EDIT_TEXTPOS from, to;
    buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), Strings{"abcd"});
    buffer->GetUndoRedoManager()->DoRedo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), Strings{"abcd   zz"});
}

TEST(BufferInsert, MissingRowsAreCreated)
{
    BufferPtr buffer = NewBuffer();
    buffer->InsertText("far", 3, 1, FALSE);
    EXPECT_EQ(Rows(*buffer), (Strings{"", "", "far"}));
}

TEST(BufferInsert, RowsCreatedPastTheLastRowBelongToTheUndoStep)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab"});
    buffer->InsertText("far", 4, 2, TRUE);
    EXPECT_EQ(Rows(*buffer), (Strings{"ab", "", "", " far"}));
    KT_EDIT_TEXTPOS from, to;
    ASSERT_TRUE(buffer->GetUndoRedoManager()->DoUndo(from, to, NULL));
    EXPECT_EQ(Rows(*buffer), Strings{"ab"});
    ASSERT_TRUE(buffer->GetUndoRedoManager()->DoRedo(from, to, NULL));
    EXPECT_EQ(Rows(*buffer), (Strings{"ab", "", "", " far"}));

    BufferPtr empty = NewBuffer();
    empty->InsertText("far", 3, 1, TRUE);
    ASSERT_TRUE(empty->GetUndoRedoManager()->DoUndo(from, to, NULL));
    EXPECT_EQ(Rows(*empty), Strings{""});
}

TEST(BufferInsert, OverwriteReplacesAsManyCharactersAsItWrites)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd"});
    buffer->SetOverwriteMode(TRUE);
    buffer->InsertText("XY", 1, 2, TRUE);
    EXPECT_EQ(Rows(*buffer), Strings{"aXYd"});
    buffer->InsertText("!", 1, 5, TRUE);
    EXPECT_EQ(Rows(*buffer), Strings{"aXYd!"});
    EXPECT_EQ(buffer->GetUndoRedoManager()->GetCount(), 2);
}

TEST(BufferDelete, AcrossRowsJoinsTheEnds)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd", "efgh"});
    EXPECT_TRUE(buffer->DeleteText(1, 3, 2, 2, FALSE, FALSE));
    EXPECT_EQ(Rows(*buffer), Strings{"abfgh"});
}

TEST(BufferDelete, DisplayColumnsFollowTabs)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"\tabc"});
    // Display columns 5..6 cover the 'a' after the tab.
    EXPECT_TRUE(buffer->DeleteText(1, 5, 1, 6, FALSE, TRUE));
    EXPECT_EQ(Rows(*buffer), Strings{"\tbc"});
}

TEST(BufferDelete, ReversedAndOutOfRangeEndsAreOrderedAndClipped)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"one", "two", "three"});
    EXPECT_TRUE(buffer->DeleteText(9, 1, 2, 2, FALSE, FALSE));
    EXPECT_EQ(Rows(*buffer), (Strings{"one", "t"}));
    EXPECT_FALSE(buffer->DeleteText(1, 2, 1, 2, FALSE, FALSE));
}

TEST(BufferCopy, ColumnBlockIsPaddedToItsWidth)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab", "abcdef"});
    EXPECT_EQ(Copy(*buffer, 1, 2, 2, 5, TRUE), "b  \r\nbcd\r\n");
}

TEST(BufferCopy, StreamRangeUsesTheBufferLineEnd)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abcd", "efgh", "ijkl"});
    EXPECT_EQ(Copy(*buffer, 3, 3, 1, 2, FALSE), "bcd\r\nefgh\r\nij");
}

TEST(BufferCopy, ColumnBlockAcrossTabsCountsDisplayColumns)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"\tx", "abcdefg"});
    // Display column 5 is the x after the tab and the e of the second row.
    EXPECT_EQ(Copy(*buffer, 1, 5, 2, 7, TRUE), "x \r\nef\r\n");
}

TEST(BufferColumns, TabsExpandToTheTabSize)
{
    BufferPtr buffer = NewBuffer();
    buffer->SetTabSize(4, FALSE);
    SetRows(*buffer, {"\tx", "ab\tc"});
    EXPECT_EQ(buffer->GetColumnOfCharOffset(1, 1), 5);
    EXPECT_EQ(buffer->GetCharOffsetOfColumn(1, 3), 1);
    EXPECT_EQ(buffer->GetColumnOfCharOffset(2, 3), 5);
    EXPECT_EQ(buffer->GetCharOffsetOfColumn(2, 5), 3);
    EXPECT_EQ(buffer->GetColumnOfCharOffset(2, 99), 6);
    buffer->SetTabSize(0, FALSE);
    EXPECT_EQ(buffer->GetTabSize(), 1);
    // Without an application there is no profile to save to; the size still changes.
    EXPECT_FALSE(buffer->SetTabSize(8, TRUE));
    EXPECT_EQ(buffer->GetTabSize(), 8);
}

TEST(BufferCase, ChangesOnlyTheSpanBetweenDisplayColumnsAcrossTabs)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab\tcd\tef"});
    // Columns 2..9 run from the b to the tab after cd.
    EXPECT_TRUE(buffer->ChangeCase(1, 2, 9, TRUE, TRUE));
    EXPECT_EQ(Rows(*buffer), Strings{"aB\tCD\tef"});
    KT_EDIT_TEXTPOS from, to;
    buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), Strings{"ab\tcd\tef"});
    buffer->GetUndoRedoManager()->DoRedo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), Strings{"aB\tCD\tef"});
    EXPECT_FALSE(buffer->ChangeCase(5, 1, 2, TRUE, FALSE));
}

TEST(BufferBlock, InsertsAtOneDisplayColumnOnEveryRow)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"\tx", "ab", "abcdefgh"});
    KT_EDIT_TEXTPOS end;
    // Position 2 of row 1 is after the tab: display column 5.
    ASSERT_TRUE(buffer->InsertTextBlock("11\r\n22\r\n33", 1, 2, TRUE, &end));
    EXPECT_EQ(Rows(*buffer), (Strings{"\t11x", "ab  22", "abcd33efgh"}));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(3, 7));
    // One undo step takes the whole block out again, padding included.
    KT_EDIT_TEXTPOS from, to;
    buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), (Strings{"\tx", "ab", "abcdefgh"}));
    EXPECT_FALSE(buffer->GetUndoRedoManager()->CanUndo());
    buffer->GetUndoRedoManager()->DoRedo(from, to, NULL);
    EXPECT_EQ(Rows(*buffer), (Strings{"\t11x", "ab  22", "abcd33efgh"}));
}

TEST(BufferRows, LineTextAndLengths)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"a", "bbb", ""});
    CString text;
    EXPECT_TRUE(buffer->GetLineText(2, text, TRUE));
    EXPECT_STREQ(text, "bbb\r\n");
    EXPECT_STREQ(buffer->GetLineTextEx(2, TRUE, 2), "bbb\n");
    EXPECT_FALSE(buffer->GetLineText(4, text));
    EXPECT_STREQ(text, "");
    EXPECT_EQ(buffer->GetMaxLineTextLengthAll(), 3);
    EXPECT_EQ(buffer->GetMaxLineTextLength(3, -1), 0);
    EXPECT_EQ(buffer->GetMaxLineTextLength(0, 1), 1);
    EXPECT_EQ(buffer->EstimateTextSize(1, 100), 3072);
    const char* text2 = "ab\r\n";
    EXPECT_TRUE(buffer->IsLineEndText(text2 + 2, FALSE));
    EXPECT_TRUE(buffer->IsLineEndText(text2 + 3, TRUE));
    EXPECT_FALSE(buffer->IsLineEndText(text2 + 1, FALSE));
}
// A whole new text (generated code, a Makefile) is one step that undo and redo take whole, and a
// save writes it with its own line ends.
TEST(BufferReplaceAll, IsOneStepThatKeepsTheNewTextsLineEnds)
{
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, "old one\r\nold two\r\n");
    KT_EDIT_TEXTPOS oldEnd, newEnd;
    ASSERT_TRUE(buffer->ReplaceAllText("all:\n\tmake it\n", oldEnd, newEnd));
    EXPECT_EQ(oldEnd, KT_EDIT_TEXTPOS(3, 1));
    EXPECT_EQ(newEnd, KT_EDIT_TEXTPOS(3, 1));
    EXPECT_EQ(Rows(*buffer), (Strings{"all:", "\tmake it", ""}));
    EXPECT_TRUE(buffer->IsModified());

    KT_EDIT_TEXTPOS from, to;
    CKTSyntaxEditUndoRedoManager* pUndo = buffer->GetUndoRedoManager();
    ASSERT_TRUE(pUndo->DoUndo(from, to, NULL));
    EXPECT_EQ(Rows(*buffer), (Strings{"old one", "old two", ""}));
    EXPECT_FALSE(pUndo->CanUndo());
    EXPECT_FALSE(buffer->IsModified());
    EXPECT_EQ(StoreBytes(*buffer), "old one\r\nold two\r\n");
    ASSERT_TRUE(pUndo->DoRedo(from, to, NULL));
    EXPECT_EQ(Rows(*buffer), (Strings{"all:", "\tmake it", ""}));
    EXPECT_EQ(StoreBytes(*buffer), "all:\n\tmake it\n");
}

TEST(BufferReplaceAll, EmptyOverEmptyRecordsNothingAndEmptyOverTextLeavesOneRow)
{
    BufferPtr buffer = NewBuffer();
    KT_EDIT_TEXTPOS oldEnd, newEnd;
    EXPECT_FALSE(buffer->ReplaceAllText("", oldEnd, newEnd));
    EXPECT_FALSE(buffer->GetUndoRedoManager()->CanUndo());
    ASSERT_TRUE(buffer->ReplaceAllText("last", oldEnd, newEnd));
    EXPECT_EQ(newEnd, KT_EDIT_TEXTPOS(1, 5));
    ASSERT_TRUE(buffer->ReplaceAllText(NULL, oldEnd, newEnd));
    EXPECT_EQ(Rows(*buffer), Strings{""});
}
// A big text goes in slices with the window answering between them: the rows split in parts are the
// rows split at once, and the whole still goes in and comes out as one step.
TEST(BufferReplaceAll, ATextSplitInPartsGivesTheSameRowsAndStaysOneStep)
{
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += "row " + std::to_string(i) + (i % 3 == 0 ? "\r\n" : "\n");
    BufferPtr whole = NewBuffer();
    KT_EDIT_TEXTPOS oldEnd, newEnd;
    ASSERT_TRUE(whole->ReplaceAllText(text.c_str(), oldEnd, newEnd));

    BufferPtr parts = NewBuffer();
    LoadBytes(*parts, "old one\nold two");
    CKTSyntaxEditNewText newText(text.data(), int(text.size()));
    std::vector<int> percents;
    while (newText.ReadRows(1000))
        percents.push_back(newText.GetPercentRead());
    ASSERT_EQ(2u, percents.size()) << "2,500 rows, 1,000 at a time: two parts before the last";
    EXPECT_LT(0, percents.front());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_GT(100, percents.back());
    EXPECT_EQ(100, newText.GetPercentRead());
    ASSERT_TRUE(parts->ReplaceAllText(newText, oldEnd, newEnd));
    EXPECT_EQ(Rows(*whole), Rows(*parts));
    EXPECT_EQ(StoreBytes(*whole), StoreBytes(*parts));
    EXPECT_EQ(KT_EDIT_TEXTPOS(2, 8), oldEnd);

    KT_EDIT_TEXTPOS from, to;
    ASSERT_TRUE(parts->GetUndoRedoManager()->DoUndo(from, to, NULL));
    EXPECT_EQ(Rows(*parts), (Strings{"old one", "old two"}));
    EXPECT_FALSE(parts->GetUndoRedoManager()->CanUndo());
}

// Editors that take their texts all or none prepare each first: memory running out at any allocation of
// the preparation leaves the buffer as it was, and putting the prepared text in asks for none at all.
TEST(BufferReplaceAll, APreparationThatRunsOutOfMemoryChangesNothingAndAPreparedTextGoesInWithNone)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, "old one\nold two");
    std::unique_ptr<CKTSyntaxEditPreparedText> prepared;
    for (long nSucceeding = 0; !prepared; ++nSucceeding)
    {
        CKTSyntaxEditNewText newText(text.data(), int(text.size()));
        try
        {
            AllocationFault fault(nSucceeding);
            prepared = buffer->PrepareReplaceAll(newText);
        }
        catch (const std::bad_alloc&)
        {
            ASSERT_TRUE(AllocationFault::Happened()) << nSucceeding;
        }
        ASSERT_EQ(Rows(*buffer), (Strings{"old one", "old two"})) << nSucceeding;
        ASSERT_FALSE(buffer->IsModified()) << nSucceeding;
        ASSERT_FALSE(buffer->GetUndoRedoManager()->CanUndo()) << nSucceeding;
    }

    KT_EDIT_TEXTPOS oldEnd, newEnd;
    {
        AllocationFault fault(0);
        ASSERT_TRUE(buffer->ReplaceAllText(*prepared, oldEnd, newEnd));
        EXPECT_EQ(0, AllocationFault::Made());
    }
    EXPECT_EQ(KT_EDIT_TEXTPOS(301, 1), newEnd);
    EXPECT_TRUE(buffer->IsModified());
    KT_EDIT_TEXTPOS from, to;
    ASSERT_TRUE(buffer->GetUndoRedoManager()->DoUndo(from, to, NULL));
    EXPECT_EQ(Rows(*buffer), (Strings{"old one", "old two"}));
    EXPECT_FALSE(buffer->IsModified());
}

// A new text is split where it lies, loading reads a file in chunks: both end rows alike at every
// line end, one across a chunk's edge included. A zero character ends a new text as it ends the C
// string the text is given as.
TEST(BufferReplaceAll, ANewTextEndsItsRowsWhereLoadingItsBytesDoes)
{
    std::string text("crlf\r\nlfcr\n\rcr\rlf\nzero\r\nafter\r\n\r\n");
    text += std::string(4095 - text.size(), 'x') + "\r\n" + std::string(10000, 'y') + "\nlast";
    BufferPtr loaded = NewBuffer();
    LoadBytes(*loaded, text);
    BufferPtr replaced = NewBuffer();
    CKTSyntaxEditNewText newText(text.data(), int(text.size()));
    KT_EDIT_TEXTPOS oldEnd, newEnd;
    ASSERT_TRUE(replaced->ReplaceAllText(newText, oldEnd, newEnd));

    const Strings rows = Rows(*replaced);
    ASSERT_EQ(10u, rows.size());
    EXPECT_EQ((Strings{"crlf", "lfcr", "cr", "lf", "zero", "after", ""}), Strings(rows.begin(), rows.begin() + 7));
    EXPECT_EQ(std::string(10000, 'y'), rows[8]);
    EXPECT_EQ("last", rows[9]);
    EXPECT_EQ(Rows(*loaded), rows);
    EXPECT_EQ(StoreBytes(*loaded), StoreBytes(*replaced));

    const std::string zero("one\r\ntwo\0three\r\n", 16);
    CKTSyntaxEditNewText cut(zero.data(), int(zero.size()));
    ASSERT_TRUE(replaced->ReplaceAllText(cut, oldEnd, newEnd));
    EXPECT_EQ((Strings{"one", "two"}), Rows(*replaced));
    ASSERT_TRUE(loaded->ReplaceAllText(zero.c_str(), oldEnd, newEnd));
    EXPECT_EQ(Rows(*loaded), Rows(*replaced));
}

// What a save writes aside is what it would write to its file, in each encoding and line-end style.
TEST(BufferFileImage, HoldsTheBytesASaveWritesAndMarkingItStoredEndsTheChange)
{
    for (const std::string& bytes :
         {std::string("one\ntwo\n\nlast"), std::string("a\r\nb\r\n"), std::string("\xFF\xFEu\0n\0\r\0\n\0i\0", 12)})
    {
        BufferPtr buffer = NewBuffer();
        LoadBytes(*buffer, bytes);
        KT_EDIT_TEXTPOS end;
        ASSERT_TRUE(buffer->InsertText("x", 1, 1, TRUE, &end));
        ASSERT_TRUE(buffer->IsModified());
        const std::string image = buffer->GetFileImage();
        EXPECT_EQ('x', image[buffer->IsUnicodeFile() ? 2 : 0]);
        EXPECT_TRUE(buffer->IsModified()) << "not written yet";
        buffer->MarkStored("C:\\folder\\x.c");
        EXPECT_FALSE(buffer->IsModified());
        EXPECT_EQ(CString(".c"), buffer->GetFileExt());
        EXPECT_EQ(StoreBytes(*buffer), image);
    }
}
}  // namespace
