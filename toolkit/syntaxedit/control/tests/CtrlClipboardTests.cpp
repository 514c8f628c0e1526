// Copy, cut and paste through the real clipboard: the formats offered, column blocks, other programs' text.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "TestInput.h"

#include <cstring>
#include <string>

namespace
{
UINT ColumnFormat() { return ::RegisterClipboardFormatA("MSDEVColumnSelect"); }

BOOL Offers(UINT nFormat) { return ::IsClipboardFormatAvailable(nFormat); }

std::wstring ClipboardUnicode()
{
    std::wstring strText;
    if (!::OpenClipboard(NULL))
        return strText;
    if (HGLOBAL hData = ::GetClipboardData(CF_UNICODETEXT))
    {
        strText = static_cast<LPCWSTR>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return strText;
}

void PutText(LPCSTR pszText)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    SIZE_T nBytes = strlen(pszText) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hData), pszText, nBytes);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}

// Runs the feeder beside the test program and waits for it.
BOOL FeedFromAnotherProcess(LPCSTR pszBytes)
{
    CString strCommand =
        "\"" + CKTSyntaxEditCtrl::GetModuleFolder() + "ktk_syntaxedit_clipboard_feeder.exe\" " + pszBytes;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(NULL, strCommand.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return FALSE;
    ::WaitForSingleObject(pi.hProcess, 10000);
    DWORD dwExit = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dwExit == 0;
}

class CClipboardTest : public ::testing::Test
{
protected:
    void Load(LPCSTR pszText)
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE);
        Ctrl().SetSyntaxColor(FALSE);
        Ctrl().InsertString(pszText, 1, 1);
        m_window->Buffer()->GetUndoRedoManager()->Clear();
        m_window->Buffer()->GetUndoRedoManager()->MarkSaved();
        Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
        m_window->Parent().Clear();
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    CString Row(int n) { return m_window->Buffer()->GetLineTextEx(n); }
    int Steps() { return m_window->Buffer()->GetUndoRedoManager()->GetCount(); }

    std::unique_ptr<CEditTestWindow> m_window;
};

TEST_F(CClipboardTest, CopyOffersThreeTextFormatsAndTheMarkerOnlyForABlock)
{
    Load("caf\xe9 one\r\ntwo");
    Ctrl().Select(1, 1, 2, 2);
    Ctrl().Copy();
    EXPECT_TRUE(Offers(CF_TEXT));
    EXPECT_TRUE(Offers(CF_OEMTEXT));
    EXPECT_TRUE(Offers(CF_UNICODETEXT));
    EXPECT_FALSE(Offers(ColumnFormat()));
    EXPECT_EQ(ClipboardUnicode(), L"caf\u00e9 one\r\nt");

    Ctrl().SetColumnSelection(TRUE);
    Ctrl().Select(1, 1, 2, 3);
    Ctrl().Copy();
    EXPECT_TRUE(Offers(ColumnFormat()));
    EXPECT_EQ(ClipboardUnicode(), L"ca\r\ntw\r\n");
}

// The row selection of the last row reaches past the text: only the text is copied, and cut.
TEST_F(CClipboardTest, TheLastRowCopiesAndCutsWithoutALineEndItDoesNotHave)
{
    Load("one\r\ntwo");
    Ctrl().SetFocus();
    CTestInput input(Ctrl().GetSafeHwnd());
    POINT ptLineNumber = {Ctrl().GetTextLeft() - 4, Ctrl().GetRowHeight() * 3 / 2};
    ASSERT_TRUE(input.Click(ptLineNumber));
    ASSERT_TRUE(Ctrl().HasSelection());
    Ctrl().Copy();
    EXPECT_EQ(ClipboardUnicode(), L"two");
    Ctrl().CutSelection();
    EXPECT_EQ(ClipboardUnicode(), L"two");
    EXPECT_STREQ(m_window->Text(), "one\r\n");
    Ctrl().Paste();
    EXPECT_STREQ(m_window->Text(), "one\r\ntwo");
}

TEST_F(CClipboardTest, ABlockPastesAsABlockAndPlainTextAsLines)
{
    Load("abcd\r\nefgh\r\nijkl\r\nmnop");
    Ctrl().SetColumnSelection(TRUE);
    Ctrl().Select(1, 1, 2, 3);
    Ctrl().Copy();
    Ctrl().ClearSelection();
    Ctrl().SetColumnSelection(FALSE);
    Ctrl().SetCurrentPosition(3, 3, FALSE, TRUE);
    Ctrl().Paste();
    EXPECT_STREQ(Row(3), "ijabkl");
    EXPECT_STREQ(Row(4), "mnefop");
    EXPECT_EQ(Ctrl().GetRowCount(), 4);
    EXPECT_EQ(Steps(), 1);

    PutText("xy\r\nz");
    Ctrl().SetCurrentPosition(1, 2, FALSE, TRUE);
    Ctrl().Paste();
    EXPECT_STREQ(Row(1), "axy");
    EXPECT_STREQ(Row(2), "zbcd");
}

TEST_F(CClipboardTest, PasteReplacesTheSelectionInOneStepAndKeepsTabs)
{
    Load("one two");
    Ctrl().SetTabWithSpace(TRUE);
    PutText("\tX");
    Ctrl().Select(1, 1, 1, 4);
    Ctrl().Paste();
    EXPECT_STREQ(Row(1), "\tX two");
    EXPECT_EQ(Steps(), 1);
    EXPECT_TRUE(Ctrl().GetTabWithSpace());
    Ctrl().Undo();
    EXPECT_STREQ(Row(1), "one two");
    EXPECT_FALSE(m_window->Buffer()->IsModified());
}

TEST_F(CClipboardTest, AnEmptyPasteLeavesTheHistoryAndTheModifiedStateAlone)
{
    Load("text");
    PutText("");
    Ctrl().Paste();
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(m_window->Buffer()->IsModified());
    EXPECT_TRUE(m_window->Parent().Of(KT_EDIT_NM_MODIFIED).empty());
}

TEST_F(CClipboardTest, UnterminatedTextOfAnotherProgramPastesOnlyItsBlock)
{
    const CString strFed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmno";
    Load("");
    ASSERT_TRUE(FeedFromAnotherProcess(strFed));
    Ctrl().Paste();
    // The system may end the block with a zero of its own in place of the last byte.
    CString strPasted = Row(1);
    EXPECT_GE(strPasted.GetLength(), strFed.GetLength() - 1);
    EXPECT_TRUE(strFed.Left(strPasted.GetLength()) == strPasted);
    EXPECT_EQ(Ctrl().GetRowCount(), 1);
}

TEST_F(CClipboardTest, AColumnPasteReportsAndMovesOnlyItsOwnRows)
{
    Load("a\r\nb\r\nc\r\nd\r\ne\r\nf");
    for (int nRow : {2, 3, 6})
        Ctrl().GetLineMarksManager()->AddLineMark(nRow, KT_EDIT_MARK_BOOKMARK);
    Ctrl().SetColumnSelection(TRUE);
    Ctrl().SetCurrentPosition(2, 2, FALSE, TRUE);
    m_window->Parent().Clear();
    EXPECT_TRUE(Ctrl().InsertColumnString("1\r\n2\r\n3", 2, 2, FALSE, TRUE));
    auto changes = m_window->Parent().Of(KT_EDIT_NM_TEXTCHANGED);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].nFirst, 2);
    EXPECT_EQ(changes[0].nSecond, 4);
    EXPECT_STREQ(Row(4), "d3");
    for (int nRow = 1; nRow <= 6; ++nRow)
        EXPECT_EQ(Ctrl().GetLineMarksManager()->HasLineMark(nRow, KT_EDIT_MARK_BOOKMARK),
                  nRow == 2 || nRow == 3 || nRow == 6);
}
}  // namespace
