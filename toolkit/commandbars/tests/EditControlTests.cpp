// EditControlTests.cpp: edit controls on a tool bar of the test frame: typing, Enter, Esc, the spin buttons and
// their arithmetic, the edit keys passed through a tracking bar and the shell's completion.
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControlEdit.h"
#include "KTControls.h"
#include "KTToolBar.h"
#include "KTToolTipController.h"
#include "ClipboardText.h"
#include "CommandBarsTestsRes.h"
#include "LoopInput.h"
#include "LoopTranslation.h"
#include "StandInSuggestList.h"
#include "SystemMenuGuard.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "TestInput.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>

namespace
{
class EditControlTest : public CFrameFixture
{
protected:
    CKTControlEdit* AddEdit(BOOL bSpin = FALSE)
    {
        CKTControl* pControl = Bar()->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED);
        CKTControlEdit* pEdit = static_cast<CKTControlEdit*>(pControl);
        pEdit->SetWidth(160);
        pEdit->ShowSpinButtons(bSpin);
        m_pCommandBars->RecalcFrameLayout();
        Bar()->RedrawWindow();
        PumpMessages();
        return pEdit;
    }
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    HWND Field(CKTControlEdit* pEdit) const { return pEdit->GetEditCtrl()->GetSafeHwnd(); }
    // A point of the field in its bar's client coordinates.
    CPoint FieldPoint(CKTControlEdit* pEdit) const
    {
        CRect rc;
        ::GetWindowRect(Field(pEdit), &rc);
        Bar()->ScreenToClient(&rc);
        return rc.CenterPoint();
    }
    CPoint SpinPoint(CKTControlEdit* pEdit, BOOL bUp) const
    {
        CRect rc = pEdit->GetSpinButtonsRect();
        return CPoint(rc.CenterPoint().x, bUp ? rc.top + 3 : rc.bottom - 3);
    }
    size_t CountCode(UINT nCode) const
    {
        return std::count(m_pFrame->m_notifyCodes.begin(), m_pFrame->m_notifyCodes.end(), nCode);
    }
};

CString WindowText(HWND hWnd)
{
    CString strText;
    CWnd::FromHandle(hWnd)->GetWindowText(strText);
    return strText;
}

CString ClipboardText()
{
    CString strText;
    if (!::OpenClipboard(NULL))
        return strText;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        strText = static_cast<LPCSTR>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return strText;
}

CString SpunFrom(LPCSTR lpszText, int nCount, int nDirection)
{
    CKTControlEdit edit;
    edit.SetEditText(lpszText);
    edit.Spin(nCount, nDirection);
    return edit.GetEditText();
}
}  // namespace

TEST(EditSpinArithmetic, StepsLandOnMultiplesAndStayInRange)
{
    EXPECT_EQ(CString("8"), SpunFrom("7", 1, 1));
    EXPECT_EQ(CString("20"), SpunFrom("12", 5, 1)) << "17 moves on to the next multiple of 5";
    EXPECT_EQ(CString("40"), SpunFrom("20", 20, 1));
    EXPECT_EQ(CString("-1"), SpunFrom("0", 1, -1));
    EXPECT_EQ(CString("-10"), SpunFrom("-3", 5, -1)) << "the remainder follows the sign";
    EXPECT_EQ(CString("-1"), SpunFrom("not a number", 1, -1)) << "text that is no number spins from 0";
    EXPECT_EQ(CString("2147483647"), SpunFrom("1099511627776", 1, 1)) << "a typed 2^40 clamps";
    EXPECT_EQ(CString("2147483647"), SpunFrom("2147483647", 20, 1));
    EXPECT_EQ(CString("-2147483648"), SpunFrom("-99999999999999999999999", 20, -1));
}

TEST_F(EditControlTest, TypingEnterRunsTheCommandAndEscRestoresTheText)
{
    CKTControlEdit* pEdit = AddEdit();
    ASSERT_TRUE(::IsWindowVisible(Field(pEdit)));
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    EXPECT_EQ(Field(pEdit), ::GetFocus());
    EXPECT_EQ(1u, CountCode(EN_SETFOCUS));
    EXPECT_TRUE(Bar()->GetTrackingMode() != 0) << "the bar holds the keys while the field has the focus";

    ASSERT_TRUE(bar.Text("abc"));
    EXPECT_EQ(CString("abc"), pEdit->GetEditText());
    EXPECT_EQ(3u, CountCode(EN_CHANGE));
    m_pFrame->m_commands.clear();
    ASSERT_TRUE(bar.Key(VK_RETURN));
    ASSERT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }));
    EXPECT_EQ((UINT)ID_TEST_ENABLED, m_pFrame->m_commands[0]);
    EXPECT_EQ(CString("abc"), pEdit->GetEditText());

    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    ASSERT_TRUE(bar.Key(VK_END));
    ASSERT_TRUE(bar.Text("xyz"));
    EXPECT_EQ(CString("abcxyz"), pEdit->GetEditText());
    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pEdit->IsFocused(); }));
    EXPECT_EQ(CString("abc"), pEdit->GetEditText()) << "Esc brings back the text the field had on focus";
    EXPECT_NE(Field(pEdit), ::GetFocus());
    EXPECT_EQ(0, Bar()->GetTrackingMode());
    EXPECT_GE(CountCode(EN_KILLFOCUS), 1u);
}

// A field without a hint of its own shows its command's, and takes it away while the user types.
TEST_F(EditControlTest, AFieldWithoutAHintShowsItsActionsHint)
{
    m_pCommandBars->EnableActions(TRUE);
    m_pCommandBars->CreateAction(ID_TEST_ENABLED)->SetEditHint("Search");
    CKTControlEdit* pEdit = AddEdit();
    EXPECT_EQ(CString("Search"), pEdit->GetEditHint());
    EXPECT_EQ(CString("Search"), WindowText(Field(pEdit))) << "shown grey in the empty field";
    EXPECT_EQ(CString(), pEdit->GetUserText());
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    EXPECT_EQ(CString(), WindowText(Field(pEdit))) << "gone while the field has the focus";
    pEdit->SetEditHint("Own");
    EXPECT_EQ(CString("Own"), pEdit->GetEditHint()) << "its own hint first";
}

TEST_F(EditControlTest, EditKeysReachTheFieldWhileTheBarTracks)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetEditText("hello");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    // A rich edit's whole text takes in its closing paragraph mark.
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            int nStart = 0, nEnd = 0;
            pEdit->GetEditCtrl()->GetSel(nStart, nEnd);
            return pEdit->IsFocused() && nStart == 0 && nEnd >= 5;
        }))
        << "the focus selects the whole text";

    m_pFrame->m_commands.clear();
    ASSERT_TRUE(bar.Key('C', CTestInput::kControl));
    EXPECT_EQ(CString("hello"), ClipboardText());
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "the frame's copy shortcut does not take the key";
    ASSERT_TRUE(bar.Key(VK_BACK));
    EXPECT_EQ(CString(""), pEdit->GetEditText());
    ASSERT_TRUE(bar.Key('V', CTestInput::kControl));
    EXPECT_EQ(CString("hello"), pEdit->GetEditText());
    ASSERT_TRUE(bar.Key(VK_LEFT));
    ASSERT_TRUE(bar.Key(VK_DELETE));
    EXPECT_EQ(CString("hell"), pEdit->GetEditText()) << "arrows move in the field, not across the bar";
    EXPECT_TRUE(pEdit->IsFocused());
}

// The field passes on the keys it does not edit; they still are not the frame's shortcuts.
TEST_F(EditControlTest, FrameShortcutsTypedIntoAFieldStayInTheField)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetEditText("abc");
    CLoopTranslation translation;
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    ASSERT_TRUE(bar.Key(VK_END));

    m_pFrame->m_commands.clear();
    ASSERT_TRUE(bar.Key('N', CTestInput::kControl));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "Ctrl+N is the frame's New, but the field has the key";
    EXPECT_TRUE(pEdit->IsFocused());
    ASSERT_TRUE(bar.Key('A', CTestInput::kControl));
    ASSERT_TRUE(bar.Text("x"));
    EXPECT_EQ(CString("x"), pEdit->GetEditText()) << "Ctrl+A selected the field's text";
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

// Alt+letter is no key the field edits with: from the field it still opens the menu bar's entry.
TEST_F(EditControlTest, AltLetterInAFieldStillOpensTheMenu)
{
    CKTControlEdit* pEdit = AddEdit();
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    CKTCommandBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(bar.Key('F', CTestInput::kAlt));
    EXPECT_EQ(0, pMenuBar->GetPopuped()) << "Alt+F opens File";
    EXPECT_EQ(0, guard.Refused());
    pMenuBar->SetTrackingMode(ktTrackingNone);
}

// Cut from the frame's menus while a field has the focus cuts the field's text.
TEST_F(EditControlTest, TheFramesCutCommandGoesToTheFocusedField)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetEditText("hello");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    pEdit->GetEditCtrl()->SetSel(0, -1);

    m_pFrame->m_commands.clear();
    EXPECT_EQ(1, m_pFrame->SendMessage(WM_COMMAND, ID_EDIT_CUT));
    EXPECT_EQ(CString(""), pEdit->GetEditText());
    EXPECT_EQ(CString("hello"), ClipboardText());
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "the frame's own handling does not run";
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(1u, m_pFrame->m_commands.size()) << "the field takes only its own commands";
}

TEST_F(EditControlTest, SpinButtonsStepAndRepeatWhileHeld)
{
    CKTControlEdit* pEdit = AddEdit(TRUE);
    pEdit->SetEditText("7");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(SpinPoint(pEdit, TRUE)));
    EXPECT_EQ(CString("8"), pEdit->GetEditText());
    ASSERT_TRUE(bar.Click(SpinPoint(pEdit, FALSE)));
    ASSERT_TRUE(bar.Click(SpinPoint(pEdit, FALSE)));
    EXPECT_EQ(CString("6"), pEdit->GetEditText());
    EXPECT_EQ(3u, CountCode(KTN_EXECUTE)) << "each spin that changed the text tells the site";
    EXPECT_EQ(0, pEdit->GetPressed());
    EXPECT_EQ(NULL, ::GetCapture());

    // Held down: single steps first, then steps of 5 landing on multiples of 5.
    m_pFrame->m_spinSteps.clear();
    const std::vector<int>& steps = m_pFrame->m_spinSteps;
    CLoopInput hold(Bar()->GetSafeHwnd());
    hold.Press(SpinPoint(pEdit, TRUE))
        .AwaitCapture()
        .Await([&] { return !steps.empty() && steps.back() == 5; })
        .Release();
    ASSERT_TRUE(hold.Run());
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(1, steps[0]);
    EXPECT_EQ(1, steps[1]);
    EXPECT_EQ(0, _ttoi(pEdit->GetEditText()) % 5);
    EXPECT_GT(_ttoi(pEdit->GetEditText()), 20);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0, pEdit->GetPressed());
}

TEST_F(EditControlTest, SiteThatTakesTheSpinKeepsTheText)
{
    CKTControlEdit* pEdit = AddEdit(TRUE);
    pEdit->SetEditText("7");
    m_pFrame->m_lNotifyAnswer = 1;
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(SpinPoint(pEdit, FALSE)));
    ASSERT_EQ(1u, m_pFrame->m_spinSteps.size());
    EXPECT_EQ(-1, m_pFrame->m_spinSteps[0]);
    EXPECT_EQ(CString("7"), pEdit->GetEditText());
    EXPECT_EQ(0u, CountCode(KTN_EXECUTE));
}

TEST_F(EditControlTest, QuitWhileASpinButtonIsHeldEndsThePressAndReachesTheOuterLoop)
{
    CKTControlEdit* pEdit = AddEdit(TRUE);
    pEdit->SetEditText("1");
    CLoopInput hold(Bar()->GetSafeHwnd());
    hold.Press(SpinPoint(pEdit, TRUE)).AwaitCapture().Quit(9).AwaitNoCapture().Release();
    ASSERT_TRUE(hold.Run());
    WPARAM nExitCode = 0;
    EXPECT_TRUE(QuitPumped(&nExitCode)) << "the quit is posted again";
    EXPECT_EQ(9u, nExitCode);
    EXPECT_EQ(0, pEdit->GetPressed());
}

TEST_F(EditControlTest, UpAndDownSpinAFocusedField)
{
    CKTControlEdit* pEdit = AddEdit(TRUE);
    pEdit->SetEditText("41");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    ASSERT_TRUE(bar.Key(VK_UP));
    ASSERT_TRUE(bar.Key(VK_UP));
    ASSERT_TRUE(bar.Key(VK_DOWN));
    EXPECT_EQ(CString("42"), pEdit->GetEditText());
    EXPECT_TRUE(pEdit->IsFocused());
}

// The system here answers the shell's completion with success and shows nothing, so the suggestion list is one
// of the test's own under the shell's class name.
TEST_F(EditControlTest, ShellSuggestionListIsWatchedAndTakesTheMovingKeys)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetShellAutoComplete(SHACF_FILESYSTEM);
    ASSERT_TRUE(pEdit->GetField()->GetShellHook() != NULL) << "a call that succeeded keeps the hook";
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));

    CStandInSuggestList standIn;
    CWnd& suggest = standIn.Wnd();
    CListBox& list = standIn.List();
    ASSERT_TRUE(list.GetSafeHwnd() != NULL);
    for (LPCSTR lpszItem : {"c:\\windows", "c:\\windows\\system32", "c:\\windows\\temp"})
        list.AddString(lpszItem);
    list.SetCurSel(0);
    suggest.ShowWindow(SW_SHOWNOACTIVATE);
    PumpMessages();
    EXPECT_EQ(suggest.GetSafeHwnd(), pEdit->GetField()->GetShellHook()->GetSuggestWindow());

    ASSERT_TRUE(bar.Key(VK_DOWN));
    EXPECT_EQ(1, list.GetCurSel()) << "the list moves";
    EXPECT_TRUE(pEdit->IsFocused());
    // Below the list, which would take the focus as no shell list does.
    CPoint ptOnList(20, 80);
    suggest.MapWindowPoints(Bar(), &ptOnList, 1);
    ASSERT_TRUE(bar.Click(ptOnList));
    EXPECT_NE(0, Bar()->GetTrackingMode()) << "a click on the list does not close the bar";

    suggest.ShowWindow(SW_HIDE);
    PumpMessages();
    EXPECT_EQ(NULL, pEdit->GetField()->GetShellHook()->GetSuggestWindow());
}

TEST_F(EditControlTest, EscWhileTheSuggestionListShowsHidesOnlyTheList)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetShellAutoComplete(SHACF_FILESYSTEM);
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    ASSERT_TRUE(bar.Text("c:\\win"));
    CStandInSuggestList standIn;
    standIn.Wnd().ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return pEdit->GetField()->GetShellHook()->GetSuggestWindow() != NULL; }));

    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !standIn.Wnd().IsWindowVisible(); }));
    EXPECT_EQ(CString("c:\\win"), pEdit->GetEditText()) << "the typed text stays";
    EXPECT_TRUE(pEdit->IsFocused());

    ASSERT_TRUE(bar.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pEdit->IsFocused(); }));
    EXPECT_EQ(CString(""), pEdit->GetEditText()) << "the second Esc cancels the edit";
}

TEST_F(EditControlTest, TabOntoAFieldOfATrackingBarGivesItTheFocus)
{
    CKTControlEdit* pEdit = AddEdit();
    m_pCommandBars->SetToolBarFocus(Bar());
    CTestInput bar(Bar()->GetSafeHwnd());
    for (int i = 0; i < Bar()->GetControlCount() && Bar()->GetSelected() != pEdit->GetIndex(); i++)
        ASSERT_TRUE(bar.Key(VK_TAB));
    ASSERT_EQ(pEdit->GetIndex(), Bar()->GetSelected());
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    EXPECT_EQ(Field(pEdit), ::GetFocus());
    ASSERT_TRUE(bar.Text("ab"));
    EXPECT_EQ(CString("ab"), pEdit->GetEditText()) << "typing goes into the field";
    ASSERT_TRUE(bar.Key(VK_ESCAPE));
}

namespace
{
// The frame's window procedure while a test answers the key notices itself: 'F' is taken, other letters noted.
WNDPROC s_pFieldSiteProc = NULL;
CString s_strFieldKeyNotices;  // the letters the site heard of

LRESULT CALLBACK FieldKeySiteProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != KTWM_BARKEYDOWN)
        return ::CallWindowProc(s_pFieldSiteProc, hWnd, message, wParam, lParam);
    auto* pKey = reinterpret_cast<KT_BARKEYDOWN*>(wParam);
    if (pKey->nKey == 'F')
        pKey->nKey = 0;
    else if (pKey->nKey >= 'A' && pKey->nKey <= 'Z')
        s_strFieldKeyNotices += (TCHAR)pKey->nKey;
    return 0;
}
}  // namespace

// The site hears of a key before the field that holds the focus, and may take it from the field too.
TEST_F(EditControlTest, TheSiteHearsOfKeysTypedIntoAFieldBeforeTheFieldAndMayTakeThem)
{
    CKTControlEdit* pEdit = AddEdit();
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    HWND hFrame = m_pFrame->GetSafeHwnd();
    s_strFieldKeyNotices.Empty();
    s_pFieldSiteProc = (WNDPROC)::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)FieldKeySiteProc);
    const BOOL bTyped = bar.Text("af") && bar.Text("b");
    ::SetWindowLongPtr(hFrame, GWLP_WNDPROC, (LONG_PTR)s_pFieldSiteProc);
    ASSERT_TRUE(bTyped);
    EXPECT_EQ(CString("AB"), pEdit->GetEditText().MakeUpper()) << "the key the site took never reached the field";
    EXPECT_EQ(CString("AB"), s_strFieldKeyNotices);
    EXPECT_TRUE(pEdit->IsFocused());
    ASSERT_TRUE(bar.Key(VK_ESCAPE));
}

// The field's tip ends at a key typed into the field, as at a key on the bar itself.
TEST_F(EditControlTest, AKeyInTheFieldEndsTheBarsTip)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetCaption("Find");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    CKTToolTipController* pTips = m_pCommandBars->GetToolTipContext();
    CPoint pt = FieldPoint(pEdit) + CPoint(10, 0);
    Bar()->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return pTips->GetLastHit() == ID_TEST_ENABLED; }));
    ASSERT_TRUE(bar.Key('A'));
    EXPECT_EQ(-1, pTips->GetLastHit());
    EXPECT_EQ(CString("A"), pEdit->GetEditText().MakeUpper()) << "the key still reaches the field";
    ASSERT_TRUE(bar.Key(VK_ESCAPE));
}

// AltGr reports Ctrl and Alt held: with it C, X, V and Z type the layout's letters. The keys reach the field
// from the thread's queue, where the loop's translation makes their characters, and run no clipboard command.
TEST_F(EditControlTest, AltGrLettersInAFieldAreTypedNotClipboardCommands)
{
    CKTControlEdit* pEdit = AddEdit();
    pEdit->SetEditText("hello");
    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(FieldPoint(pEdit)));
    ASSERT_TRUE(PumpUntil([&] { return pEdit->IsFocused(); }));
    ASSERT_TRUE(Bar()->GetTrackingMode() != 0);
    ASSERT_TRUE(SetClipboardText(m_pFrame->GetSafeHwnd(), "clip"));
    const unsigned nAltGr = CTestInput::kControl | CTestInput::kAlt;

    pEdit->GetEditCtrl()->SetSel(0, -1);
    CMessageRecorder recorder({Field(pEdit)}, {WM_KEYDOWN});
    ASSERT_TRUE(bar.Key('C', nAltGr));
    EXPECT_TRUE(recorder.Matches({{WM_KEYDOWN, kPosted | kWParam, VK_CONTROL},
                                  {WM_KEYDOWN, kPosted | kWParam, VK_MENU},
                                  {WM_KEYDOWN, kPosted | kWParam, 'C'}}))
        << "the key is not taken on the way";
    ASSERT_TRUE(bar.Key('X', nAltGr));
    EXPECT_EQ(CString("clip"), ClipboardText()) << "nothing copied or cut";
    ASSERT_TRUE(bar.Key('V', nAltGr));
    EXPECT_EQ(-1, pEdit->GetEditText().Find("clip")) << "nothing pasted";
    EXPECT_EQ(0, pEdit->GetEditText().Find("hello"));

    ASSERT_TRUE(bar.Key(VK_END));
    ASSERT_TRUE(bar.Text("ab"));
    const CString strTyped = pEdit->GetEditText();
    ASSERT_TRUE(bar.Key('Z', nAltGr));
    EXPECT_EQ(0, pEdit->GetEditText().Find(strTyped)) << "the typing is not undone";
    EXPECT_TRUE(pEdit->IsFocused());
}
