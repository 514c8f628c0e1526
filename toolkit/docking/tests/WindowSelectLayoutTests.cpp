// Where the window selector puts its items, what it selects as it opens, and how its keys move the selection.
#include <gtest/gtest.h>

#include "KTDockingPaneWindowSelectLayout.h"

namespace
{
const int kItemHeight = 20;
const int kFirstTop = kItemHeight + 13;

CKTDockingPane* FakePane(int n) { return reinterpret_cast<CKTDockingPane*>(static_cast<INT_PTR>(0x1000 + n)); }

HWND FakeWindow(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x2000 + n)); }

// Panes first (the one numbered nActivePane active, -1 for none), then the files from the active one down.
CKTDockingPaneWindowSelectLayout Build(int nPanes, int nFiles, int nActivePane = -1)
{
    CKTDockingPaneWindowSelectLayout layout(kItemHeight);
    for (int i = 0; i < nPanes; ++i)
        layout.AddPane(FakePane(i), i == nActivePane);
    for (int i = 0; i < nFiles; ++i)
        layout.AddFile(FakeWindow(i), CKTDockingPaneWindowSelectItem::kChildWindow);
    return layout;
}
}  // namespace

TEST(WindowSelectLayout, TwoDocumentsAndThreePanesOpenOnTheSecondDocument)
{
    CKTDockingPaneWindowSelectLayout layout = Build(3, 2, 0);
    EXPECT_FALSE(layout.ChooseInitialSelection(FALSE, FALSE));

    const std::vector<CKTDockingPaneWindowSelectItem>& items = layout.GetItems();
    ASSERT_EQ(5u, items.size());
    EXPECT_EQ(CRect(9, kFirstTop, 172, kFirstTop + kItemHeight), items[0].rc);
    EXPECT_EQ(CRect(9, kFirstTop + 2 * (kItemHeight + 1), 172, kFirstTop + 2 * (kItemHeight + 1) + kItemHeight),
              items[2].rc);
    EXPECT_EQ(CRect(184, kFirstTop, 347, kFirstTop + kItemHeight), items[3].rc);
    EXPECT_EQ(1, items[4].nRow);
    EXPECT_EQ(1, items[4].nColumn);
    EXPECT_EQ(3, layout.GetFirstFileIndex());

    ASSERT_NE(nullptr, layout.GetSelectedItem());
    EXPECT_EQ(FakeWindow(1), layout.GetSelectedItem()->hWnd);
    EXPECT_EQ(CSize(2 * 175 + 4, (kItemHeight + 1) * 3 + 123 + kItemHeight), layout.GetWindowSize());
}

TEST(WindowSelectLayout, OpeningSelection)
{
    CKTDockingPaneWindowSelectLayout withShift = Build(3, 4, 0);
    withShift.ChooseInitialSelection(FALSE, TRUE);
    EXPECT_EQ(FakeWindow(3), withShift.GetSelectedItem()->hWnd) << "Ctrl+Shift+Tab takes the last document";

    CKTDockingPaneWindowSelectLayout oneFile = Build(2, 1, 1);
    oneFile.ChooseInitialSelection(FALSE, FALSE);
    EXPECT_EQ(FakeWindow(0), oneFile.GetSelectedItem()->hWnd) << "a single document is the active one";

    CKTDockingPaneWindowSelectLayout panesFirst = Build(3, 2, 1);
    EXPECT_TRUE(panesFirst.ChooseInitialSelection(TRUE, FALSE));
    EXPECT_EQ(FakePane(2), panesFirst.GetSelectedItem()->pPane) << "the pane after the active one";

    CKTDockingPaneWindowSelectLayout wrapBack = Build(3, 2, 0);
    wrapBack.ChooseInitialSelection(TRUE, TRUE);
    EXPECT_EQ(FakePane(2), wrapBack.GetSelectedItem()->pPane) << "Shift goes back, wrapping";

    CKTDockingPaneWindowSelectLayout noActive = Build(3, 2);
    noActive.ChooseInitialSelection(TRUE, TRUE);
    EXPECT_EQ(FakePane(2), noActive.GetSelectedItem()->pPane);

    CKTDockingPaneWindowSelectLayout noPanes = Build(0, 2);
    EXPECT_FALSE(noPanes.ChooseInitialSelection(TRUE, FALSE)) << "without panes it opens as for Ctrl+Tab";
    EXPECT_EQ(FakeWindow(1), noPanes.GetSelectedItem()->hWnd);
    EXPECT_EQ(CRect(9, kFirstTop, 172, kFirstTop + kItemHeight), noPanes.GetItems()[0].rc);
}

TEST(WindowSelectLayout, TabStaysInItsGroupAndArrowsWrapOverAll)
{
    CKTDockingPaneWindowSelectLayout layout = Build(2, 3);
    layout.SelectTab(FALSE);
    EXPECT_EQ(0, layout.GetSelectedIndex()) << "Tab with nothing selected takes the first item";
    layout.Select(-1);
    layout.SelectTab(TRUE);
    EXPECT_EQ(4, layout.GetSelectedIndex()) << "Shift+Tab with nothing selected takes the last";

    layout.Select(1);
    layout.SelectTab(FALSE);
    EXPECT_EQ(0, layout.GetSelectedIndex()) << "after the last pane the first pane";
    layout.Select(4);
    layout.SelectTab(FALSE);
    EXPECT_EQ(2, layout.GetSelectedIndex()) << "after the last file the first file";
    layout.SelectTab(TRUE);
    EXPECT_EQ(4, layout.GetSelectedIndex());

    layout.SelectVertical(TRUE);
    EXPECT_EQ(0, layout.GetSelectedIndex()) << "Down wraps to the first item";
    layout.SelectVertical(FALSE);
    EXPECT_EQ(4, layout.GetSelectedIndex()) << "Up wraps to the last";
    EXPECT_TRUE(layout.SelectColumn(TRUE));
    EXPECT_EQ(1, layout.GetSelectedIndex()) << "Right wraps from the files to the panes, clamped to the last pane";
}

TEST(WindowSelectLayout, MoreThanFifteenDocumentsMakeASecondColumn)
{
    CKTDockingPaneWindowSelectLayout layout = Build(0, 17);
    const std::vector<CKTDockingPaneWindowSelectItem>& items = layout.GetItems();
    EXPECT_EQ(2, layout.GetColumnCount());
    EXPECT_EQ(CRect(9 + 175, kFirstTop, 9 + 175 + 163, kFirstTop + kItemHeight), items[15].rc);
    EXPECT_EQ(1, items[16].nRow);
    EXPECT_EQ(CSize(2 * 175 + 4, (kItemHeight + 1) * 15 + 123 + kItemHeight), layout.GetWindowSize());

    layout.Select(1);
    EXPECT_TRUE(layout.SelectColumn(TRUE));
    EXPECT_EQ(16, layout.GetSelectedIndex()) << "same row";
    layout.Select(9);
    EXPECT_TRUE(layout.SelectColumn(FALSE));
    EXPECT_EQ(16, layout.GetSelectedIndex()) << "wraps, clamped to the column's last item";
    EXPECT_TRUE(layout.SelectColumn(TRUE));
    EXPECT_EQ(1, layout.GetSelectedIndex());

    CKTDockingPaneWindowSelectLayout withPanes = Build(3, 16);
    EXPECT_EQ(3, withPanes.GetColumnCount());
    EXPECT_EQ(184 + 175, withPanes.GetItems()[3 + 15].rc.left);
    EXPECT_EQ(3 * 175 + 4, withPanes.GetWindowSize().cx);
}

TEST(WindowSelectLayout, HitTestFindsTheItemUnderThePoint)
{
    CKTDockingPaneWindowSelectLayout layout = Build(2, 2);
    EXPECT_EQ(1, layout.HitTest(CPoint(20, kFirstTop + kItemHeight + 1 + 3)));
    EXPECT_EQ(2, layout.HitTest(CPoint(200, kFirstTop)));
    EXPECT_EQ(-1, layout.HitTest(CPoint(178, kFirstTop))) << "between the columns";
    EXPECT_EQ(-1, layout.HitTest(CPoint(20, kFirstTop + kItemHeight))) << "the gap between rows";
}
