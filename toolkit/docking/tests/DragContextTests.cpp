// Dragging a group by its caption with real input: stickers, docking on an arrow, Esc, Ctrl, the start threshold
// and live floating. The drag loop is modal, so what happens mid-drag is checked, and the rest of the input sent,
// from a timer that its loop dispatches.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "DockingTestFrame.h"
#include "InputBuilder.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneContextStickerWnd.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneStickerPicture.h"
#include "GuiLeakCheck.h"
#include "KTTabManagerItem.h"
#include "KTDockingPaneTabbedContainer.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{
const CPoint kCaptionPoint(60, 8);

// Steps run one after another from a thread timer, inside whatever loop dispatches it.
std::vector<std::function<void()>> g_steps;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(NULL, nTimer);
    if (g_steps.empty())
        return;
    std::function<void()> step = std::move(g_steps.front());
    g_steps.erase(g_steps.begin());
    step();
    if (!g_steps.empty())
        ::SetTimer(NULL, 0, 300, RunNextStep);
}

void SendNow(std::vector<INPUT> inputs) { ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)); }

void MoveAndRelease(CPoint pt)
{
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, pt + CPoint(-1, -1));
    InputBuilder::AddMove(inputs, pt);
    InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
    SendNow(std::move(inputs));
}

class DragContext : public ::testing::Test
{
protected:
    DragContext() : m_frame(800, 560)
    {
        m_frame.CreateDesignerPanes();
        m_frame.Layout();
        // The last test pressed at the same caption points: this test's first press must be no double click.
        ::Sleep(::GetDoubleClickTime() + 50);
    }
    ~DragContext() override { g_steps.clear(); }

    CKTDockingPaneManager& Manager() { return m_frame.m_manager; }
    CKTDockingPane* Pane(int nID) { return Manager().FindPane(nID); }
    CKTDockingPaneTabbedContainer* Group(int nID) { return Pane(nID)->GetTabbedContainer(); }
    const auto& Stickers() { return Manager().GetDockingContext()->GetStickers(); }

    // The designer's choice: translucent targets, stickers, live floating.
    void UseStickers(BOOL bLiveFloating)
    {
        Manager().m_bAlphaDragging = TRUE;
        Manager().m_bShowStickers = TRUE;
        Manager().m_bLiveFloating = bLiveFloating;
    }

    CPoint EditorCentre() const
    {
        CRect rc;
        ::GetWindowRect(m_frame.EditorArea(), &rc);
        return rc.CenterPoint();
    }

    // Presses on the group's caption and moves to the screen point; the steps then run inside the drag.
    bool DragTo(int nID, CPoint ptTo, std::vector<std::function<void()>> steps)
    {
        return DragFrom(Group(nID), kCaptionPoint, ptTo, std::move(steps));
    }

    // The same from a point of the group's window.
    bool DragFrom(CKTDockingPaneTabbedContainer* pGroup, CPoint ptFrom, CPoint ptTo,
                  std::vector<std::function<void()>> steps)
    {
        pGroup->ClientToScreen(&ptFrom);
        CTestInput foreground(pGroup->GetSafeHwnd());
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, ptFrom);
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
        InputBuilder::AddMove(inputs, ptFrom + CPoint(10, 10));
        InputBuilder::AddMove(inputs, ptTo);
        g_steps = std::move(steps);
        ::SetTimer(NULL, 0, 400, RunNextStep);
        SendNow(std::move(inputs));
        bool bEnded = PumpUntil([&] { return g_steps.empty() && !Manager().GetDockingContext()->IsDragging(); });
        PumpDocking();
        return bEnded;
    }

    CDockingTestFrame m_frame;
};
}  // namespace

TEST_F(DragContext, StickersShowAndTheBottomArrowDocksAtTheBottom)
{
    UseStickers(TRUE);
    CRect rcFiveWay;
    int nSideStickers = 0;
    bool bRegion = false;
    // The group floats live as the cursor leaves it; the stickers follow the editor area that grew.
    ASSERT_TRUE(DragTo(701, EditorCentre(),
                       {[&]
                        {
                            std::vector<INPUT> inputs;
                            InputBuilder::AddMove(inputs, EditorCentre());
                            SendNow(std::move(inputs));
                        },
                        [&]
                        {
                            for (const auto& pSticker : Stickers())
                            {
                                if (!(pSticker->GetParts() & CKTDockingPaneStickerPicture::kFiveWay))
                                {
                                    ++nSideStickers;
                                    continue;
                                }
                                pSticker->GetWindowRect(&rcFiveWay);
                                HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
                                bRegion = ::GetWindowRgn(pSticker->GetSafeHwnd(), hRegion) > NULLREGION;
                                ::DeleteObject(hRegion);
                            }
                            MoveAndRelease(rcFiveWay.TopLeft() + CPoint(44, 76));
                        }}));

    EXPECT_EQ(CSize(89, 89), rcFiveWay.Size());
    EXPECT_EQ(EditorCentre().x, rcFiveWay.CenterPoint().x) << "docking below the editor keeps its width";
    EXPECT_TRUE(bRegion);
    EXPECT_EQ(4, nSideStickers);
    EXPECT_EQ(1, m_frame.CountActions(ktActionFloated, 701)) << "floated live over the editor, no target there";
    EXPECT_EQ(1, m_frame.CountActions(ktActionDocked, 701));
    EXPECT_FALSE(Pane(701)->IsFloating());
    EXPECT_EQ(ktDockBottom, Manager().GetPaneDirection(Group(701)));
    EXPECT_TRUE(Stickers().empty());
}

TEST_F(DragContext, EscChangesNothingAndLeavesNothingBehind)
{
    UseStickers(FALSE);
    CKTDockingPaneTabbedContainer* pBefore = Group(701);
    size_t nStickers = 0;
    auto escape = [&]
    {
        nStickers = Stickers().size();
        std::vector<INPUT> inputs;
        InputBuilder::AddKey(inputs, VK_ESCAPE, true);
        InputBuilder::AddKey(inputs, VK_ESCAPE, false);
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
        SendNow(std::move(inputs));
    };
    // The first drag loads the sticker pictures, which stay for the next.
    ASSERT_TRUE(DragTo(701, EditorCentre(), {escape}));
    ::Sleep(::GetDoubleClickTime() + 50);
    CGuiLeakCheck leaks;
    ASSERT_TRUE(DragTo(701, EditorCentre(), {escape}));
    EXPECT_TRUE(leaks.NoLeaks());
    EXPECT_EQ(5u, nStickers);
    EXPECT_EQ(pBefore, Group(701));
    EXPECT_EQ(ktDockLeft, Manager().GetPaneDirection(Group(701)));
    EXPECT_EQ(0, m_frame.CountActions(ktActionFloated, 701));
    EXPECT_EQ(0, m_frame.CountActions(ktActionDocked, 701));
}

class DragContextLoop : public DragContext
{
protected:
    // Presses on the group's caption and moves over the editor, where a drop would dock the group.
    CLoopInput& DragOverTheEditor(CLoopInput& input, int nID)
    {
        CPoint ptEditor = EditorCentre();
        Group(nID)->ScreenToClient(&ptEditor);
        return input.Press(kCaptionPoint)
            .AwaitCapture(Manager().GetSafeHwnd())
            .Move(kCaptionPoint + CPoint(10, 10))
            .Move(ptEditor);
    }

    void ExpectNothingChanged(CKTDockingPaneTabbedContainer* pBefore)
    {
        EXPECT_FALSE(Manager().GetDockingContext()->IsDragging());
        EXPECT_EQ(pBefore, Group(701));
        EXPECT_EQ(ktDockLeft, Manager().GetPaneDirection(Group(701)));
        EXPECT_EQ(0, m_frame.CountActions(ktActionFloated, 701));
        EXPECT_EQ(0, m_frame.CountActions(ktActionDocked, 701));
        EXPECT_TRUE(Stickers().empty());
    }
};

class DragContextCancel : public DragContextLoop, public ::testing::WithParamInterface<ELoopCancel>
{
};

TEST_P(DragContextCancel, ACaptionDragChangesNothing)
{
    UseStickers(FALSE);
    CKTDockingPaneTabbedContainer* pBefore = Group(701);
    CLoopInput input(Group(701)->GetSafeHwnd());
    ASSERT_TRUE(DragOverTheEditor(input, 701).CancelAndRelease(GetParam()).Run());
    PumpDocking();
    ExpectNothingChanged(pBefore);
}

INSTANTIATE_TEST_SUITE_P(Cancels, DragContextCancel, AllLoopCancels(), LoopCancelCaseName);

// Counts the stickers a drag shows, sampled on the test's thread by a timer that the drag loop dispatches, so
// that the input thread can wait for them.
class CStickerCount
{
public:
    explicit CStickerCount(const CKTDockingPaneContext* pContext) : m_nTimer(::SetTimer(NULL, 0, 10, Sample))
    {
        s_pContext = pContext;
    }
    ~CStickerCount()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pContext = nullptr;
    }
    size_t Shown() const { return s_nShown; }

private:
    static void CALLBACK Sample(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pContext)
            s_nShown = s_pContext->GetStickers().size();
    }
    static inline const CKTDockingPaneContext* s_pContext = nullptr;
    static inline std::atomic<size_t> s_nShown{0};
    UINT_PTR m_nTimer;
};

// Ctrl, pressed on the display once the stickers show, hides them; the drop over the editor then floats the group.
TEST_F(DragContextLoop, CtrlOffersFloatingOnly)
{
    UseStickers(FALSE);
    CStickerCount stickers(Manager().GetDockingContext());
    CLoopInput input(Group(701)->GetSafeHwnd());
    ASSERT_TRUE(DragOverTheEditor(input, 701)
                    .Await([&] { return stickers.Shown() == 5; })
                    .HoldKeys(CTestInput::kControl)
                    .Await([&] { return stickers.Shown() == 0; })
                    .Release()
                    .ReleaseKeys()
                    .Run());
    PumpDocking();
    EXPECT_TRUE(Pane(701)->IsFloating());
    EXPECT_EQ(1, m_frame.CountActions(ktActionFloated, 701));
    EXPECT_EQ(0, m_frame.CountActions(ktActionDocked, 701));
}

TEST_F(DragContextLoop, AQuitEndsACaptionDragWithoutADropAndReachesTheApplication)
{
    UseStickers(FALSE);
    CKTDockingPaneTabbedContainer* pBefore = Group(701);
    CLoopInput input(Group(701)->GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(DragOverTheEditor(input, 701).Quit(5).AwaitNoCapture().Release().Run());
    PumpDocking();
    ExpectNothingChanged(pBefore);
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(5u, nCode);
}

TEST_F(DragContext, UnderFourPixelsNothingStarts)
{
    UseStickers(TRUE);
    CKTDockingPaneTabbedContainer* pBefore = Group(701);
    ASSERT_TRUE(DragAtOnce(pBefore->GetSafeHwnd(), kCaptionPoint, kCaptionPoint + CPoint(4, 3),
                           [&] { return !Manager().GetDockingContext()->IsDragging(); }));
    EXPECT_EQ(pBefore, Group(701));
    EXPECT_FALSE(Pane(701)->IsFloating());
    EXPECT_EQ(0, m_frame.CountActions(ktActionFloated, 701));
}

TEST_F(DragContext, DraggedIntoEmptySpaceTheGroupFloatsAtOnceAndFollowsTheCursor)
{
    UseStickers(TRUE);
    const CPoint ptOutside(1000, 760);
    CRect rcFirst, rcSecond;
    auto frameRect = [&](CRect* prc)
    {
        if (auto* pFloating = dynamic_cast<CKTDockingPaneMiniWnd*>(Pane(703)->GetDockingSite()))
            pFloating->CWnd::GetWindowRect(prc);
    };
    auto moveTo = [](CPoint pt)
    {
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, pt + CPoint(-1, -1));
        InputBuilder::AddMove(inputs, pt);
        SendNow(std::move(inputs));
    };
    // Moves sent at once may reach the loop as one; each position gets a step of its own.
    ASSERT_TRUE(DragTo(703, ptOutside,
                       {[&] { moveTo(ptOutside); },
                        [&]
                        {
                            frameRect(&rcFirst);
                            moveTo(ptOutside + CPoint(40, 30));
                        },
                        [&]
                        {
                            frameRect(&rcSecond);
                            MoveAndRelease(ptOutside + CPoint(40, 30));
                        }}));
    EXPECT_TRUE(rcFirst.PtInRect(ptOutside)) << "floating while the button is still down";
    EXPECT_EQ(rcFirst.TopLeft() + CPoint(40, 30), rcSecond.TopLeft());
    EXPECT_TRUE(Pane(703)->IsFloating());
    EXPECT_LE(1, m_frame.CountActions(ktActionFloated, 703));
}

TEST_F(DragContext, AGroupThatCannotFloatDocksAtTheNearestEdgeOfTheEditorArea)
{
    Pane(703)->SetOptions(ktPaneNoFloatable);
    CRect rcEditor;
    ::GetWindowRect(m_frame.EditorArea(), &rcEditor);
    CPoint ptTo(rcEditor.left + 30, rcEditor.CenterPoint().y);
    m_frame.ScreenToClient(&ptTo);
    CPoint ptFrom = kCaptionPoint;
    ::MapWindowPoints(Group(703)->GetSafeHwnd(), m_frame.GetSafeHwnd(), &ptFrom, 1);
    ASSERT_TRUE(
        DragAtOnce(m_frame.GetSafeHwnd(), ptFrom, ptTo, [&] { return m_frame.CountActions(ktActionDocked, 703) > 0; }));
    EXPECT_EQ(ktDockLeft, Manager().GetPaneDirection(Group(703)));
    EXPECT_EQ(0, m_frame.CountActions(ktActionFloated, 703));
}

TEST_F(DragContext, AFloatingFrameDraggedByItsCaptionMovesWhereDropped)
{
    CKTDockingPaneMiniWnd* pFloating = Manager().FloatPane(Pane(703), CRect(860, 300, 1100, 420));
    ASSERT_NE(nullptr, pFloating);
    PumpDocking();
    CRect rcBefore, rcClient;
    pFloating->CWnd::GetWindowRect(&rcBefore);
    pFloating->GetClientRect(&rcClient);
    pFloating->ClientToScreen(&rcClient);
    CPoint ptFrom(rcBefore.left + 30, (rcBefore.top + rcClient.top) / 2);
    pFloating->ScreenToClient(&ptFrom);
    ASSERT_TRUE(DragAtOnce(pFloating->GetSafeHwnd(), ptFrom, ptFrom + CPoint(100, 50),
                           [&] { return m_frame.CountActions(ktActionFloated, 703) > 0; }));
    CRect rcAfter;
    pFloating->CWnd::GetWindowRect(&rcAfter);
    EXPECT_EQ(rcBefore.TopLeft() + CPoint(100, 50), rcAfter.TopLeft());
    EXPECT_EQ(rcBefore.Size(), rcAfter.Size());
    EXPECT_EQ(pFloating, dynamic_cast<CKTDockingPaneMiniWnd*>(Pane(703)->GetDockingSite())) << "the same frame";
}

TEST_F(DragContext, AFloatingFrameDroppedOnACaptionJoinsThatGroup)
{
    CKTDockingPaneMiniWnd* pFloating = Manager().FloatPane(Pane(703), CRect(400, 300, 640, 420));
    ASSERT_NE(nullptr, pFloating);
    PumpDocking();
    CRect rcFrame, rcFrameClient;
    pFloating->CWnd::GetWindowRect(&rcFrame);
    pFloating->GetClientRect(&rcFrameClient);
    pFloating->ClientToScreen(&rcFrameClient);
    CPoint ptFrom(rcFrame.left + 30, (rcFrame.top + rcFrameClient.top) / 2);
    CPoint ptTo = kCaptionPoint;
    Group(701)->ClientToScreen(&ptTo);
    pFloating->ScreenToClient(&ptFrom);
    pFloating->ScreenToClient(&ptTo);
    ASSERT_TRUE(DragAtOnce(pFloating->GetSafeHwnd(), ptFrom, ptTo,
                           [&] { return m_frame.CountActions(ktActionAttached, 703) > 0; }));
    EXPECT_EQ(Group(701), Group(703));
    EXPECT_EQ(Pane(703), Group(701)->GetSelected());
    EXPECT_FALSE(Pane(703)->IsFloating());
    EXPECT_FALSE(pFloating->IsWindowVisible());
}

namespace
{
// 701 and 702 in one group on the left, its tabs laid out.
CKTDockingPaneTabbedContainer* GroupOfTwo(CKTDockingPaneManager& manager)
{
    manager.AttachPane(manager.FindPane(702), manager.FindPane(701)->GetTabbedContainer());
    PumpDocking();
    CKTDockingPaneTabbedContainer* pGroup = manager.FindPane(701)->GetTabbedContainer();
    pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return pGroup;
}

CPoint TabCentre(CKTDockingPaneTabbedContainer* pGroup, int nIndex)
{
    return pGroup->GetTabRow().GetItem(nIndex)->GetRect().CenterPoint();
}
}  // namespace

TEST_F(DragContext, ATabHeldAndMovedOverItsNeighbourSwapsThem)
{
    CKTDockingPaneTabbedContainer* pGroup = GroupOfTwo(Manager());
    ASSERT_EQ(2, pGroup->GetChildCount());
    ASSERT_EQ(Pane(701), pGroup->GetPaneAt(0));
    ASSERT_TRUE(DragAtOnce(pGroup->GetSafeHwnd(), TabCentre(pGroup, 0), TabCentre(pGroup, 1),
                           [&] { return pGroup->GetPaneAt(0) == Pane(702); }));
    EXPECT_EQ(Pane(701), pGroup->GetPaneAt(1));
    EXPECT_EQ(pGroup, Group(701)) << "reordered, not dragged out";
}

TEST_F(DragContext, ATabDraggedOffTheRowFloatsItsPaneAlone)
{
    CKTDockingPaneTabbedContainer* pGroup = GroupOfTwo(Manager());
    // The drag starts where the cursor leaves the row; the drop is a move of its own away from there.
    ASSERT_TRUE(DragFrom(pGroup, TabCentre(pGroup, 0), EditorCentre(),
                         {[&] { MoveAndRelease(EditorCentre() + CPoint(30, 30)); }}));
    EXPECT_TRUE(Pane(701)->IsFloating());
    EXPECT_FALSE(Pane(702)->IsFloating());
    EXPECT_EQ(pGroup, Group(702));
}
