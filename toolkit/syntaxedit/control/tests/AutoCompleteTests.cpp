// The word list with real keys and clicks: opening at the caret, following the typed word, choosing as one undo
// step, closing, and the focus staying in the control throughout.
#include <gtest/gtest.h>

#include "ClipboardText.h"
#include "EditTestWindow.h"
#include "InputBuilder.h"
#include "KTSyntaxEditCompletion.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelImage.h"
#include "TestInput.h"

namespace
{
const char kTags[] = " (";

std::vector<KT_EDIT_AUTOCOMPLETEITEM> Words(std::initializer_list<const char*> words)
{
    std::vector<KT_EDIT_AUTOCOMPLETEITEM> items;
    for (const char* psz : words)
        items.push_back({0, psz});
    return items;
}

// The middle of a row of the control's list, in the control's coordinates: the list itself is never made foreground.
CPoint OnList(CKTSyntaxEditCtrl& ctrl, int nRow)
{
    CKTSyntaxEditAutoCompleteWnd& list = ctrl.GetCompletion().GetList();
    CPoint pt = list.GetRowRect(nRow).CenterPoint();
    list.ClientToScreen(&pt);
    ctrl.ScreenToClient(&pt);
    return pt;
}

// A control without a lexer, so the words stay those the test gives, with one row and the caret at its end.
class CAutoCompleteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE);
        Ctrl().SetSyntaxColor(FALSE);
        List().SetDataList(Words({"gamma", "Beta", "alpha", "betamax", "delta"}), kTags);
        m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd());
    }
    void Row(LPCSTR pszText)
    {
        List().Hide();
        Ctrl().SetWindowText(pszText);
        Buffer()->GetUndoRedoManager()->Clear();
        Ctrl().SetCurrentPosition(1, int(strlen(pszText)) + 1, FALSE, TRUE);
    }
    CString RowText() { return Buffer()->GetLineTextEx(1); }
    // Several rows, the caret at the end of the one given.
    void Rows(LPCSTR pszText, int nCaretRow)
    {
        Row(pszText);
        Ctrl().SetCurrentPosition(nCaretRow, Buffer()->GetLineLength(nCaretRow) + 1, FALSE, TRUE);
    }
    // The rows joined by "|".
    CString AllText()
    {
        CString str;
        for (int nRow = 1; nRow <= Ctrl().GetRowCount(); ++nRow)
            str += (nRow > 1 ? "|" : "") + Buffer()->GetLineTextEx(nRow);
        return str;
    }
    int HighlightedPixels()
    {
        return CPixelImage::FromWindow(List().GetSafeHwnd()).CountNear(::GetSysColor(COLOR_HIGHLIGHT));
    }
    void CaseSensitiveWords()
    {
        std::vector<KT_EDIT_AUTOCOMPLETEITEM> items = Words({"int", "inline", "Beta", "betamax"});
        for (KT_EDIT_AUTOCOMPLETEITEM& item : items)
            item.bCaseSensitive = TRUE;
        List().SetDataList(items, kTags);
    }
    void Keys(WORD wKey, unsigned nMods = CTestInput::kNone) { ASSERT_TRUE(m_input->Key(wKey, nMods)); }
    void Open() { Keys(VK_SPACE, CTestInput::kControl); }
    CPoint OnList(int nRow) { return ::OnList(Ctrl(), nRow); }
    CString Selected() { return List().GetShownText(List().GetSelected()); }
    // A move to the character of the first row, then the button action, if any.
    std::vector<INPUT> Mouse(int nCol, DWORD dwButton)
    {
        CPoint pt(Ctrl().GetTextLeft() + (nCol - 1) * Ctrl().GetCharWidth() + 1, Ctrl().GetRowHeight() / 2);
        Ctrl().ClientToScreen(&pt);
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, pt);
        if (dwButton != MOUSEEVENTF_MOVE)
            InputBuilder::AddButton(inputs, dwButton);
        return inputs;
    }
    void ExpectFocusKept()
    {
        EXPECT_EQ(::GetFocus(), Ctrl().GetSafeHwnd());
        EXPECT_EQ(::GetForegroundWindow(), m_window->Parent().GetSafeHwnd());
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    CKTSyntaxEditAutoCompleteWnd& List() { return Ctrl().GetCompletion().GetList(); }
    CKTSyntaxEditBufferManager* Buffer() { return m_window->Buffer(); }

    std::unique_ptr<CEditTestWindow> m_window;
    std::unique_ptr<CTestInput> m_input;
};

// Counts the times a window is shown, however it is placed.
class CShowCounter
{
public:
    explicit CShowCounter(HWND hWnd)
    {
        s_hWnd = hWnd;
        s_nShown = 0;
        m_hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, Hook, NULL, ::GetCurrentThreadId());
    }
    ~CShowCounter() { ::UnhookWindowsHookEx(m_hHook); }
    CShowCounter(const CShowCounter&) = delete;
    CShowCounter& operator=(const CShowCounter&) = delete;
    bool IsHooked() const { return m_hHook != NULL; }
    int Shown() const { return s_nShown; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && pMsg->hwnd == s_hWnd && pMsg->message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(pMsg->lParam)->flags & SWP_SHOWWINDOW))
            ++s_nShown;
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }

    static inline HWND s_hWnd = NULL;
    static inline int s_nShown = 0;
    HHOOK m_hHook;
};

TEST_F(CAutoCompleteTest, CtrlSpaceOpensBelowTheCaretWithTheWordsOfTheTypedPrefix)
{
    Row("x(be");
    Open();
    ASSERT_TRUE(List().IsShown());
    EXPECT_TRUE(List().IsWindowVisible());
    ASSERT_EQ(List().GetShownCount(), 2);
    EXPECT_STREQ(List().GetShownText(0), "Beta");
    EXPECT_STREQ(List().GetShownText(1), "betamax");
    EXPECT_STREQ(List().GetTypedText(), "be");
    EXPECT_STREQ(RowText(), "x(be");

    CPoint ptCaret = Ctrl().GetCaretPoint();
    Ctrl().ClientToScreen(&ptCaret);
    CRect rcList;
    List().GetWindowRect(&rcList);
    EXPECT_EQ(rcList.top, ptCaret.y + Ctrl().GetRowHeight());
    EXPECT_LT(rcList.left, ptCaret.x);
    ExpectFocusKept();
}

TEST_F(CAutoCompleteTest, TypingFollowsTheWordAndTabReplacesItAsOneStep)
{
    Row("x be");
    Open();
    ASSERT_TRUE(m_input->Text("t"));
    EXPECT_STREQ(RowText(), "x bet");
    ASSERT_TRUE(List().IsShown());
    EXPECT_STREQ(Selected(), "Beta");
    EXPECT_TRUE(List().IsHighlighted());
    Keys(VK_DOWN);
    EXPECT_STREQ(Selected(), "betamax");
    int nSteps = Buffer()->GetUndoRedoManager()->GetCount();

    Keys(VK_TAB);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x betamax");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 10);
    EXPECT_EQ(Buffer()->GetUndoRedoManager()->GetCount(), nSteps + 1);
    Ctrl().Undo();
    EXPECT_STREQ(RowText(), "x bet");
    ExpectFocusKept();
}

// Typed whole, a word of a scheme that ignores case is the entry and closes the list; in a scheme that reads case
// it is the entry only as written. Either way it stays as typed: no word comes out in a case the user did not type.
TEST_F(CAutoCompleteTest, AWordTypedWholeIsTheEntryOnlyAsTheSchemeReadsItAndStaysAsTyped)
{
    Row("x BE");
    Open();
    ASSERT_TRUE(m_input->Text("TA"));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x BETA");
    ASSERT_TRUE(m_input->Text("MAX"));
    EXPECT_STREQ(RowText(), "x BETAMAX");

    // Tab still gives the entry's own spelling.
    Row("x BE");
    Open();
    ASSERT_TRUE(m_input->Text("T"));
    Keys(VK_TAB);
    EXPECT_STREQ(RowText(), "x Beta");

    CaseSensitiveWords();
    Row("I");
    Open();
    ASSERT_TRUE(m_input->Text("NT"));
    EXPECT_STREQ(RowText(), "INT");
    EXPECT_TRUE(List().IsShown());
    Keys(VK_ESCAPE);

    Row("i");
    Open();
    ASSERT_TRUE(m_input->Text("nt"));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "int");

    // Of the entries the word begins, the one written as typed is pointed at.
    Row("x b");
    Open();
    EXPECT_STREQ(Selected(), "betamax");
    Keys(VK_RETURN);
    EXPECT_STREQ(RowText(), "x betamax");
}

// Shown again along the row, the list stands where the caret is now; shown again where it stands, it is not placed
// anew.
TEST_F(CAutoCompleteTest, TheListStandsAtTheCaretEachTimeItShows)
{
    List().SetTagLists(" ~(~=", ";");
    const auto offset = [this]
    {
        CPoint ptCaret = Ctrl().GetCaretPoint();
        Ctrl().ClientToScreen(&ptCaret);
        CRect rcList;
        List().GetWindowRect(&rcList);
        EXPECT_EQ(rcList.top, ptCaret.y + Ctrl().GetRowHeight());
        return rcList.left - ptCaret.x;
    };
    Row("for");
    ASSERT_TRUE(m_input->Text(" "));
    ASSERT_TRUE(List().IsShown());
    const int nOffset = offset();
    EXPECT_LT(nOffset, 0);
    ASSERT_TRUE(m_input->Text("("));
    ASSERT_TRUE(List().IsShown());
    EXPECT_EQ(offset(), nOffset);
    ASSERT_TRUE(m_input->Text("i ="));
    ASSERT_TRUE(PumpUntil([this] { return List().IsShown() && Ctrl().GetCurrentChar() == 9; }));
    EXPECT_EQ(offset(), nOffset);

    Row("x b");
    Open();
    ASSERT_TRUE(List().IsShown());
    CShowCounter shows(List().GetSafeHwnd());
    ASSERT_TRUE(shows.IsHooked());
    ASSERT_TRUE(Ctrl().GetCompletion().Open());
    EXPECT_EQ(shows.Shown(), 0);
}

TEST_F(CAutoCompleteTest, EnterOnAnEmptyWordInsertsTheChosenEntryAndNoLineBreak)
{
    Row("x ");
    Open();
    ASSERT_TRUE(List().IsShown());
    EXPECT_EQ(List().GetShownCount(), 5);
    EXPECT_STREQ(List().GetShownText(0), "alpha");  // sorted without regard to case
    EXPECT_STREQ(List().GetShownText(1), "Beta");
    EXPECT_FALSE(List().IsHighlighted());

    Keys(VK_DOWN);
    EXPECT_STREQ(Selected(), "Beta");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 3);  // the caret stays while the list moves
    Keys(VK_RETURN);
    EXPECT_FALSE(List().IsShown());
    EXPECT_EQ(Ctrl().GetRowCount(), 1);
    EXPECT_STREQ(RowText(), "x Beta");
    Ctrl().Undo();
    EXPECT_STREQ(RowText(), "x ");
}

// Asked for on no word, the list points at nothing until the user moves: no key chooses an entry it did not see
// highlighted, so each types as it would without the list.
TEST_F(CAutoCompleteTest, AListAskedForOnNoWordChoosesNothingWithTheFirstKey)
{
    List().SetTagLists(".", ";");
    const struct
    {
        const char* pszText;
        WORD wKey;
        const char* pszAfter;
    } keys[] = {{";", 0, "x ;"}, {NULL, VK_RETURN, "x |"}, {NULL, VK_TAB, "x\t"}, {NULL, VK_SPACE, "x  "}};
    for (const auto& key : keys)
    {
        Row("x ");
        Open();
        ASSERT_TRUE(List().IsShown());
        EXPECT_EQ(HighlightedPixels(), 0);
        if (key.pszText)
            ASSERT_TRUE(m_input->Text(key.pszText));
        else
            Keys(key.wKey);
        EXPECT_FALSE(List().IsShown());
        EXPECT_STREQ(AllText(), key.pszAfter);
    }

    // Moved to, the entry is drawn highlighted and the next key takes it.
    Row("x ");
    Open();
    Keys(VK_DOWN);
    EXPECT_TRUE(PumpUntil([this] { return HighlightedPixels() > 0; }));
    ASSERT_TRUE(m_input->Text(";"));
    EXPECT_STREQ(RowText(), "x Beta;");
}

// Chosen where Enter left the caret indented, the entry comes with the indentation: one undo takes both.
TEST_F(CAutoCompleteTest, AnEntryChosenAtACarriedIndentationIsOneUndoStep)
{
    Row("  x");
    Keys(VK_RETURN);
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_DOWN);
    int nSteps = Buffer()->GetUndoRedoManager()->GetCount();
    Keys(VK_RETURN);
    EXPECT_STREQ(Buffer()->GetLineTextEx(2), "  Beta");
    EXPECT_EQ(Buffer()->GetUndoRedoManager()->GetCount(), nSteps + 1);
    Ctrl().Undo();
    EXPECT_STREQ(Buffer()->GetLineTextEx(2), "");
    EXPECT_STREQ(RowText(), "  x");
}

TEST_F(CAutoCompleteTest, EscBackspaceAndAWordWithoutEntryCloseTheListLeavingTheText)
{
    Row("x b");
    Open();
    Keys(VK_ESCAPE);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x b");

    Open();
    Keys(VK_BACK);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x ");

    Row("x b");
    Open();
    ASSERT_TRUE(m_input->Text("z"));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x bz");

    // A character that cannot belong to the word ends it: the list must not replace what follows.
    Row("x b");
    Open();
    ASSERT_TRUE(m_input->Text("-"));
    EXPECT_FALSE(List().IsShown());
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    EXPECT_STREQ(RowText(), "x b-");

    Row("x zz");
    Open();
    EXPECT_FALSE(List().IsShown());

    // Opened on no word, Backspace takes the caret before where the word would begin.
    Row("x ");
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_BACK);
    EXPECT_TRUE(PumpUntil([this] { return !List().IsShown(); }));
    EXPECT_STREQ(RowText(), "x");
}

TEST_F(CAutoCompleteTest, AClickSelectsAndADoubleClickChoosesWithoutTakingTheFocus)
{
    Row("x ");
    Open();
    ASSERT_TRUE(List().IsShown());
    ASSERT_TRUE(m_input->Click(OnList(2)));
    EXPECT_STREQ(Selected(), "betamax");
    EXPECT_TRUE(List().IsHighlighted());
    ExpectFocusKept();

    ASSERT_TRUE(m_input->DoubleClick(OnList(3)));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x delta");
    ExpectFocusKept();
}

// Hiding, the list has the control end a capture it holds with no button down, and makes up no button-up for it;
// that neither selects text after a click in the list nor cuts short a selection the user drags in the text while
// the list shows.
TEST_F(CAutoCompleteTest, HidingTellsTheControlWithoutTouchingTheSelection)
{
    Row("x ");
    Open();
    ASSERT_TRUE(m_input->Click(OnList(2)));
    {
        CMessageRecorder recorder({Ctrl().GetSafeHwnd()}, {WM_LBUTTONUP});
        Keys(VK_RETURN);
        ASSERT_TRUE(m_input->Text("ab"));
        EXPECT_TRUE(recorder.Messages().empty());
    }
    EXPECT_STREQ(RowText(), "x betamaxab");
    EXPECT_FALSE(Ctrl().HasSelection());

    // A gesture whose button-up went elsewhere.
    Row("x ");
    Open();
    Ctrl().SetCapture();
    Keys(VK_ESCAPE);
    EXPECT_FALSE(List().IsShown());
    EXPECT_NE(::GetCapture(), Ctrl().GetSafeHwnd());

    Row("x alpha be");
    Open();
    ASSERT_TRUE(List().IsShown());
    // Step by step, so that no move is merged into the next: the press, then a move on each character.
    ASSERT_TRUE(m_input->Send(Mouse(1, MOUSEEVENTF_LEFTDOWN)));
    EXPECT_FALSE(List().IsShown());
    for (int nCol = 2; nCol <= 6; ++nCol)
        ASSERT_TRUE(m_input->Send(Mouse(nCol, MOUSEEVENTF_MOVE)));
    ASSERT_TRUE(m_input->Send(Mouse(6, MOUSEEVENTF_LEFTUP)));
    CString strSelected;
    ASSERT_TRUE(Ctrl().GetSelectionText(strSelected));
    EXPECT_STREQ(strSelected, "x alp");
}

TEST_F(CAutoCompleteTest, TheListsClassPaintsInTheWindowColour)
{
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "ZiduzuduSEAutoCompleteWnd", &wc));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

// A click highlights an entry; a paste from a menu, which leaves the list open, takes the word back to the entry
// selected before the click, unhighlighted as it was: the window must show that too.
TEST_F(CAutoCompleteTest, AfterAClickAndAPasteTheListShowsWhatItHolds)
{
    List().SetTagLists(".", ";");
    Row("x");
    ASSERT_TRUE(m_input->Text("."));
    ASSERT_TRUE(List().IsShown());
    const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(CPixelImage::FromWindow(List().GetSafeHwnd()).CountNear(clrHighlight), 0);
    ASSERT_TRUE(m_input->Click(OnList(2)));
    ASSERT_TRUE(List().IsHighlighted());
    EXPECT_GT(CPixelImage::FromWindow(List().GetSafeHwnd()).CountNear(clrHighlight), 0);

    ASSERT_TRUE(SetClipboardText(NULL, "al"));
    Ctrl().Paste();
    ASSERT_TRUE(PumpUntil([this] { return List().GetTypedText() == "al"; }));
    ASSERT_TRUE(List().IsShown());
    EXPECT_EQ(List().GetSelected(), 0);
    EXPECT_FALSE(List().IsHighlighted());
    EXPECT_EQ(CPixelImage::FromWindow(List().GetSafeHwnd()).CountNear(clrHighlight), 0);
}

// The word is read from the row when an entry is chosen, however it came to read so.
TEST_F(CAutoCompleteTest, AfterTypingUndoAndPasteTheChoiceReplacesTheWordAsItStands)
{
    Row("x be");
    Open();
    ASSERT_TRUE(m_input->Text("t"));
    ASSERT_TRUE(Ctrl().Undo());
    EXPECT_STREQ(RowText(), "x be");
    ASSERT_TRUE(SetClipboardText(NULL, "tam"));
    Ctrl().Paste();
    EXPECT_STREQ(RowText(), "x betam");
    ASSERT_TRUE(PumpUntil([this] { return List().GetTypedText() == "betam"; }));
    ASSERT_TRUE(List().IsShown());
    EXPECT_STREQ(Selected(), "betamax");

    Keys(VK_RETURN);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x betamax");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 10);

    // Undone below the word the list opened with: it closes rather than replace what is left.
    Row("x be");
    Open();
    ASSERT_TRUE(m_input->Text("t"));
    Ctrl().SetCurrentPosition(1, 3, FALSE, TRUE);
    EXPECT_TRUE(PumpUntil([this] { return !List().IsShown(); }));
    EXPECT_STREQ(RowText(), "x bet");
}

// A typed open tag opens the list on an empty word. Opened by itself, it never chooses by a key: a typed word
// moves its selection but Enter still breaks the row, a space stays a space, and a word without entry keeps it.
TEST_F(CAutoCompleteTest, ATypedOpenTagOpensTheListOnAnEmptyWord)
{
    List().SetTagLists(".~=", ";~,");
    Row("x");
    ASSERT_TRUE(m_input->Text("."));
    ASSERT_TRUE(List().IsShown());
    EXPECT_STREQ(RowText(), "x.");
    EXPECT_STREQ(List().GetTypedText(), "");
    EXPECT_EQ(List().GetShownCount(), 5);
    EXPECT_FALSE(List().IsHighlighted());
    ExpectFocusKept();
    ASSERT_TRUE(m_input->Text("be"));
    EXPECT_STREQ(Selected(), "Beta");
    EXPECT_FALSE(List().IsHighlighted());
    Keys(VK_RETURN);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x.be");
    EXPECT_EQ(Ctrl().GetRowCount(), 2);

    // Down is the caret's: it closes the list, and Enter breaks the row.
    Row("x");
    ASSERT_TRUE(m_input->Text(".be"));
    Keys(VK_DOWN);
    EXPECT_FALSE(List().IsShown());
    Keys(VK_RETURN);
    EXPECT_STREQ(AllText(), "x.be|");

    Row("x");
    ASSERT_TRUE(m_input->Text(".be "));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x.be ");

    // Opened by itself, the list waits on a word no entry begins, pointing at nothing.
    Row("x");
    ASSERT_TRUE(m_input->Text(".q"));
    EXPECT_TRUE(List().IsShown());
    EXPECT_FALSE(List().IsHighlighted());
    EXPECT_STREQ(RowText(), "x.q");

    // Typed whole, a word stays as typed.
    Row("x");
    ASSERT_TRUE(m_input->Text(".BETA,"));
    EXPECT_STREQ(RowText(), "x.BETA,");
}

// A list that opened by itself leaves every caret key to the text and closes: the caret moves as without the list,
// Enter then breaks the row it came to and Tab types a tab.
TEST_F(CAutoCompleteTest, AListThatOpenedByItselfLeavesTheCaretKeysToTheText)
{
    List().SetTagLists(";~=", ",");
    const struct
    {
        WORD wKey;
        const char* pszAfter;
    } moves[] = {{VK_DOWN, "top|x = 1;|end|"},
                 {VK_UP, "top||x = 1;|end"},
                 {VK_NEXT, "top|x = 1;|end|"},
                 {VK_PRIOR, "top||x = 1;|end"}};
    for (const auto& move : moves)
    {
        Rows("top\r\nx = 1\r\nend", 2);
        ASSERT_TRUE(m_input->Text(";"));
        ASSERT_TRUE(List().IsShown());
        Keys(move.wKey);
        EXPECT_FALSE(List().IsShown());
        EXPECT_NE(Ctrl().GetCurrentRow(), 2);
        Keys(VK_RETURN);
        EXPECT_STREQ(AllText(), move.pszAfter);
    }

    Row("x");
    ASSERT_TRUE(m_input->Text("="));
    ASSERT_TRUE(List().IsShown());
    Keys(VK_TAB);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x=\t");
}

// Home and End belong to the caret while the list opened by itself; Delete and Left to the caret whichever list.
TEST_F(CAutoCompleteTest, KeysTheListDoesNotUseReachTheText)
{
    List().SetTagLists(".", ";");
    Row("x bez");
    Ctrl().SetCurrentPosition(1, 5, FALSE, TRUE);
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_DELETE);
    EXPECT_STREQ(RowText(), "x be");
    EXPECT_TRUE(List().IsShown());
    Keys(VK_LEFT);
    EXPECT_FALSE(List().IsShown());
    EXPECT_EQ(Ctrl().GetCurrentChar(), 4);

    Row("x");
    ASSERT_TRUE(m_input->Text("."));
    ASSERT_TRUE(List().IsShown());
    Keys(VK_HOME);
    EXPECT_FALSE(List().IsShown());
    EXPECT_EQ(Ctrl().GetCurrentChar(), 1);

    // Alt, a system key, closes the list too.
    Row("x be");
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_MENU);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x be");
}

// Ctrl+Space over a list that opened by itself opens the list asked for, for the word before the caret.
TEST_F(CAutoCompleteTest, CtrlSpaceOverAnOpenListOpensItForTheWordBeforeTheCaret)
{
    List().SetTagLists(" ", ";~ ");
    Row("x");
    ASSERT_TRUE(m_input->Text(" be"));
    ASSERT_TRUE(List().IsShown());
    Open();
    ASSERT_TRUE(List().IsShown());
    EXPECT_STREQ(List().GetTypedText(), "be");
    EXPECT_EQ(List().GetShownCount(), 2);
    Keys(VK_RETURN);
    EXPECT_STREQ(RowText(), "x Beta");

    // Ctrl already down when the list opened, as when Ctrl+Space is pressed twice.
    Row("x ");
    ASSERT_TRUE(m_input->Send(
        []
        {
            std::vector<INPUT> inputs;
            InputBuilder::AddModifiers(inputs, CTestInput::kControl, true);
            for (int i = 0; i < 2; ++i)
            {
                InputBuilder::AddKey(inputs, VK_SPACE, true);
                InputBuilder::AddKey(inputs, VK_SPACE, false);
            }
            InputBuilder::AddModifiers(inputs, CTestInput::kControl, false);
            return inputs;
        }()));
    EXPECT_TRUE(List().IsShown());
    EXPECT_STREQ(RowText(), "x ");
}

// Ctrl and Alt together are AltGr, which makes the layout's own characters: Space with them asks for no list, and
// over an open list is a Space like any other.
TEST_F(CAutoCompleteTest, SpaceWithCtrlAndAltAsksForNoList)
{
    Row("x be");
    Keys(VK_SPACE, CTestInput::kControl | CTestInput::kAlt);
    EXPECT_FALSE(List().IsShown());

    Row("x be");
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_SPACE, CTestInput::kControl | CTestInput::kAlt);
    EXPECT_FALSE(List().IsShown());
}

// Cut back to a shorter word, the list stays on the entries that word begins.
TEST_F(CAutoCompleteTest, BackspaceWithinTheWordKeepsTheListOpen)
{
    Row("x bet");
    Open();
    ASSERT_TRUE(List().IsShown());
    Keys(VK_BACK);
    ASSERT_TRUE(PumpUntil([this] { return List().GetTypedText() == "be"; }));
    EXPECT_TRUE(List().IsShown());
    EXPECT_STREQ(Selected(), "Beta");
    Keys(VK_RETURN);
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x Beta");
}

// Cut back to the empty word, a list keeps no entry to choose: Enter breaks the row.
TEST_F(CAutoCompleteTest, BackspaceToTheEmptyWordClosesTheList)
{
    Row("x ");
    Open();
    ASSERT_TRUE(m_input->Text("b"));
    ASSERT_TRUE(List().IsHighlighted());
    Keys(VK_BACK);
    EXPECT_TRUE(PumpUntil([this] { return !List().IsShown(); }));
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    EXPECT_STREQ(RowText(), "x ");
}

// A list asked for and left by the typed word points at nothing that a key could choose.
TEST_F(CAutoCompleteTest, AWordWithoutEntryLeavesNothingToChoose)
{
    Row("x ");
    Open();
    ASSERT_TRUE(m_input->Text("z"));
    ASSERT_TRUE(List().IsShown());
    Keys(VK_INSERT);
    Keys(VK_INSERT);
    EXPECT_FALSE(List().IsHighlighted());
    Keys(VK_RETURN);
    EXPECT_EQ(Ctrl().GetRowCount(), 2);
    EXPECT_STREQ(RowText(), "x z");
}

// A close tag typed while the list points at an entry takes the entry and stands after it, as one step; with no
// entry pointed at it is only typed.
TEST_F(CAutoCompleteTest, ACloseTagChoosesTheEntryAndFollowsIt)
{
    List().SetTagLists(".", ";~,");
    Row("x be");
    Open();
    ASSERT_TRUE(m_input->Text("t"));
    ASSERT_TRUE(List().IsHighlighted());
    int nSteps = Buffer()->GetUndoRedoManager()->GetCount();
    ASSERT_TRUE(m_input->Text(";"));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x Beta;");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 8);
    EXPECT_EQ(Buffer()->GetUndoRedoManager()->GetCount(), nSteps + 1);
    Ctrl().Undo();
    EXPECT_STREQ(RowText(), "x bet");

    Row("x");
    ASSERT_TRUE(m_input->Text(".de,"));
    EXPECT_STREQ(RowText(), "x.de,");
    EXPECT_FALSE(List().IsShown());

    Row("x ");
    Open();
    ASSERT_TRUE(m_input->Text("de"));
    Keys(VK_UP);
    ASSERT_TRUE(m_input->Text(","));
    EXPECT_STREQ(RowText(), "x betamax,");

    Row("x");
    ASSERT_TRUE(m_input->Text(".;"));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(RowText(), "x.;");
}

// Typed ahead of the screen, the tags of a row open the list only once the keys are handled, and only where the
// caret still stands after the last of them.
TEST_F(CAutoCompleteTest, TagsTypedAheadOpenTheListOnceTheKeysAreHandled)
{
    List().SetTagLists(".~(~,", ")~;~,");
    const auto typeAhead = [this](const char* pszText)
    {
        std::vector<INPUT> inputs;
        for (const char* psz = pszText; *psz; ++psz)
            InputBuilder::AddChar(inputs, *psz);
        return m_input->Send(inputs);
    };
    Row("x");
    {
        CShowCounter shows(List().GetSafeHwnd());
        ASSERT_TRUE(shows.IsHooked());
        ASSERT_TRUE(typeAhead("f(a, b, c."));
        EXPECT_STREQ(RowText(), "xf(a, b, c.");
        ASSERT_TRUE(PumpUntil([this] { return List().IsShown(); }));
        EXPECT_EQ(shows.Shown(), 1);
        EXPECT_STREQ(List().GetTypedText(), "");
        ExpectFocusKept();
        ASSERT_TRUE(m_input->Text("be"));
        EXPECT_STREQ(Selected(), "Beta");
    }

    Row("x");
    CShowCounter shows(List().GetSafeHwnd());
    ASSERT_TRUE(typeAhead("f(a, b, cd"));
    EXPECT_STREQ(RowText(), "xf(a, b, cd");
    EXPECT_FALSE(List().IsShown());
    EXPECT_EQ(shows.Shown(), 0);
}

TEST_F(CAutoCompleteTest, TagsAreWholeEntriesOfTheirListsAndATildeIsNone)
{
    List().SetTagLists("ab~(~<!", ")");
    EXPECT_TRUE(List().IsOpenTag("ab"));
    EXPECT_TRUE(List().IsOpenTag("<!"));
    EXPECT_FALSE(List().IsOpenTag("b"));
    EXPECT_FALSE(List().IsOpenTag("~"));
    EXPECT_FALSE(List().IsOpenTag(""));
    EXPECT_FALSE(List().IsOpenTag(")"));
    EXPECT_TRUE(List().IsCloseTag(")"));
    EXPECT_FALSE(List().IsCloseTag("("));
}

// Under the lexer the word sets' separators are the tags: in a C text a typed "." opens the list of its words,
// which follows the word typed, and a ";" typed after it stays as typed.
TEST(CAutoCompleteLexerTest, TheLexersSeparatorsOpenTheListAndTypeThemselves)
{
    CEditTestWindow window;
    CKTSyntaxEditCtrl& ctrl = window.Ctrl();
    const int nLast = ctrl.GetRowCount();
    ASSERT_TRUE(ctrl.InsertString("\r\nx", nLast, window.Buffer()->GetLineTextEx(nLast).GetLength() + 1));
    CTestInput input(ctrl.GetSafeHwnd());
    CKTSyntaxEditAutoCompleteWnd& list = ctrl.GetCompletion().GetList();
    ASSERT_TRUE(input.Text("."));
    ASSERT_TRUE(list.IsShown());
    EXPECT_STREQ(list.GetTypedText(), "");
    ASSERT_TRUE(input.Text("ret"));
    ASSERT_TRUE(list.IsShown());
    EXPECT_STREQ(list.GetShownText(list.GetSelected()), "return");
    ASSERT_TRUE(input.Text(";"));
    EXPECT_STREQ(window.Buffer()->GetLineTextEx(nLast + 1), "x.ret;");

    // C reads case: a keyword typed in capitals is no keyword, and stays as typed.
    ASSERT_TRUE(input.Key(VK_RETURN));
    ASSERT_TRUE(input.Text("I"));
    ASSERT_TRUE(input.Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(list.IsShown());
    ASSERT_TRUE(input.Text("NT"));
    EXPECT_STREQ(window.Buffer()->GetLineTextEx(nLast + 2), "INT");
    ASSERT_TRUE(input.Key(VK_ESCAPE));

    // Asked for on no word, the list takes nothing for the separator typed next.
    ASSERT_TRUE(input.Text(" "));
    ASSERT_TRUE(input.Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(list.IsShown());
    ASSERT_TRUE(input.Text(";"));
    EXPECT_STREQ(window.Buffer()->GetLineTextEx(nLast + 2), "INT ;");
}

// A C text (the shipped scheme) with a new last row holding the text, the caret at its end.
class CAutoCompleteSchemeTest : public ::testing::Test
{
protected:
    void SetUp() override { m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd()); }
    void NewRow(LPCSTR pszText)
    {
        List().Hide();
        const int nLast = Ctrl().GetRowCount();
        ASSERT_TRUE(
            Ctrl().InsertString(CString("\r\n") + pszText, nLast, Buffer()->GetLineTextEx(nLast).GetLength() + 1));
        ASSERT_EQ(Ctrl().GetCurrentRow(), nLast + 1);
    }
    CString LastRow() { return Buffer()->GetLineTextEx(Ctrl().GetRowCount()); }
    void Open() { ASSERT_TRUE(m_input->Key(VK_SPACE, CTestInput::kControl)); }
    void Type(const char* psz) { ASSERT_TRUE(m_input->Text(psz)); }
    CKTSyntaxEditCtrl& Ctrl() { return m_window.Ctrl(); }
    CKTSyntaxEditAutoCompleteWnd& List() { return Ctrl().GetCompletion().GetList(); }
    CKTSyntaxEditBufferManager* Buffer() { return m_window.Buffer(); }

    CEditTestWindow m_window;
    std::unique_ptr<CTestInput> m_input;
};

// A Space that chooses the entry pointed at is typed after it, as a close tag is.
TEST_F(CAutoCompleteSchemeTest, ASpaceThatChoosesTheEntryFollowsIt)
{
    NewRow("x = ");
    Open();
    ASSERT_TRUE(List().IsShown());
    Type("i");
    ASSERT_TRUE(List().IsHighlighted());
    ASSERT_STREQ(List().GetShownText(List().GetSelected()), "if");
    Type(" ");
    EXPECT_STREQ(LastRow(), "x = if ");
    EXPECT_EQ(Ctrl().GetCurrentChar(), 8);
}

// A click in a list that opened by itself is the user's choice: Enter, Tab, Space and a close tag then take the
// clicked entry as in a list asked for, a double click at once; the focus stays in the text throughout.
TEST_F(CAutoCompleteSchemeTest, AnEntryClickedInAListThatOpenedByItselfIsChosen)
{
    ASSERT_TRUE(List().IsCloseTag(";"));
    const struct
    {
        WORD wKey;  // 0: the text after the entry is typed
        const char* pszAfter;
    } keys[] = {{VK_RETURN, ""}, {VK_TAB, ""}, {VK_SPACE, " "}, {0, ";"}};
    for (const auto& key : keys)
    {
        NewRow("x");
        Type(".");
        ASSERT_TRUE(List().IsShown());
        ASSERT_EQ(List().GetOpening(), CKTSyntaxEditAutoCompleteWnd::ktOpenedByItself);
        ASSERT_TRUE(m_input->Click(OnList(Ctrl(), 2)));
        const CString strEntry = List().GetShownText(List().GetSelected());
        const int nRows = Ctrl().GetRowCount();
        ASSERT_TRUE(key.wKey ? m_input->Key(key.wKey) : m_input->Text(key.pszAfter));
        EXPECT_EQ(Ctrl().GetRowCount(), nRows) << key.pszAfter;
        EXPECT_STREQ(LastRow(), "x." + strEntry + key.pszAfter) << key.pszAfter;
        EXPECT_EQ(::GetFocus(), Ctrl().GetSafeHwnd());
    }

    NewRow("x");
    Type(".");
    ASSERT_TRUE(List().IsShown());
    const CString strEntry = List().GetShownText(3);
    ASSERT_TRUE(m_input->DoubleClick(OnList(Ctrl(), 3)));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(LastRow(), "x." + strEntry);
    EXPECT_EQ(::GetFocus(), Ctrl().GetSafeHwnd());

    // Typing on after the click is the text's again: Enter breaks the row.
    NewRow("x");
    Type(".");
    ASSERT_TRUE(m_input->Click(OnList(Ctrl(), 2)));
    Type("r");
    const int nRows = Ctrl().GetRowCount();
    ASSERT_TRUE(m_input->Key(VK_RETURN));
    EXPECT_EQ(Ctrl().GetRowCount(), nRows + 1);
}

// C reads case, and so does its word list: a keyword typed whole in capitals is no keyword, leaves the list open on
// it and stays as typed.
TEST_F(CAutoCompleteSchemeTest, AKeywordOfACaseReadingSchemeIsTheEntryOnlyAsWritten)
{
    NewRow("I");
    Open();
    ASSERT_TRUE(List().IsShown());
    Type("NT");
    EXPECT_TRUE(List().IsShown());
    EXPECT_STREQ(List().GetShownText(List().GetSelected()), "int");
    EXPECT_STREQ(LastRow(), "INT");

    NewRow("i");
    Open();
    Type("nt");
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ(LastRow(), "int");
}

// Home moves the selection only in a list that scrolls; in one that fits it leaves the entry moved to.
TEST_F(CAutoCompleteTest, HomeInAListThatFitsKeepsTheSelection)
{
    Row("x ");
    Open();
    ASSERT_TRUE(List().IsShown());
    ASSERT_EQ(List().GetVisibleRows(), List().GetShownCount());
    Keys(VK_DOWN);
    Keys(VK_DOWN);
    Keys(VK_HOME);
    EXPECT_TRUE(List().IsShown());
    EXPECT_EQ(Ctrl().GetCurrentChar(), 3);
    Keys(VK_RETURN);
    EXPECT_STREQ(RowText(), "x betamax");
}

TEST_F(CAutoCompleteTest, ALongListScrollsToKeepTheSelectionInView)
{
    std::vector<KT_EDIT_AUTOCOMPLETEITEM> items;
    for (char ch = 'a'; ch <= 'z'; ++ch)
        items.push_back({0, CString("w") + ch});
    List().SetDataList(items, kTags);
    Row("x w");
    Open();
    ASSERT_TRUE(List().IsShown());
    int nVisible = List().GetVisibleRows();
    EXPECT_EQ(nVisible, CKTSyntaxEditAutoCompleteWnd::ktMaxHeight / List().GetRowHeight());
    EXPECT_TRUE(List().GetStyle() & WS_VSCROLL);
    CRect rcClient;
    List().GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Height(), nVisible * List().GetRowHeight());

    for (int i = 0; i < nVisible; ++i)
        Keys(VK_DOWN);
    EXPECT_EQ(List().GetSelected(), nVisible);
    EXPECT_EQ(List().GetTop(), 1);
    Keys(VK_END);
    EXPECT_EQ(List().GetSelected(), 25);
    EXPECT_EQ(List().GetTop(), 26 - nVisible);
    Keys(VK_PRIOR);
    EXPECT_EQ(List().GetSelected(), 26 - nVisible);
    Keys(VK_HOME);
    EXPECT_EQ(List().GetSelected(), 0);
    EXPECT_EQ(List().GetTop(), 0);
    EXPECT_STREQ(RowText(), "x w");  // the keys moved the list, not the caret or the text
    EXPECT_EQ(Ctrl().GetCurrentChar(), 4);
}

}  // namespace
