// CaptureLoopTests.cpp: the one modal mouse loop and the splitter tracker on it, driven by real input.
#include <gtest/gtest.h>

#include <functional>

#include "KTCaptureLoop.h"
#include "KTPressRepeat.h"
#include "KTSplitterTracker.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TestWindows.h"

namespace
{
// A press runs what the test asks for.
class CPressWindow : public CTestParent
{
public:
    std::function<void(CPoint)> m_onPress;

protected:
    afx_msg void OnLButtonDown(UINT /*nFlags*/, CPoint point) { m_onPress(point); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPressWindow, CTestParent)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A press runs the loop; the window counts the moves it was handed and notes how the loop ended.
class CLoopWindow : public CPressWindow
{
public:
    CLoopWindow()
    {
        m_onPress = [this](CPoint) { RunLoop(); };
    }

    int m_nMoves = 0;
    int m_nLoops = 0;
    BOOL m_bReleased = FALSE;
    CPoint m_ptRelease = CPoint(-1, -1);

private:
    void RunLoop()
    {
        CKTCaptureLoop loop(m_hWnd);
        MSG msg;
        while (loop.Next(msg))
            if (msg.message == WM_MOUSEMOVE)
                m_nMoves++;
            else
                CKTCaptureLoop::Dispatch(msg);
        m_nLoops++;
        m_bReleased = loop.IsReleased();
        if (m_bReleased)
            m_ptRelease = CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
    }
};

// A press drags a horizontal bar (client rows 40 to 44) through the client area.
class CSplitterWindow : public CPressWindow
{
public:
    CSplitterWindow()
    {
        GetClientRect(m_rcClient);
        ClientToScreen(m_rcClient);
        m_rcBar = m_rcResult = CRect(m_rcClient.left, m_rcClient.top + 40, m_rcClient.right, m_rcClient.top + 44);
        m_onPress = [this](CPoint pt)
        {
            ClientToScreen(&pt);
            CKTSplitterTracker tracker;
            m_nAccepted = tracker.Track(this, m_rcClient, m_rcResult, pt, TRUE);
        };
    }

    CRect m_rcClient;
    CRect m_rcBar;
    CRect m_rcResult;
    int m_nAccepted = -1;
};

class CaptureLoopCancel : public ::testing::TestWithParam<ELoopCancel>
{
};
}  // namespace

TEST(CaptureLoop, TheReleaseEndsItWithItsPointAndFreesTheMouse)
{
    CLoopWindow wnd;
    CLoopInput input(wnd.GetSafeHwnd());
    ASSERT_TRUE(input.Press({40, 40}).AwaitCapture().Move({60, 50}).Move({80, 60}).Release().Run());
    EXPECT_EQ(1, wnd.m_nLoops);
    EXPECT_TRUE(wnd.m_bReleased);
    EXPECT_EQ(CPoint(80, 60), wnd.m_ptRelease);
    EXPECT_GE(wnd.m_nMoves, 2);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_P(CaptureLoopCancel, EndsTheLoopUnreleasedAndFreesTheMouse)
{
    CLoopWindow wnd;
    CLoopInput input(wnd.GetSafeHwnd());
    ASSERT_TRUE(input.Press({40, 40}).AwaitCapture().Move({60, 50}).CancelAndRelease(GetParam()).Run());
    EXPECT_EQ(1, wnd.m_nLoops) << "the release after the cancel starts nothing";
    EXPECT_FALSE(wnd.m_bReleased);
    EXPECT_NE(wnd.GetSafeHwnd(), ::GetCapture());
}

TEST(CaptureLoop, AQuitEndsItAndReachesTheOuterLoop)
{
    CLoopWindow wnd;
    CLoopInput input(wnd.GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(input.Press({40, 40}).AwaitCapture().Quit(7).AwaitNoCapture().Release().Run());
    EXPECT_EQ(1, wnd.m_nLoops);
    EXPECT_FALSE(wnd.m_bReleased);
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(7u, nCode);
}

// A loop that paints before each message must not drop the quit that the system hands out with them.
TEST(CaptureLoop, DispatchingOnlyThePaintKeepsAQuitForTheOuterLoop)
{
    CTestParent wnd;
    QuitPumped();
    wnd.Invalidate();
    ::PostQuitMessage(5);
    EXPECT_TRUE(CKTCaptureLoop::DispatchPendingPaint());
    PumpMessages();
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode)) << "posted again at once";
    EXPECT_EQ(5u, nCode);

    wnd.Invalidate();
    ::PostQuitMessage(6);
    int nKept = 0;
    EXPECT_TRUE(CKTCaptureLoop::DispatchPendingPaint(&nKept));
    EXPECT_EQ(6, nKept);
    EXPECT_FALSE(CKTCaptureLoop::DispatchPendingPaint()) << "kept for the caller, the paint goes on";
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
    PumpMessages();
    EXPECT_FALSE(QuitPumped());
}

TEST_P(CaptureLoopCancel, TheSplitterTrackerKeepsTheBarWhereItWas)
{
    CSplitterWindow wnd;
    CLoopInput input(wnd.GetSafeHwnd());
    ASSERT_TRUE(input.Press({40, 42}).AwaitCapture().Move({40, 120}).CancelAndRelease(GetParam()).Run());
    EXPECT_EQ(FALSE, wnd.m_nAccepted);
    EXPECT_EQ(wnd.m_rcBar, wnd.m_rcResult);
}

TEST(CaptureLoop, AQuitEndsASplitterDragWithTheBarWhereItWas)
{
    CSplitterWindow wnd;
    CLoopInput input(wnd.GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(input.Press({40, 42}).AwaitCapture().Move({40, 120}).Quit(8).AwaitNoCapture().Release().Run());
    EXPECT_EQ(FALSE, wnd.m_nAccepted);
    EXPECT_EQ(wnd.m_rcBar, wnd.m_rcResult);
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(8u, nCode);
}

INSTANTIATE_TEST_SUITE_P(Cancels, CaptureLoopCancel, AllLoopCancels(), LoopCancelCaseName);

TEST(PressRepeat, StepsOnThePressAndOnEachOfItsTicksWhileInside)
{
    CTestParent wnd;
    int nSteps = 0;
    BOOL bInside = TRUE;
    CKTPressRepeat repeat(
        wnd.GetSafeHwnd(), 77, 5000, 5000, [&] { nSteps++; }, [&] { return bInside; });
    repeat.Press();
    EXPECT_EQ(1, nSteps);
    const MSG tick = {wnd.GetSafeHwnd(), WM_TIMER, 77, 0};
    EXPECT_TRUE(repeat.OnMessage(tick));
    EXPECT_EQ(2, nSteps);
    bInside = FALSE;
    EXPECT_TRUE(repeat.OnMessage(tick));
    EXPECT_EQ(2, nSteps);
    const MSG other = {wnd.GetSafeHwnd(), WM_TIMER, 78, 0};
    EXPECT_FALSE(repeat.OnMessage(other));
    bInside = TRUE;
    repeat.Resume();
    EXPECT_EQ(3, nSteps);
    repeat.Stop();
    EXPECT_FALSE(repeat.OnMessage(tick));
    EXPECT_EQ(3, nSteps);
}

TEST(PressRepeat, ItsTimerKeepsSteppingUntilItEnds)
{
    CTestParent wnd;
    int nSteps = 0;
    {
        CKTPressRepeat repeat(wnd.GetSafeHwnd(), 77, 1, 1, [&] { nSteps++; });
        repeat.Press();
        // A far timer of the test's own ends the wait should the repeat never tick.
        wnd.SetTimer(99, 10000, NULL);
        MSG msg;
        while (nSteps < 4 && ::GetMessage(&msg, NULL, 0, 0) > 0 && !(msg.message == WM_TIMER && msg.wParam == 99))
            if (!repeat.OnMessage(msg))
                ::DispatchMessage(&msg);
        wnd.KillTimer(99);
    }
    EXPECT_EQ(4, nSteps);
    // Gone with the object: no tick of it is left for the window.
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, wnd.GetSafeHwnd(), WM_TIMER, WM_TIMER, PM_REMOVE) && msg.wParam == 77);
}
