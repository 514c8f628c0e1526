// HelpModeTests.cpp: the bars in their frame's context-help mode, with real input: after Shift+F1 a click names a
// button's topic, opens a popup control's menu so that one of its entries can be named, and Esc still ends the mode.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTToolBar.h"
#include "LoopInput.h"
#include "LoopTranslation.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace
{
class HelpModeTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = TRUE;
        m_pButton = Add(ktControlButton, ID_TEST_ENABLED, "Run");
        m_pTools = Add(ktControlPopup, 0, "Tools");
        m_pTools->GetCommandBar()->GetControls()->Add(ktControlButton, ID_TEST_TOGGLE)->SetCaption("Toggle");
        m_pCommandBars->RecalcFrameLayout();
        Bar()->RedrawWindow();
        PumpMessages();
    }
    CKTControl* Add(int nType, int nId, LPCSTR lpszCaption)
    {
        CKTControl* pControl = Bar()->GetControls()->Add(nType, nId);
        pControl->SetCaption(lpszCaption);
        return pControl;
    }
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    HWND Frame() const { return m_pFrame->GetSafeHwnd(); }
    static CPoint Centre(CKTControl* pControl) { return pControl->GetRect().CenterPoint(); }
    // Shift+F1 with the pointer on the bar; the next step waits for help mode's capture.
    void EnterHelpMode(CLoopInput& input)
    {
        input.Move(Centre(m_pButton)).HoldKeys(CTestInput::kShift).Key(VK_F1).ReleaseKeys().AwaitCapture(Frame());
    }
    // Runs the steps; should the mode outlive them, the exit message ends it rather than the test's time.
    bool Run(CLoopInput& input)
    {
        input.Post(Frame(), WM_EXITHELPMODE);
        bool bRan = input.Run();
        PumpMessages();
        return bRan;
    }
    BOOL ToolsMenuShown() const
    {
        CKTCommandBar* pMenu = m_pTools->GetCommandBar();
        return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible();
    }
    // Where the Tools menu's entry shows, in the bar's client co-ordinates: the menu opens there each time.
    CPoint ToolsEntryOnBar()
    {
        Bar()->SetPopuped(m_pTools->GetIndex());
        CKTCommandBar* pMenu = m_pTools->GetCommandBar();
        CPoint pt = Centre(pMenu->GetControl(0));
        pMenu->ClientToScreen(&pt);
        Bar()->ScreenToClient(&pt);
        m_pCommandBars->ClosePopups();
        PumpMessages();
        return pt;
    }
    BOOL Ran(UINT nId) const
    {
        return std::find(m_pFrame->m_commands.begin(), m_pFrame->m_commands.end(), nId) != m_pFrame->m_commands.end();
    }

    CLoopTranslation m_translation;  // Shift+F1 reaches the bars' accelerators as in the application's loop
    CKTControl* m_pButton = NULL;
    CKTControl* m_pTools = NULL;
};
}  // namespace

TEST_F(HelpModeTest, InHelpModeAPopupControlWithoutAnIdAnswersAsAMenuAndEveryOtherPointAsTheClientArea)
{
    const auto hitAt = [this](CPoint pt)
    {
        Bar()->ClientToScreen(&pt);
        return (int)Bar()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    EXPECT_EQ(HTCLIENT, hitAt(Centre(m_pTools))) << "outside help mode";
    m_pFrame->m_bHelpMode = CFrameWnd::helpActive;
    EXPECT_EQ(HTMENU, hitAt(Centre(m_pTools)));
    EXPECT_EQ(HTCLIENT, hitAt(Centre(m_pButton)));
    EXPECT_EQ(HTCLIENT, hitAt(CPoint(m_pTools->GetRect().right + 40, Centre(m_pTools).y))) << "no control";
    m_pTools->SetID(ID_TEST_ENABLED);
    EXPECT_EQ(HTCLIENT, hitAt(Centre(m_pTools))) << "a popup with an id has a topic of its own";
    m_pFrame->m_bHelpMode = CFrameWnd::helpInactive;
}

TEST_F(HelpModeTest, TheHelpIdOfAControlsActionNamesItsTopic)
{
    m_pButton->SetAction(m_pCommandBars->GetActions()->Add(ID_TEST_ENABLED));
    const CPoint pt = Centre(m_pButton);
    EXPECT_EQ(ID_TEST_ENABLED + 0x10000, Bar()->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    m_pButton->GetAction()->SetHelpId(4242);
    EXPECT_EQ(4242 + 0x10000, Bar()->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    m_pButton->GetAction()->SetHelpId(0);
}

TEST_F(HelpModeTest, AClickOnAButtonAfterShiftF1ShowsItsTopicAndRunsNothing)
{
    CTestInput focus(Frame());
    CLoopInput input(Bar()->GetSafeHwnd());
    EnterHelpMode(input);
    input.Press(Centre(m_pButton)).Release().AwaitNoCapture();
    ASSERT_TRUE(Run(input));
    EXPECT_EQ(std::vector<DWORD_PTR>{ID_TEST_ENABLED + 0x10000}, m_pFrame->m_helpTopics);
    EXPECT_FALSE(Ran(ID_TEST_ENABLED));
    EXPECT_FALSE(m_pFrame->m_bHelpMode);
}

TEST_F(HelpModeTest, APopupControlOpensItsMenuInHelpModeAndAClickOnAnEntryShowsTheEntrysTopic)
{
    const CPoint ptEntry = ToolsEntryOnBar();
    CTestInput focus(Frame());
    CLoopInput input(Bar()->GetSafeHwnd());
    EnterHelpMode(input);
    input.Press(Centre(m_pTools))
        .Release()
        .Await([this] { return ToolsMenuShown(); })
        .AwaitCapture(Frame())
        .Move(ptEntry)
        .Press(ptEntry)
        .Release()
        .AwaitNoCapture();
    ASSERT_TRUE(Run(input));
    EXPECT_EQ(std::vector<DWORD_PTR>{ID_TEST_TOGGLE + 0x10000}, m_pFrame->m_helpTopics);
    EXPECT_FALSE(Ran(ID_TEST_TOGGLE));
    EXPECT_FALSE(m_pFrame->m_bToggled);
}

TEST_F(HelpModeTest, EscapeEndsHelpModeEvenWhileAMenuOpenedInItTracksTheKeys)
{
    CTestInput focus(Frame());
    CLoopInput input(Bar()->GetSafeHwnd());
    EnterHelpMode(input);
    input.Press(Centre(m_pTools)).Release().Await([this] { return ToolsMenuShown(); }).Key(VK_ESCAPE).AwaitNoCapture();
    ASSERT_TRUE(Run(input));
    EXPECT_TRUE(m_pFrame->m_helpTopics.empty());
}
