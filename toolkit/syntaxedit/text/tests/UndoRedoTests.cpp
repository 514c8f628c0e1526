// Undo and redo of buffer edits: history, grouping, chaining, names and the saved mark.
#include <gtest/gtest.h>

#include "KTSyntaxEditUndoText.h"
#include "TextTestHelpers.h"

using kttest::BufferPtr;
using kttest::NewBuffer;
using kttest::Rows;
using kttest::SetRows;
using kttest::StoreBytes;
using Strings = std::vector<std::string>;

namespace
{
class UndoRedo : public ::testing::Test
{
protected:
    CKTSyntaxEditUndoRedoManager& History() { return *buffer->GetUndoRedoManager(); }
    DWORD Undo() { return History().DoUndo(from, to, NULL); }
    DWORD Redo() { return History().DoRedo(from, to, NULL); }

    BufferPtr buffer = NewBuffer();
    KT_EDIT_TEXTPOS from, to;
};

// What an edit control asks of a replayed command.
class CaretRecorder : public CKTSyntaxEditCaretHost
{
public:
    void SetCaretTextPos(const KT_EDIT_TEXTPOS& pos) override { caret = pos; }
    KT_EDIT_TEXTPOS caret;
};

TEST_F(UndoRedo, InsertUndoRedoRestoresTextAndReportsTheRange)
{
    SetRows(*buffer, {"abcd"});
    buffer->InsertText("x\ny", 1, 3, TRUE);
    CaretRecorder caret;
    EXPECT_EQ(History().DoUndo(from, to, &caret),
              KT_EDIT_ACTION_DELETE | KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_DELETED);
    EXPECT_EQ(Rows(*buffer), Strings{"abcd"});
    EXPECT_EQ(from, KT_EDIT_TEXTPOS(1, 3));
    EXPECT_EQ(to, KT_EDIT_TEXTPOS(2, 2));
    EXPECT_EQ(caret.caret, KT_EDIT_TEXTPOS(1, 3));
    EXPECT_EQ(History().DoRedo(from, to, &caret),
              KT_EDIT_ACTION_INSERT | KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED);
    EXPECT_EQ(Rows(*buffer), (Strings{"abx", "ycd"}));
    EXPECT_EQ(caret.caret, KT_EDIT_TEXTPOS(2, 2));
}

// An insertion's history takes its text back from the rows when undone, so
// whatever was edited inside it since, and the gap filled before it, must be
// undone first and come back byte for byte.
TEST_F(UndoRedo, ReplacedWholeTextComesBackThroughLaterEdits)
{
    const std::string original = "old 1\r\nold 2";
    kttest::LoadBytes(*buffer, original);
    buffer->DeleteText(1, 1, 2, 6, TRUE, FALSE);
    buffer->InsertText("new a\nnew\tb\n\nlast", 1, 1, TRUE);
    const std::string generated = StoreBytes(*buffer);
    ASSERT_EQ(generated, "new a\r\nnew\tb\r\n\r\nlast");
    buffer->InsertText("X", 2, 3, TRUE);
    buffer->InsertText("z", 4, 8, TRUE);
    const std::string edited = StoreBytes(*buffer);
    ASSERT_EQ(edited, "new a\r\nneXw\tb\r\n\r\nlast   z");

    for (int i = 0; i < 4; ++i)
        Undo();
    EXPECT_EQ(StoreBytes(*buffer), original);
    Redo();
    Redo();
    EXPECT_EQ(StoreBytes(*buffer), generated);
    Redo();
    Redo();
    EXPECT_EQ(StoreBytes(*buffer), edited);
    Undo();
    Undo();
    Undo();
    Redo();
    EXPECT_EQ(StoreBytes(*buffer), generated) << "a second undo and redo of the same insertion";
}

TEST_F(UndoRedo, FlagsTellSameColumnSameRowAndOtherRow)
{
    SetRows(*buffer, {"abcd", "efgh"});
    buffer->DeleteText(1, 2, 1, 4, TRUE, FALSE);
    EXPECT_EQ(Undo(), KT_EDIT_ACTION_INSERT | KT_EDIT_CHANGE_TEXT) << "one row: no rows to move";
    EXPECT_EQ(Redo(), KT_EDIT_ACTION_DELETE | KT_EDIT_CHANGE_TEXT);
    buffer->InsertText("", 1, 1, TRUE);
    EXPECT_EQ(Undo(), KT_EDIT_ACTION_DELETE) << "an empty range changed nothing";
    buffer->SetOverwriteMode(TRUE);
    buffer->InsertText("Q\nR", 1, 1, TRUE);
    EXPECT_EQ(Undo(), KT_EDIT_ACTION_REPLACE | KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED |
                          KT_EDIT_CHANGE_ROWS_DELETED);
}

TEST_F(UndoRedo, DeleteAcrossRowsIsUndone)
{
    SetRows(*buffer, {"abcd", "efgh"});
    buffer->DeleteText(1, 3, 2, 2, TRUE, FALSE);
    ASSERT_EQ(Rows(*buffer), Strings{"abfgh"});
    Undo();
    EXPECT_EQ(Rows(*buffer), (Strings{"abcd", "efgh"}));
    Redo();
    EXPECT_EQ(Rows(*buffer), Strings{"abfgh"});
}

TEST_F(UndoRedo, OverwriteLongerThanTheRowIsUndoneCompletely)
{
    SetRows(*buffer, {"abcd"});
    buffer->SetOverwriteMode(TRUE);
    buffer->InsertText("XYZW", 1, 3, TRUE);
    ASSERT_EQ(Rows(*buffer), Strings{"abXYZW"});
    buffer->SetOverwriteMode(FALSE);
    Undo();
    EXPECT_EQ(Rows(*buffer), Strings{"abcd"});
    Redo();
    EXPECT_EQ(Rows(*buffer), Strings{"abXYZW"});
    EXPECT_FALSE(buffer->GetOverwriteMode());
}

TEST_F(UndoRedo, OverwriteOfSeveralRowsIsUndone)
{
    SetRows(*buffer, {"abcd"});
    buffer->SetOverwriteMode(TRUE);
    buffer->InsertText("X\nY", 1, 2, TRUE);
    ASSERT_EQ(Rows(*buffer), (Strings{"aX", "Ycd"}));
    Undo();
    EXPECT_EQ(Rows(*buffer), Strings{"abcd"});
}

TEST_F(UndoRedo, SavedMarkFollowsStoreUndoAndRedo)
{
    SetRows(*buffer, {"text"});
    EXPECT_FALSE(buffer->IsModified());
    buffer->InsertText("more ", 1, 1, TRUE);
    EXPECT_TRUE(buffer->IsModified());
    StoreBytes(*buffer);
    EXPECT_FALSE(buffer->IsModified());
    Undo();
    EXPECT_TRUE(buffer->IsModified());
    Redo();
    EXPECT_FALSE(buffer->IsModified());
}

TEST_F(UndoRedo, ANewCommandDropsTheRedoTail)
{
    SetRows(*buffer, {""});
    buffer->InsertText("a", 1, 1, TRUE);
    buffer->InsertText("b", 1, 2, TRUE);
    Undo();
    EXPECT_TRUE(History().CanRedo());
    buffer->InsertText("c", 1, 2, TRUE);
    EXPECT_FALSE(History().CanRedo());
    EXPECT_EQ(History().GetCount(), 2);
    EXPECT_EQ(Rows(*buffer), Strings{"ac"});
}

TEST_F(UndoRedo, AStepIsDoneUntilUndoneAndAnEditAfterItsUndoDropsItForGood)
{
    SetRows(*buffer, {""});
    EXPECT_FALSE(History().IsStepDone(History().GetDoneStep())) << "no step yet";
    buffer->InsertText("a", 1, 1, TRUE);
    const unsigned long long step = History().GetDoneStep();
    buffer->InsertText("b", 1, 2, TRUE);
    EXPECT_TRUE(History().IsStepDone(step)) << "beneath a later step";
    Undo();
    EXPECT_TRUE(History().IsStepDone(step));
    Undo();
    EXPECT_FALSE(History().IsStepDone(step));
    EXPECT_TRUE(History().IsStepKept(step)) << "a redo brings it back";
    Redo();
    EXPECT_TRUE(History().IsStepDone(step));
    Undo();
    buffer->InsertText("c", 1, 1, TRUE);
    EXPECT_FALSE(History().IsStepDone(step)) << "its redo is gone";
    EXPECT_FALSE(History().IsStepKept(step));
    EXPECT_FALSE(History().IsStepKept(0));
}

TEST_F(UndoRedo, RemovedEntryNeverMatchesTheSavedMarkAgain)
{
    SetRows(*buffer, {""});
    buffer->InsertText("a", 1, 1, TRUE);
    StoreBytes(*buffer);
    Undo();
    buffer->InsertText("b", 1, 1, TRUE);
    EXPECT_TRUE(buffer->IsModified());
}

TEST_F(UndoRedo, ChainedCommandsUndoAsOneNewestFirst)
{
    SetRows(*buffer, {"hello"});
    buffer->DeleteText(1, 1, 1, 6, TRUE, FALSE);
    buffer->InsertText("bye", 1, 1, TRUE);
    History().ChainLastCommand();
    History().SetLastCommandText(KT_IDS_EDIT_PASTE);
    EXPECT_EQ(History().GetCount(), 1);
    EXPECT_EQ(Undo(), KT_EDIT_ACTION_INSERT | KT_EDIT_ACTION_DELETE | KT_EDIT_CHANGE_TEXT)
        << "a chain reports what each of its edits did";
    EXPECT_EQ(Rows(*buffer), Strings{"hello"});
    EXPECT_EQ(from, KT_EDIT_TEXTPOS(1, 1));
    EXPECT_EQ(to, KT_EDIT_TEXTPOS(1, 6));
    Redo();
    EXPECT_EQ(Rows(*buffer), Strings{"bye"});
}

TEST_F(UndoRedo, ChainingASingleEntryDoesNothing)
{
    SetRows(*buffer, {""});
    buffer->InsertText("a", 1, 1, TRUE);
    History().ChainLastCommand();
    EXPECT_EQ(History().GetCount(), 1);
    EXPECT_TRUE(History().CanUndo());
}

TEST_F(UndoRedo, GroupModeCollectsCommandsIntoOneStep)
{
    SetRows(*buffer, {""});
    History().SetGroupInsertMode(TRUE);
    buffer->InsertText("a", 1, 1, TRUE);
    buffer->InsertText("b", 1, 2, TRUE);
    History().SetGroupInsertMode(FALSE);
    EXPECT_EQ(History().GetCount(), 1);
    Undo();
    EXPECT_EQ(Rows(*buffer), Strings{""});
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(UndoRedo, EmptyGroupLeavesTheHistoryButDropsTheRedoTail)
{
    SetRows(*buffer, {""});
    buffer->InsertText("a", 1, 1, TRUE);
    buffer->InsertText("b", 1, 2, TRUE);
    StoreBytes(*buffer);
    Undo();
    History().SetGroupInsertMode(TRUE);
    History().SetGroupInsertMode(FALSE);
    EXPECT_EQ(History().GetCount(), 1);
    EXPECT_TRUE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
}

TEST_F(UndoRedo, OverwriteSwitchesGroupModeOff)
{
    SetRows(*buffer, {"abc"});
    History().SetGroupInsertMode(TRUE);
    buffer->SetOverwriteMode(TRUE);
    buffer->InsertText("Z", 1, 1, TRUE);
    EXPECT_FALSE(History().IsGroupInsertMode());
}

TEST_F(UndoRedo, CommandNames)
{
    SetRows(*buffer, {"abcd"});
    buffer->InsertText("xy", 1, 1, TRUE);
    CKTSyntaxEditInsertStringCommand insert(buffer, "xy", {1, 1}, {1, 3});
    CKTSyntaxEditDeleteStringCommand erase(buffer, "cd", {1, 3}, {1, 5});
    CKTSyntaxEditReplaceStringCommand replace(buffer, "XY", "ab", {1, 1}, {1, 3});
    CKTSyntaxEditBatchCommand batch;
    EXPECT_STREQ(insert.GetCommandText(), "Insert: xy");
    EXPECT_STREQ(erase.GetCommandText(), "Delete: cd");
    EXPECT_STREQ(replace.GetCommandText(), "Multiple operationsXY");
    EXPECT_STREQ(batch.GetCommandText(), "Multiple operations");
    insert.SetCommandText(NULL);
    EXPECT_STREQ(insert.GetCommandText(), "");
    History().SetLastCommandText(KT_IDS_EDIT_TYPING);
    EXPECT_EQ(KTLoadUndoText(KT_IDS_EDIT_DELETE_BLOCK), CString("Delete text block"));
}

TEST_F(UndoRedo, UndoWithNothingToUndoIsHarmless)
{
    EXPECT_EQ(Undo(), 0u);
    EXPECT_EQ(Redo(), 0u);
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
}
}  // namespace
