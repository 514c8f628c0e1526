// The tab list, selection, keyboard, hit tests and tooltips of a strip of five tabs in a real window.
#include <gtest/gtest.h>

#include "KTToolTipController.h"
#include "MessagePump.h"
#include "TabHostWindow.h"
#include "TestInput.h"

namespace
{
void Press(CTabHostWindow& host, UINT nChar) { host.PerformKeyDown(host.GetSafeHwnd(), nChar); }
}  // namespace

TEST(TabManager, SelectionIsClampedToTheTabs)
{
    CTabHostWindow host;
    host.SetCurSel(9);
    EXPECT_EQ(4, host.GetCurSel());
    host.SetCurSel(-3);
    EXPECT_EQ(0, host.GetCurSel());
    host.DeleteAllItems();
    host.SetCurSel(0);
    EXPECT_EQ(-1, host.GetCurSel());
    EXPECT_EQ(nullptr, host.GetItem(0));
}

TEST(TabManager, DeletingTheSelectedLastTabSelectsTheNewLastOneAndOthersKeepTheSelection)
{
    CTabHostWindow host;
    host.SetCurSel(4);
    ASSERT_TRUE(host.DeleteItem(4));
    EXPECT_EQ(3, host.GetCurSel());
    host.SetCurSel(1);
    ASSERT_TRUE(host.DeleteItem(3));
    EXPECT_EQ(1, host.GetCurSel());
    EXPECT_EQ("123", host.Order());
    EXPECT_FALSE(host.DeleteItem(3));
    for (int i = 0; i < host.GetItemCount(); i++)
        EXPECT_EQ(i, host.GetItem(i)->GetIndex());
}

TEST(TabManager, NewTabsTakeTheEightIndexedColoursInTurn)
{
    CTabHostWindow host(10);
    EXPECT_EQ(0x1000000u, host.GetItem(0)->GetStoredColor());
    EXPECT_EQ(0x1000007u, host.GetItem(7)->GetStoredColor());
    EXPECT_EQ(0x1000000u, host.GetItem(8)->GetStoredColor());
    EXPECT_EQ(COLORREF(0x9F9EF0), host.GetItem(3)->GetColor());
    host.GetItem(3)->SetColor(0x1000008);
    EXPECT_EQ(COLORREF(0x1000008), host.GetItem(3)->GetColor());  // not an index: used as it stands
}

TEST(TabManager, KeysMoveToTheNextTabThatCanTakeIt)
{
    CTabHostWindow host;
    host.GetItem(1)->SetEnabled(FALSE);
    host.GetItem(3)->SetVisible(FALSE);
    Press(host, VK_RIGHT);
    EXPECT_EQ(2, host.GetCurSel());
    Press(host, VK_RIGHT);
    EXPECT_EQ(4, host.GetCurSel());
    Press(host, VK_RIGHT);  // the last tab stays
    EXPECT_EQ(4, host.GetCurSel());
    Press(host, VK_HOME);
    EXPECT_EQ(0, host.GetCurSel());
    Press(host, VK_LEFT);
    EXPECT_EQ(0, host.GetCurSel());
    Press(host, VK_END);
    EXPECT_EQ(4, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(host.GetSafeHwnd(), VK_DOWN));  // taken, but a horizontal strip ignores it
    EXPECT_EQ(4, host.GetCurSel());
    EXPECT_FALSE(host.PerformKeyDown(host.GetSafeHwnd(), VK_SPACE));
}

TEST(TabManager, UpAndDownMoveOnAVerticalStrip)
{
    CTabHostWindow host(5, CSize(120, 300));
    host.GetPaintManager()->SetPosition(ktTabPositionLeft);
    Press(host, VK_DOWN);
    EXPECT_EQ(1, host.GetCurSel());
    Press(host, VK_RIGHT);
    EXPECT_EQ(1, host.GetCurSel());
    Press(host, VK_UP);
    EXPECT_EQ(0, host.GetCurSel());
}

TEST(TabManager, RealKeysSwapLeftAndRightUnderTheRightToLeftLayout)
{
    CTabHostWindow plain;
    plain.SetCurSel(2);
    {
        CTestInput input(plain.GetSafeHwnd());
        ASSERT_TRUE(input.Key(VK_RIGHT));
    }
    EXPECT_EQ(3, plain.GetCurSel());
    CTabHostWindow mirrored(5, CSize(400, 60), WS_EX_LAYOUTRTL);
    mirrored.SetCurSel(2);
    {
        CTestInput input(mirrored.GetSafeHwnd());
        ASSERT_TRUE(input.Key(VK_RIGHT));
    }
    EXPECT_EQ(1, mirrored.GetCurSel());
}

TEST(TabManager, DisabledAndHiddenTabsAreNeverHit)
{
    CTabHostWindow host;
    CPoint ptSecond = host.CentreOf(1);
    EXPECT_EQ(host.GetItem(1), host.HitTest(ptSecond));
    host.GetItem(1)->SetEnabled(FALSE);
    EXPECT_EQ(nullptr, host.HitTest(ptSecond));
    host.GetItem(2)->SetVisible(FALSE);
    EXPECT_TRUE(host.GetItem(2)->GetRect().IsRectEmpty() || host.HitTest(host.CentreOf(2)) != host.GetItem(2));
    EXPECT_EQ(nullptr, host.HitTest(CPoint(399, 59)));  // below the header
}

class TabToolTips : public ::testing::Test
{
protected:
    // The id the manager gives for the tab's centre, its text freed at once.
    INT_PTR HitAt(int nTab, CString* pText = NULL)
    {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        INT_PTR nHit = host.CKTTabManager::OnToolHitTest(host.GetSafeHwnd(), host.CentreOf(nTab), &ti);
        if (pText && ti.lpszText)
            *pText = ti.lpszText;
        CKTToolTipController::FreeToolInfo(&ti);
        return nHit;
    }

    CTabHostWindow host;
};

TEST_F(TabToolTips, FollowTheModeAndTheCutOfTheTab)
{
    host.GetItem(1)->SetTooltip("Second tab");
    host.GetPaintManager()->m_nToolTipMode = 0;
    EXPECT_EQ(-1, HitAt(1));
    host.GetPaintManager()->m_nToolTipMode = 2;
    EXPECT_EQ(-1, HitAt(1));  // shown whole
    host.GetPaintManager()->m_nToolTipMode = 1;
    CString strText;
    EXPECT_EQ(1, HitAt(1, &strText));
    EXPECT_EQ(CString("Second tab"), strText);
    EXPECT_EQ(-1, HitAt(2));  // no tooltip text
}

TEST_F(TabToolTips, ACutTabHasItsTooltipInTheCutMode)
{
    host.GetItem(1)->SetTooltip("Second tab");
    host.SetWindowPos(NULL, 0, 0, 150, 60, SWP_NOMOVE | SWP_NOZORDER);
    host.GetPaintManager()->SetLayout(ktTabLayoutSizeToFit);
    ASSERT_LT(host.GetItem(1)->GetLength(), host.GetItem(1)->GetFullLength());
    EXPECT_EQ(1, HitAt(1));
    host.GetItem(1)->SetEnabled(FALSE);
    EXPECT_EQ(-1, HitAt(1));
}

TEST(TabManager, ButtonsTakeTheirTooltipsFromTheResources)
{
    CTabHostWindow host;
    EXPECT_EQ(CString("Scroll Left"), host.FindNavigateButton(ktNavigateButtonLeft)->GetTooltip());
    EXPECT_EQ(CString("Scroll Right"), host.FindNavigateButton(ktNavigateButtonRight)->GetTooltip());
    EXPECT_EQ(CString("Close"), host.FindNavigateButton(ktNavigateButtonClose)->GetTooltip());
}
