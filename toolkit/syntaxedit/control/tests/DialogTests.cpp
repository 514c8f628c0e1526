// The real find and replace dialog and the go-to-line dialog of an editor view, driven by clicks and keys.
#include <gtest/gtest.h>

#include "EditorAppTest.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditViewCommands.h"
#include "TestInput.h"
#include "dialogs/KTSyntaxEditGoToLineDlg.h"
#include "dialogs/KTSyntaxEditSearchDlg.h"

namespace
{
class CDialogTest : public CEditorAppTest
{
protected:
    void OpenText(const char* pszText)
    {
        ASSERT_TRUE(m_folder.Write("find.c", pszText));
        m_pDoc = Open(m_folder.Path("find.c"));
        ASSERT_NE(m_pDoc, nullptr);
        m_pView = ViewOf(m_pDoc);
        theApp.m_messages.clear();
    }
    CKTSyntaxEditCtrl* Ctrl() { return m_pView->GetEditCtrl(); }
    CKTSyntaxEditSearchDlg& Search() { return m_pView->GetSearchDlg(); }
    CString Row(int n) { return m_pDoc->GetDataManager()->GetLineTextEx(n); }
    void Command(UINT nID)
    {
        m_pView->SendMessage(WM_COMMAND, nID);
        PumpPending();
    }
    // A real click on a dialog's button.
    void ClickButton(CWnd& dialog, int nID)
    {
        CWnd* pButton = dialog.GetDlgItem(nID);
        ASSERT_NE(pButton, nullptr);
        ASSERT_TRUE(pButton->IsWindowEnabled());
        CRect rc;
        pButton->GetClientRect(&rc);
        CTestInput input(pButton->GetSafeHwnd());
        ASSERT_TRUE(input.Click(rc.CenterPoint()));
        PumpPending();
    }
    void TypeInto(CWnd& dialog, int nID, const char* pszText)
    {
        CWnd* pBox = dialog.GetDlgItem(nID);
        ASSERT_NE(pBox, nullptr);
        HWND hEdit = ::GetWindow(pBox->GetSafeHwnd(), GW_CHILD);
        CTestInput input(hEdit ? hEdit : pBox->GetSafeHwnd());
        ::SetFocus(hEdit ? hEdit : pBox->GetSafeHwnd());
        ::SendMessage(hEdit ? hEdit : pBox->GetSafeHwnd(), EM_SETSEL, 0, -1);
        ASSERT_TRUE(input.Text(pszText));
        PumpPending();
    }
    // Enter goes through the application's pre-translation, as in its own loop.
    static void PressEnter()
    {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, keys, sizeof(INPUT));
        WaitFor([] { return ::GetAsyncKeyState(VK_RETURN) >= 0 && !::GetInputState(); });
        PumpPending();
    }
    CString Messages()
    {
        CString strAll;
        for (const CString& strMessage : theApp.m_messages)
            strAll += strMessage + "|";
        return strAll;
    }

    CKTSyntaxEditDoc* m_pDoc = NULL;
    CKTSyntaxEditView* m_pView = NULL;
};

TEST_F(CDialogTest, FindProposesTheSelectionAndFinishesAtTheEnd)
{
    OpenText("alpha beta\r\n\tbeta gamma\r\n");
    Ctrl()->Select(1, 7, 1, 11);
    Command(ID_EDIT_FIND);
    ASSERT_TRUE(Search().GetSafeHwnd());
    EXPECT_FALSE(Search().IsReplaceLayout());
    CString strFind;
    Search().GetDlgItemText(KT_IDC_EDIT_FIND_TEXT, strFind);
    EXPECT_STREQ(strFind, "beta");
    EXPECT_EQ(Search().GetDlgItem(KT_IDC_EDIT_REPLACE), nullptr);

    ClickButton(Search(), KT_IDC_EDIT_FIND_NEXT);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 2);
    EXPECT_TRUE(theApp.m_messages.empty());
    ClickButton(Search(), KT_IDC_EDIT_FIND_NEXT);
    EXPECT_STREQ(Messages(), "Finished searching!|");

    theApp.m_messages.clear();
    Ctrl()->SetCurrentPosition(1, 1, FALSE, TRUE);
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 1);
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(Ctrl()->GetSelection(start, end));
    EXPECT_EQ(start.nCol, 7);
    EXPECT_TRUE(theApp.m_messages.empty());
    Command(ID_EDIT_REPLACE);
    EXPECT_FALSE(Search().IsReplaceLayout());
    ClickButton(Search(), IDCANCEL);
    EXPECT_FALSE(Search().GetSafeHwnd());
}

TEST_F(CDialogTest, ReplaceAllCountsAndIsOneStep)
{
    OpenText("one x\r\nx two x\r\n");
    Command(ID_EDIT_REPLACE);
    ASSERT_TRUE(Search().IsReplaceLayout());
    EXPECT_FALSE(Search().GetDlgItem(KT_IDC_EDIT_REPLACE_ALL)->IsWindowEnabled());
    TypeInto(Search(), KT_IDC_EDIT_FIND_TEXT, "x");
    TypeInto(Search(), KT_IDC_EDIT_REPLACE_TEXT, "yy");
    ClickButton(Search(), KT_IDC_EDIT_REPLACE_ALL);
    EXPECT_STREQ(Messages(), "3 match found and replaced!|");
    EXPECT_STREQ(Row(1), "one yy");
    EXPECT_STREQ(Row(2), "yy two yy");
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(Row(1), "one x");
    EXPECT_STREQ(Row(2), "x two x");
    EXPECT_FALSE(m_pDoc->IsModified());
    ClickButton(Search(), IDCANCEL);
}

// Answers "the text may not change" for the view while it stands on the view's window.
class CRefusingNotifyWindow
{
public:
    explicit CRefusingNotifyWindow(HWND hWnd) : m_hWnd(hWnd)
    {
        s_pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, LONG_PTR(Proc)));
    }
    ~CRefusingNotifyWindow() { ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, LONG_PTR(s_pfnOld)); }
    CRefusingNotifyWindow(const CRefusingNotifyWindow&) = delete;
    CRefusingNotifyWindow& operator=(const CRefusingNotifyWindow&) = delete;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_NOTIFY && int(reinterpret_cast<NMHDR*>(lParam)->code) == KT_EDIT_NM_CANEDIT)
            return 1;
        return ::CallWindowProc(s_pfnOld, hWnd, nMsg, wParam, lParam);
    }

    HWND m_hWnd;
    static inline WNDPROC s_pfnOld = NULL;
};

// Nothing replaced is nothing counted, and the steps made before stay apart.
TEST_F(CDialogTest, ReplaceAllInATextThatMayNotChangeReplacesAndMergesNothing)
{
    OpenText("one x\r\nx two x\r\n");
    ASSERT_TRUE(Ctrl()->InsertString("a", 1, 1));
    ASSERT_TRUE(Ctrl()->InsertString("b", 1, 1));
    CKTSyntaxEditUndoRedoManager* pUndo = m_pDoc->GetDataManager()->GetUndoRedoManager();
    const int nSteps = pUndo->GetCount();
    Command(ID_EDIT_REPLACE);
    TypeInto(Search(), KT_IDC_EDIT_FIND_TEXT, "x");
    TypeInto(Search(), KT_IDC_EDIT_REPLACE_TEXT, "yy");
    {
        CRefusingNotifyWindow refusing(m_pView->GetSafeHwnd());
        ClickButton(Search(), KT_IDC_EDIT_REPLACE_ALL);
        EXPECT_STREQ(Messages(), "0 match found and replaced!|");
        ASSERT_TRUE(Ctrl()->Select(2, 1, 2, 2));
        EXPECT_FALSE(Ctrl()->ReplaceSelection("z"));
    }
    ClickButton(Search(), IDCANCEL);
    EXPECT_STREQ(Row(1), "baone x");
    EXPECT_STREQ(Row(2), "x two x");
    EXPECT_EQ(pUndo->GetCount(), nSteps);
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(Row(1), "aone x") << "the earlier steps stay apart";
}

// The first line of a two-line selection equal to the find text is no reason to replace both lines.
TEST_F(CDialogTest, ReplaceOnATwoLineSelectionSearchesOn)
{
    OpenText("abc\r\nabc\r\nx abc\r\n");
    Command(ID_EDIT_REPLACE);
    TypeInto(Search(), KT_IDC_EDIT_FIND_TEXT, "abc");
    TypeInto(Search(), KT_IDC_EDIT_REPLACE_TEXT, "Z");
    Ctrl()->Select(1, 1, 2, 4);
    ClickButton(Search(), KT_IDC_EDIT_REPLACE);
    EXPECT_STREQ(Row(1), "abc");
    EXPECT_STREQ(Row(2), "abc");
    KT_EDIT_TEXTPOS start, end;
    ASSERT_TRUE(Ctrl()->GetSelection(start, end));
    EXPECT_EQ(start.nLine, 3);
    ClickButton(Search(), KT_IDC_EDIT_REPLACE);
    EXPECT_STREQ(Row(3), "x Z");
    ClickButton(Search(), IDCANCEL);
}

TEST_F(CDialogTest, HistoriesAndPlaceSurviveClosing)
{
    OpenText("red green red\r\n");
    theApp.WriteProfileInt("Settings", "FindHistoryCount", 3);
    theApp.WriteProfileString("Settings", "FindHistory_0", "blue");
    theApp.WriteProfileString("Settings", "FindHistory_1", "");
    theApp.WriteProfileString("Settings", "FindHistory_2", "cyan");
    Command(ID_EDIT_FIND);
    CComboBox* pCombo = static_cast<CComboBox*>(Search().GetDlgItem(KT_IDC_EDIT_FIND_TEXT));
    EXPECT_EQ(pCombo->GetCount(), 2);
    CRect rcView, rcDialog;
    m_pView->GetWindowRect(&rcView);
    Search().GetWindowRect(&rcDialog);
    EXPECT_EQ(rcDialog.left, rcView.left + (rcView.Width() - rcDialog.Width()) / 2);
    TypeInto(Search(), KT_IDC_EDIT_FIND_TEXT, "red");
    ClickButton(Search(), KT_IDC_EDIT_FIND_NEXT);
    ClickButton(Search(), KT_IDC_EDIT_FIND_NEXT);
    Search().MoveWindow(40, 50, rcDialog.Width(), rcDialog.Height());
    ClickButton(Search(), IDCANCEL);
    EXPECT_EQ(theApp.GetProfileInt("Settings", "FindHistoryCount", 0), 3u);
    EXPECT_STREQ(theApp.GetProfileString("Settings", "FindHistory_1", ""), "cyan");
    EXPECT_STREQ(theApp.GetProfileString("Settings", "FindHistory_2", ""), "red");

    Command(ID_EDIT_FIND);
    Search().GetWindowRect(&rcDialog);
    EXPECT_EQ(rcDialog.TopLeft(), CPoint(40, 50));
    ClickButton(Search(), IDCANCEL);
}

// A count of 0x7FFFFFFF once meant a profile read per count (weeks) and a tab size as large an
// endless stream of errors: each value is brought into the range its use allows.
TEST_F(CDialogTest, DamagedProfileNumbersAreKeptToWhatTheEditorCanDo)
{
    theApp.WriteProfileInt("Settings", "FindHistoryCount", 0x7FFFFFFF);
    for (const char* pszEntry : {"FindHistory_0", "FindHistory_1", "FindHistory_2"})
        theApp.WriteProfileString("Settings", pszEntry, "");
    theApp.WriteProfileString("Settings", "FindHistory_0", "blue");
    theApp.WriteProfileInt("Settings", "SearchDirection", 7);
    theApp.WriteProfileInt("Settings", "TabSize", 0x7FFFFFFF);
    OpenText("\tred\r\n");
    EXPECT_EQ(m_pDoc->GetDataManager()->GetTabSize(), CKTSyntaxEditBufferManager::kMaxTabSize);
    Command(ID_EDIT_FIND);
    CComboBox* pCombo = static_cast<CComboBox*>(Search().GetDlgItem(KT_IDC_EDIT_FIND_TEXT));
    EXPECT_EQ(pCombo->GetCount(), 1);
    EXPECT_TRUE(Search().IsDlgButtonChecked(KT_IDC_EDIT_SEARCH_DOWN));
    ClickButton(Search(), IDCANCEL);

    theApp.WriteProfileInt("Settings", "TabSize", -5);
    m_pView->GetEditCtrl()->ReloadSettings();
    EXPECT_EQ(m_pDoc->GetDataManager()->GetTabSize(), CKTSyntaxEditBufferManager::kMinTabSize);
    theApp.WriteProfileInt("Settings", "TabSize", 4);
    theApp.WriteProfileInt("Settings", "SearchDirection", 1);
}

TEST_F(CDialogTest, GoToLineClampsAndTypingRaisesNoBox)
{
    CString strText;
    for (int i = 0; i < 250; ++i)
        strText += "row\r\n";
    OpenText(strText);
    CKTSyntaxEditGoToLineDlg dialog;
    ASSERT_TRUE(dialog.ShowDialog(Ctrl(), FALSE, FALSE));
    EXPECT_EQ(dialog.GetMaxLine(), 251);
    CString strLabel;
    dialog.GetDlgItemText(KT_IDC_EDIT_LINE_LABEL, strLabel);
    EXPECT_STREQ(strLabel, "&Line number (1 - 251):");

    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "-");
    EXPECT_TRUE(theApp.m_messages.empty());
    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "0");
    ClickButton(dialog, KT_IDC_EDIT_GOTO);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 1);
    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "9999");
    ClickButton(dialog, KT_IDC_EDIT_GOTO);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 251);
    EXPECT_EQ(dialog.GetDlgItemInt(KT_IDC_EDIT_LINE_NUMBER), 251u);
    EXPECT_TRUE(theApp.m_messages.empty());

    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "12");
    PressEnter();
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 12);
    CRect rcDialog;
    dialog.GetWindowRect(&rcDialog);
    dialog.MoveWindow(30, 40, rcDialog.Width(), rcDialog.Height());
    // A click right after a move may still reach the display's old picture of
    // the dialog: cancel through the button's own command instead.
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       LPARAM(dialog.GetDlgItem(IDCANCEL)->GetSafeHwnd()));
    PumpPending();
    EXPECT_FALSE(dialog.GetSafeHwnd());
    ASSERT_TRUE(dialog.ShowDialog(Ctrl(), FALSE, TRUE));
    EXPECT_EQ(dialog.GetRememberedPosition(), CPoint(30, 40));
    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "5");
    ClickButton(dialog, KT_IDC_EDIT_GOTO);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 5);
    EXPECT_FALSE(dialog.GetSafeHwnd());

    ASSERT_TRUE(dialog.ShowDialog(Ctrl(), FALSE, FALSE));
    TypeInto(dialog, KT_IDC_EDIT_LINE_NUMBER, "x");
    ClickButton(dialog, KT_IDC_EDIT_GOTO);
    EXPECT_EQ(theApp.m_messages.size(), 1u);
    EXPECT_EQ(Ctrl()->GetCurrentRow(), 5);
    theApp.m_messages.clear();

    ClickButton(dialog, IDCANCEL);
    EXPECT_FALSE(dialog.GetSafeHwnd());
}
}  // namespace
