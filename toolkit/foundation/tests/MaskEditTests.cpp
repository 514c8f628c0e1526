// MaskEditTests.cpp: typing, deleting, pasting and undoing in masked edits in a real window.
#include <gtest/gtest.h>

#include <memory>

#include "KBMaskEdit.h"
#include "LoopTranslation.h"
#include "TestInput.h"
#include "TestWindows.h"

namespace
{

class MaskEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 300, 34), &m_parent, 1003));
        m_pInput = std::make_unique<CTestInput>(m_edit.GetSafeHwnd());
    }
    CString Text() const
    {
        CString str;
        m_edit.GetWindowText(str);
        return str;
    }
    // Real keystrokes, handled by the time it returns.
    void Type(const char* psz) { ASSERT_TRUE(m_pInput->Text(psz)); }
    int Caret() const
    {
        int nStart = 0, nEnd = 0;
        m_edit.GetSel(nStart, nEnd);
        return nStart;
    }

    CTestParent m_parent;
    CKBMaskEdit m_edit;
    std::unique_ptr<CTestInput> m_pInput;
};

}  // namespace

TEST_F(MaskEditTest, MaskAndLiteralMustHaveOneLength)
{
    EXPECT_FALSE(m_edit.SetEditMask("0xHH", "0x___"));
    EXPECT_FALSE(m_edit.IsMaskOn());
    EXPECT_TRUE(m_edit.SetEditMask("0xHH", "0x__"));
    EXPECT_TRUE(m_edit.IsMaskOn());
}

TEST_F(MaskEditTest, UnfilledPositionsKeepThePrompt)
{
    ASSERT_TRUE(m_edit.SetEditMask("LAAAA", "_____"));
    EXPECT_STREQ("_____", Text());
    m_edit.SetSel(0, 0);
    Type("ab1");
    EXPECT_STREQ("ab1__", Text());
    EXPECT_EQ(3, Caret());
}

TEST_F(MaskEditTest, HexPositionRefusesALetter)
{
    ASSERT_TRUE(m_edit.SetEditMask("0xHHHHHHHH", "0x________", "0x00000000"));
    EXPECT_STREQ("0x00000000", Text());
    m_edit.SetSel(0, 0);
    Type("g");
    EXPECT_STREQ("0x00000000", Text()) << "'g' is no hexadecimal digit";
    Type("fA");
    EXPECT_STREQ("0xfA000000", Text()) << "typing starts at the first input position, past the fixed \"0x\"";
    EXPECT_EQ(4, Caret());
}

TEST_F(MaskEditTest, FirstLetterPositionRefusesADigit)
{
    ASSERT_TRUE(m_edit.SetEditMask("LAAAAAAAAAAAAAAAAAAAAAAAA", "_________________________"));
    m_edit.SetSel(0, 0);
    Type("1");
    EXPECT_EQ('_', Text()[0]) << "a name cannot start with a digit";
    Type("n1");
    EXPECT_STREQ("n1_______________________", Text());
}

TEST_F(MaskEditTest, PasteTakesOnlyWhatFits)
{
    ASSERT_TRUE(m_edit.SetEditMask("0xHHHHHHHH", "0x________"));
    ASSERT_TRUE(SetClipboardText(m_edit.GetSafeHwnd(), "0x12AB!99"));
    m_edit.SetSel(0, 0);
    m_edit.SendMessage(WM_PASTE);
    EXPECT_STREQ("0x12AB____", Text()) << "the fixed prefix is stepped over, '!' ends the paste";

    ASSERT_TRUE(SetClipboardText(m_edit.GetSafeHwnd(), "123456789ABC"));
    m_edit.SetSel(2, 2);
    m_edit.SendMessage(WM_PASTE);
    EXPECT_STREQ("0x12345678", Text()) << "nothing beyond the last position";
}

TEST_F(MaskEditTest, BackspaceAndDeleteCloseTheGap)
{
    ASSERT_TRUE(m_edit.SetEditMask("LAAAA", "_____", "abcd"));
    m_edit.SetSel(2, 2);
    Type("\b");
    EXPECT_STREQ("acd__", Text());
    EXPECT_EQ(1, Caret());
    ASSERT_TRUE(m_edit.SetEditMask("LAAAA", "_____", "a1bc"));
    m_edit.SetSel(0, 0);
    m_edit.SendMessage(WM_CLEAR);
    EXPECT_STREQ("_1bc_", Text()) << "'1' cannot move into the letter-only first position";
    ASSERT_TRUE(m_edit.SetEditMask("LAAAA", "_____", "ab1c"));
    m_edit.SetSel(0, 0);
    m_edit.SendMessage(WM_CLEAR);
    EXPECT_STREQ("b1c__", Text());
}

TEST_F(MaskEditTest, CutClearsAndUndoRestores)
{
    ASSERT_TRUE(m_edit.SetEditMask("0xHHHH", "0x____", "0xBEEF"));
    m_edit.SetSel(2, 4);
    m_edit.SendMessage(WM_CUT);
    EXPECT_STREQ("0x__EF", Text());
    m_edit.SendMessage(WM_UNDO);
    EXPECT_STREQ("0xBEEF", Text());
    m_edit.SetSel(0, 6);
    m_edit.SendMessage(WM_COPY);
    if (::OpenClipboard(m_edit.GetSafeHwnd()))
    {
        HANDLE hData = ::GetClipboardData(CF_TEXT);
        const char* psz = hData ? static_cast<const char*>(::GlobalLock(hData)) : NULL;
        EXPECT_STREQ("0xBEEF", psz ? psz : "");
        if (psz)
            ::GlobalUnlock(hData);
        ::CloseClipboard();
    }
}

TEST_F(MaskEditTest, PromptCharacterChangesEverywhere)
{
    ASSERT_TRUE(m_edit.SetEditMask("0xHH", "0x__", "0x1"));
    m_edit.SetPromptChar('*');
    EXPECT_STREQ("0x1*", Text());
    EXPECT_EQ('*', m_edit.GetPromptChar());
    EXPECT_EQ(2, m_edit.CorrectPosition(0));
    EXPECT_EQ(-1, m_edit.CorrectPosition(1, FALSE));
    EXPECT_STREQ("0xAB", m_edit.FitTextToLiteral("AB"));
}

TEST_F(MaskEditTest, WithoutMaskItIsAPlainEdit)
{
    Type("free 123!");
    EXPECT_STREQ("free 123!", Text());
}

TEST_F(MaskEditTest, DestructorDestroysTheWindow)
{
    HWND hWnd = NULL;
    {
        CKBMaskEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), &m_parent, 1004));
        hWnd = edit.GetSafeHwnd();
        EXPECT_TRUE(::IsWindow(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(MaskEditBeforeWindow, MaskSetBeforeCreationShowsOnceCreated)
{
    CTestParent parent;
    CKBMaskEdit edit;
    ASSERT_TRUE(edit.SetEditMask("0xHH", "0x__", "0x7"));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, 1023));
    CString str;
    edit.GetWindowText(str);
    EXPECT_STREQ("0x7_", str);
    EXPECT_EQ(4u, edit.GetLimitText());
}

TEST_F(MaskEditTest, TypingOverASelectionIsOneUndoStep)
{
    ASSERT_TRUE(m_edit.SetEditMask("AAAA", "____", "abcd"));
    m_edit.SetSel(1, 3);
    Type("x");
    EXPECT_STREQ("ax_d", Text());
    m_edit.SendMessage(WM_UNDO);
    EXPECT_STREQ("abcd", Text());
}

TEST_F(MaskEditTest, ReadOnlyRefusesEveryChange)
{
    ASSERT_TRUE(m_edit.SetEditMask("HHHH", "____", "12ab"));
    m_edit.SetSel(0, 0);
    Type("f");
    ASSERT_STREQ("f2ab", Text());
    m_edit.SetReadOnly(TRUE);
    ASSERT_TRUE(SetClipboardText(m_parent.GetSafeHwnd(), "ffff"));
    m_edit.SetSel(0, -1);
    for (UINT nMessage : {WM_CUT, WM_CLEAR, WM_PASTE, WM_UNDO})
    {
        m_edit.SendMessage(nMessage);
        EXPECT_STREQ("f2ab", Text()) << "message " << std::hex << nMessage;
    }
    ASSERT_TRUE(m_pInput->Key(VK_DELETE));
    Type("\b9");
    EXPECT_STREQ("f2ab", Text());
}

// Ctrl with C, X, V or Z edits through the loop's pre-translation, before any frame shortcut sees the key; AltGr
// reports Ctrl and Alt held, and with it those keys type the layout's letters, never the commands.
TEST_F(MaskEditTest, CtrlLettersEditAndAltGrLettersDoNot)
{
    ASSERT_TRUE(m_edit.SetEditMask("HHHH", "____", "12ab"));
    ASSERT_TRUE(SetClipboardText(m_parent.GetSafeHwnd(), "ffff"));
    CLoopTranslation translation;
    m_edit.SetSel(0, -1);
    for (WORD wKey : {'X', 'V', 'Z'})
        ASSERT_TRUE(m_pInput->Key(wKey, CTestInput::kControl | CTestInput::kAlt));
    EXPECT_STREQ("12ab", Text());
    EXPECT_EQ("ffff", ClipboardText(m_parent.GetSafeHwnd())) << "nothing cut";

    m_edit.SetSel(0, -1);
    ASSERT_TRUE(m_pInput->Key('V', CTestInput::kControl));
    EXPECT_STREQ("ffff", Text()) << "Ctrl alone pastes";
}

namespace
{

// Tab and Shift+Tab move the focus through the parent's controls as a dialog's loop does.
class CTabKeys
{
public:
    explicit CTabKeys(HWND hWndParent)
        : m_hHook(::SetWindowsHookExA(WH_GETMESSAGE, Proc, nullptr, ::GetCurrentThreadId()))
    {
        s_hWndParent = hWndParent;
    }
    ~CTabKeys()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    CTabKeys(const CTabKeys&) = delete;
    CTabKeys& operator=(const CTabKeys&) = delete;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if (nCode == HC_ACTION && wParam == PM_REMOVE && ::IsDialogMessage(s_hWndParent, pMsg))
            pMsg->message = WM_NULL;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static inline HWND s_hWndParent = NULL;
    HHOOK m_hHook;
};

}  // namespace

// A full field entered with Tab used to put the caret at its end, where nothing can be typed.
TEST_F(MaskEditTest, EnteredByTabTheTypedTextReplacesTheInputAndAClickKeepsItsCaret)
{
    CKBMaskEdit name;
    ASSERT_TRUE(name.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(10, 40, 300, 64), &m_parent, 1005));
    m_edit.ModifyStyle(0, WS_TABSTOP);
    ASSERT_TRUE(m_edit.SetEditMask("0xHHHHHHHH", "0x________", "0x00000000"));
    ASSERT_TRUE(name.SetEditMask("LAAAAAAAA", "_________", "old"));
    CTabKeys tabs(m_parent.GetSafeHwnd());
    CTestInput input(name.GetSafeHwnd());

    ASSERT_TRUE(input.Key(VK_TAB));
    ASSERT_EQ(m_edit.GetSafeHwnd(), ::GetFocus());
    Type("22222222");
    EXPECT_STREQ("0x22222222", Text());
    Type("3");
    EXPECT_STREQ("0x22222222", Text()) << "the field is full";

    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kShift));
    ASSERT_EQ(name.GetSafeHwnd(), ::GetFocus());
    ASSERT_TRUE(input.Text("new"));
    CString strName;
    name.GetWindowText(strName);
    EXPECT_STREQ("new______", strName) << "the old name is replaced, not appended to";
    ASSERT_TRUE(m_pInput->Click({10, 10}));
    const LRESULT nPastText = name.SendMessage(EM_POSFROMCHAR, 7);
    ASSERT_TRUE(input.Click({(short)LOWORD(nPastText) + 1, (short)HIWORD(nPastText) + 2}));
    ASSERT_TRUE(input.Text("x"));
    name.GetWindowText(strName);
    EXPECT_STREQ("newx_____", strName) << "a click among the prompts puts the caret after the text";

    const LRESULT nFifth = m_edit.SendMessage(EM_POSFROMCHAR, 5);
    ASSERT_TRUE(m_pInput->Click({(short)LOWORD(nFifth) + 1, (short)HIWORD(nFifth) + 2}));
    ASSERT_EQ(m_edit.GetSafeHwnd(), ::GetFocus());
    const int nCaret = Caret();
    EXPECT_EQ(5, nCaret);
    int nStart = 0, nEnd = 0;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, nEnd) << "a click selects nothing";
    Type("f");
    EXPECT_EQ('f', Text()[nCaret]) << "typing starts where the click put the caret";
}
