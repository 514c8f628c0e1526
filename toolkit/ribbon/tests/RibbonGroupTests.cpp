// RibbonGroupTests.cpp: the groups row: reduction order, scrolling with the scroll buttons, spread columns.
#include "KTCommandBarsDefs.h"
#include "KTDrawObjects.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "RibbonTestFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

namespace
{
typedef std::vector<std::pair<int, int>> CReductions;

class RibbonGroups : public ::testing::Test
{
protected:
    explicit RibbonGroups(int cx = 600) : m_frame(cx, 300)
    {
        m_pBar = m_frame.GetRibbon();
        m_pGroups = m_pBar->GetControlTab()->GetTab(0)->GetGroups();
        CTestRibbonGroup::s_reductions.clear();
    }

    CTestRibbonGroup* AddGroup(int nWidth, int nLevel0Steps, int nLevel1Steps, int nButtons = 3)
    {
        auto* pGroup = static_cast<CTestRibbonGroup*>(
            m_pGroups->Add(RUNTIME_CLASS(CTestRibbonGroup), "Group", m_pGroups->GetCount() + 1));
        pGroup->m_nWidth = nWidth;
        pGroup->m_steps[0] = nLevel0Steps;
        pGroup->m_steps[1] = nLevel1Steps;
        for (int i = 0; i < nButtons; i++)
            pGroup->AddControl(ktControlButton, 100 + 10 * pGroup->GetIndex() + i);
        return pGroup;
    }

    // Reduces a copy of the groups' widths for the available width; the widths after it.
    std::vector<int> Reduce(int nAvailable)
    {
        std::vector<int> widths;
        for (int i = 0; i < m_pGroups->GetCount(); i++)
            widths.push_back(m_pGroups->GetAt(i)->CalcWidth(NULL));
        CKTScreenDC dc;
        m_pGroups->ReduceGroups(&dc, widths, nAvailable);
        return widths;
    }

    void Relayout()
    {
        m_pBar->OnRecalcLayout();
        PumpMessages();
    }

    CKTControl* ScrollButton(BOOL bLeft) { return m_pBar->GetGroupsScroller()->GetScrollButton(bLeft); }
    BOOL IsShown(CKTControl* pButton) { return (pButton->GetHideFlags() & ktHideScroll) == 0; }

    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar;
    CKTRibbonTabGroups* m_pGroups;
};

class RibbonGroupsNarrow : public RibbonGroups
{
protected:
    RibbonGroupsNarrow() : RibbonGroups(300) {}
};
}  // namespace

TEST_F(RibbonGroups, ShrinkRightToLeftAtTheLowestLevelFirst)
{
    for (int i = 0; i < 3; i++)
        AddGroup(100, 1, 1);
    // 3 x 100 and two gaps of 7: a row that fits exactly stays as it is.
    EXPECT_EQ((std::vector<int>{100, 100, 100}), Reduce(314));
    EXPECT_TRUE(CTestRibbonGroup::s_reductions.empty());

    EXPECT_EQ((std::vector<int>{100, 80, 80}), Reduce(280));
    EXPECT_EQ((CReductions{{2, 0}, {1, 0}}), CTestRibbonGroup::s_reductions);
}

TEST_F(RibbonGroups, ShrinkToExactlyTheRoomAndStop)
{
    AddGroup(100, 2, 0);
    AddGroup(100, 2, 0);
    // One step of the last group leaves 187: exactly the room, so nothing more is taken.
    EXPECT_EQ((std::vector<int>{100, 80}), Reduce(187));
    EXPECT_EQ(1u, CTestRibbonGroup::s_reductions.size());
}

TEST_F(RibbonGroups, HigherLevelsOnlyWhenLowerOnesAreSpent)
{
    for (int i = 0; i < 3; i++)
        AddGroup(100, 1, 1);
    EXPECT_EQ((std::vector<int>{60, 60, 60}), Reduce(195));
    EXPECT_EQ((CReductions{{2, 0}, {1, 0}, {0, 0}, {2, 1}, {1, 1}, {0, 1}}), CTestRibbonGroup::s_reductions);
    // Nothing left to take: the widths stay and the row scrolls instead.
    CTestRibbonGroup::s_reductions.clear();
    EXPECT_EQ((std::vector<int>{60, 60, 60}), Reduce(100));
    EXPECT_TRUE(CTestRibbonGroup::s_reductions.empty());
}

TEST_F(RibbonGroupsNarrow, ScrollButtonsMoveTheRowByASteps)
{
    for (int i = 0; i < 3; i++)
        AddGroup(150, 0, 0);
    Relayout();
    CKTRibbonGroup* pFirst = m_pGroups->GetAt(0);
    const CRect rcGroups = m_pBar->GetGroupsRect();
    const int nAvailable = rcGroups.Width() - 4 - 6, nTotal = 3 * 150 + 2 * 7;
    EXPECT_EQ(rcGroups.left + 4, pFirst->GetRect().left);
    EXPECT_FALSE(IsShown(ScrollButton(TRUE)));
    ASSERT_TRUE(IsShown(ScrollButton(FALSE)));
    EXPECT_EQ(rcGroups.right, ScrollButton(FALSE)->GetRect().right);
    EXPECT_EQ(13, ScrollButton(FALSE)->GetRect().Width());

    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(ScrollButton(FALSE)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pFirst->GetRect().left == rcGroups.left + 4 - 40; }));
    EXPECT_TRUE(IsShown(ScrollButton(TRUE)));
    // The last step stops where the row's end meets the room's.
    while (IsShown(ScrollButton(FALSE)))
        ASSERT_TRUE(input.Click(ScrollButton(FALSE)->GetRect().CenterPoint()));
    EXPECT_EQ(rcGroups.left + 4 - (nTotal - nAvailable), pFirst->GetRect().left);
    // The controls go with their group.
    EXPECT_EQ(pFirst->GetRect().left + 2, pFirst->GetAt(0)->GetRect().left);

    m_pBar->GetGroupsScroller()->SetOffset(40);
    Relayout();
    ASSERT_TRUE(input.Click(ScrollButton(TRUE)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pFirst->GetRect().left == rcGroups.left + 4; }));
    EXPECT_FALSE(IsShown(ScrollButton(TRUE)));
}

TEST_F(RibbonGroups, AColumnSpreadsItsFreeHeightInEqualGaps)
{
    CTestRibbonGroup* pGroup = AddGroup(100, 0, 0);
    CTestRibbonGroup* pPlain = AddGroup(100, 0, 0);
    pPlain->SetSpreadControls(FALSE);
    // A group is 7 short of the groups row; its controls stand in that less its caption and 3 below them.
    const int nCaption = m_pBar->GetRibbonPainter()->GetGroupCaptionHeight();
    m_pBar->SetGroupsHeight(200);
    Relayout();
    EXPECT_EQ(200 - 7, pGroup->GetRowHeight());
    EXPECT_EQ(200 - 7 - nCaption - 3, pGroup->GetClientHeight());
    EXPECT_EQ(pGroup->GetRowHeight(), pGroup->GetRect().Height());
    // Three rows of 20 in a client height of 100 leave 40 free.
    m_pBar->SetGroupsHeight(200 + 3 * CTestRibbonGroup::kRowHeight + 40 - pGroup->GetClientHeight());
    Relayout();
    ASSERT_EQ(3 * CTestRibbonGroup::kRowHeight + 40, pGroup->GetClientHeight());
    for (int k = 0; k < 3; k++)
    {
        const int nUnspread = pPlain->GetAt(k)->GetRect().top;
        EXPECT_EQ(nUnspread + 10 * (k + 1), pGroup->GetAt(k)->GetRect().top) << k;
        EXPECT_EQ(pGroup->GetRect().top + 2 + k * CTestRibbonGroup::kRowHeight, nUnspread) << k;
    }
}

TEST_F(RibbonGroups, OnlyTheSelectedTabsControlsShow)
{
    CTestRibbonGroup* pGroup = AddGroup(100, 0, 0);
    CKTRibbonTab* pSecond = m_pBar->GetControlTab()->GetTab(1);
    CKTRibbonGroup* pOther = pSecond->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Other", 9);
    CKTControl* pOtherButton = pOther->AddControl(ktControlButton, 200);
    Relayout();
    EXPECT_TRUE(pGroup->GetAt(0)->IsVisible());
    EXPECT_FALSE(pOtherButton->IsVisible());

    m_pBar->GetControlTab()->SetSelectedItem(pSecond);
    PumpMessages();
    EXPECT_FALSE(pGroup->GetAt(0)->IsVisible());
    EXPECT_TRUE(pOtherButton->IsVisible());
    EXPECT_TRUE(pOther->IsVisible());
    EXPECT_FALSE(pGroup->IsVisible());
    // A hidden group hides its controls with it.
    pOther->SetVisible(FALSE);
    EXPECT_FALSE(pOtherButton->IsVisible());
    // Removing a group's control takes it off the bar.
    const int nCount = m_pBar->GetControlCount();
    pGroup->RemoveControl(pGroup->GetAt(0));
    EXPECT_EQ(nCount - 1, m_pBar->GetControlCount());
    EXPECT_EQ(2, pGroup->GetCount());
}
