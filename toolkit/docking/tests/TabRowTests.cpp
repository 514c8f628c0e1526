// The row of tabs under a group of panes: one tab per pane, real clicks switching the shown pane, tabs held and
// moved to reorder the panes or leave the row, right clicks, help and tooltips, and what the row looks like.
#include "DockingGroupTest.h"
#include "InputBuilder.h"
#include "KTColorManager.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneRes.h"
#include "KTDrawObjects.h"
#include "KTTabColorSet.h"
#include "KTTabPainter.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{
class DockingTabRow : public DockingGroupTest
{
protected:
    DockingTabRow() { m_pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }

    // The pane window's rectangle in the group's client coordinates.
    CRect PaneRect(int nID)
    {
        CRect rc;
        m_frame.PaneWindow(nID)->GetWindowRect(&rc);
        m_pGroup->ScreenToClient(&rc);
        return rc;
    }

    // The panes' ids in tab order.
    std::vector<int> TabOrder()
    {
        std::vector<int> ids;
        for (int i = 0; i < m_pGroup->GetChildCount(); ++i)
            ids.push_back(m_pGroup->GetPaneAt(i)->GetID());
        return ids;
    }

    // Presses a tab and, once it is held, sends the moves and the release as one piece of input: the drag that a
    // tab leaving the row starts runs its own loop until the release.
    bool HoldAndDrag(CPoint ptTab, CPoint ptTo, const std::function<bool()>& bDone)
    {
        CTestInput foreground(m_pGroup->GetSafeHwnd());
        auto toScreen = [&](CPoint pt)
        {
            m_pGroup->ClientToScreen(&pt);
            return pt;
        };
        std::vector<INPUT> press, rest;
        InputBuilder::AddMove(press, toScreen(ptTab));
        InputBuilder::AddButton(press, MOUSEEVENTF_LEFTDOWN);
        if (::SendInput(UINT(press.size()), press.data(), sizeof(INPUT)) != press.size() ||
            !PumpUntil([&] { return m_pGroup->GetTabRow().GetPressedPane() != nullptr; }))
            return false;
        InputBuilder::AddMove(rest, toScreen({ptTab.x, ptTab.y - 40}));
        // A key between the moves keeps the queue from merging them: the drag must start where the row is left.
        InputBuilder::AddKey(rest, VK_SHIFT, true);
        InputBuilder::AddKey(rest, VK_SHIFT, false);
        InputBuilder::AddMove(rest, toScreen(ptTo));
        InputBuilder::AddButton(rest, MOUSEEVENTF_LEFTUP);
        if (::SendInput(UINT(rest.size()), rest.data(), sizeof(INPUT)) != rest.size())
            return false;
        bool bHeld = PumpUntil(bDone);
        PumpDocking();
        return bHeld;
    }
};

// The tip the manager's tooltip window shows for a tool of the window.
CString TipText(HWND hWndTip, HWND hWnd, INT_PTR nTool)
{
    char szText[80] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = hWnd;
    ti.uId = UINT_PTR(nTool);
    ti.lpszText = szText;
    ::SendMessageA(hWndTip, TTM_GETTEXTA, sizeof(szText), LPARAM(&ti));
    return szText;
}
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
    CKTDockingPaneTabbedContainer* pLone = Pane(703)->GetTabbedContainer();
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

    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
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
    m_pGroup->SelectPane(Pane(702), FALSE, FALSE);
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
    // Unfilled, the other tab shows the header behind it: each of its rows in the header's colour past the tabs.
    const int xHeader = m_pGroup->GetTabRow().m_rcHeaderRect.right - 3;
    int nHeader = 0;
    for (int y = rcOther.top; y < rcOther.bottom; ++y)
        for (int x = rcOther.left; x < rcOther.right; ++x)
            nHeader += after.Pixel(x, y) == after.Pixel(xHeader, y);
    EXPECT_GT(nHeader, rcOther.Width() * rcOther.Height() / 2);
    EXPECT_GT(count(after, rcOther, ::GetSysColor(COLOR_3DDKSHADOW)), 0);
}

// Tabs live in the group's own coordinates wherever the group stands in its frame.
TEST_F(DockingTabRow, AGroupAwayFromTheFramesCornerDrawsAndTakesItsTabsInsideItself)
{
    m_frame.m_manager.AttachPane(Pane(702), Pane(703));
    PumpDocking();
    CKTDockingPaneTabbedContainer* pBottom = Pane(703)->GetTabbedContainer();
    ASSERT_EQ(2, pBottom->GetChildCount());
    CRect rcGroup;
    pBottom->CWnd::GetWindowRect(&rcGroup);
    m_frame.ScreenToClient(&rcGroup);
    ASSERT_GT(rcGroup.top, 0) << "the group must stand away from the frame's corner";
    pBottom->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);

    CRect rcClient, rcInBoth;
    pBottom->GetClientRect(&rcClient);
    const CRect rcTab = pBottom->GetTabRow().GetItem(1)->GetRect();
    rcInBoth.IntersectRect(rcClient, rcTab);
    EXPECT_EQ(rcTab, rcInBoth);
    CTestInput input(pBottom->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcTab.CenterPoint()));
    PumpDocking();
    EXPECT_EQ(Pane(702), pBottom->GetSelected());
}

TEST_F(DockingTabRow, HeldTabMovedOverItsNeighbourSwapsThePanesOnce)
{
    CTestInput input(m_pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Drag(TabRect(0).CenterPoint(), TabRect(1).CenterPoint()));
    PumpDocking();

    EXPECT_EQ((std::vector<int>{702, 701}), TabOrder());
    EXPECT_EQ(CString("Properties"), m_pGroup->GetTabRow().GetItem(0)->GetCaption());
    EXPECT_EQ(Pane(701), m_pGroup->GetSelected()) << "the held pane stays the shown one";
    EXPECT_EQ(1, m_pGroup->GetTabRow().GetCurSel());
    EXPECT_EQ(1, m_frame.CountActions(ktActionDragging, 701));
    EXPECT_EQ(0, m_frame.CountActions(ktActionDetaching, 701));
    EXPECT_FALSE(m_pGroup->GetTabRow().GetPressedPane());
    EXPECT_NE(m_pGroup->GetSafeHwnd(), ::GetCapture()) << "the release lets the mouse go";

    // The new order is the group's: a saved layout keeps it.
    m_frame.Layout();
    EXPECT_EQ((std::vector<int>{702, 701}), TabOrder());
}

TEST_F(DockingTabRow, HeldTabLeavingTheRowAsksToDetachItsPane)
{
    CPoint ptAbove(TabRect(0).CenterPoint().x, TabRect(0).top - 40);
    CTestInput input(m_pGroup->GetSafeHwnd());
    m_frame.m_refusedActions = {ktActionDetaching};
    ASSERT_TRUE(input.Drag(TabRect(0).CenterPoint(), ptAbove));
    PumpDocking();
    EXPECT_GE(m_frame.CountActions(ktActionDetaching, 701), 1);
    EXPECT_EQ((std::vector<int>{701, 702}), TabOrder());
    EXPECT_FALSE(m_pGroup->GetTabRow().GetPressedPane());

    // Allowed, the tab is let go and the pane dragged away: dropped over the editors it leaves the group. (The
    // other tab, so that the press does not pair with the last one into a double click.)
    m_frame.m_refusedActions.clear();
    m_frame.m_notifies.clear();
    CRect rcEditor;
    ::GetWindowRect(m_frame.EditorArea(), &rcEditor);
    m_pGroup->ScreenToClient(&rcEditor);
    ASSERT_TRUE(HoldAndDrag(TabRect(1).CenterPoint(), rcEditor.CenterPoint(),
                            [&] { return Pane(702)->GetTabbedContainer() != m_pGroup; }));
    EXPECT_EQ(1, m_frame.CountActions(ktActionDetaching, 702));
    EXPECT_FALSE(m_pGroup->GetTabRow().GetPressedPane());
    EXPECT_NE(m_pGroup->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ((std::vector<int>{701}), TabOrder());
    EXPECT_TRUE(Pane(702)->IsFloating()) << "no target under the editors: the pane floats";
}

TEST_F(DockingTabRow, OwnerThatRefusesDraggingKeepsTabsSelectableButNeverMoved)
{
    m_frame.m_refusedActions = {ktActionDragging};
    CTestInput input(m_pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Drag(TabRect(1).CenterPoint(), TabRect(0).CenterPoint()));
    PumpDocking();
    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
    EXPECT_EQ((std::vector<int>{701, 702}), TabOrder());
    EXPECT_EQ(0, m_frame.CountActions(ktActionDetaching, 702));
}

TEST_F(DockingTabRow, RightClickOnATabShowsItsPaneAndReportsTheGroup)
{
    CTestInput input(m_pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Click(TabRect(1).CenterPoint(), true));
    PumpDocking();
    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
    EXPECT_TRUE(m_frame.PaneWindow(702)->IsWindowVisible());
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneRClick, 0));
}

TEST_F(DockingTabRow, HelpHitTestAnswersForThePaneUnderThePoint)
{
    auto helpAt = [&](CPoint pt) { return m_pGroup->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y)); };
    EXPECT_EQ(0x202BD, helpAt(TabRect(0).CenterPoint())) << "no help id: the pane's id";
    Pane(702)->SetHelpID(0x300);
    EXPECT_EQ(0x20300, helpAt(TabRect(1).CenterPoint()));
    EXPECT_EQ(0x202BD, helpAt(PaneRect(701).CenterPoint())) << "off the tabs: the shown pane";
}

TEST_F(DockingTabRow, PointingAtCaptionButtonsAndTabsShowsTheirTips)
{
    CKTToolTipController* pTips = m_frame.m_manager.GetToolTipContext();
    m_pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect rcClose = m_pGroup->FindCaptionButton(KT_IDS_DOCKING_CLOSE)->GetRect();
    ASSERT_TRUE(MoveTo(m_pGroup->GetSafeHwnd(), rcClose.CenterPoint(),
                       [&] { return pTips->GetLastHit() == KT_IDS_DOCKING_CLOSE; }));
    EXPECT_EQ(CString("Close"), TipText(pTips->GetToolTipWnd(), m_pGroup->GetSafeHwnd(), KT_IDS_DOCKING_CLOSE));

    // A group's tabs have tips even when their captions show whole.
    ASSERT_TRUE(MoveTo(m_pGroup->GetSafeHwnd(), TabRect(1).CenterPoint(), [&] { return pTips->GetLastHit() == 1; }));
    EXPECT_EQ(CString("Properties"), TipText(pTips->GetToolTipWnd(), m_pGroup->GetSafeHwnd(), 1));
}

TEST_F(DockingTabRow, SomethingDraggedOverATabShowsItsPaneAndIsNotTaken)
{
    COleDropTarget& target = m_pGroup->GetDropTarget();
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(m_pGroup->GetSafeHwnd(), target.GetDropTarget()))
        << "the group takes part in drags";
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragEnter(m_pGroup, nullptr, 0, PaneRect(701).CenterPoint()));
    EXPECT_EQ(Pane(701), m_pGroup->GetSelected());
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(m_pGroup, nullptr, 0, TabRect(1).CenterPoint()));
    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
    EXPECT_TRUE(m_frame.PaneWindow(702)->IsWindowVisible());

    m_frame.m_manager.GetPaintManager()->GetContainerTabPainter()->m_bSelectOnDragOver = FALSE;
    target.OnDragOver(m_pGroup, nullptr, 0, TabRect(0).CenterPoint());
    EXPECT_EQ(Pane(702), m_pGroup->GetSelected());
}

TEST_F(DockingTabRow, DoubleClickOnATabFloatsItsPaneAlone)
{
    CTestInput input(m_pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.DoubleClick(TabRect(1).CenterPoint()));
    PumpDocking();
    EXPECT_TRUE(Pane(702)->IsFloating());
    EXPECT_FALSE(Pane(701)->IsFloating());
    EXPECT_EQ((std::vector<int>{701}), TabOrder());
}

// The themes' header is one gradient over the whole site frame: two rows at different heights take its colours at
// their own heights, so that rows side by side or one above the other line up.
TEST_F(DockingTabRow, TheHeaderGradientSpansTheSiteSoTwoRowsLineUp)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.CreatePane(704, CRect(0, 0, 150, 120), ktDockTop);
    manager.AttachPane(manager.CreatePane(705, CRect(0, 0, 150, 120), ktDockTop), Pane(704));
    manager.GetLayout()->Normalize();
    m_frame.Layout();
    CKTDockingPaneTabbedContainer* pTop = Pane(704)->GetTabbedContainer();
    ASSERT_TRUE(m_pGroup->IsTabsVisible() && pTop->IsTabsVisible());
    const COLORREF clrDark = RGB(255, 0, 0), clrLight = RGB(0, 0, 255);
    for (KTDockingPaneTheme nTheme : {ktDockingPaneThemeStickers, ktDockingPaneThemeFlat})
    {
        manager.SetTheme(nTheme);
        m_frame.Layout();
        CKTTabColorSet* pColors = manager.GetPaintManager()->GetContainerTabPainter()->GetColorSet();
        pColors->m_clrHeaderFace.SetCustomValue(clrLight, clrDark);
        const CRect rcSite = CKTWindowRect(m_frame.GetSafeHwnd());
        int nRows = 0;
        for (CKTDockingPaneTabbedContainer* pGroup : {m_pGroup, pTop})
        {
            pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
            const CRect rcHeader = pGroup->GetTabRow().m_rcHeaderRect;
            ASSERT_FALSE(rcHeader.IsRectEmpty());
            // Past the last tab, halfway down the header.
            CPoint pt(rcHeader.right - 3, rcHeader.CenterPoint().y);
            const COLORREF clrShown = CPixelImage::FromWindow(pGroup->GetSafeHwnd()).Pixel(pt.x, pt.y);
            pGroup->ClientToScreen(&pt);
            // A bottom row runs from the light colour at the site's top to the dark one, at the client side, at
            // its bottom.
            const double dAt = double(pt.y - rcSite.top) / rcSite.Height();
            const COLORREF clrExpected = RGB(int(255 * dAt), 0, int(255 * (1 - dAt)));
            EXPECT_TRUE(NearColor(clrExpected, clrShown, 10))
                << "theme " << nTheme << ", row " << nRows << " at " << dAt << ": " << std::hex << clrShown << " for "
                << clrExpected;
            ++nRows;
        }
        EXPECT_EQ(2, nRows);
    }
}

// The gradient theme's row: the selected tab framed light above and dark below, the others parted by separators, on
// the flat looks' header colour.
TEST_F(DockingTabRow, TheGradientThemesRowFramesTheSelectedTabAndPartsTheOthers)
{
    m_frame.m_manager.SetTheme(ktDockingPaneThemeGradient);
    m_frame.Layout();
    ASSERT_TRUE(m_pGroup->IsTabsVisible());
    m_pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const CPixelImage image = CPixelImage::FromWindow(m_pGroup->GetSafeHwnd());
    const CRect rcSelected = TabRect(0), rcOther = TabRect(1);
    const int yMiddle = rcSelected.CenterPoint().y;

    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), image.Pixel(rcSelected.left, yMiddle));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), image.Pixel(rcSelected.CenterPoint().x, rcSelected.bottom - 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), image.Pixel(rcOther.right - 1, yMiddle)) << "the separator";
    const COLORREF clrHeader = KTColorManager()->GetColor(KTCOLOR_TAB_HEADER_FACE);
    EXPECT_EQ(clrHeader, image.Pixel(rcOther.right - 1, rcOther.top + 1)) << "the separator stops short of the ends";
    EXPECT_EQ(clrHeader, image.Pixel(m_pGroup->GetTabRow().m_rcHeaderRect.right - 2, yMiddle));
}
