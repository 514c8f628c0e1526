// KeyboardTipTests.cpp: keyboard tips over the bars, typed with real keys; Ctrl+Tab, Space and access letters on the
// bars.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControlComboBox.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTControlGalleryItems.h"
#include "KTControlPopup.h"
#include "KTControlSelector.h"
#include "KTControls.h"
#include "KTKeyboardTips.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTPopupToolBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "SolidIcon.h"
#include "SystemMenuGuard.h"
#include "TestInput.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
class KeyboardTipTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
    }

    void TearDown() override
    {
        for (UINT nIconId : m_iconIds)
            KTImageManager()->RemoveIcon(nIconId);
        CFrameFixture::TearDown();
    }

    // A control (a button unless told) with a solid icon under an id no command has, taken away when the test ends.
    CKTControl* AddIconButton(CKTCommandBar* pBar, UINT nId, LPCSTR lpszCaption, int nType = ktControlButton)
    {
        const UINT nIconId = 9295 + (UINT)m_iconIds.size();
        EXPECT_TRUE(SetSolidIcon(nIconId, pBar->GetIconSize().cx, RGB(40, 90, 200)));
        m_iconIds.push_back(nIconId);
        CKTControl* pButton = pBar->GetControls()->Add(nType, nId);
        pButton->SetCaption(lpszCaption);
        pButton->SetIconId(nIconId);
        return pButton;
    }

    // Waits until the bar shows its tips, then gives their texts in order.
    std::vector<CString> TipsOf(CKTCommandBar* pBar)
    {
        PumpUntil([this, pBar] { return m_pCommandBars->GetKeyboardTips()->GetBar() == pBar; }, kColdWineDeadlineMs);
        PumpMessages();
        std::vector<CString> texts;
        for (auto& pTip : m_pCommandBars->GetKeyboardTips()->GetTips())
            texts.push_back(pTip->GetTipText());
        return texts;
    }

    CKTCommandBarKeyboardTip* TipFor(CCmdTarget* pTarget) const
    {
        for (auto& pTip : m_pCommandBars->GetKeyboardTips()->GetTips())
            if (pTip->GetTarget() == pTarget)
                return pTip.get();
        return NULL;
    }

    CKTToolBar* AddBar(LPCSTR lpszTitle, std::vector<std::pair<UINT, LPCSTR>> buttons)
    {
        CKTToolBar* pBar = m_pCommandBars->Add(lpszTitle, ktBarTop);
        for (auto& button : buttons)
            pBar->GetControls()->Add(ktControlButton, button.first)->SetCaption(button.second);
        m_pFrame->RecalcLayout();
        PumpMessages();
        return pBar;
    }

    // F10, then Ctrl+Tab on to the next bar.
    void TrackNextBarByKeys(CTestInput& input)
    {
        ASSERT_TRUE(input.Key(VK_F10));
        ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl));
    }

    std::vector<UINT> m_iconIds;
    CWnd m_hosted;  // a window a custom control hosts; outlives the frame
};
}  // namespace

TEST_F(KeyboardTipTest, AltLabelsTheMenusAndTheOtherBarsAndTypingALetterOpensItsMenuWithItsOwnTips)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_MENU));
    EXPECT_EQ((std::vector<CString>{"F", "E", "TT", "TO", "S"}), TipsOf(pMenuBar))
        << "the menus and the options button, then the Standard bar";

    CKTControl* pFile = pMenuBar->GetControl(0);
    CKTCommandBarKeyboardTip* pTip = TipFor(pFile);
    ASSERT_TRUE(pTip && pTip->IsWindowVisible());
    CPoint ptAnchor(pFile->GetRect().left + 12, pFile->GetRect().bottom - 11);
    pMenuBar->ClientToScreen(&ptAnchor);
    CRect rcTip;
    pTip->GetWindowRect(rcTip);
    EXPECT_EQ(ptAnchor, rcTip.TopLeft());
    EXPECT_GE(rcTip.Width(), 16);
    EXPECT_GE(rcTip.Height(), 15);
    EXPECT_TRUE(pTip->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(pTip->GetSafeHwnd(), ::WindowFromPoint(rcTip.CenterPoint())) << "shown over the bar";

    ASSERT_TRUE(input.Key('E'));
    ASSERT_EQ(1, pMenuBar->GetPopuped()) << "E opens Edit";
    CKTCommandBar* pEdit = pMenuBar->GetControl(1)->GetCommandBar();
    EXPECT_EQ((std::vector<CString>{"U", "T", "C", "P"}), TipsOf(pEdit)) << "Cu&t is T";

    CKTCommandBarKeyboardTip* pUndo = TipFor(pEdit->GetControl(0));
    ASSERT_TRUE(pUndo && !pUndo->IsEnabled()) << "no handler: disabled";
    EXPECT_TRUE(pUndo->GetExStyle() & WS_EX_LAYERED) << "drawn translucent";
    ASSERT_TRUE(input.Key('U'));
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "a disabled tip runs nothing";
    EXPECT_EQ(4u, m_pCommandBars->GetKeyboardTips()->GetTips().size());

    ASSERT_TRUE(input.Key(VK_ESCAPE));
    EXPECT_EQ(-1, pMenuBar->GetPopuped());
    EXPECT_EQ((std::vector<CString>{"F", "E", "TT", "TO", "S"}), TipsOf(pMenuBar))
        << "Esc steps back to the menu bar's tips";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    EXPECT_TRUE(m_pCommandBars->GetKeyboardTips()->GetTips().empty());
    EXPECT_EQ(NULL, ::FindWindowEx(NULL, NULL, NULL, "F")) << "every tip window is gone";
    EXPECT_EQ(0, guard.Refused());
}

TEST_F(KeyboardTipTest, AnyBarPutsAwayTheTipsShown)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_MENU));
    ASSERT_FALSE(TipsOf(m_pCommandBars->GetMenuBar()).empty());
    m_pFrame->m_pStandard->HideKeyboardTips();
    EXPECT_TRUE(m_pCommandBars->GetKeyboardTips()->GetTips().empty());
    input.Key(VK_ESCAPE);
}

TEST_F(KeyboardTipTest, AMenuThatExpandsShowsItsTipsAgainOverEveryEntry)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->SetCommandHidden(ID_EDIT_CUT);
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_MENU));
    TipsOf(pMenuBar);
    ASSERT_TRUE(input.Key('E'));
    CKTCommandBar* pEdit = pMenuBar->GetControl(1)->GetCommandBar();
    const std::vector<CString> collapsed = TipsOf(pEdit);
    EXPECT_EQ((std::vector<CString>{"U", "C", "P"}), collapsed) << "Cut hides as rarely used";

    ASSERT_TRUE(input.Key(VK_DOWN, CTestInput::kControl));
    ASSERT_TRUE(pEdit->GetControls()->FindControl(ID_EDIT_CUT)->IsVisible());
    EXPECT_EQ((std::vector<CString>{"U", "T", "C", "P"}), TipsOf(pEdit));
    CKTControl* pPaste = pEdit->GetControls()->FindControl(ID_EDIT_PASTE);
    CKTCommandBarKeyboardTip* pTip = TipFor(pPaste);
    ASSERT_TRUE(pTip != NULL);
    CRect rcPaste = pPaste->GetRect(), rcTip;
    pEdit->ClientToScreen(rcPaste);
    pTip->GetWindowRect(rcTip);
    EXPECT_TRUE(rcTip.top >= rcPaste.top && rcTip.top < rcPaste.bottom) << "over the entry where it stands now";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
}

TEST_F(KeyboardTipTest, SharedLettersGrowUntilUniqueAndEachTypedKeyNarrowsTheTips)
{
    CLoopTranslation translation;
    CKTToolBar* pBar = AddBar("Tips", {{ID_TEST_DISABLED_BY_HANDLER, "&File"},
                                       {ID_TEST_ENABLED, "&Format"},
                                       {777, ""}});  // an id without a string: no caption
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pCommandBars->SetToolBarFocus(pBar);
    // "Toolbar Options" takes T; no caption, no tip; the menu bar by its title.
    EXPECT_EQ((std::vector<CString>{"T", "FF", "FO", "M"}), TipsOf(pBar));

    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('F'));
    EXPECT_EQ((std::vector<CString>{"FF", "FO"}), TipsOf(pBar));
    ASSERT_TRUE(input.Key('X'));
    EXPECT_EQ(2u, m_pCommandBars->GetKeyboardTips()->GetTips().size()) << "a key no tip has keeps them all";
    ASSERT_TRUE(input.Key('O'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "FO runs Format";
}

// A field's tip puts the caret in the field: the tips go, nothing runs and no list drops.
TEST_F(KeyboardTipTest, TypingAFieldsTipFocusesTheField)
{
    CLoopTranslation translation;
    CKTToolBar* pBar = AddBar("Tips", {});
    auto* pEdit = static_cast<CKTControlEdit*>(pBar->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED));
    pEdit->SetCaption("&Find");
    auto* pCombo = static_cast<CKTControlComboBox*>(pBar->GetControls()->Add(ktControlComboBox, ID_TEST_DESCRIBED));
    pCombo->SetCaption("&Go");
    pCombo->SetDropDown(TRUE);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    for (CKTControl* pField : std::vector<CKTControl*>{pEdit, pCombo})
    {
        m_pCommandBars->SetToolBarFocus(pBar);
        std::vector<CString> tips = TipsOf(pBar);
        CKTCommandBarKeyboardTip* pTip = TipFor(pField);
        ASSERT_TRUE(pTip != NULL);
        const CString strKeys = pTip->GetTipText();
        for (int i = 0; i < strKeys.GetLength(); i++)
            ASSERT_TRUE(input.Key((WORD)strKeys[i]));
        const HWND hField =
            pField == pEdit ? pEdit->GetEditCtrl()->GetSafeHwnd() : pCombo->GetEditCtrl()->GetSafeHwnd();
        ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == hField; }, kColdWineDeadlineMs)) << (LPCSTR)strKeys;
        EXPECT_TRUE(pField->IsFocused());
        EXPECT_TRUE(m_pCommandBars->GetKeyboardTips()->GetTips().empty()) << "the tips are gone";
        EXPECT_TRUE(m_pFrame->m_commands.empty()) << "nothing runs";
        EXPECT_FALSE(pCombo->IsPopuped()) << "no list drops";
        ASSERT_TRUE(input.Key(VK_ESCAPE));
        PumpUntil([&] { return !pField->IsFocused(); }, kColdWineDeadlineMs);
    }
}

// A field whose caption stands below its icon keeps the caption as its label, and its letter puts the caret in it.
TEST_F(KeyboardTipTest, AFieldWithItsCaptionBelowItsIconShowsItsLabelAndTakesItsLetter)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    CKTToolBar* pBar = AddBar("Search", {{ID_TEST_TOGGLE, "&Run"}});
    auto* pEdit = static_cast<CKTControlEdit*>(pBar->GetControls()->Add(ktControlEdit, ID_TEST_ENABLED));
    pEdit->SetCaption("&Find");
    pEdit->SetStyle(ktButtonIconAndCaptionBelow);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    EXPECT_GT(pEdit->GetLabelWidth(), 0) << "the label is drawn";
    ASSERT_TRUE(pEdit->GetEditCtrl() != NULL);
    const HWND hField = pEdit->GetEditCtrl()->GetSafeHwnd();
    CTestInput input(m_pFrame->GetSafeHwnd());
    TrackNextBarByKeys(input);
    ASSERT_TRUE(input.Key('F'));
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == hField; }, kColdWineDeadlineMs)) << "F focuses the field";
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    PumpUntil([&] { return !pEdit->IsFocused(); }, kColdWineDeadlineMs);
}

TEST_F(KeyboardTipTest, CtrlTabMovesToTheNextToolbarAndSpaceOnTheMenuBarAsksForTheSystemMenu)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTToolBar* pBar = AddBar("Tips", {{ID_TEST_ENABLED, "&Run"}});
    m_pFrame->m_pStandard->SetVisible(FALSE);
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_F10));
    ASSERT_EQ(1, pMenuBar->GetTrackingMode());
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl));
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    EXPECT_EQ(1, pBar->GetTrackingMode());
    EXPECT_EQ(0, pBar->GetSelected()) << "its first control";
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl | CTestInput::kShift));
    EXPECT_EQ(1, pMenuBar->GetTrackingMode()) << "and back, wrapping";

    ASSERT_TRUE(input.Key(VK_DOWN));
    ASSERT_NE(-1, pMenuBar->GetPopuped()) << "a menu is open";
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl));
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    EXPECT_EQ(1, pBar->GetTrackingMode()) << "from an open menu, the toolbar after the menu bar";
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl | CTestInput::kShift));
    ASSERT_EQ(1, pMenuBar->GetTrackingMode());

    CMessageRecorder recorder({m_pFrame->GetSafeHwnd()}, {WM_SYSCOMMAND});
    ASSERT_TRUE(input.Key(VK_SPACE));
    PumpUntil([&recorder] { return !recorder.Messages().empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ(0, pMenuBar->GetTrackingMode());
    ASSERT_FALSE(recorder.Messages().empty());
    EXPECT_EQ((WPARAM)SC_KEYMENU, recorder.Messages()[0].wParam);
    EXPECT_EQ((LPARAM)' ', recorder.Messages()[0].lParam) << "the system menu";
}

TEST_F(KeyboardTipTest, AltLetterRunsAToolbarsAmpersandLetterUnlessTheCuesOptionOrShiftTurnsFrameKeysOff)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    AddBar("Keys", {{ID_TEST_ENABLED, "&Query"}, {ID_TEST_ENABLED, "Zoom"}, {ID_TEST_ENABLED, "&b"}});
    m_pFrame->m_pStandard->SetVisible(FALSE);
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('Q', CTestInput::kAlt));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "toolbars answer '&' letters too";
    m_pFrame->m_commands.clear();
    EXPECT_FALSE(m_pCommandBars->OnFrameAccessKey('Z')) << "a toolbar's first letter is no access key";

    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->nKeyboardCuesUse = ktCuesNoAccessKeys;
    ASSERT_TRUE(input.Key('F', CTestInput::kAlt));
    EXPECT_EQ(-1, pMenuBar->GetPopuped()) << "no frame access keys at all";
    EXPECT_FALSE(m_pCommandBars->OnFrameAccessKey('Q'));
    EXPECT_TRUE(m_pFrame->m_commands.empty());

    pOptions->nKeyboardCuesUse = ktCuesNoFirstLetter;
    EXPECT_FALSE(m_pCommandBars->OnFrameAccessKey('Q')) << "without bit 0 the menu bar alone answers";
    pOptions->nKeyboardCuesUse = 1;
    // The keypad's 2 has the code of a lower-case b.
    EXPECT_FALSE(m_pCommandBars->OnFrameAccessKey(VK_NUMPAD2)) << "keypad keys take no part unless asked";
    pOptions->bUseNumPadKeys = TRUE;
    EXPECT_EQ(::MapVirtualKey(VK_NUMPAD2, 2) != 0, m_pCommandBars->OnFrameAccessKey(VK_NUMPAD2) != FALSE);
    pOptions->bUseNumPadKeys = FALSE;
    m_pCommandBars->ClosePopups();
    m_pFrame->m_commands.clear();
    m_pCommandBars->SetShiftIgnoresAccessKeys(TRUE);
    ASSERT_TRUE(input.Key('F', CTestInput::kAlt | CTestInput::kShift));
    EXPECT_EQ(-1, pMenuBar->GetPopuped()) << "Alt+Shift+F is left to the frame";
    m_pCommandBars->ClosePopups();
}

// A toolbar that shares a menu's letter takes nothing from the menu bar, and a letter no one can see runs nothing
// (no tips show it either).
TEST_F(KeyboardTipTest, AMenusLetterWinsOverAToolbarsAndAnUnseenLetterRunsNothing)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    CKTToolBar* pBar = AddBar("Keys", {{ID_TEST_ENABLED, "&Extract"}, {ID_TEST_ENABLED, "&Quick"}});
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CKTControl* pControl = pBar->GetControl(i);
        if (pControl->GetCaption() == "&Extract" || pControl->GetCaption() == "&Quick")
            pControl->SetStyle(pControl->GetCaption() == "&Quick" ? ktButtonIcon : ktButtonIconAndCaption);
    }
    m_pFrame->RecalcLayout();
    PumpMessages();
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_EQ(CString("&Edit"), pMenuBar->GetControl(1)->GetCaption());
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key('Q', CTestInput::kAlt));
    ASSERT_TRUE(input.Key('E', CTestInput::kAlt));
    EXPECT_TRUE(PumpUntil([pMenuBar] { return pMenuBar->GetPopuped() == 1; }, kColdWineDeadlineMs))
        << "the Edit menu opens";
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "neither the toolbar's Extract nor its unseen Quick ran";
    m_pCommandBars->ClosePopups();
}

TEST_F(KeyboardTipTest, AltAndAFirstLetterRunsAMenuBarEntryWithoutAmpersandUnlessTheCuesOptionSaysNo)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    pMenuBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Zoom");
    m_pFrame->RecalcLayout();
    PumpMessages();
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    CTestInput input(m_pFrame->GetSafeHwnd());
    pOptions->nKeyboardCuesUse = ktCuesNoFirstLetter;
    ASSERT_TRUE(input.Key('Z', CTestInput::kAlt));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "no first-letter match";
    m_pCommandBars->ClosePopups();

    pOptions->nKeyboardCuesUse = 0;
    ASSERT_TRUE(input.Key('Z', CTestInput::kAlt));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "the first letter of the menu bar's entry";
    m_pCommandBars->ClosePopups();
}

TEST_F(KeyboardTipTest, AltLetterWhileAnotherTopLevelWindowIsActiveLeavesTheFramesMenusAlone)
{
    CSystemMenuGuard guard;
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(400, 300, 600, 400), NULL, 0));
    other.SetActiveWindow();
    ASSERT_EQ(other.GetSafeHwnd(), ::GetActiveWindow());
    // As the thread's loop hands it to the frame first.
    MSG msg = {other.GetSafeHwnd(), WM_SYSKEYDOWN, 'F', (LPARAM)(1 << 29) | 1};
    EXPECT_FALSE(m_pCommandBars->PreTranslateFrameMessage(&msg));
    EXPECT_EQ(-1, m_pCommandBars->GetMenuBar()->GetPopuped()) << "the frame is not the active window";
    EXPECT_EQ(0, m_pCommandBars->GetMenuBar()->GetTrackingMode());
    other.DestroyWindow();
    m_pCommandBars->ClosePopups();
}

// A tracked toolbar's letter counts only where its caption, and so its letter, shows: a bar of icons is run by none,
// its '&' letter or first letter alike.
TEST_F(KeyboardTipTest, ALetterTypedIntoAToolbarOfIconsRunsNothing)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    CKTToolBar* pBar = AddBar("Icons", {{ID_TEST_ENABLED, "&Generate"}, {ID_TEST_ENABLED, "Undo"}});
    for (int i = 0; i < pBar->GetControlCount(); i++)
        pBar->GetControl(i)->SetStyle(ktButtonIcon);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_F10));
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl));
    ASSERT_EQ(1, pBar->GetTrackingMode());
    ASSERT_EQ(0, pBar->GetSelected());
    ASSERT_TRUE(input.Key('G'));
    ASSERT_TRUE(input.Key('U'));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "no unseen letter ran its button";
    EXPECT_EQ(0, pBar->GetSelected()) << "nor moved to it";
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}

// With text below icons a caption shows below its icon whatever the button's style says: its letter runs it from the
// tracked bar and by Alt. Without text below icons the same buttons show icons alone, and no letter runs them.
TEST_F(KeyboardTipTest, ACaptionShownBelowItsIconTakesItsLetterAndAnIconAloneTakesNone)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->bShowKeyboardTips = FALSE;
    pOptions->bShowTextBelowIcons = TRUE;
    pOptions->nKeyboardCuesUse = ktCuesToolBarAccessKeys;
    CKTToolBar* pBar = m_pCommandBars->Add("Files", ktBarTop);
    CKTControl* pSave = AddIconButton(pBar, ID_TEST_ENABLED, "&Save");
    AddIconButton(pBar, ID_TEST_TOGGLE, "&Print")->SetStyle(ktButtonIcon);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_GT(pSave->GetRect().Height(), pBar->GetIconSize().cy + 8) << "the caption stands below the icon";
    CTestInput input(m_pFrame->GetSafeHwnd());
    const auto run = [&](UINT nKey, unsigned nModifiers)
    {
        m_pFrame->m_commands.clear();
        if (nModifiers == CTestInput::kNone)
            TrackNextBarByKeys(input);
        EXPECT_TRUE(input.Key(nKey, nModifiers));
        PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
        m_pCommandBars->ClosePopups();
        return m_pFrame->m_commands;
    };
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), run('S', CTestInput::kNone)) << "automatic style";
    EXPECT_EQ((std::vector<UINT>{ID_TEST_TOGGLE}), run('P', CTestInput::kNone)) << "the icon style";
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), run('S', CTestInput::kAlt)) << "Alt and the letter";

    pOptions->bShowTextBelowIcons = FALSE;
    m_pFrame->RecalcLayout();
    PumpMessages();
    m_pFrame->m_commands.clear();
    TrackNextBarByKeys(input);
    ASSERT_EQ(1, pBar->GetTrackingMode());
    ASSERT_TRUE(input.Key('S'));
    ASSERT_TRUE(input.Key('P'));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "icons alone: no letter runs a button";
    m_pCommandBars->ClosePopups();
    ASSERT_TRUE(input.Key('S', CTestInput::kAlt));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "nor Alt and the letter";
    m_pCommandBars->ClosePopups();
}

// A hosted window and an in-place gallery paint their rectangles themselves: neither shows its caption, even with
// text below icons and an icon of their own, so their letters run nothing and go to the button whose caption shows.
TEST_F(KeyboardTipTest, AControlDrawingItselfShowsNoCaptionAndTakesNoLetter)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->bShowKeyboardTips = FALSE;
    pOptions->bShowTextBelowIcons = TRUE;
    pOptions->nKeyboardCuesUse = ktCuesToolBarAccessKeys;
    ASSERT_TRUE(m_hosted.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0));
    CKTToolBar* pBar = m_pCommandBars->Add("Search", ktBarTop);
    auto* pFind = static_cast<CKTControlCustom*>(AddIconButton(pBar, ID_TEST_ENABLED, "&Find", ktControlCustom));
    pFind->SetControl(m_hosted.GetSafeHwnd());
    pFind->SetSize(CSize(120, 20));
    AddIconButton(pBar, ID_TEST_TOGGLE, "&Format");
    auto* pColours =
        static_cast<CKTControlGallery*>(AddIconButton(pBar, ID_TEST_ENABLED, "&Colours", ktControlGallery));
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(20, 20));
    pItems->AddItem("Blue", 100);
    pColours->SetItems(pItems);
    CKTSmartPtr<CKTPopupBar> pDropDown = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pColours->SetCommandBar(pDropDown);
    pColours->SetWidth(80);
    pColours->SetHeight(40);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(m_hosted.IsWindowVisible());
    ASSERT_EQ(CSize(80, 40), pColours->GetRect().Size()) << "the gallery measures itself";
    CTestInput input(m_pFrame->GetSafeHwnd());
    // Types the letter into the tracked bar (or with Alt) and gives the commands it ran.
    const auto type = [&](UINT nKey, unsigned nModifiers, bool bRuns)
    {
        m_pFrame->m_commands.clear();
        if (nModifiers == CTestInput::kNone)
            TrackNextBarByKeys(input);
        EXPECT_TRUE(input.Key(nKey, nModifiers));
        if (bRuns)
            PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
        PumpMessages();
        EXPECT_FALSE(pDropDown->IsVisible()) << "the gallery's drop-down stays closed";
        m_pCommandBars->ClosePopups();
        return m_pFrame->m_commands;
    };
    EXPECT_EQ((std::vector<UINT>{ID_TEST_TOGGLE}), type('F', CTestInput::kNone, true))
        << "the hosted window shows no caption: F is Format's alone";
    EXPECT_TRUE(type('C', CTestInput::kNone, false).empty()) << "the gallery shows no caption";
    EXPECT_TRUE(type('C', CTestInput::kAlt, false).empty()) << "nor by Alt";

    pOptions->bShowTextBelowIcons = FALSE;
    pFind->SetIconId(ID_TEST_TOGGLE + 7000);  // an id no icon has: the caption would show beside no icon
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(pFind->GetImage(pBar->GetIconSize().cx) == NULL);
    EXPECT_TRUE(type('F', CTestInput::kNone, false).empty())
        << "Format shows its icon alone, the hosted window no caption";
}

// A selector paints only its grid: on a bar whose buttons show their captions its caption shows nowhere, so its
// letter goes to the button whose caption shows.
TEST_F(KeyboardTipTest, ASelectorShowsNoCaptionAndTakesNoLetter)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    CKTCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->bShowKeyboardTips = FALSE;
    pOptions->bShowExpandButtonAlways = FALSE;
    CKTToolBar* pBar = AddBar("Table", {{ID_TEST_TOGGLE, "&Sort"}});
    pBar->SetDefaultButtonStyle(ktButtonCaption);
    pBar->GetControls()->Add(KTMakeCounted<CKTControlSelector>(), ID_TEST_ENABLED)->SetCaption("&Size");
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(pBar->GetControl(0)->IsCaptionVisible()) << "the bar shows its buttons' captions";
    EXPECT_FALSE(pBar->GetControl(1)->IsCaptionVisible());
    CTestInput input(m_pFrame->GetSafeHwnd());
    TrackNextBarByKeys(input);
    ASSERT_TRUE(input.Key('S'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_TOGGLE}), m_pFrame->m_commands) << "S is Sort's alone";
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}

// On a menu too a control that draws itself (a selector's grid, a hosted window, an in-place gallery) shows no
// caption, so its letter runs nothing while an ordinary entry's does; a selector's tip runs nothing before a size is
// chosen.
TEST_F(KeyboardTipTest, AMenuEntryDrawingItselfTakesNoLetter)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    ASSERT_TRUE(m_hosted.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, 0));
    CKTToolBar* pBar = m_pCommandBars->Add("Insert", ktBarTop);
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    auto* pTable = static_cast<CKTControlSelector*>(
        pMenu->GetControls()->Add(KTMakeCounted<CKTControlSelector>(), ID_TEST_ENABLED));
    pTable->SetCaption("&Table");
    auto* pFind = static_cast<CKTControlCustom*>(pMenu->GetControls()->Add(ktControlCustom, ID_TEST_ENABLED));
    pFind->SetCaption("&Find");
    pFind->SetControl(m_hosted.GetSafeHwnd());
    pFind->SetSize(CSize(120, 20));
    auto* pColours = static_cast<CKTControlGallery*>(pMenu->GetControls()->Add(ktControlGallery, ID_TEST_ENABLED));
    pColours->SetCaption("Colours");
    CKTSmartPtr<CKTControlGalleryItems> pItems = KTMakeCounted<CKTControlGalleryItems>();
    pItems->SetItemSize(CSize(20, 20));
    pItems->AddItem("Blue", 100);
    pColours->SetItems(pItems);
    pColours->SetWidth(80);
    pColours->SetHeight(40);
    ASSERT_TRUE(pColours->IsDrawnByItself());
    pMenu->GetControls()->Add(ktControlButton, ID_TEST_TOGGLE)->SetCaption("&Run");
    auto* pOpener = static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
    pOpener->SetCaption("&Insert");
    pOpener->SetCommandBar(pMenu);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    TrackNextBarByKeys(input);
    ASSERT_EQ(pOpener, pBar->GetControl(pBar->GetSelected()));
    ASSERT_TRUE(input.Key(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&pMenu] { return pMenu->IsVisible(); }, kColdWineDeadlineMs));
    ASSERT_TRUE(pFind->IsDrawnByItself()) << "the hosted window stands in its entry";
    EXPECT_TRUE(m_hosted.IsWindowVisible()) << "the open menu shows the window its entry hosts";
    CRect rcHosted;
    m_hosted.GetWindowRect(&rcHosted);
    pMenu->ScreenToClient(&rcHosted);
    EXPECT_EQ(pFind->GetRect(), rcHosted);
    for (UINT nKey : {'T', 'F', 'C'})
    {
        ASSERT_TRUE(input.Key(nKey));
        PumpMessages();
        EXPECT_TRUE(m_pFrame->m_commands.empty()) << "nothing shows the letter " << (char)nKey;
        ASSERT_TRUE(pMenu->IsVisible()) << (char)nKey;
    }
    ASSERT_TRUE(input.Key('R'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_TOGGLE}), m_pFrame->m_commands) << "the menu's Run";
    m_pCommandBars->ClosePopups();
    EXPECT_FALSE(m_hosted.IsWindowVisible()) << "the closed menu's window hides";

    m_pFrame->m_commands.clear();
    ASSERT_EQ(CSize(0, 0), pTable->GetSelected());
    pTable->OnKeyboardTip();
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "the selector's tip with no size chosen";
    EXPECT_EQ(0, guard.Refused());
}

// A palette of icons shows no caption, so a letter typed into it runs none of its buttons; a menu shows every
// caption and takes its letters.
TEST_F(KeyboardTipTest, ALetterInAPopupToolBarOfIconsRunsNothingWhileAMenuTakesIt)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    CKTToolBar* pBar = m_pCommandBars->Add("Colours", ktBarTop);
    CKTSmartPtr<CKTPopupToolBar> pPalette = CKTPopupToolBar::CreatePopupToolBar(m_pCommandBars);
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    CKTPopupBar* const popups[] = {pPalette, pMenu};
    CKTControlPopup* openers[2] = {};
    for (int i = 0; i < 2; i++)
    {
        AddIconButton(popups[i], ID_TEST_ENABLED, "&Red");
        AddIconButton(popups[i], ID_TEST_TOGGLE, "&Green");
        openers[i] = static_cast<CKTControlPopup*>(pBar->GetControls()->Add(ktControlPopup, 0));
        openers[i]->SetCaption(i == 0 ? "&Palette" : "&Menu");
        openers[i]->SetCommandBar(popups[i]);
    }
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    TrackNextBarByKeys(input);
    ASSERT_EQ(openers[0], pBar->GetControl(pBar->GetSelected()));
    ASSERT_TRUE(input.Key(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&pPalette] { return pPalette->IsVisible(); }, kColdWineDeadlineMs));
    ASSERT_TRUE(input.Key('R'));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->m_commands.empty()) << "no caption shows R in the palette";
    ASSERT_TRUE(pPalette->IsVisible()) << "the palette stays open";

    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(input.Key(VK_RIGHT));
    ASSERT_EQ(openers[1], pBar->GetControl(pBar->GetSelected()));
    ASSERT_TRUE(input.Key(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&pMenu] { return pMenu->IsVisible(); }, kColdWineDeadlineMs));
    ASSERT_TRUE(input.Key('R'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "the menu's Red";
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}

// "&&" draws an '&': the letter after the single '&' is the one its tip shows and runs it, from the tips and from a
// bar tracked by the keyboard.
TEST_F(KeyboardTipTest, ACaptionsDoubledAmpersandGivesItsTipAndKeysTheLetterAfterTheSingleOne)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    // Without "Toolbar Options", which would share the T.
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    CKTToolBar* pBar = AddBar("Lab", {{ID_TEST_ENABLED, "R&&D &Tools"}});
    pBar->GetControl(0)->SetStyle(ktButtonCaption);
    m_pFrame->m_pStandard->SetVisible(FALSE);
    m_pCommandBars->GetMenuBar()->GetControl(2)->SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_MENU));
    ASSERT_FALSE(TipsOf(m_pCommandBars->GetMenuBar()).empty());
    ASSERT_TRUE(input.Key('L'));
    EXPECT_EQ((std::vector<CString>{"T", "M"}), TipsOf(pBar)) << "its button's, then the menu bar's";
    ASSERT_TRUE(input.Key('T'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "its tip's letter runs it";
    m_pCommandBars->ClosePopups();

    m_pFrame->m_commands.clear();
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    ASSERT_TRUE(input.Key(VK_F10));
    ASSERT_TRUE(input.Key(VK_TAB, CTestInput::kControl));
    ASSERT_EQ(1, pBar->GetTrackingMode());
    ASSERT_TRUE(input.Key('T'));
    PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, kColdWineDeadlineMs);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_ENABLED}), m_pFrame->m_commands) << "the tracked bar's letter runs it";
    m_pCommandBars->ClosePopups();
    EXPECT_EQ(0, guard.Refused());
}
