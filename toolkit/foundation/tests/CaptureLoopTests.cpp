// CaptureLoopTests.cpp: the one modal mouse loop and the splitter tracker on it, driven by real input.
#include <gtest/gtest.h>

#include <functional>

#include "KTCaptureLoop.h"
#include "KTSplitterTracker.h"
#include "LoopInput.h"
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

class CaptureLoopCancel : public ::testing::TestWithParam<ELoopCancel>
{
};

std::string CancelName(const ::testing::TestParamInfo<ELoopCancel>& info) { return LoopCancelName(info.param); }
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
    ASSERT_TRUE(input.Press({40, 40}).AwaitCapture().Quit(7).Await([] { return !::GetCapture(); }).Release().Run());
    EXPECT_EQ(1, wnd.m_nLoops);
    EXPECT_FALSE(wnd.m_bReleased);
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(7u, nCode);
}

// A press on the window drags a horizontal bar through its client area.
TEST_P(CaptureLoopCancel, TheSplitterTrackerKeepsTheBarWhereItWas)
{
    CPressWindow wnd;
    CRect rcClient;
    wnd.GetClientRect(rcClient);
    wnd.ClientToScreen(rcClient);
    const CRect rcBar(rcClient.left, rcClient.top + 40, rcClient.right, rcClient.top + 44);
    CRect rcResult = rcBar;
    int nAccepted = -1;
    wnd.m_onPress = [&](CPoint pt)
    {
        wnd.ClientToScreen(&pt);
        CKTSplitterTracker tracker;
        nAccepted = tracker.Track(&wnd, rcClient, rcResult, pt, TRUE);
    };
    CLoopInput input(wnd.GetSafeHwnd());
    ASSERT_TRUE(input.Press({40, 42}).AwaitCapture().Move({40, 120}).CancelAndRelease(GetParam()).Run());
    EXPECT_EQ(FALSE, nAccepted);
    EXPECT_EQ(rcBar, rcResult);
}

INSTANTIATE_TEST_SUITE_P(Cancels, CaptureLoopCancel,
                         ::testing::Values(ELoopCancel::Escape, ELoopCancel::RightClick, ELoopCancel::CaptureTaken),
                         CancelName);
