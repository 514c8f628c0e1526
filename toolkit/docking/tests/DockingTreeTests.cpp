// The designer's three panes: the tree the manager builds, the first layout and the splitter bars.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneSplitterWnd.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "LoopInput.h"

namespace
{
CKTDockingPaneTabbedContainer* GroupOf(CKTDockingPaneManager& manager, int nID)
{
    CKTDockingPane* pPane = manager.FindPane(nID);
    return pPane ? pPane->GetTabbedContainer() : nullptr;
}

CRect EditorRect(CDockingTestFrame& frame)
{
    CRect rc;
    ::GetWindowRect(frame.EditorArea(), &rc);
    frame.ScreenToClient(&rc);
    return rc;
}

class DockingTree : public ::testing::Test
{
protected:
    DockingTree() : m_frame(1000, 700)
    {
        m_frame.CreateDesignerPanes();
        m_frame.Layout();
    }

    CDockingTestFrame m_frame;
};
}  // namespace

TEST_F(DockingTree, DesignerPanesMakeTheExpectedTree)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    CKTDockingPaneSplitterContainer* pTop = manager.GetTopPane();
    ASSERT_TRUE(pTop);
    ASSERT_TRUE(pTop->IsHorizontal());
    ASSERT_EQ(3, pTop->GetChildCount());
    EXPECT_EQ(GroupOf(manager, 701), pTop->GetChildren()[0]);
    EXPECT_EQ(GroupOf(manager, 702), pTop->GetChildren()[1]);
    auto* pColumn = dynamic_cast<CKTDockingPaneSplitterContainer*>(pTop->GetChildren()[2]);
    ASSERT_TRUE(pColumn);
    EXPECT_FALSE(pColumn->IsHorizontal());
    ASSERT_EQ(2, pColumn->GetChildCount());
    EXPECT_TRUE(pColumn->GetChildren()[0]->ContainsPane(manager.GetClientPane()));
    EXPECT_EQ(GroupOf(manager, 703), pColumn->GetChildren()[1]);
}

TEST_F(DockingTree, FirstLayoutSizesThePanesAndAttachesTheirWindows)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    EXPECT_EQ(230, GroupOf(manager, 701)->GetRect().Width());
    EXPECT_EQ(180, GroupOf(manager, 702)->GetRect().Width());
    CRect rcOutput = GroupOf(manager, 703)->GetRect();
    EXPECT_EQ(120, rcOutput.Height());
    CRect rcEditor = EditorRect(m_frame);
    EXPECT_EQ(rcEditor.left, rcOutput.left) << "the output pane is only as wide as the editor area";
    EXPECT_EQ(rcEditor.right, rcOutput.right);
    EXPECT_EQ(1000 - 230 - 180 - 2 * 4, rcEditor.Width());
    EXPECT_EQ(manager.GetClientPane()->GetRect(), rcEditor);
    for (int nID : {701, 702, 703})
    {
        EXPECT_LE(1, m_frame.CountNotifies(ktDockingPaneShowWindow, nID)) << nID;
        CKTDockingPane* pPane = manager.FindPane(nID);
        ASSERT_TRUE(pPane->IsValid()) << nID;
        EXPECT_TRUE(::IsWindowVisible(pPane->GetHandle())) << nID;
        EXPECT_EQ(GroupOf(manager, nID)->GetSafeHwnd(), ::GetParent(pPane->GetHandle())) << nID;
    }
}

TEST_F(DockingTree, DraggingABarResizesItsNeighboursByTheirShare)
{
    CKTDockingPaneSplitterContainer* pTop = m_frame.m_manager.GetTopPane();
    ASSERT_EQ(2, pTop->GetSplitterCount());
    CKTDockingPaneSplitterWnd* pBar = pTop->GetSplitter(0);
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    m_frame.ScreenToClient(&rcBar);
    EXPECT_EQ(230, rcBar.left);

    CKTDockingPaneTabbedContainer* pLeft = GroupOf(m_frame.m_manager, 701);
    CPoint ptFrom = rcBar.CenterPoint();
    ASSERT_TRUE(DragAtOnce(m_frame.GetSafeHwnd(), ptFrom, ptFrom + CPoint(50, 0),
                           [pLeft] { return pLeft->GetRect().Width() != 230; }));

    // 230 + 4 + 180 shared at the bar's new place, 50 pixels right, over the 414 pixels of the two groups.
    const int nTotal = 230 + 4 + 180;
    const int nFirst = int(nTotal * double(230 + 50) / nTotal);
    EXPECT_EQ(nFirst, GroupOf(m_frame.m_manager, 701)->GetRect().Width());
    EXPECT_EQ(nTotal - nFirst - 4, GroupOf(m_frame.m_manager, 702)->GetRect().Width());
}

class DockingTreeCancel : public DockingTree, public ::testing::WithParamInterface<ELoopCancel>
{
};

// A live bar ends where it is, whatever ends the drag: Esc does not put the old sizes back.
TEST_P(DockingTreeCancel, ALiveBarEndedEarlyStaysWhereItIs)
{
    m_frame.m_manager.m_bSplitterTracker = FALSE;
    // The bar beside the editor: a right release where the bar was lands on the editor, not on a pane's edit
    // control, whose menu would wait for a choice.
    CKTDockingPaneSplitterWnd* pBar = m_frame.m_manager.GetTopPane()->GetSplitter(1);
    CKTDockingPaneTabbedContainer* pLeft = GroupOf(m_frame.m_manager, 702);
    const HWND hLeft = pLeft->GetSafeHwnd();
    const int nWidth = CKTWindowRect(hLeft).Width();
    const CPoint ptFrom = CKTClientRect(pBar).CenterPoint();
    CLoopInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptFrom)
                    .AwaitCapture()
                    .Move(ptFrom + CPoint(50, 0))
                    .Await([=] { return CKTWindowRect(hLeft).Width() == nWidth + 50; })
                    .CancelAndRelease(GetParam())
                    .AwaitNoCapture()
                    .Run());
    EXPECT_EQ(nWidth + 50, CKTWindowRect(hLeft).Width());
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, DockingTreeCancel, AllLoopCancels(), LoopCancelCaseName);

TEST(DockingPanes, DockingAcrossTheTopWrapsItAndAlongItAppends)
{
    CDockingTestFrame frame(800, 600);
    CKTDockingPaneManager& manager = frame.m_manager;
    CKTDockingPaneSplitterContainer* pOldTop = manager.GetTopPane();
    manager.CreatePane(1, CRect(0, 0, 100, 100), ktDockRight);
    EXPECT_EQ(pOldTop, manager.GetTopPane()) << "a horizontal top takes a right-docked pane at its end";
    EXPECT_EQ(GroupOf(manager, 1), pOldTop->GetLastChild());
    manager.CreatePane(2, CRect(0, 0, 100, 100), ktDockTop);
    CKTDockingPaneSplitterContainer* pNewTop = manager.GetTopPane();
    ASSERT_NE(pOldTop, pNewTop);
    EXPECT_FALSE(pNewTop->IsHorizontal());
    EXPECT_EQ(GroupOf(manager, 2), pNewTop->GetFirstChild());
    EXPECT_EQ(pOldTop, pNewTop->GetLastChild());
    EXPECT_EQ(ktDockTop, manager.GetPaneDirection(GroupOf(manager, 2)));
    EXPECT_EQ(ktDockRight, manager.GetPaneDirection(GroupOf(manager, 1)));
}

TEST(DockingPanes, TitlesColoursAndRefusedActions)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPane* pPane = frame.m_manager.CreatePane(703, CRect(0, 0, 100, 100), ktDockLeft);
    EXPECT_EQ(COLORREF(0x1000007), pPane->GetItemColor());
    pPane->SetTitle("Solution\nExplorer");
    EXPECT_EQ(CString("Solution"), pPane->GetTitle());
    EXPECT_EQ(CString("Explorer"), pPane->GetShortTitle());
    CKTDockingPane* pNegative = frame.m_manager.CreatePane(-3, CRect(0, 0, 100, 100), ktDockLeft);
    EXPECT_EQ(COLORREF(0x1000000 - 3), pNegative->GetItemColor());
    pPane->SetEnabled(ktPaneEnableClient);
    EXPECT_TRUE(frame.m_manager.NotifyAction(ktActionClosing, pPane)) << "a pane without actions starts cancelled";
}
