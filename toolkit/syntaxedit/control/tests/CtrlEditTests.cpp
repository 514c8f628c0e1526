// Edits through the control: undo steps, change notifications, line marks and the modified state.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditLexParserAdapter.h"

namespace
{
// The file's text with CR LF line ends, as the buffer hands it out.
CString GeneratedText()
{
    std::string strFile = ReadDataFile("chat_api.c");
    CString strText;
    for (char ch : strFile)
    {
        if (ch != '\r')
            strText += ch == '\n' ? CString("\r\n") : CString(ch);
    }
    return strText;
}

int UndoSteps(CEditTestWindow& window) { return window.Buffer()->GetUndoRedoManager()->GetCount(); }

BOOL HasBookmark(CEditTestWindow& window, int nRow)
{
    return window.Ctrl().GetLineMarksManager()->HasLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
}

// What the code generator does to an open editor: the old text goes in one
// step, the new one comes in pieces, each its own step.
TEST(CtrlEdit, TheGeneratorsRoadReplacesTheTextStepByStep)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    CString strNew = GeneratedText();
    strNew.Replace("chat", "talk");
    int nStepsBefore = UndoSteps(window);
    window.Parent().Clear();

    ctrl.SelectAll();
    EXPECT_TRUE(ctrl.DeleteSelection());
    EXPECT_EQ(ctrl.GetRowCount(), 1);
    EXPECT_EQ(UndoSteps(window), nStepsBefore + 1);
    int nThird = strNew.GetLength() / 3;
    for (const CString& strPiece : {strNew.Left(nThird), strNew.Mid(nThird, nThird), strNew.Mid(2 * nThird)})
        EXPECT_TRUE(ctrl.InsertString(strPiece, ctrl.GetCurrentRow(), ctrl.GetCurrentChar()));

    EXPECT_TRUE(window.Text() == strNew);
    EXPECT_EQ(UndoSteps(window), nStepsBefore + 4);
    EXPECT_TRUE(window.Buffer()->IsModified());
    auto changes = window.Parent().Of(KT_EDIT_NM_TEXTCHANGED);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].nFirst, 1);
    EXPECT_EQ(changes[0].nSecond, 443);
    EXPECT_EQ(changes[0].nThird, int(KT_EDIT_CHANGE_TEXT) | int(KT_EDIT_CHANGE_ROWS_DELETED));
    EXPECT_EQ(changes[1].nFirst, 1);
    EXPECT_EQ(changes[1].nThird, int(KT_EDIT_CHANGE_TEXT) | int(KT_EDIT_CHANGE_ROWS_INSERTED));
    EXPECT_EQ(changes[2].nFirst, changes[1].nSecond);
    EXPECT_EQ(changes[3].nSecond, ctrl.GetRowCount());
    for (const CRecordedNotify& modified : window.Parent().Of(KT_EDIT_NM_MODIFIED))
        EXPECT_EQ(modified.nFirst, TRUE);

    window.Parent().Clear();
    EXPECT_TRUE(ctrl.Undo(4));
    EXPECT_TRUE(window.Text() == GeneratedText());
    EXPECT_FALSE(window.Buffer()->IsModified());
    EXPECT_EQ(window.Parent().Of(KT_EDIT_NM_TEXTCHANGED).size(), 4u);
    auto modified = window.Parent().Of(KT_EDIT_NM_MODIFIED);
    ASSERT_EQ(modified.size(), 1u);
    EXPECT_EQ(modified[0].nFirst, FALSE);
}

// An editor that was never loaded still counts as changed after the road.
TEST(CtrlEdit, InsertingIntoAnEmptyEditorMarksItModified)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SelectAll();
    EXPECT_TRUE(ctrl.DeleteSelection());
    EXPECT_TRUE(ctrl.InsertString("int x;\r\n", 1, 1));
    auto modified = window.Parent().Of(KT_EDIT_NM_MODIFIED);
    ASSERT_EQ(modified.size(), 1u);
    EXPECT_EQ(modified[0].nFirst, TRUE);
    EXPECT_TRUE(window.Buffer()->IsModified());
}

TEST(CtrlEdit, ABookmarkBelowAnInsertionElsewhereMovesWithItsRow)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetCurrentPosition(30, 1, FALSE, TRUE);
    ctrl.GetLineMarksManager()->AddLineMark(10, KT_EDIT_MARK_BOOKMARK);
    CString strMarked = window.Buffer()->GetLineTextEx(10);
    window.Parent().Clear();
    EXPECT_TRUE(ctrl.InsertString("int a;\r\nint b;\r\n", 5, 1));
    EXPECT_TRUE(HasBookmark(window, 12));
    EXPECT_FALSE(HasBookmark(window, 10));
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12) == strMarked);
    auto changes = window.Parent().Of(KT_EDIT_NM_TEXTCHANGED);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].nFirst, 5);
    EXPECT_EQ(changes[0].nSecond, 7);
    EXPECT_EQ(changes[0].nThird, int(KT_EDIT_CHANGE_TEXT) | int(KT_EDIT_CHANGE_ROWS_INSERTED));
    EXPECT_EQ(ctrl.GetCurrentRow(), 7);
}

TEST(CtrlEdit, AColumnBlockGoesInOneStepAndComesBackInOne)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.GetLineMarksManager()->AddLineMark(13, KT_EDIT_MARK_BOOKMARK);
    CString strBefore = window.Text();
    CString strRow12 = window.Buffer()->GetLineTextEx(12);
    CString strRow14 = window.Buffer()->GetLineTextEx(14);  // a tab, then "size_t"
    int nSteps = UndoSteps(window);
    ctrl.SetColumnSelection(TRUE);
    ASSERT_TRUE(ctrl.Select(12, 5, 16, 9, FALSE));
    EXPECT_TRUE(ctrl.DeleteSelection());
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12) == strRow12.Left(4) + strRow12.Mid(8));
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(14) == strRow14.Left(1) + strRow14.Mid(5));
    EXPECT_EQ(UndoSteps(window), nSteps + 1);
    EXPECT_TRUE(HasBookmark(window, 13));
    EXPECT_FALSE(ctrl.HasSelection());
    EXPECT_TRUE(ctrl.Undo());
    EXPECT_TRUE(window.Text() == strBefore);
    EXPECT_TRUE(HasBookmark(window, 13));
}

// The whole text replaced by WM_SETTEXT is an edit like any other: the
// parser hears of it and the caret stays inside the new text.
TEST(CtrlEdit, SetTextColoursTheNewTextAndKeepsTheCaretInIt)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ctrl.SetCurrentPosition(400, 10, FALSE, TRUE);
    window.Parent().Clear();
    EXPECT_TRUE(ctrl.SendMessage(WM_SETTEXT, 0, LPARAM("int x;\r\n/* note */")));
    EXPECT_EQ(ctrl.GetRowCount(), 2);
    EXPECT_LE(ctrl.GetCurrentRow(), 2);
    EXPECT_LE(ctrl.GetCurrentChar(), window.Buffer()->GetLineLength(ctrl.GetCurrentRow()) + 1);
    EXPECT_EQ(window.Parent().Of(KT_EDIT_NM_TEXTCHANGED).size(), 2u);
    EXPECT_TRUE(window.Buffer()->IsModified());
    CKTSyntaxEditLexTextSchema* pSchema = ctrl.GetTextSchema();
    ASSERT_NE(pSchema, nullptr);
    auto commentColour = [&]
    {
        std::vector<KT_EDIT_LEXPIECE> pieces;
        pSchema->GetRowColors(2, 10, KT_EDIT_LEXSTYLE(), pieces);
        return pieces.size() == 1 && pieces[0].style.clrText == RGB(0, 128, 0);
    };
    EXPECT_TRUE(PumpUntil(commentColour, 10000));
}

// A case change that alters no character leaves the document as it was.
TEST(CtrlEdit, ACaseChangeThatChangesNothingLeavesNoTrace)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    int nSteps = UndoSteps(window);
    ASSERT_TRUE(ctrl.Select(12, 1, 12, 11, FALSE));  // "static int"
    window.Parent().Clear();
    EXPECT_TRUE(ctrl.LowercaseSelection());
    EXPECT_EQ(UndoSteps(window), nSteps);
    EXPECT_FALSE(window.Buffer()->IsModified());
    EXPECT_TRUE(window.Parent().Of(KT_EDIT_NM_TEXTCHANGED).empty());
    EXPECT_TRUE(window.Parent().Of(KT_EDIT_NM_MODIFIED).empty());

    EXPECT_TRUE(ctrl.UppercaseSelection());
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12).Left(11) == "STATIC INT ");
    EXPECT_EQ(UndoSteps(window), nSteps + 1);
    EXPECT_TRUE(window.Buffer()->IsModified());
    EXPECT_EQ(window.Parent().Of(KT_EDIT_NM_TEXTCHANGED).size(), 1u);
    EXPECT_TRUE(ctrl.HasSelection());
    EXPECT_TRUE(ctrl.Undo());
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12).Left(11) == "static int ");
}

TEST(CtrlEdit, ReplacingABackwardSelectionReplacesExactlyIt)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(ctrl.Select(12, 11, 12, 8, FALSE));  // "int", made from right to left
    EXPECT_TRUE(ctrl.ReplaceSelection("long"));
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12).Left(12) == "static long ");
    EXPECT_EQ(ctrl.GetCurrentChar(), 12);
    EXPECT_TRUE(ctrl.Undo());
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12).Left(11) == "static int ");

    ASSERT_TRUE(ctrl.Select(12, 1, 12, 8, FALSE));
    EXPECT_FALSE(ctrl.InsertString("", 12, 1, TRUE));
    EXPECT_TRUE(window.Buffer()->GetLineTextEx(12).Left(4) == "int ");
}
}  // namespace

namespace
{
TEST(CtrlEdit, DeletingACharacterOrARowEndJoinsAsTheKeysDo)
{
    CEditTestWindow window(FALSE);
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    ASSERT_TRUE(ctrl.InsertString("ab\r\ncd\r\nef", 1, 1));
    EXPECT_TRUE(ctrl.DeleteChar(2, 1, TRUE));
    EXPECT_TRUE(window.Text() == "abcd\r\nef");
    EXPECT_EQ(ctrl.GetCurrentRow(), 1);
    EXPECT_EQ(ctrl.GetCurrentChar(), 3);
    EXPECT_TRUE(ctrl.DeleteChar(1, 5, FALSE));
    EXPECT_TRUE(window.Text() == "abcdef");
    EXPECT_TRUE(ctrl.DeleteChar(1, 2, FALSE));
    EXPECT_TRUE(window.Text() == "acdef");
    EXPECT_FALSE(ctrl.DeleteChar(1, 1, TRUE));
    EXPECT_FALSE(ctrl.DeleteChar(1, 6, FALSE));
}
}  // namespace
