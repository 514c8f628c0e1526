// RibbonInputTests.cpp: the ribbon under real keys, wheel turns and clicks: keyboard tips on the tabs, the quick
// access toolbar and a group's option button, the wheel over the tab row, the caption strip, held scroll buttons
// and bringing a control into view.
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlButton.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTDrawObjects.h"
#include "KTKeyboardTips.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonTab.h"
#include "KTToolTipController.h"
#include "KTWindowHookManager.h"
#include "KTHookSink.h"
#include "InputBuilder.h"
#include "LoopInput.h"
#include "LoopTranslation.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "RibbonInputFrame.h"
#include "SolidIcon.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
class RibbonInput : public ::testing::Test
{
protected:
    explicit RibbonInput(int cx = 600) : m_frame(cx, 300), m_pBar(m_frame.GetRibbon()), m_input(m_pBar->GetSafeHwnd())
    {
        m_pCommandBars = m_pBar->GetCommandBars();
        m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
        m_pTabs = m_pBar->GetControlTab();
        m_pTabs->GetTab(0)->SetCaption("&Home");
        m_pTabs->GetTab(1)->SetCaption("&Insert");
        m_pTabs->GetTab(2)->SetCaption("&View");
        PumpMessages();
    }

    // Waits until the ribbon shows tips of the level, then gives their texts in order.
    std::vector<CString> Tips(int nLevel)
    {
        PumpUntil(
            [&]
            {
                return m_pCommandBars->GetKeyboardTips()->GetBar() == m_pBar &&
                       m_pCommandBars->GetKeyboardTips()->GetLevel() == nLevel;
            },
            kColdWineDeadlineMs);
        PumpMessages();
        std::vector<CString> texts;
        for (auto& pTip : m_pCommandBars->GetKeyboardTips()->GetTips())
            texts.push_back(pTip->GetTipText());
        return texts;
    }

    // The ribbon takes the frame's caption.
    void DrawTheFrame()
    {
        m_pBar->EnableFrameTheme(TRUE);
        ASSERT_TRUE(m_pBar->GetFrameRegion());
        CWnd* pFrame = m_frame.GetWindow();
        ASSERT_TRUE(PumpUntil(
            [pFrame]
            {
                CRect rcWindow, rcClient;
                pFrame->GetWindowRect(rcWindow);
                pFrame->GetClientRect(rcClient);
                pFrame->ClientToScreen(rcClient);
                return rcClient.top == rcWindow.top;
            }));
    }

    // A point of the caption strip away from its controls.
    CPoint CaptionPoint(int y) const { return CPoint(m_pBar->GetCaptionRect().CenterPoint().x, y); }

    CRibbonInputFrame m_frame;
    CKTRibbonBar* m_pBar;
    CTestInput m_input;
    CKTCommandBars* m_pCommandBars;
    CKTRibbonControlTab* m_pTabs;
};

class RibbonInputWide : public RibbonInput
{
protected:
    RibbonInputWide() : RibbonInput(1000) {}
};
}  // namespace

TEST_F(RibbonInput, AltLabelsTheToolbarAndTheTabsATabsLetterShowsItsControlsAndEscStepsBack)
{
    CTestRibbonGroup* pGroup = m_frame.AddGroup(1, {"&Table", "&Picture"}, 200);
    m_pBar->AddToQuickAccess(pGroup->GetAt(0));
    m_pBar->AddToQuickAccess(pGroup->GetAt(1));
    PumpMessages();
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_EQ((std::vector<CString>{"1", "2", "H", "I", "V"}), Tips(1));
    CKTCommandBarKeyboardTip* pTab = m_pCommandBars->GetKeyboardTips()->GetTips()[3].get();
    EXPECT_EQ(m_pTabs->GetTab(1), pTab->GetTarget());
    EXPECT_EQ(CPoint(m_pTabs->GetTab(1)->GetRect().CenterPoint().x, m_pTabs->GetTab(1)->GetRect().bottom - 9),
              pTab->GetAnchor());

    ASSERT_TRUE(m_input.Key('I'));
    ASSERT_EQ((std::vector<CString>{"T", "P"}), Tips(2));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_EQ(pGroup->GetAt(0), m_pCommandBars->GetKeyboardTips()->GetTips()[0]->GetTarget());

    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    EXPECT_EQ((std::vector<CString>{"1", "2", "H", "I", "V"}), Tips(1));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));
    EXPECT_TRUE(m_pCommandBars->GetKeyboardTips()->GetTips().empty());
}

TEST_F(RibbonInput, AltAndATabsLetterOpenItStraightAwayButNotWithCtrl)
{
    CLoopTranslation translation;
    m_frame.AddGroup(1, {"&Table", "&Picture"}, 200);
    ASSERT_TRUE(m_input.Key('I', CTestInput::kAlt));
    ASSERT_EQ((std::vector<CString>{"T", "P"}), Tips(2));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_EQ(m_pTabs, m_pBar->GetControl(m_pBar->GetSelected())) << "the tab row holds the keyboard";
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    EXPECT_EQ((std::vector<CString>{"H", "I", "V"}), Tips(1));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));

    ASSERT_TRUE(m_input.Key('V', CTestInput::kAlt | CTestInput::kControl));
    PumpMessages();
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    EXPECT_EQ(0, m_pBar->GetTrackingMode());
}

// "&&" shows a '&': the letter that the single '&' underlines is the one that opens the tab.
TEST_F(RibbonInput, AltAndTheLetterAfterTheSingleAmpersandOpenATabWhoseCaptionHoldsADoubledOne)
{
    CLoopTranslation translation;
    m_frame.AddGroup(2, {"&Zoom"}, 300);
    m_pTabs->GetTab(2)->SetCaption("R&&D &Tools");
    PumpMessages();
    ASSERT_TRUE(m_input.Key('T', CTestInput::kAlt));
    ASSERT_EQ((std::vector<CString>{"Z"}), Tips(2));
    EXPECT_EQ(m_pTabs->GetTab(2), m_pBar->GetSelectedTab());
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));
}

// With the tab row hidden the tabs keep their letters: the keyboard still moves between them.
TEST_F(RibbonInput, ATabsLetterOpensItWhileTheTabRowIsHidden)
{
    CLoopTranslation translation;
    m_frame.AddGroup(1, {"&Table", "&Picture"}, 200);
    m_pBar->SetTabsVisible(FALSE);
    PumpMessages();
    ASSERT_TRUE(m_input.Key('I', CTestInput::kAlt));
    ASSERT_EQ((std::vector<CString>{"T", "P"}), Tips(2));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    EXPECT_EQ((std::vector<CString>{"H", "I", "V"}), Tips(1));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));
}

TEST_F(RibbonInputWide, OnlyTheFirstEighteenToolbarControlsGetTips)
{
    // Short captions, so that all twenty fit beside the caption's buttons.
    std::vector<const char*> captions(20, "Cut");
    CTestRibbonGroup* pGroup = m_frame.AddGroup(0, captions, 200);
    for (int i = 0; i < 20; i++)
        m_pBar->AddToQuickAccess(pGroup->GetAt(i));
    PumpMessages();
    for (int i = 0; i < 20; i++)
        ASSERT_TRUE(m_pBar->GetQuickAccessControls()->GetAt(i)->IsVisible()) << i;
    ASSERT_TRUE(m_input.Key(VK_MENU));
    std::vector<CString> tips = Tips(1);
    ASSERT_EQ(18u + 3u, tips.size());
    EXPECT_EQ((std::vector<CString>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "01", "02", "03", "04", "05", "06",
                                    "07", "08", "09"}),
              std::vector<CString>(tips.begin(), tips.begin() + 18));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
}

TEST_F(RibbonInput, TheWheelOverTheTabRowSelectsTheAdjacentTab)
{
    CLoopTranslation translation;
    const CPoint pt = m_pTabs->GetTab(0)->GetRect().CenterPoint();
    ASSERT_TRUE(m_input.Wheel(pt, -WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(1); }));
    ASSERT_TRUE(m_input.Wheel(pt, -WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(2); }));
    ASSERT_TRUE(m_input.Wheel(pt, -WHEEL_DELTA));
    PumpMessages();
    EXPECT_EQ(m_pTabs->GetTab(2), m_pBar->GetSelectedTab()) << "the last tab stays";
    ASSERT_TRUE(m_input.Wheel(pt, WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(1); }));

    // Anywhere over the ribbon the wheel is the tabs', and nowhere else.
    ASSERT_TRUE(m_input.Wheel(m_pBar->GetGroupsRect().CenterPoint(), -WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(2); }));
    ASSERT_TRUE(m_input.Wheel(m_pBar->GetGroupsRect().CenterPoint(), WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(1); }));
    CRect rcRibbon;
    m_pBar->GetClientRect(rcRibbon);
    ASSERT_TRUE(m_input.Wheel(CPoint(rcRibbon.CenterPoint().x, rcRibbon.bottom + 20), -WHEEL_DELTA));
    PumpMessages();
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());

    // While the ribbon holds the keyboard, the wheel is the tabs' wherever it turns.
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() != 0; }));
    ASSERT_TRUE(m_input.Wheel(m_pBar->GetGroupsRect().CenterPoint(), -WHEEL_DELTA));
    EXPECT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == m_pTabs->GetTab(2); }));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));
}

// Under the frame's own caption the strip is the ribbon's: a press, a double click or a right click there does
// nothing to the frame.
TEST_F(RibbonInput, TheCaptionStripIsNoFramesCaptionWhileTheFrameDrawsItsOwn)
{
    for (int y : {2, 5, 8})
        EXPECT_EQ(0, m_pBar->HitTestCaption(CaptionPoint(y))) << y;
    ASSERT_TRUE(m_input.Click(CaptionPoint(8)));
    ASSERT_TRUE(m_input.DoubleClick(CaptionPoint(8)));
    ASSERT_TRUE(m_input.Click(CaptionPoint(8), true));
    PumpMessages();
    EXPECT_TRUE(m_frame.m_sysCommands.empty());
    EXPECT_TRUE(m_frame.m_systemMenuPoints.empty());
    EXPECT_FALSE(m_frame.IsZoomed());
}

TEST_F(RibbonInput, TheCaptionStripAnswersAsTheFramesCaption)
{
    DrawTheFrame();
    EXPECT_EQ(HTTOP, m_pBar->HitTestCaption(CaptionPoint(2)));
    EXPECT_EQ(HTCAPTION, m_pBar->HitTestCaption(CaptionPoint(5)));
    EXPECT_EQ(0, m_pBar->HitTestCaption(m_pBar->GetQuickAccessPopup()->GetRect().CenterPoint())) << "a control";
    EXPECT_EQ(0, m_pBar->HitTestCaption(m_pBar->GetTabRowRect().CenterPoint()));

    ASSERT_TRUE(m_input.DoubleClick(CaptionPoint(8)));
    ASSERT_TRUE(PumpUntil([&] { return m_frame.IsZoomed(); }));
    EXPECT_EQ(HTCAPTION, m_pBar->HitTestCaption(CaptionPoint(2))) << "a maximised frame is not sized";
    ASSERT_TRUE(m_input.DoubleClick(CaptionPoint(8)));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.IsZoomed(); }));
    EXPECT_EQ((UINT)SC_MOVE, m_frame.m_sysCommands.front()) << "a press moves the frame";

    m_frame.m_systemMenuPoints.clear();
    ASSERT_TRUE(m_input.Click(CaptionPoint(8), true));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_systemMenuPoints.empty(); }));
    CPoint ptScreen = CaptionPoint(8);
    m_pBar->ClientToScreen(&ptScreen);
    EXPECT_EQ(ptScreen, m_frame.m_systemMenuPoints.front()) << "the system menu opens under the mouse";
}

TEST_F(RibbonInput, AHeldScrollButtonRepeatsAndEnsureVisibleScrollsAControlIn)
{
    std::vector<CTestRibbonGroup*> groups;
    for (int i = 0; i < 6; i++)
        groups.push_back(m_frame.AddGroup(0, {"One", "Two", "Three"}, 200 + 10 * i));
    for (auto* pGroup : groups)
        pGroup->m_nWidth = 150;
    CTestRibbonGroup* pOther = m_frame.AddGroup(2, {"Far"}, 300);
    m_pBar->OnRecalcLayout();
    PumpMessages();
    CKTRibbonGroupsScroller* pScroller = m_pBar->GetGroupsScroller();
    CKTControl* pRight = pScroller->GetScrollButton(FALSE);
    ASSERT_TRUE(pRight->IsVisible());

    // Held: one step at the press, then more on the timer until the end or the release.
    CLoopInput loop(m_pBar->GetSafeHwnd());
    loop.Press(pRight->GetRect().CenterPoint())
        .AwaitCapture()
        .Await([pScroller] { return pScroller->GetOffset() >= 80; })
        .Release();
    ASSERT_TRUE(loop.Run());
    EXPECT_GE(pScroller->GetOffset(), 80);

    // Back at the start, the last control scrolled into view with room beside it.
    pScroller->SetOffset(0);
    m_pBar->OnRecalcLayout();
    CKTControl* pLast = groups.back()->GetAt(2);
    ASSERT_GT(pLast->GetRect().right, m_pBar->GetGroupsRect().right);
    m_pBar->EnsureControlVisible(pLast);
    EXPECT_EQ(m_pBar->GetGroupsRect().right - 12, pLast->GetRect().right);
    CKTControl* pFirst = groups.front()->GetAt(0);
    m_pBar->EnsureControlVisible(pFirst);
    EXPECT_EQ(0, pScroller->GetOffset()) << "never below 0";

    // A control of another tab brings its tab forward.
    m_pBar->EnsureControlVisible(pOther->GetAt(0));
    EXPECT_EQ(m_pTabs->GetTab(2), m_pBar->GetSelectedTab());
    EXPECT_TRUE(pOther->GetAt(0)->IsVisible());
}

TEST_F(RibbonInput, TabsAnswerTooltipsFirstAndAGroupsControlPlacesItsTipByTheGroups)
{
    CTestRibbonGroup* pGroup = m_frame.AddGroup(0, {"Paste"}, 200);
    m_pTabs->GetTab(1)->SetTooltip("Tables and pictures");
    PumpMessages();
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(1, m_pBar->OnToolHitTest(m_pTabs->GetTab(1)->GetRect().CenterPoint(), &ti));
    EXPECT_STREQ("Tables and pictures", ti.lpszText);
    EXPECT_EQ(m_pTabs->GetTab(1)->GetRect(), CRect(ti.rect));
    CKTToolTipController::FreeToolInfo(&ti);
    ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(0, m_pBar->OnToolHitTest(m_pTabs->GetTab(0)->GetRect().CenterPoint(), &ti)) << "the caption";
    EXPECT_STREQ("&Home", ti.lpszText);
    CKTToolTipController::FreeToolInfo(&ti);

    CKTControl* pPaste = pGroup->GetAt(0);
    ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(200, m_pBar->OnToolHitTest(pPaste->GetRect().CenterPoint(), &ti));
    EXPECT_EQ(m_pBar->GetGroupsRect(), CRect(ti.rect));
    CKTToolTipController::FreeToolInfo(&ti);
}

TEST_F(RibbonInput, TheCaptionsTopEdgeShowsTheFramesSizingCursor)
{
    DrawTheFrame();
    CPoint pt = CaptionPoint(1);
    m_pBar->ClientToScreen(&pt);
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, pt);
    ASSERT_TRUE(m_input.Send(inputs));
    HCURSOR hSize = ::LoadCursor(NULL, IDC_SIZENS);
    EXPECT_TRUE(PumpUntil([hSize] { return ::GetCursor() == hSize; }));
    pt = CaptionPoint(8);
    m_pBar->ClientToScreen(&pt);
    inputs.clear();
    InputBuilder::AddMove(inputs, pt);
    ASSERT_TRUE(m_input.Send(inputs));
    EXPECT_TRUE(PumpUntil([hSize] { return ::GetCursor() != hSize; })) << "lower down the caption moves the frame";
}

// The keyboard on the tab row shows as the selected tab's focus rectangle; the mouse's selection shows none.
TEST_F(RibbonInput, TheTabRowShowsTheKeyboardsFocusWhileTheRibbonTracks)
{
    const CRect rcClient = CKTClientRect(m_pBar);
    auto draw = [&]
    { return DrawOffScreen(rcClient.Size(), [&](CDC* pDC) { m_pBar->DrawCommandBar(pDC, rcClient); }); };
    const CRect rcFocus = m_pTabs->GetTab(0)->GetRect();
    auto focusLineDiffers = [&](const CPixelImage& a, const CPixelImage& b)
    {
        int nDiffering = 0;
        for (int y = rcFocus.top; y < rcFocus.bottom; y++)
            for (int x = rcFocus.left; x < rcFocus.right; x++)
                nDiffering += a.Pixel(x, y) != b.Pixel(x, y);
        return nDiffering;
    };
    const CPixelImage idle = draw();
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pTabs->GetIndex(); }));
    EXPECT_TRUE(m_pTabs->HasFocus());
    EXPECT_GT(focusLineDiffers(idle, draw()), rcFocus.Width() / 3);
    m_pBar->SetTrackingMode(ktTrackingNone);
    m_pCommandBars->GetKeyboardTips()->Hide();
    EXPECT_FALSE(m_pTabs->HasFocus());
    EXPECT_EQ(0, focusLineDiffers(idle, draw()));
}

TEST_F(RibbonInput, AltAlonePutsTheKeyboardOnTheTabRow)
{
    m_pBar->AddToQuickAccess(m_frame.AddGroup(0, {"Paste"}, 200)->GetAt(0));
    PumpMessages();
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pTabs->GetIndex(); }));
    EXPECT_TRUE(m_pTabs->IsKeyboardFocus());
    EXPECT_EQ(1, m_pCommandBars->GetKeyboardTips()->GetLevel());
    m_pBar->SetTrackingMode(ktTrackingNone);
    m_pCommandBars->GetKeyboardTips()->Hide();

    // A minimised ribbon takes it on its first control.
    m_pBar->SetMinimized(TRUE);
    PumpMessages();
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() != -1; }));
    EXPECT_EQ(m_pBar->GetControls()->GetNext(-1, +1), m_pBar->GetSelected());
    EXPECT_FALSE(m_pTabs->IsKeyboardFocus());
    m_pBar->SetTrackingMode(ktTrackingNone);
}

// A group's option button is one of its tab's tips, on the caption line, and the arrow keys reach it after the
// group's controls; either way it runs the group's command.
TEST_F(RibbonInput, TheKeyboardReachesAGroupsOptionButtonByItsTipAndByTheArrows)
{
    CTestRibbonGroup* pGroup = m_frame.AddGroup(0, {"&Cut", "Co&py"}, 200);
    pGroup->SetCaption("&Font");
    pGroup->SetID(300);
    pGroup->ShowOptionButton(TRUE);
    m_frame.AddGroup(0, {"&Bold"}, 210);
    PumpMessages();
    CKTControl* pOption = pGroup->GetControlOptionButton();
    ASSERT_TRUE(pOption && pOption->IsVisible());
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_EQ((std::vector<CString>{"H", "I", "V"}), Tips(1));
    ASSERT_TRUE(m_input.Key('H'));
    ASSERT_EQ((std::vector<CString>{"C", "P", "F", "B"}), Tips(2));
    CKTCommandBarKeyboardTip* pTip = m_pCommandBars->GetKeyboardTips()->GetTips()[2].get();
    EXPECT_EQ(pOption, pTip->GetTarget());
    EXPECT_EQ(CPoint(pOption->GetRect().CenterPoint().x, pGroup->GetRect().bottom - 6), pTip->GetAnchor());
    ASSERT_TRUE(m_input.Key('F'));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{300}, m_frame.m_commands);
    m_frame.m_commands.clear();
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetTrackingMode() == 0; }));

    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pTabs->GetIndex(); }));
    for (CKTControl* pNext : {pGroup->GetAt(0), pGroup->GetAt(1), pOption})
    {
        ASSERT_TRUE(m_input.Key(pNext == pGroup->GetAt(0) ? VK_DOWN : VK_RIGHT));
        ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == pNext->GetIndex(); })) << pNext->GetCaption();
    }
    ASSERT_TRUE(m_input.Key(VK_RETURN));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{300}, m_frame.m_commands);
}

// Once the tips are gone a letter typed into the ribbon runs only a control whose caption shows: the frame's
// caption buttons draw glyphs, the quick access toolbar shows an icon and arrows at its end, and a group's button
// reduced to its icon shows no caption, so theirs run and open nothing.
TEST_F(RibbonInput, ALetterRunsNoCaptionButtonAndNoIconOfTheQuickAccessToolbar)
{
    CSolidIcons icon(200, 1, RGB(30, 160, 90), m_pBar->GetIconSize().cx);
    CSolidIcons italic(220, 1, RGB(160, 30, 90), m_pBar->GetIconSize().cx);
    m_pBar->AddToQuickAccess(m_frame.AddGroup(1, {"Paste"}, 200)->GetAt(0));
    m_frame.AddGroup(0, {"&Bold"}, 210);
    CKTControl* pItalic = m_frame.AddGroup(0, {"&Italic"}, 220)->GetAt(0);
    pItalic->SetStyle(ktButtonIcon);
    DrawTheFrame();
    PumpMessages();
    CKTControl* pCopy = m_pBar->GetQuickAccessControls()->GetAt(0);
    ASSERT_TRUE(pCopy && pCopy->IsVisible() && pCopy->GetImage(m_pBar->GetIconSize().cx));
    ASSERT_TRUE(m_pBar->GetControls()->FindControl(SC_MINIMIZE));
    CKTControl* pCustomize = m_pBar->GetControls()->FindControl(9603);
    ASSERT_TRUE(pCustomize && pCustomize->IsVisible());
    ASSERT_TRUE(pItalic->IsVisible() && !pItalic->IsCaptionVisible()) << "Italic shows its icon alone";
    m_pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    for (WORD nKey : {(WORD)'N', (WORD)'C', (WORD)'P', (WORD)'I'})
    {
        ASSERT_TRUE(m_input.Key(VK_MENU));
        ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pTabs->GetIndex(); }));
        ASSERT_TRUE(m_input.Key(VK_DOWN));
        ASSERT_TRUE(m_input.Key(VK_RIGHT));
        ASSERT_TRUE(m_input.Key(nKey));
        PumpMessages();
        EXPECT_TRUE(m_frame.m_sysCommands.empty()) << (char)nKey;
        EXPECT_TRUE(m_frame.m_commands.empty()) << (char)nKey;
        EXPECT_FALSE(pCustomize->IsPopuped()) << (char)nKey;
        EXPECT_NE(pCustomize->GetIndex(), m_pBar->GetSelected()) << (char)nKey;
        m_pBar->SetTrackingMode(ktTrackingNone);
        PumpMessages();
    }
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pTabs->GetIndex(); }));
    ASSERT_TRUE(m_input.Key(VK_DOWN));
    ASSERT_TRUE(m_input.Key('B'));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{210}, m_frame.m_commands) << "a group's caption shows its letter";
}

namespace
{
// Notes where each group control stood when the frame heard of its selection.
class CSelectionPlaces : public CKTHookSink
{
public:
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&) override
    {
        const auto* pControl = reinterpret_cast<const CKTControl*>(wParam);
        if (nMessage == KTWM_CONTROLSELECTED && pControl && pControl->GetRibbonGroup())
            m_places.push_back(pControl->GetRect());
        return ktHookContinue;
    }
    std::vector<CRect> m_places;
};
}  // namespace

// The frame hears of each control as it comes into view: it may show the control's description then.
TEST_F(RibbonInput, ArrowsThroughAScrolledRowBringEachControlIntoView)
{
    std::vector<CTestRibbonGroup*> groups;
    for (int i = 0; i < 6; i++)
        groups.push_back(m_frame.AddGroup(0, {"One"}, 200 + 10 * i));
    for (auto* pGroup : groups)
        pGroup->m_nWidth = 150;
    m_pBar->OnRecalcLayout();
    PumpMessages();
    ASSERT_TRUE(m_pBar->GetGroupsScroller()->GetScrollButton(FALSE)->IsVisible());
    CSelectionPlaces places;
    CKTWindowHookManager::Instance()->SetHook(m_frame.GetSafeHwnd(), &places);
    ASSERT_TRUE(m_pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE));
    m_pBar->SetSelected(groups[0]->GetAt(0)->GetIndex(), 2);
    const CRect rcGroups = m_pBar->GetGroupsRect();
    for (int i = 1; i < 6; i++)
    {
        CKTControl* pNext = groups[i]->GetAt(0);
        ASSERT_TRUE(m_input.Key(VK_RIGHT));
        ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == pNext->GetIndex(); })) << i;
        EXPECT_GE(pNext->GetRect().left, rcGroups.left) << i;
        EXPECT_LE(pNext->GetRect().right, rcGroups.right) << i;
    }
    EXPECT_GT(m_pBar->GetGroupsScroller()->GetOffset(), 0);
    m_pBar->SetTrackingMode(ktTrackingNone);
    CKTWindowHookManager::Instance()->RemoveAll(&places);
    ASSERT_EQ(6u, places.m_places.size());
    for (const CRect& rc : places.m_places)
        EXPECT_TRUE(rc.left >= rcGroups.left && rc.right <= rcGroups.right) << rc.left << ".." << rc.right;
}

namespace
{
// Takes right presses itself, counting them and their releases.
class CRightPressButton : public CKTControlButton
{
public:
    BOOL OnRButtonDown(CPoint) override
    {
        m_nPresses++;
        return TRUE;
    }
    void OnRButtonUp(CPoint) override { m_nReleases++; }
    int m_nPresses = 0;
    std::atomic<int> m_nReleases{0};
};
}  // namespace

// A right press asks the control first; customising, it picks the control out rather than opening a menu.
TEST_F(RibbonInput, ARightPressIsTheControlsOwnFirstAndCustomisingPicksTheControl)
{
    auto* pOwn =
        static_cast<CRightPressButton*>(m_pBar->GetControls()->Add(KTMakeCounted<CRightPressButton>(), 230, "Own"));
    CKTControl* pPaste = m_frame.AddGroup(0, {"Paste"}, 200)->GetAt(0);
    m_pBar->OnRecalcLayout();
    PumpMessages();
    ASSERT_TRUE(pOwn->IsVisible());
    // A menu that opened all the same is closed again by the Esc.
    m_frame.m_pShownMenu = NULL;
    CLoopInput loop(m_pBar->GetSafeHwnd());
    loop.Press(pOwn->GetRect().CenterPoint(), true)
        .Release(true)
        .Await([&] { return pOwn->m_nPresses > 0 || m_frame.IsMenuShown(); })
        .Key(VK_ESCAPE);
    ASSERT_TRUE(loop.Run());
    EXPECT_EQ(1, pOwn->m_nPresses);
    EXPECT_EQ(NULL, m_frame.m_pShownMenu.load()) << "the control took the press";
    // The release is the frame's to take first, then the control's.
    EXPECT_TRUE(PumpUntil([&] { return pOwn->m_nReleases == 1; }));
    EXPECT_EQ((std::vector<CKTControl*>{pOwn}), m_frame.m_rightReleases);

    m_pCommandBars->GetCustomize()->SetOn(TRUE);
    ASSERT_TRUE(m_input.Click(pPaste->GetRect().CenterPoint(), true));
    EXPECT_TRUE(PumpUntil([&] { return m_pCommandBars->GetCustomize()->GetSelection() == pPaste; }));
    EXPECT_FALSE(m_frame.IsMenuShown());
    m_pCommandBars->GetCustomize()->SetSelection(NULL);
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
}

// A tab's letter on a minimised ribbon drops the tab down with the tips of its controls.
TEST_F(RibbonInput, ATabsLetterOnAMinimisedRibbonDropsItDownWithItsTips)
{
    CLoopTranslation translation;
    m_frame.AddGroup(1, {"&Table", "&Picture"}, 200);
    m_pBar->SetMinimized(TRUE);
    PumpMessages();
    ASSERT_TRUE(m_input.Key('I', CTestInput::kAlt));
    CKTKeyboardTips* pTips = m_pCommandBars->GetKeyboardTips();
    ASSERT_TRUE(
        PumpUntil([&] { return pTips->GetBar() && pTips->GetBar() == m_pTabs->GetCommandBar(); }, kColdWineDeadlineMs));
    EXPECT_EQ(m_pTabs->GetTab(1), m_pBar->GetSelectedTab());
    std::vector<CString> texts;
    for (auto& pTip : pTips->GetTips())
        texts.push_back(pTip->GetTipText());
    EXPECT_EQ((std::vector<CString>{"T", "P"}), texts);
    m_pCommandBars->ClosePopups();
    m_pBar->SetTrackingMode(ktTrackingNone);
}

// While a popup is open the wheel is the popup's: the tabs stay, and so does the popup.
TEST_F(RibbonInput, TheWheelOverTheRibbonWhileAPopupIsOpenDoesNothing)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->GetControls()->Add(ktControlButton, 240)->SetCaption("Entry");
    CRect rcFrame;
    m_frame.GetWindow()->GetWindowRect(rcFrame);
    ASSERT_TRUE(pPopup->PopupAt(rcFrame.left + 20, rcFrame.bottom - 60));
    ASSERT_TRUE(PumpUntil([&] { return pPopup->GetSafeHwnd() && pPopup->IsWindowVisible(); }));
    for (CPoint pt : {m_pTabs->GetTab(0)->GetRect().CenterPoint(), m_pBar->GetGroupsRect().CenterPoint()})
    {
        ASSERT_TRUE(m_input.Wheel(pt, -WHEEL_DELTA));
        PumpMessages();
        EXPECT_EQ(m_pTabs->GetTab(0), m_pBar->GetSelectedTab());
    }
    EXPECT_TRUE(pPopup->IsWindowVisible());
    m_pCommandBars->ClosePopups();
}
