// OwnershipTests.cpp: a grid that edited, dropped down and drew gives back every window and GDI object.
#include <gtest/gtest.h>

#include "GridTestWindow.h"
#include "GuiLeakCheck.h"
#include "KTPropertyGridInplaceList.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{

// Selects a row with drop-down values, opens its list, picks a value and
// closes the grid, as a user of the field page would.
void UseAGrid(CGridOwner& owner)
{
    CKTPropertyGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 360, 380), &owner, 0));
    grid.SetOwner(&owner);
    BuildFieldPage(grid);
    CKTPropertyGridView* pView = grid.GetGridView();
    CTestInput input(pView->GetSafeHwnd());
    CRect rcUnit;
    pView->GetItemRect(pView->GetCategories()->FindItemByCaption("Unit")->GetIndex(), rcUnit);
    ASSERT_TRUE(input.Click(CPoint(pView->GetDividerPos() + 20, rcUnit.CenterPoint().y)));
    ASSERT_TRUE(input.Key(VK_F4));
    ASSERT_TRUE(PumpUntil([&] { return grid.GetInplaceList().GetSafeHwnd() != NULL; }));
    CTestInput list(grid.GetInplaceList().GetSafeHwnd());
    ASSERT_TRUE(list.Key(VK_DOWN));
    ASSERT_TRUE(list.Key(VK_RETURN));
    ASSERT_TRUE(PumpUntil([&] { return grid.GetInplaceList().GetSafeHwnd() == NULL; }));
    grid.SetTheme(ktPropertyGridThemeDefault);
    grid.SetTheme(ktPropertyGridThemeFlatBox);
    pView->UpdateWindow();
}

}  // namespace

TEST(PropertyGridOwnership, AUsedGridLeavesNoWindowsOrGdiObjects)
{
    CGridOwner& owner = CGridOwner::Shared();
    owner.Reset();
    UseAGrid(owner);  // first use makes the process-wide colours, themes and classes
    CGuiLeakCheck check;
    UseAGrid(owner);
    EXPECT_TRUE(check.NoLeaks());
}
