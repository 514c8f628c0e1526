// CustomControlTests.cpp: a child edit box of the frame hosted on a tool bar moves, hides and enables with it.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControlCustom.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <algorithm>

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

    m_pCustom->SetControl(NULL);
    m_edit.ShowWindow(SW_HIDE);
    m_pCommandBars->DockCommandBar(Bar(), ktBarTop);
    Relayout();
    const CPixelImage image = CPixelImage::FromWindow(Bar()->GetSafeHwnd());
    const CRect rc = m_pCustom->GetRect();
    const COLORREF clrBack = image.Pixel(rc.left + 1, rc.top + 1);
    int nInk = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nInk += !NearColor(image.Pixel(x, y), clrBack, 24);
    EXPECT_GT(nInk, 10) << "no window: the caption is drawn";
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
