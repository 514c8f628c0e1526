// TreeCtrlTests.cpp: the toolkit's tree view with real keys: system keys reach the system, others the tree.
#include <gtest/gtest.h>

#include "KTTreeCtrl.h"
#include "TestInput.h"
#include "TestWindows.h"

namespace
{
// Counts the close requests instead of closing, so that the test's window outlives the key.
class CCloseCounter : public CTestParent
{
public:
    int m_nCloseRequests = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
        {
            ++m_nCloseRequests;
            return 0;
        }
        return CTestParent::WindowProc(message, wParam, lParam);
    }
};
}  // namespace

TEST(TreeCtrl, AltF4AsksTheWindowToCloseAndOtherKeysStillMoveInTheTree)
{
    CCloseCounter parent;
    CKTTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(10, 10, 200, 200), &parent, 1));
    HTREEITEM hFirst = tree.InsertItem("first");
    HTREEITEM hSecond = tree.InsertItem("second");
    tree.SelectItem(hFirst);
    CTestInput input(tree.GetSafeHwnd());

    ASSERT_TRUE(input.Key(VK_F4, CTestInput::kAlt));
    EXPECT_EQ(1, parent.m_nCloseRequests) << "as from any other control";

    ASSERT_TRUE(input.Key(VK_DOWN));
    EXPECT_EQ(hSecond, tree.GetSelectedItem());
    EXPECT_EQ(1, parent.m_nCloseRequests);
}
