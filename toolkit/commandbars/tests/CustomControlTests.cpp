// CustomControlTests.cpp: a child edit box of the frame hosted on a tool bar moves, hides and enables with it.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControlCustom.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "LoopTranslation.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "SystemMenuGuard.h"
#include "TestInput.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
class CustomControlTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        ASSERT_TRUE(m_edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "hosted", WS_POPUP | ES_AUTOHSCROLL, CRect(0, 0, 10, 10),
                                    m_pFrame, 0));
        m_pCustom = static_cast<CKTControlCustom*>(Bar()->GetControls()->Add(ktControlCustom, 1001));
        m_pCustom->SetControl(m_edit.GetSafeHwnd());
        m_pCustom->SetSize(CSize(120, 20));
        m_pCustom->SetBorders(CRect(2, 1, 2, 1));
        Relayout();
    }
    void Relayout()
    {
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
    }
    CKTToolBar* Bar() const { return m_pFrame->m_pStandard; }
    CRect EditRectInBar() const
    {
        CRect rc;
        m_edit.GetWindowRect(&rc);
        Bar()->ScreenToClient(&rc);
        return rc;
    }

    // A button of the caption on the bar, measured as any: what a control without its window measures.
    CSize ButtonSize(LPCSTR lpszCaption)
    {
        CKTControl* pButton = Bar()->GetControls()->Add(ktControlButton, 1003);
        pButton->SetCaption(lpszCaption);
        Relayout();
        const CSize sz = pButton->GetRect().Size();
        Bar()->GetControls()->Remove(pButton);
        return sz;
    }

    // Whether the control's command ran since the last time asked, waited for when it is expected.
    bool Runs(bool bExpected)
    {
        std::vector<UINT>& commands = m_pFrame->m_commands;
        const UINT nId = m_pCustom->GetID();
        const auto ran = [&] { return std::find(commands.begin(), commands.end(), nId) != commands.end(); };
        if (bExpected)
            PumpUntil(ran);
        else
            PumpMessages();
        const bool bRan = ran();
        commands.clear();
        return bRan;
    }

    CWnd m_edit;
    CKTControlCustom* m_pCustom = NULL;
};
}  // namespace

TEST_F(CustomControlTest, TheHostedWindowBecomesAChildPlacedInsideTheBorders)
{
    EXPECT_EQ(Bar()->GetSafeHwnd(), ::GetParent(m_edit.GetSafeHwnd()));
    EXPECT_TRUE(m_edit.GetStyle() & WS_CHILD);
    EXPECT_FALSE(m_edit.GetStyle() & WS_POPUP);
    CRect rcControl = m_pCustom->GetRect();
    EXPECT_EQ(CSize(124, 22), rcControl.Size());
    EXPECT_EQ(CRect(rcControl.left + 2, rcControl.top + 1, rcControl.right - 2, rcControl.bottom - 1), EditRectInBar());
    EXPECT_TRUE(m_edit.IsWindowVisible());

    CTestInput bar(Bar()->GetSafeHwnd());
    ASSERT_TRUE(bar.Click(EditRectInBar().CenterPoint()));
    EXPECT_EQ(m_edit.GetSafeHwnd(), ::GetFocus()) << "clicks reach the window, not the bar";
    EXPECT_TRUE(std::find(m_pFrame->m_commands.begin(), m_pFrame->m_commands.end(), 1001u) ==
                m_pFrame->m_commands.end());
    EXPECT_EQ(m_pCustom->GetIndex(), Bar()->GetSelected()) << "moves over the window track on the bar";

    m_pCustom->SetEnabled(FALSE);
    EXPECT_FALSE(m_edit.IsWindowEnabled());
    m_pCustom->SetEnabled(TRUE);
    EXPECT_TRUE(m_edit.IsWindowEnabled());
}

TEST_F(CustomControlTest, TheWindowMovesAndHidesWithItsBar)
{
    CRect rcBefore;
    m_edit.GetWindowRect(&rcBefore);
    m_pCommandBars->DockCommandBar(Bar(), ktBarBottom);
    Relayout();
    CRect rcAfter;
    m_edit.GetWindowRect(&rcAfter);
    EXPECT_GT(rcAfter.top, rcBefore.top + 100) << "docked at the bottom, the window went with it";
    EXPECT_EQ(m_pCustom->GetRect().TopLeft() + CPoint(2, 1), EditRectInBar().TopLeft());

    m_pCommandBars->ToggleVisible(1);
    PumpMessages();
    EXPECT_FALSE(m_edit.IsWindowVisible());
    m_pCommandBars->ToggleVisible(1);
    PumpMessages();
    EXPECT_TRUE(m_edit.IsWindowVisible());

    m_pCustom->SetVisible(FALSE);
    Relayout();
    EXPECT_FALSE(m_edit.IsWindowVisible()) << "a hidden control hides its window";
}

TEST_F(CustomControlTest, AVerticalBarDropsTheControlOrOnlyItsWindow)
{
    m_pCommandBars->DockCommandBar(Bar(), ktBarLeft);
    Relayout();
    EXPECT_TRUE(m_pCustom->GetHideFlags() & ktHideDockingVertical);
    EXPECT_FALSE(m_edit.IsWindowVisible());

    m_pCommandBars->DockCommandBar(Bar(), ktBarTop);
    Relayout();
    EXPECT_TRUE(m_edit.IsWindowVisible());
    m_pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    m_pCommandBars->DockCommandBar(Bar(), ktBarRight);
    Relayout();
    EXPECT_FALSE(m_pCustom->GetHideFlags() & ktHideDockingVertical) << "the control keeps its place";
    EXPECT_FALSE(m_edit.IsWindowVisible());
}

// Without its window the control is an ordinary button: a caption and no icon, so the caption shows.
TEST_F(CustomControlTest, WithoutItsWindowTheControlShowsItsCaptionLikeAButton)
{
    m_pCustom->SetCaption("Find");
    m_pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    m_pCommandBars->DockCommandBar(Bar(), ktBarLeft);
    Relayout();
    ASSERT_FALSE(m_edit.IsWindowVisible());
    EXPECT_EQ(ktControlButton, m_pCustom->GetType());
    EXPECT_TRUE(m_pCustom->IsCaptionVisible()) << "its window hidden on a vertical bar";

    m_pCommandBars->DockCommandBar(Bar(), ktBarTop);
    Relayout();
    ASSERT_TRUE(m_edit.IsWindowVisible());
    m_pCustom->SetControl(NULL);
    Relayout();
    EXPECT_FALSE(m_edit.IsWindowVisible()) << "the control hid the window it had placed";
    const CPixelImage image = CPixelImage::FromWindow(Bar()->GetSafeHwnd());
    const CRect rc = m_pCustom->GetRect();
    const COLORREF clrBack = image.Pixel(rc.left + 1, rc.top + 1);
    int nInk = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nInk += !NearColor(image.Pixel(x, y), clrBack, 24);
    EXPECT_GT(nInk, 10) << "no window: the caption is drawn";
}

// The application's own child window, shown before the control places it, hosted on a bar already docked at the
// left that keeps the control and hides only its window: the control measures as a button in the first layout.
TEST_F(CustomControlTest, AShownChildWindowHostedOnALeftBarMeasuresAsAButtonAtOnce)
{
    m_pCommandBars->DockCommandBar(Bar(), ktBarLeft);
    Relayout();
    const CSize szButton = ButtonSize("Find");
    ASSERT_GT(szButton.cx, 0);
    CWnd child;
    ASSERT_TRUE(
        child.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), m_pFrame, 1002));
    auto* pCustom = static_cast<CKTControlCustom*>(Bar()->GetControls()->Add(ktControlCustom, 1002));
    pCustom->SetCaption("Find");
    pCustom->SetControl(child.GetSafeHwnd());
    pCustom->SetSize(CSize(120, 20));
    pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    ASSERT_TRUE(child.IsWindowVisible()) << "not placed yet";
    m_pCommandBars->RecalcFrameLayout();
    EXPECT_EQ(szButton, pCustom->GetRect().Size()) << "measured as a button in the layout that placed the window";
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_TRUE(pCustom->IsCaptionVisible());
    PumpMessages();
    EXPECT_EQ(szButton, pCustom->GetRect().Size());
    Bar()->GetControls()->Remove(pCustom);
}

// Window-visible cleared, the window taken away or the control taken off its bar: the control measures and shows
// its caption as a button, and a window it placed hides.
TEST_F(CustomControlTest, WithoutAWindowToShowTheControlMeasuresAsAButton)
{
    m_pCustom->SetCaption("Find");
    const CSize szButton = ButtonSize("Find");
    EXPECT_EQ(CSize(124, 22), m_pCustom->GetRect().Size());
    EXPECT_FALSE(m_pCustom->IsCaptionVisible()) << "the window stands in its place";

    m_pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    m_pCommandBars->DockCommandBar(Bar(), ktBarLeft);
    Relayout();
    EXPECT_FALSE(m_edit.IsWindowVisible());
    EXPECT_EQ(ButtonSize("Find"), m_pCustom->GetRect().Size()) << "window-visible cleared";
    m_pCommandBars->DockCommandBar(Bar(), ktBarTop);
    Relayout();
    ASSERT_TRUE(m_edit.IsWindowVisible());
    ASSERT_EQ(CSize(124, 22), m_pCustom->GetRect().Size());

    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "EDIT", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0));
    m_pCustom->SetControl(other.GetSafeHwnd());
    Relayout();
    EXPECT_FALSE(m_edit.IsWindowVisible()) << "another window in its place";
    EXPECT_TRUE(other.IsWindowVisible());
    m_pCustom->SetControl(NULL);
    Relayout();
    EXPECT_FALSE(other.IsWindowVisible()) << "no window in its place";
    EXPECT_EQ(szButton, m_pCustom->GetRect().Size()) << "no window";
    EXPECT_TRUE(m_pCustom->IsCaptionVisible());

    m_pCustom->SetControl(m_edit.GetSafeHwnd());
    Relayout();
    ASSERT_TRUE(m_edit.IsWindowVisible());
    CKTSmartPtr<CKTControl> pHold(m_pCustom);
    Bar()->GetControls()->Remove(m_pCustom);
    EXPECT_FALSE(m_edit.IsWindowVisible()) << "taken off its bar";
    m_pCustom = NULL;
}

// The size follows the control's state (window-visible set on a top bar, cleared on a left one); drawing, a click on
// the slot's border and the letter follow whether the application shows the window: while it shows, the control
// draws nothing and runs nothing; while it is hidden, the button is drawn in the slot and runs by click and letter.
TEST_F(CustomControlTest, DrawingClicksAndTheLetterFollowWhetherTheWindowShowsAndTheSizeTheState)
{
    CLoopTranslation translation;
    CSystemMenuGuard guard;
    // A command the frame handles, so that it stays enabled.
    m_pCustom->SetID(ID_TEST_ENABLED);
    m_pCustom->SetCaption("&Query");
    m_pCustom->SetVerticalOptions(CKTControlCustom::ktVertHideWindow);
    for (BOOL bLeft : {FALSE, TRUE})
    {
        m_pCommandBars->DockCommandBar(Bar(), bLeft ? ktBarLeft : ktBarTop);
        Relayout();
        const CSize szExpected = bLeft ? ButtonSize("&Query") : CSize(124, 22);
        ASSERT_EQ(!bLeft, m_edit.IsWindowVisible()) << "shown only with window-visible set";
        for (BOOL bShown : {TRUE, FALSE})
        {
            SCOPED_TRACE(testing::Message() << "left " << bLeft << ", shown " << bShown);
            m_edit.ShowWindow(bShown ? SW_SHOWNA : SW_HIDE);
            const CRect rc = m_pCustom->GetRect();
            EXPECT_EQ(szExpected, rc.Size());
            EXPECT_EQ(!bShown, m_pCustom->IsCaptionVisible());
            CRect rcBar;
            Bar()->GetClientRect(&rcBar);
            CTestSurface surface(rcBar.Width(), rcBar.Height());
            m_pCustom->Draw(surface.DC());
            int nInk = 0;
            for (int y = rc.top; y < rc.bottom; y++)
                for (int x = rc.left; x < rc.right; x++)
                    nInk += surface.Pixel(x, y) != RGB(255, 255, 255);
            EXPECT_EQ(!bShown, nInk > 10) << nInk << " pixels drawn";

            m_pFrame->m_commands.clear();
            {
                CTestInput bar(Bar()->GetSafeHwnd());
                ASSERT_TRUE(bar.Click(CPoint(rc.left + 1, rc.CenterPoint().y)));
            }
            EXPECT_EQ(!bShown, Runs(!bShown)) << "a click on its border";
            CTestInput frame(m_pFrame->GetSafeHwnd());
            ASSERT_TRUE(frame.Key('Q', CTestInput::kAlt));
            EXPECT_EQ(!bShown, Runs(!bShown)) << "Alt+Q";
            m_pCommandBars->ClosePopups();
        }
    }
}

// Hosting another window and then the first again, at the same size each time: the first shows in its place again.
TEST_F(CustomControlTest, AWindowHostedAgainShowsInItsPlace)
{
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "EDIT", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0));
    const CRect rcWindow = EditRectInBar();
    m_pCustom->SetControl(other.GetSafeHwnd());
    Relayout();
    ASSERT_EQ(CSize(124, 22), m_pCustom->GetRect().Size());
    ASSERT_TRUE(other.IsWindowVisible());
    ASSERT_FALSE(m_edit.IsWindowVisible());

    m_pCustom->SetControl(m_edit.GetSafeHwnd());
    Relayout();
    EXPECT_TRUE(m_edit.IsWindowVisible()) << "hosted again";
    EXPECT_EQ(rcWindow, EditRectInBar());
    EXPECT_FALSE(other.IsWindowVisible());
}

TEST_F(CustomControlTest, TheWindowHidesAndShowsWithItsAction)
{
    CKTControlAction* pAction = m_pCommandBars->CreateAction(1001);
    ASSERT_TRUE(pAction != NULL);
    m_pCustom->SetAction(pAction);
    pAction->SetVisible(FALSE);
    Relayout();
    EXPECT_FALSE(m_edit.IsWindowVisible()) << "the control left the layout; its window goes with it";
    pAction->SetVisible(TRUE);
    Relayout();
    EXPECT_TRUE(m_edit.IsWindowVisible());
}

TEST_F(CustomControlTest, OnlyAMenuTakesTheControlInACustomiseDrop)
{
    EXPECT_FALSE(m_pCustom->IsCustomizeDropAllowed(Bar()));
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    EXPECT_TRUE(m_pCustom->IsCustomizeDropAllowed(pMenu));
}
