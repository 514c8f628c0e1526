// TreeCtrlTests.cpp: the toolkit's tree view with real keys: ordinary keys move in the tree, Alt+F4 closes the
// window as from any other control.
#include <gtest/gtest.h>

#include "InputBuilder.h"
#include "KTTreeCtrl.h"
#include "MessagePump.h"
#include "TestInput.h"
#include "TestWindows.h"

TEST(TreeCtrl, OrdinaryKeysMoveInTheTreeAndAltF4ClosesTheWindow)
{
    CTestParent parent;
    CKTTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(10, 10, 200, 200), &parent, 1));
    HTREEITEM hFirst = tree.InsertItem("first");
    HTREEITEM hSecond = tree.InsertItem("second");
    tree.SelectItem(hFirst);
    CTestInput input(tree.GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(hSecond, tree.GetSelectedItem());

    // Sent without the input helper's end marker: no window of the thread is left to take it.
    const HWND hParent = parent.GetSafeHwnd();
    std::vector<INPUT> altF4;
    InputBuilder::AddModifiers(altF4, CTestInput::kAlt, true);
    InputBuilder::AddKey(altF4, VK_F4, true);
    InputBuilder::AddKey(altF4, VK_F4, false);
    InputBuilder::AddModifiers(altF4, CTestInput::kAlt, false);
    ASSERT_EQ(altF4.size(), ::SendInput((UINT)altF4.size(), altF4.data(), sizeof(INPUT)));
    EXPECT_TRUE(PumpUntil([hParent] { return !::IsWindow(hParent); }, kColdWineDeadlineMs))
        << "closed from the tree as from any other control";
}
