// Real mouse input on a strip of five tabs: press and release, dragging to reorder, cancelling, the scroll
// buttons held down, and what the loops do when a tab, a button or the application goes away meanwhile.
#include <gtest/gtest.h>

#include <atomic>

#include "LoopInput.h"
#include "TabHostWindow.h"
#include "TestApp.h"

namespace
{
// A strip that selects on release and does not reorder: the click loop runs.
void UseClickLoop(CTabHostWindow& host)
{
    host.SetAllowReorder(FALSE);
    host.GetPaintManager()->m_bSelectOnButtonDown = FALSE;
}

// Runs the work inside the loop that holds the capture and tells the input thread when it is done.
void RunInLoop(CTabHostWindow& host, std::atomic<bool>& bDone, std::function<void()> work)
{
    HWND hWnd = host.GetSafeHwnd();
    RunFromTimer(
        [hWnd, &bDone, work]
        {
            if (::GetCapture() != hWnd)
                return FALSE;
            work();
            bDone = true;
            return TRUE;
        });
}
}  // namespace

TEST(TabMouse, PressAndReleaseOnATabSelectsIt)
{
    CTabHostWindow host;
    UseClickLoop(host);
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(host.CentreOf(2)).AwaitCapture().Release().Run());
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_EQ(std::vector<int>{2}, host.m_arrClicked);
    EXPECT_EQ(nullptr, host.GetPressedItem());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(TabMouse, ReleasingOutsideTheTabOrCancellingSelectsNothing)
{
    CTabHostWindow host;
    UseClickLoop(host);
    CLoopInput outside(host.GetSafeHwnd());
    ASSERT_TRUE(outside.Press(host.CentreOf(2)).AwaitCapture().Move(host.CentreOf(4)).Release().Run());
    CLoopInput escape(host.GetSafeHwnd());
    ASSERT_TRUE(escape.Press(host.CentreOf(2)).AwaitCapture().Key(VK_ESCAPE).Release().Run());
    CLoopInput right(host.GetSafeHwnd());
    ASSERT_TRUE(
        right.Press(host.CentreOf(3)).AwaitCapture().Press(host.CentreOf(3), true).Release(true).Release().Run());
    EXPECT_EQ(0, host.GetCurSel());
    EXPECT_TRUE(host.m_arrClicked.empty());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(TabMouse, DraggingATabOverOthersReordersAndSelectsIt)
{
    CTabHostWindow host;
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(
        input.Press(host.CentreOf(0)).AwaitCapture().Move(host.CentreOf(1)).Move(host.CentreOf(2)).Release().Run());
    EXPECT_EQ("23145", host.Order());
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_EQ(CString("Tab 1"), host.GetItem(2)->GetCaption());
}

TEST(TabMouse, MovingBackOverATabSwapsAgain)
{
    CTabHostWindow host;
    CPoint ptFirst = host.CentreOf(0), ptSecond = host.CentreOf(1);
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptFirst).AwaitCapture().Move(ptSecond).Move(ptFirst).Release().Run());
    EXPECT_EQ("12345", host.Order());
    EXPECT_EQ(0, host.GetCurSel());
}

TEST(TabMouse, EscapeOrARightClickEndsADragWhereItIs)
{
    CTabHostWindow host;
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(host.CentreOf(0)).AwaitCapture().Key(VK_ESCAPE).Move(host.CentreOf(3)).Release().Run());
    EXPECT_EQ("12345", host.Order());
    CLoopInput right(host.GetSafeHwnd());
    ASSERT_TRUE(right.Press(host.CentreOf(1))
                    .AwaitCapture()
                    .Press(host.CentreOf(1), true)
                    .Release(true)
                    .Move(host.CentreOf(4))
                    .Release()
                    .Run());
    EXPECT_EQ("12345", host.Order());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(TabMouse, HoldingScrollRightScrollsInStepsOfTwentyUntilTheTabsEnd)
{
    CTabHostWindow host(8, CSize(180, 60));
    host.UpdateWindow();
    CKTTabManagerNavigateButton* pRight = host.FindNavigateButton(ktNavigateButtonRight);
    ASSERT_FALSE(pRight->GetRect().IsRectEmpty());
    ASSERT_TRUE(pRight->IsEnabled());
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(pRight->GetRect().CenterPoint()).AwaitCapture().Hold(1500).Release().Run());
    ASSERT_GE(host.m_arrOffsets.size(), 3u);
    for (size_t i = 1; i + 1 < host.m_arrOffsets.size(); i++)
        EXPECT_EQ(-20 * static_cast<int>(i), host.m_arrOffsets[i]);
    EXPECT_FALSE(pRight->IsEnabled());  // the last tab has come into view
    EXPECT_TRUE(host.FindNavigateButton(ktNavigateButtonLeft)->IsEnabled());
    EXPECT_EQ(0, host.GetCurSel());  // scrolling does not select
}

TEST(TabMouse, APressedTabDeletedDuringTheClickIsNotClicked)
{
    CTabHostWindow host;
    UseClickLoop(host);
    std::atomic<bool> bDeleted{false};
    RunInLoop(host, bDeleted, [&host] { host.DeleteItem(2); });
    CLoopInput input(host.GetSafeHwnd());
    CPoint pt = host.CentreOf(2);
    ASSERT_TRUE(input.Press(pt).Await([&bDeleted] { return bDeleted.load(); }).Release().Run());
    EXPECT_TRUE(host.m_arrClicked.empty());
    EXPECT_EQ(nullptr, host.GetPressedItem());
    EXPECT_EQ("1245", host.Order());
}

TEST(TabMouse, ADraggedTabDeletedDuringTheDragIsNotClickedAndTheSelectionStaysInTheList)
{
    CTabHostWindow host;
    std::atomic<bool> bDeleted{false};
    RunInLoop(host, bDeleted, [&host] { host.DeleteItem(1); });
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(host.CentreOf(1))
                    .Await([&bDeleted] { return bDeleted.load(); })
                    .Move(host.CentreOf(3))
                    .Release()
                    .Run());
    EXPECT_TRUE(host.m_arrClicked.empty());
    EXPECT_EQ("1345", host.Order());
    EXPECT_GE(host.FindIndex(host.GetSelectedItem()), 0);
}

TEST(TabMouse, ARememberedSelectionGoneDuringADragIsNotRestored)
{
    CTabHostWindow host;
    std::atomic<bool> bDeleted{false};
    RunInLoop(host, bDeleted,
              [&host]
              {
                  host.DeleteItem(1);  // the dragged tab
                  host.DeleteItem(0);  // the tab selected before the drag
              });
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(host.CentreOf(1)).Await([&bDeleted] { return bDeleted.load(); }).Release().Run());
    EXPECT_EQ("345", host.Order());
    ASSERT_NE(nullptr, host.GetSelectedItem());
    EXPECT_GE(host.FindIndex(host.GetSelectedItem()), 0);
}

TEST(TabMouse, ATabsCloseButtonGoneDuringItsPressIsNotRun)
{
    CTabHostWindow host(0);
    host.SetPerTabCloseMode(ktNavigateButtonAlways);
    for (int i = 0; i < 3; i++)
        host.InsertItem(i)->SetCaption("Closable");
    host.UpdateWindow();
    CKTTabManagerNavigateButton* pClose = host.GetItem(1)->GetNavigateButtons().front().get();
    ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
    std::atomic<bool> bDeleted{false};
    RunInLoop(host, bDeleted, [&host] { host.DeleteItem(1); });
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(
        input.Press(pClose->GetRect().CenterPoint()).Await([&bDeleted] { return bDeleted.load(); }).Release().Run());
    EXPECT_TRUE(host.m_arrButtonClicks.empty());
    EXPECT_EQ(2, host.GetItemCount());
}

TEST(TabMouse, AQuitDuringALoopEndsItAndIsHandedOn)
{
    CTabHostWindow host;
    UseClickLoop(host);
    std::atomic<bool> bQuit{false};
    RunInLoop(host, bQuit, [] { ::PostQuitMessage(7); });
    CLoopInput input(host.GetSafeHwnd());
    ASSERT_TRUE(input.Press(host.CentreOf(3)).Await([&bQuit] { return bQuit.load(); }).Release().Run());
    EXPECT_EQ(7, host.m_nQuitCode);
    EXPECT_TRUE(host.m_arrClicked.empty());
    EXPECT_EQ(nullptr, ::GetCapture());
}
