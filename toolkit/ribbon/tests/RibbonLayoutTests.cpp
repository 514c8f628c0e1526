// RibbonLayoutTests.cpp: the ribbon's height at its minimum width and its layout as the frame changes size.
#include "KTDrawObjects.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "PixelImage.h"
#include "RibbonTestFrame.h"

#include <gtest/gtest.h>

namespace
{
int BarHeight(CKTRibbonBar* pBar) { return CKTWindowRect(pBar).Height(); }

int FullHeight(CKTRibbonBar* pBar)
{
    return pBar->GetCaptionHeight() + pBar->GetTabsHeight() + pBar->CalcGroupHeight();
}

// What the bar shows against what it draws afresh: a stale part of an earlier layout differs.
int StalePixels(CKTRibbonBar* pBar)
{
    CPixelImage shown = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    const CRect rc = CKTClientRect(pBar);
    return shown.CountDiffering(DrawOffScreen(rc.Size(), [&](CDC* pDC) { pBar->DrawCommandBar(pDC, rc); }));
}
}  // namespace

TEST(RibbonLayout, ShowsFromItsMinimumWidth)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    ASSERT_TRUE(pBar != NULL);
    EXPECT_EQ(0, pBar->CalcDockingLayout(249, LM_HORZ | LM_HORZDOCK).cy);
    EXPECT_EQ(FullHeight(pBar), pBar->CalcDockingLayout(250, LM_HORZ | LM_HORZDOCK).cy);

    frame.SetClientWidth(249);
    EXPECT_FALSE(pBar->IsRibbonShown());
    EXPECT_EQ(0, BarHeight(pBar));
    frame.SetClientWidth(250);
    EXPECT_TRUE(pBar->IsRibbonShown());
    EXPECT_EQ(FullHeight(pBar), BarHeight(pBar));
    EXPECT_EQ(250, CKTWindowRect(pBar).Width());
}

TEST(RibbonLayout, TheLargeIconsOptionLeavesTheRibbonSmallIconsAndTheSmallIconsOptionSetsThem)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTCommandBarsOptions* pOptions = frame.GetCommandBars()->GetCommandBarsOptions();
    const CSize szSmall = pBar->GetPaintManager()->GetAutoIconSize(FALSE);
    ASSERT_NE(szSmall, pBar->GetPaintManager()->GetAutoIconSize(TRUE));
    pOptions->bLargeIcons = TRUE;
    EXPECT_EQ(szSmall, pBar->GetIconSize());
    pOptions->szIcons = CSize(20, 20);
    EXPECT_EQ(CSize(20, 20), pBar->GetIconSize());
    pOptions->szIcons = CSize(0, 0);
    pOptions->bLargeIcons = FALSE;
}

TEST(RibbonLayout, RowsStackUnderTheCaption)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const int nCaption = pBar->GetCaptionHeight();
    EXPECT_EQ(CRect(0, 0, 600, nCaption), pBar->GetCaptionRect());
    EXPECT_EQ(CRect(2, nCaption, 598, nCaption + pBar->GetTabsHeight()), pBar->GetTabRowRect());
    EXPECT_EQ(pBar->GetTabRowRect().bottom, pBar->GetGroupsRect().top);
    EXPECT_EQ(pBar->CalcGroupHeight(), pBar->GetGroupsRect().Height());
    // The tabs were laid out in the row, left to right.
    CKTRibbonControlTab* pTabs = pBar->GetControlTab();
    ASSERT_EQ(3, pTabs->GetItemCount());
    EXPECT_EQ(pTabs->GetTab(0), pBar->GetSelectedTab());
    for (int i = 0; i < 3; i++)
    {
        CRect rcTab = pTabs->GetTab(i)->GetRect();
        EXPECT_FALSE(rcTab.IsRectEmpty()) << i;
        EXPECT_TRUE(pBar->GetTabRowRect().PtInRect(rcTab.CenterPoint())) << i;
        if (i > 0)
            EXPECT_GE(rcTab.left, pTabs->GetTab(i - 1)->GetRect().right - 1) << i;
    }
}

TEST(RibbonLayout, HiddenRowsLeaveTwoPixels)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const int nCaption = pBar->GetCaptionHeight();
    pBar->SetMinimized(TRUE);
    PumpMessages();
    EXPECT_EQ(NULL, pBar->GetSelectedTab());
    EXPECT_EQ(nCaption + pBar->GetTabsHeight() + 2, BarHeight(pBar));
    pBar->SetMinimized(FALSE);
    PumpMessages();
    EXPECT_EQ(pBar->GetControlTab()->GetTab(0), pBar->GetSelectedTab());
    EXPECT_EQ(FullHeight(pBar), BarHeight(pBar));

    pBar->SetTabsVisible(FALSE);
    pBar->SetCaptionVisible(FALSE);
    PumpMessages();
    EXPECT_EQ(2 + pBar->CalcGroupHeight(), BarHeight(pBar));
    pBar->SetGroupsHeight(50);
    pBar->SetRibbonVisible(FALSE);
    PumpMessages();
    EXPECT_EQ(4, BarHeight(pBar));
}

TEST(RibbonLayout, GrowingAndShrinkingLeavesNoStalePixels)
{
    CRibbonTestFrame frame(400, 300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    ASSERT_EQ(0, StalePixels(pBar));
    frame.SetClientWidth(640);
    EXPECT_EQ(640, CKTWindowRect(pBar).Width());
    EXPECT_EQ(0, StalePixels(pBar));
    frame.SetClientWidth(300);
    EXPECT_EQ(300, CKTWindowRect(pBar).Width());
    EXPECT_EQ(0, StalePixels(pBar));
    // Through nothing and back: the bar comes back whole.
    frame.SetClientWidth(200);
    EXPECT_EQ(0, BarHeight(pBar));
    frame.SetClientWidth(500);
    EXPECT_EQ(FullHeight(pBar), BarHeight(pBar));
    EXPECT_EQ(0, StalePixels(pBar));
}
