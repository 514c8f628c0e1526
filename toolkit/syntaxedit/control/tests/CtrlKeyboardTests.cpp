// Real keystrokes in the control: typing steps, indentation, Tab and Shift+Tab blocks, Home, page keys, Ctrl+L.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "HeldKeys.h"
#include "InputBuilder.h"
#include "TestInput.h"

namespace
{
// A control holding the rows, tab size 4, no history, caret at (row, character).
class CKeyTest : public ::testing::Test
{
protected:
    void Load(LPCSTR pszText, int nRow = 1, int nChar = 1)
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE);
        Ctrl().SetSyntaxColor(FALSE);
        Ctrl().SetTabSize(4);
        Ctrl().SetTabWithSpace(FALSE);
        Ctrl().SetAutoIndent(TRUE);
        Ctrl().InsertString(pszText, 1, 1);
        m_window->Buffer()->GetUndoRedoManager()->Clear();
        m_window->Buffer()->GetUndoRedoManager()->MarkSaved();
        Ctrl().SetCurrentPosition(nRow, Ctrl().GetDisplayColumn(nRow, nChar), FALSE, TRUE);
        m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd());
        Ctrl().SetFocus();
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    CString Row(int n) { return m_window->Buffer()->GetLineTextEx(n); }
    int Steps() { return m_window->Buffer()->GetUndoRedoManager()->GetCount(); }
    void Keys(WORD wKey, unsigned nMods = CTestInput::kNone) { ASSERT_TRUE(m_input->Key(wKey, nMods)); }
    void Type(const char* psz) { ASSERT_TRUE(m_input->Text(psz)); }

    std::unique_ptr<CEditTestWindow> m_window;
    std::unique_ptr<CTestInput> m_input;
};

TEST_F(CKeyTest, LettersTypeAsOneStepAndBreakersStartNewOnes)
{
    Load("");
    Type("abc");
    EXPECT_STREQ(Row(1), "abc");
    EXPECT_EQ(Steps(), 1);
    Type(" de");
    EXPECT_STREQ(Row(1), "abc de");
    EXPECT_EQ(Steps(), 3);
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "abc ");
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "abc");
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "");
    EXPECT_FALSE(m_window->Buffer()->IsModified());
}

TEST_F(CKeyTest, EnterCarriesTheIndentation)
{
    Load("\tfoo", 1, 5);
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    EXPECT_STREQ(Row(2), "");
    EXPECT_EQ(Ctrl().GetForcedColumn(), 5);
    Type("x");
    EXPECT_STREQ(Row(2), "\tx");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 3);

    Load("\tfoobar", 1, 5);
    Keys(VK_RETURN);
    EXPECT_STREQ(Row(1), "\tfoo");
    EXPECT_STREQ(Row(2), "\tbar");
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 5);
}

TEST_F(CKeyTest, BackspaceShrinksAPendingIndentation)
{
    Load("\t\tfoo", 1, 6);
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetForcedColumn(), 9);
    Keys(VK_BACK);
    EXPECT_EQ(Ctrl().GetForcedColumn(), 5);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    Keys(VK_BACK);
    EXPECT_EQ(Ctrl().GetForcedColumn(), 0);
    EXPECT_STREQ(Row(2), "");
}

TEST_F(CKeyTest, TabTurnsIntoSpacesOrMergesSpacesIntoTabs)
{
    Load("a");
    Ctrl().SetTabWithSpace(TRUE);
    Ctrl().SetCurrentPosition(1, 2, FALSE, TRUE);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(1), "a   ");

    Load("    ", 1, 5);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(1), "\t\t");
    EXPECT_EQ(Steps(), 1);
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "    ");
}

TEST_F(CKeyTest, TabAndShiftTabOverRowsAreSingleSteps)
{
    Load("\ta\r\n  b\r\nc\r\nd\r\ne");
    Ctrl().Select(1, 1, 3, 2);
    Keys(VK_TAB, CTestInput::kShift);
    EXPECT_STREQ(Row(1), "a");
    EXPECT_STREQ(Row(2), "b");
    EXPECT_STREQ(Row(3), "c");
    EXPECT_EQ(Steps(), 1);
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "\ta");
    EXPECT_STREQ(Row(2), "  b");

    Ctrl().Select(2, 1, 5, 1);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(2), "\t  b");
    EXPECT_STREQ(Row(4), "\td");
    EXPECT_STREQ(Row(5), "e");
    EXPECT_TRUE(Ctrl().HasSelection());
    Ctrl().Undo();
    EXPECT_STREQ(Row(2), "  b");
    EXPECT_STREQ(Row(4), "d");
}

// Selected upwards from column 1 of a row, the block leaves that row alone and keeps its anchor.
TEST_F(CKeyTest, TabOverAnUpwardSelectionIndentsOnlyTheSelectedRows)
{
    Load("a\r\nb\r\nc\r\nd", 4, 1);
    Keys(VK_UP, CTestInput::kShift);
    Keys(VK_UP, CTestInput::kShift);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(1), "a");
    EXPECT_STREQ(Row(2), "\tb");
    EXPECT_STREQ(Row(3), "\tc");
    EXPECT_STREQ(Row(4), "d");
    Keys(VK_UP, CTestInput::kShift);
    Keys(VK_TAB, CTestInput::kShift);
    EXPECT_STREQ(Row(1), "a");
    EXPECT_STREQ(Row(2), "b");
    EXPECT_STREQ(Row(3), "c");
    EXPECT_STREQ(Row(4), "d");
}

TEST_F(CKeyTest, SmartHomeEndAndTheEdgesOfTheText)
{
    Load("    x\r\nlast", 1, 3);
    Keys(VK_HOME);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5);
    Keys(VK_HOME);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);
    Keys(VK_HOME);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5);
    Keys(VK_END, CTestInput::kControl);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5);
    Keys(VK_RIGHT);
    Keys(VK_DOWN);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5);
    Keys(VK_HOME, CTestInput::kControl);
    Keys(VK_LEFT);
    Keys(VK_UP);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 1);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);
    Keys(VK_RIGHT, CTestInput::kShift);
    Keys(VK_RIGHT, CTestInput::kShift);
    EXPECT_TRUE(Ctrl().HasSelection());
    Keys(VK_LEFT);
    EXPECT_FALSE(Ctrl().HasSelection());
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);
}

// Each step repaints the selection; the next Shift+arrow still extends it from where it began.
TEST_F(CKeyTest, ShiftArrowsKeepTheAnchorOfABackwardSelection)
{
    Load("a;\r\nb;\r\n\tc;\r\n    d\r\n");
    Keys(VK_END, CTestInput::kControl);
    Keys(VK_UP, CTestInput::kShift);
    Keys(VK_UP, CTestInput::kShift);
    CString strSelected;
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "\tc;\r\n    d\r\n");
    Keys(VK_RIGHT, CTestInput::kShift);
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "c;\r\n    d\r\n");
    Keys(VK_DOWN, CTestInput::kShift);
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "d\r\n");

    Keys(VK_UP, CTestInput::kShift);
    Keys(VK_HOME, CTestInput::kShift);
    ASSERT_TRUE(Ctrl().UppercaseSelection());
    Keys(VK_UP, CTestInput::kShift);
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "b;\r\n\tC;\r\n    D\r\n") << "a case change keeps the anchor too";
}

// A selection by Shift and keys runs while Shift is held, through the release of each key, and ends with Shift.
TEST_F(CKeyTest, TheShiftSelectionRunsUntilShiftGoesUp)
{
    Load("abcdef");
    {
        CHeldKeys shift(CTestInput::kShift);
        ASSERT_TRUE(shift.IsHeld());
        Keys(VK_RIGHT);
        Keys(VK_RIGHT);
        EXPECT_TRUE(Ctrl().IsShiftSelecting());
    }
    EXPECT_TRUE(PumpUntil([this] { return !Ctrl().IsShiftSelecting(); }, kColdWineDeadlineMs));
    CString strSelected;
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "ab");
    Keys(VK_RIGHT, CTestInput::kShift);
    EXPECT_FALSE(Ctrl().IsShiftSelecting());
    Ctrl().GetSelectionText(strSelected);
    EXPECT_STREQ(strSelected, "abc");
}

TEST_F(CKeyTest, PageKeysMoveByAWindowOfRows)
{
    CString strText;
    for (int i = 1; i <= 200; ++i)
        strText += "row\r\n";
    Load(strText);
    int nPage = Ctrl().GetVisibleRows();
    Keys(VK_NEXT);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 1 + nPage);
    Keys(VK_NEXT);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 1 + 2 * nPage);
    EXPECT_GT(Ctrl().GetTopRow(), 1);
    Keys(VK_PRIOR);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 1 + nPage);
    Keys(VK_END, CTestInput::kControl);
    Keys(VK_NEXT);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 201);
}

// Overwrite mode inserts no indentation, yet Tab still picks the rows whole, as Shift+Tab does.
TEST_F(CKeyTest, TabInOverwriteModeWidensTheBlockToWholeRows)
{
    Load("abc\r\ndef\r\nghi\r\njkl");
    Ctrl().SetOverwriteMode(TRUE);
    Ctrl().Select(1, 2, 3, 2);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(1), "abc");
    EXPECT_EQ(Steps(), 0);
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(Ctrl().GetSelection(start, end));
    EXPECT_EQ(start, KT_EDIT_TEXTPOS(1, 1));
    EXPECT_EQ(end, KT_EDIT_TEXTPOS(4, 1));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 4);
}

TEST_F(CKeyTest, InsertTogglesOverwriteAndEnterThenOnlyMoves)
{
    Load("one\r\ntwo\r\nthree", 1, 2);
    Keys(VK_INSERT);
    EXPECT_TRUE(m_window->Buffer()->GetOverwriteMode());
    Type("X");
    EXPECT_STREQ(Row(1), "oXe");
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);
    EXPECT_EQ(Ctrl().GetRowCount(), 3);
    Keys(VK_INSERT);
    EXPECT_FALSE(m_window->Buffer()->GetOverwriteMode());
}

// The system's record of the caret: its size is what the user sees blink.
CSize CaretSize(HWND hWnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, NULL), &info) || info.hwndCaret != hWnd)
        return CSize(-1, -1);
    return CSize(info.rcCaret.right - info.rcCaret.left, info.rcCaret.bottom - info.rcCaret.top);
}

TEST_F(CKeyTest, OverwriteWidensTheCaretOnlyWithTheWideCaretOption)
{
    Load("one\r\ntwo", 1, 2);
    HWND hWnd = Ctrl().GetSafeHwnd();
    const int nHeight = Ctrl().GetRowHeight();
    EXPECT_EQ(CaretSize(hWnd), CSize(2, nHeight));
    Keys(VK_INSERT);
    EXPECT_EQ(CaretSize(hWnd), CSize(Ctrl().GetCharWidth(), nHeight));
    Ctrl().SetWideCaret(FALSE);
    EXPECT_EQ(CaretSize(hWnd), CSize(2, nHeight));
    Ctrl().SetWideCaret(TRUE);
    Keys(VK_DOWN);
    EXPECT_EQ(CaretSize(hWnd), CSize(Ctrl().GetCharWidth(), nHeight));
    Keys(VK_INSERT);
    EXPECT_EQ(CaretSize(hWnd), CSize(2, nHeight));
}

TEST_F(CKeyTest, CtrlLDeletesWholeRows)
{
    Load("only");
    Keys('L', CTestInput::kControl);
    EXPECT_EQ(Ctrl().GetRowCount(), 1);
    EXPECT_STREQ(Row(1), "");

    Load("a\r\nb\r\nc\r\nd");
    Ctrl().Select(2, 1, 3, 2);
    Keys('L', CTestInput::kControl);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    EXPECT_STREQ(Row(2), "d");
    EXPECT_EQ(Steps(), 1);
}

// AltGr reports Ctrl and Alt together: the brace of a German or French keyboard comes with both held. Wine mangles
// a character sent as itself while Alt is down (the key's flags become part of it), so the character the layout
// makes is posted between the real presses and releases of the modifiers; a posted message is taken before the
// input queued after it, so the control reads the modifiers down.
TEST_F(CKeyTest, ACharacterMadeWithCtrlAndAltIsTypedWhileCtrlAloneTypesNothing)
{
    auto typeHeld = [this](char ch, unsigned nModifiers)
    {
        std::vector<INPUT> down, up;
        InputBuilder::AddModifiers(down, nModifiers, true);
        InputBuilder::AddModifiers(up, nModifiers, false);
        ASSERT_TRUE(m_input->Send(down));
        Ctrl().PostMessage(WM_CHAR, static_cast<unsigned char>(ch), 1);
        ASSERT_TRUE(m_input->Send(up));
    };
    Load("x");
    Ctrl().SetCurrentPosition(1, 2, FALSE, TRUE);
    for (char ch : {'{', '@', '\\', '~'})
        typeHeld(ch, CTestInput::kControl | CTestInput::kAlt);
    EXPECT_STREQ(Row(1), "x{@\\~");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 6);

    typeHeld('{', CTestInput::kControl);
    Keys('Q', CTestInput::kControl);
    EXPECT_STREQ(Row(1), "x{@\\~") << "Ctrl without Alt is a command";
}

// With spaces for tabs, a Tab typed at a pending indentation goes to the first stop after it.
TEST_F(CKeyTest, ATabAtAPendingIndentationReachesTheNextStopAfterIt)
{
    Load("      x", 1, 8);
    Ctrl().SetTabWithSpace(TRUE);
    Keys(VK_RETURN);
    ASSERT_EQ(Ctrl().GetForcedColumn(), 7);
    Keys(VK_TAB);
    EXPECT_STREQ(Row(2), "        ");
    EXPECT_EQ(Ctrl().GetCurrentDispCol(), 9);
}

// Alt and Shift with a caret key select a column, as Alt with a drag does; Alt without Shift moves nothing.
TEST_F(CKeyTest, AltShiftWithTheCaretKeysSelectsAColumn)
{
    Load("abcdef\r\nab\r\nabcdef", 1, 2);
    Keys(VK_DOWN, CTestInput::kShift | CTestInput::kAlt);
    Keys(VK_DOWN, CTestInput::kShift | CTestInput::kAlt);
    for (int i = 0; i < 3; ++i)
        Keys(VK_RIGHT, CTestInput::kShift | CTestInput::kAlt);
    EXPECT_TRUE(Ctrl().IsColumnSelection());
    CString strText;
    Ctrl().GetSelectionText(strText);
    EXPECT_STREQ(strText, "bcd\r\nb  \r\nbcd\r\n");

    Load("abcdef", 1, 2);
    Keys(VK_RIGHT, CTestInput::kAlt);
    EXPECT_EQ(Ctrl().GetCurrentChar(), 2);
    EXPECT_FALSE(Ctrl().HasSelection());
}

TEST_F(CKeyTest, ARefusingNotifyWindowKeepsTheTextButLetsTheCaretMove)
{
    Load("text");
    m_window->Parent().m_nCanEditAnswer = 1;
    Type("xy");
    Keys(VK_DELETE);
    Keys(VK_END);
    EXPECT_STREQ(Row(1), "text");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 5);
}
}  // namespace
