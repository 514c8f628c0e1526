// RibbonControlsTests.cpp: the ribbon's controls collection: what survives removing all controls, and the links a
// removed control leaves, seen through the ribbon's layout and real clicks.
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "RibbonInputFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

namespace
{
bool IsOnBar(CKTRibbonBar* pBar, CKTControl* pControl)
{
    return pControl && pControl->GetParent() == pBar && pBar->GetControls()->GetAt(pControl->GetIndex()) == pControl;
}
}  // namespace

// A menu loaded over the ribbon replaces the other controls only: the tab row must still work.
TEST(RibbonControls, AMenuLoadedOverTheRibbonKeepsItsOwnControls)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CTestRibbonGroup* pGroup = frame.AddGroup(0, {"Cut", "Copy"}, 200);
    CKTSmartPtr<CKTControl> pCut(pGroup->GetAt(0));
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 300, "&Help"));
    ASSERT_TRUE(pBar->LoadMenu(&menu, TRUE));

    CKTRibbonControlTab* pTabs = pBar->GetControlTab();
    CKTRibbonGroupsScroller* pScroller = pBar->GetGroupsScroller();
    for (CKTControl* pControl :
         {(CKTControl*)pTabs, pBar->GetQuickAccessPopup(), pBar->GetQuickAccessMore(), pScroller->GetScrollButton(TRUE),
          pScroller->GetScrollButton(FALSE), (CKTControl*)pGroup->GetControlPopup(), pGroup->GetControlOptionButton()})
        EXPECT_TRUE(IsOnBar(pBar, pControl)) << pControl->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(pGroup, pGroup->GetControlPopup()->GetRibbonGroup());
    EXPECT_TRUE(pBar->GetControls()->FindControl(300) != NULL);
    // The group's buttons went with the rest, and left the group.
    EXPECT_EQ(0, pGroup->GetCount());
    EXPECT_EQ(NULL, pCut->GetRibbonGroup());

    pBar->OnRecalcLayout();
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pTabs->GetTab(2)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetSelectedTab() == pTabs->GetTab(2); }));
}

TEST(RibbonControls, ARemovedControlLeavesItsGroupTheQuickAccessToolbarAndTheSystemButton)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CTestRibbonGroup* pGroup = frame.AddGroup(0, {"Cut", "Copy", "Paste"}, 200);
    const int xTabs = pBar->GetControlTab()->GetRect().left;
    CKTSmartPtr<CKTControl> pCut(pGroup->GetAt(0));
    CKTSmartPtr<CKTControl> pQuick(pBar->AddToQuickAccess(pGroup->GetAt(1)));
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(pBar->GetCommandBars());
    CKTSmartPtr<CKTControl> pSystem(pBar->AddSystemButton("&File", pMenu));
    PumpMessages();
    ASSERT_GT(pBar->GetControlTab()->GetRect().left, xTabs);

    CKTControls* pControls = pBar->GetControls();
    pControls->Remove(pCut);
    EXPECT_EQ(2, pGroup->GetCount());
    EXPECT_EQ(NULL, pCut->GetRibbonGroup());
    pControls->Remove(pQuick);
    EXPECT_EQ(0, pBar->GetQuickAccessControls()->GetCount());
    pControls->Remove(pSystem);
    EXPECT_EQ(NULL, pBar->GetSystemButton());

    // The ribbon lays out and draws what is left, and its remaining buttons run their commands.
    pBar->OnRecalcLayout();
    pBar->RedrawWindow();
    PumpMessages();
    EXPECT_EQ(xTabs, pBar->GetControlTab()->GetRect().left);
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pGroup->GetAt(1)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return !frame.m_commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{202}), frame.m_commands);
}
