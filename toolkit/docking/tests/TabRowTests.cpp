// The row of tabs under a group of panes: one tab per pane, real clicks switching the shown pane, and what the
// row looks like on screen.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneTabbedContainer.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestInput.h"

namespace
{
class DockingTabRow : public ::testing::Test
{
protected:
    DockingTabRow() : m_frame(1000, 700)
    {
        m_frame.CreateDesignerPanes();
        CKTDockingPaneManager& manager = m_frame.m_manager;
        manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
        manager.GetLayout()->Normalize();
        m_frame.Layout();
        m_pGroup = manager.FindPane(701)->GetTabbedContainer();
        m_pGroup->SelectPane(manager.FindPane(701), FALSE, FALSE);
        m_pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }

    CRect TabRect(int nTab) { return m_pGroup->GetTabRow().GetItem(nTab)->GetRect(); }

    // The pane window's rectangle in the group's client coordinates.
    CRect PaneRect(int nID)
    {
        CRect rc;
        m_frame.PaneWindow(nID)->GetWindowRect(&rc);
        m_pGroup->ScreenToClient(&rc);
        return rc;
    }

    CDockingTestFrame m_frame;
    CKTDockingPaneTabbedContainer* m_pGroup = nullptr;
};
}  // namespace

TEST_F(DockingTabRow, GroupOfTwoPanesShowsATabPerPaneBelowThePane)
{
    ASSERT_EQ(2, m_pGroup->GetChildCount());
    ASSERT_TRUE(m_pGroup->IsTabsVisible());
    CKTDockingPaneTabRow& row = m_pGroup->GetTabRow();
    ASSERT_EQ(2, row.GetItemCount());
    EXPECT_EQ(CString("Solution Explorer"), row.GetItem(0)->GetCaption());
    EXPECT_EQ(CString("Properties"), row.GetItem(1)->GetCaption());
    EXPECT_EQ(0, row.GetCurSel());

    CRect rcClient;
    m_pGroup->GetClientRect(&rcClient);
    EXPECT_LE(PaneRect(701).bottom, TabRect(0).top);
    EXPECT_LE(TabRect(0).bottom, rcClient.bottom);
    EXPECT_LE(TabRect(0).right, TabRect(1).left);
    EXPECT_EQ(0, m_pGroup->HitTest(TabRect(0).CenterPoint()));
    EXPECT_EQ(1, m_pGroup->HitTest(TabRect(1).CenterPoint()));

    // A lone pane keeps the whole group: no row is laid out for it.
    CKTDockingPaneTabbedContainer* pLone = m_frame.m_manager.FindPane(703)->GetTabbedContainer();
    EXPECT_FALSE(pLone->IsTabsVisible());
    CRect rcLone, rcPane;
    pLone->CWnd::GetWindowRect(&rcLone);
    m_frame.PaneWindow(703)->GetWindowRect(&rcPane);
    EXPECT_EQ(rcLone.bottom, rcPane.bottom);
}

TEST_F(DockingTabRow, ClickOnTheSecondTabShowsItsPaneAndHidesTheFirst)
{
    ASSERT_TRUE(m_frame.PaneWindow(701)->IsWindowVisible());
    CTestInput input(m_pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Click(TabRect(1).CenterPoint()));
    PumpDocking();

    EXPECT_EQ(m_frame.m_manager.FindPane(702), m_pGroup->GetSelected());
    EXPECT_EQ(1, m_pGroup->GetTabRow().GetCurSel());
    EXPECT_TRUE(m_frame.PaneWindow(702)->IsWindowVisible());
    EXPECT_FALSE(m_frame.PaneWindow(701)->IsWindowVisible());
    EXPECT_EQ(CString("Properties"), m_pGroup->GetTitle());
    EXPECT_EQ(PaneRect(701), PaneRect(702));
}

TEST_F(DockingTabRow, RowIsDrawnUnderThePaneAndFollowsTheSelection)
{
    CRect rcFirst = TabRect(0), rcSecond = TabRect(1);
    CPixelImage before = CPixelImage::FromWindow(m_pGroup->GetSafeHwnd());
    m_pGroup->SelectPane(m_frame.m_manager.FindPane(702), FALSE, FALSE);
    CPixelImage after = CPixelImage::FromWindow(m_pGroup->GetSafeHwnd());

    // The selected tab's look moves with the selection.
    auto differs = [](const CPixelImage& a, const CPixelImage& b, const CRect& rc)
    {
        int nDiffer = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nDiffer += a.Pixel(x, y) != b.Pixel(x, y);
        return nDiffer;
    };
    EXPECT_GT(differs(before, after, rcFirst), 0);
    EXPECT_GT(differs(before, after, rcSecond), 0);

    // The classic scheme: the selected tab is filled with the window colour and captioned in window text, the
    // other is left unfilled and captioned in the dark shadow colour.
    auto count = [](const CPixelImage& image, const CRect& rc, COLORREF clr)
    {
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nCount += NearColor(image.Pixel(x, y), clr);
        return nCount;
    };
    CRect rcInside = rcSecond;
    rcInside.DeflateRect(3, 3);
    EXPECT_GT(count(after, rcInside, ::GetSysColor(COLOR_WINDOW)), rcInside.Width() * rcInside.Height() / 2);
    EXPECT_GT(count(after, rcInside, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
    CRect rcOther = rcFirst;
    rcOther.DeflateRect(3, 3);
    EXPECT_LT(count(after, rcOther, ::GetSysColor(COLOR_WINDOW)), rcOther.Width() * rcOther.Height() / 4);
    EXPECT_GT(count(after, rcOther, ::GetSysColor(COLOR_3DDKSHADOW)), 0);
}
