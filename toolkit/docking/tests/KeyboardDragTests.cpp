// The docking keyboard: Alt+'-' opens the active pane's menu, whose Move command drags its group with the arrow
// keys; the manager leaves the keyboard hook when its window goes.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "InputBuilder.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneKeyboardHook.h"
#include "KTDockingPaneTabbedContainer.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{
const int kAllShortcuts =
    ktKeyboardNavigateMenu | ktKeyboardNavigatePanes | ktKeyboardNavigateSelect | ktKeyboardNavigateCtrlTab;

void AddPress(std::vector<INPUT>& inputs, WORD wKey, int nTimes = 1)
{
    for (int i = 0; i < nTimes; ++i)
    {
        InputBuilder::AddKey(inputs, wKey, true);
        InputBuilder::AddKey(inputs, wKey, false);
    }
}
}  // namespace

TEST(DockingKeyboard, AltMinusMovesTheActivePanesGroupWithTheArrowKeys)
{
    CDockingTestFrame frame(800, 560);
    frame.CreateDesignerPanes();
    frame.Layout();
    CKTDockingPaneManager& manager = frame.m_manager;
    ASSERT_TRUE(manager.EnableKeyboardNavigate(kAllShortcuts));
    manager.ShowPane(manager.FindPane(703), TRUE);
    PumpDocking();
    ASSERT_EQ(manager.FindPane(703), manager.GetActivePane());

    // The menu's one command, then 200 pixels up into the editor area, where the group can only float.
    CTestInput foreground(frame.GetSafeHwnd());
    std::vector<INPUT> inputs;
    InputBuilder::AddKey(inputs, VK_MENU, true);
    AddPress(inputs, VK_OEM_MINUS);
    InputBuilder::AddKey(inputs, VK_MENU, false);
    AddPress(inputs, VK_DOWN);
    AddPress(inputs, VK_RETURN);
    AddPress(inputs, VK_UP, 20);
    AddPress(inputs, VK_RETURN);
    ASSERT_EQ(inputs.size(), ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)));
    EXPECT_TRUE(PumpUntil([&] { return frame.CountActions(ktActionFloated, 703) > 0; }));
    PumpDocking();

    EXPECT_TRUE(manager.FindPane(703)->IsFloating());
    EXPECT_FALSE(manager.GetDockingContext()->IsDragging());
}

TEST(DockingKeyboard, TheManagerLeavesTheHookWithItsWindow)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPaneManager& manager = frame.m_manager;
    ASSERT_TRUE(manager.EnableKeyboardNavigate(kAllShortcuts));
    EXPECT_EQ(kAllShortcuts, manager.GetKeyboardNavigate());
    manager.DestroyWindow();
    EXPECT_EQ(0, manager.GetKeyboardNavigate());
}
