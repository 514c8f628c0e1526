// The command bars' place holder of the group commands, expanded over a real tab client.
#include <gtest/gtest.h>

#include "KTControlWorkspaceActions.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTTabManagerRes.h"
#include "MessagePump.h"
#include "TabClientFrame.h"

namespace
{
// The ids the place holder expands into, in order, for the active child.
std::vector<int> ExpandedIds(CTabClientFrame& frame)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(frame.GetCommandBars());
    CKTControl* pHolder = pPopup->GetControls()->Add(ktControlButton, KT_ID_WORKSPACE_ACTIONS);
    pHolder->OnCalcDynamicSize(0);
    std::vector<int> arrIds;
    for (int i = pHolder->GetIndex() + 1; CKTControl* pItem = pPopup->GetControls()->GetAt(i); i++)
    {
        EXPECT_TRUE(pItem->IsTemporary());
        EXPECT_FALSE(pItem->GetCaption().IsEmpty());
        arrIds.push_back(pItem->GetID());
    }
    EXPECT_TRUE(pHolder->GetHideFlags() & ktHideGeneric) << "the place holder hides behind its entries";
    return arrIds;
}
}  // namespace

TEST(TabWorkspaceActions, ExpandIntoTheGroupCommandsEnabledForTheActiveTab)
{
    CTabClientFrame frame(4);
    CTabTestChild* pFirst = frame.AddChild("Child 1");
    frame.AddChild("Child 2");
    CTabTestChild* pThird = frame.AddChild("Child 3");
    EXPECT_EQ(std::vector<int>({KT_ID_TABWORKSPACE_NEWHORIZONTAL, KT_ID_TABWORKSPACE_NEWVERTICAL}), ExpandedIds(frame));
    frame.SendMessage(WM_COMMAND, KT_ID_TABWORKSPACE_NEWVERTICAL);  // the active third child goes to a new group
    PumpMessages();
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    ASSERT_EQ(pThird->GetSafeHwnd(), reinterpret_cast<HWND>(frame.m_wndClient.SendMessage(WM_MDIGETACTIVE)));
    EXPECT_EQ(std::vector<int>({KT_ID_TABWORKSPACE_MOVEPREVIOUS}), ExpandedIds(frame)) << "alone in the last group";
    pFirst->MDIActivate();
    PumpMessages();
    EXPECT_EQ(std::vector<int>({KT_ID_TABWORKSPACE_NEWVERTICAL, KT_ID_TABWORKSPACE_MOVENEXT}), ExpandedIds(frame));
}
