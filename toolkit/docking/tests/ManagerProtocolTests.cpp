// The manager's close protocol, normalisation of the tree, and the caption-button loop's treatment of a quit.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneCaptionButtonTracker.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "MessageRecorder.h"

TEST(DockingProtocol, ClosedPaneReturnsToItsGroupWhenShown)
{
    CDockingTestFrame frame(800, 600);
    frame.m_bHideOnClose = FALSE;
    CKTDockingPaneManager& manager = frame.m_manager;
    CKTDockingPane* pPane = manager.CreatePane(5, CRect(0, 0, 120, 100), ktDockLeft);
    frame.Layout();
    CKTDockingPaneTabbedContainer* pGroup = pPane->GetTabbedContainer();
    manager.ClosePane(pPane);
    EXPECT_EQ(1, frame.CountNotifies(ktDockingPaneClosed, 5));
    EXPECT_TRUE(pPane->IsClosed());
    EXPECT_FALSE(::IsWindowVisible(pPane->GetHandle()));
    manager.GetLayout()->Normalize();
    EXPECT_TRUE(manager.GetLayout()->OwnsNode(pGroup)) << "an empty group that a pane remembers survives";

    manager.ShowPane(pPane, FALSE);
    EXPECT_EQ(pGroup, pPane->GetTabbedContainer());
    frame.Layout();
    EXPECT_TRUE(::IsWindowVisible(pPane->GetHandle()));
    EXPECT_EQ(120, pGroup->GetRect().Width());
}

TEST(DockingProtocol, NormalisationDropsWhatNoPaneNeedsAndFlattensLoneLevels)
{
    CDockingTestFrame frame(800, 600);
    CKTDockingPaneManager& manager = frame.m_manager;
    CKTDockingPaneLayoutData* pLayout = manager.GetLayout();
    auto* pOrphan = manager.OnCreatePane(ktPaneTypeTabbedContainer, pLayout);
    auto* pOuter =
        static_cast<CKTDockingPaneSplitterContainer*>(manager.OnCreatePane(ktPaneTypeSplitterContainer, pLayout));
    auto* pInner =
        static_cast<CKTDockingPaneSplitterContainer*>(manager.OnCreatePane(ktPaneTypeSplitterContainer, pLayout));
    auto* pLeaf =
        static_cast<CKTDockingPaneSplitterContainer*>(manager.OnCreatePane(ktPaneTypeSplitterContainer, pLayout));
    pInner->Init(pLeaf, TRUE, &frame);
    pOuter->Init(pInner, FALSE, &frame);
    pLayout->Normalize();
    EXPECT_FALSE(pLayout->OwnsNode(pOrphan)) << "a group no pane refers to goes";
    EXPECT_FALSE(pLayout->OwnsNode(pInner)) << "a lone level under a lone level is dissolved";
    EXPECT_FALSE(pLayout->OwnsNode(pLeaf)) << "and what is left empty goes too";
    EXPECT_FALSE(pLayout->OwnsNode(pOuter));
    EXPECT_TRUE(pLayout->IsValid());
}

TEST(DockingProtocol, CaptionButtonLoopGivesAQuitBackToTheOuterLoop)
{
    CDockingTestFrame frame(400, 300);
    CKTDockingPane* pPane = frame.m_manager.CreatePane(5, CRect(0, 0, 120, 100), ktDockLeft);
    frame.Layout();
    CKTDockingPaneTabbedContainer* pGroup = pPane->GetTabbedContainer();
    CKTDockingPaneCaptionButton* pClose = pGroup->FindCaptionButton(KT_IDS_DOCKING_CLOSE);
    ::ReleaseCapture();
    ::PostQuitMessage(42);
    EXPECT_FALSE(KTTrackCaptionButton(pGroup, pClose, pClose->GetRect().CenterPoint(), TRUE));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_FALSE(pClose->IsPressed());
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is posted again";
    EXPECT_EQ(WPARAM(42), msg.wParam);
}

// An owner given with SetOwner hears the notifications instead of the site frame.
TEST(DockingProtocol, TheOwnerSetWithSetOwnerGetsTheNotifications)
{
    CDockingTestFrame frame(800, 600);
    frame.m_bHideOnClose = FALSE;
    CKTDockingPaneManager& manager = frame.m_manager;
    CKTDockingPane* pPane = manager.CreatePane(5, CRect(0, 0, 120, 100), ktDockLeft);
    frame.Layout();
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "owner", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    manager.SetOwner(&owner);
    {
        CMessageRecorder recorder({owner.GetSafeHwnd()}, {KT_WM_DOCKINGPANENOTIFY});
        manager.ClosePane(pPane);
        EXPECT_TRUE(recorder.Matches({{KT_WM_DOCKINGPANENOTIFY, kSent | kWParam, ktDockingPaneClosed}}));
    }
    EXPECT_EQ(0, frame.CountNotifies(ktDockingPaneClosed, 5)) << "the site frame is not told";
    owner.DestroyWindow();
    manager.ShowPane(pPane, FALSE);
    manager.ClosePane(pPane);
    EXPECT_EQ(1, frame.CountNotifies(ktDockingPaneClosed, 5)) << "without a living owner the site is told";
}
