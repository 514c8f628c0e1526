// Context help with real input: Shift+F1, then a click names the topic of what is under it; Esc or
// WM_EXITHELPMODE ends the mode with no help.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afxpriv.h"
#include "LoopInput.h"
#include "LoopTranslation.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <vector>

namespace
{

const DWORD kSpotTopic = 0x10000 + 77;

// A child with a help topic of its own, that records what reached it.
class CHelpSpot : public CWnd
{
public:
    DWORD m_dwTopic = kSpotTopic;
    BOOL m_bHelpModeSeen = FALSE;  // the frame was in help mode when its topic was asked for
    HCURSOR m_hCursorSeen = nullptr;
    int m_nClicks = 0;

protected:
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM)
    {
        m_bHelpModeSeen = GetParentFrame()->m_bHelpMode;
        m_hCursorSeen = ::GetCursor();
        return m_dwTopic;
    }
    afx_msg void OnLButtonDown(UINT, CPoint) { m_nClicks++; }
    afx_msg void OnLButtonUp(UINT, CPoint) { m_nClicks++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpSpot, CWnd)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// A frame that offers context help on Shift+F1 and records the help it runs.
class CHelpFrame : public CFrameWnd
{
public:
    CHelpSpot m_spot;
    std::vector<DWORD_PTR> m_topics;  // WinHelp's topics in order
    int m_nDefaultHelp = 0;

    static CHelpFrame* Make()
    {
        CHelpFrame* pFrame = new CHelpFrame;
        if (!pFrame->Create(nullptr, "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 420, 300)))
            return nullptr;
        pFrame->m_spot.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), pFrame, 1);
        ACCEL accel = {FVIRTKEY | FSHIFT, VK_F1, ID_CONTEXT_HELP};
        pFrame->m_hAccelTable = ::CreateAcceleratorTable(&accel, 1);
        pFrame->UpdateWindow();
        return pFrame;
    }
    ~CHelpFrame() override { ::DestroyAcceleratorTable(m_hAccelTable); }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        EXPECT_EQ((UINT)HELP_CONTEXT, nCmd);
        m_topics.push_back(dwData);
    }

protected:
    afx_msg void OnDefaultHelp() { m_nDefaultHelp++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpFrame, CFrameWnd)
ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
ON_COMMAND(ID_DEFAULT_HELP, OnDefaultHelp)
END_MESSAGE_MAP()

class HelpModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = CHelpFrame::Make();
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    // Shift+F1 with the pointer over the spot, then waits for the mode's capture.
    void EnterHelpMode(CLoopInput& input)
    {
        input.Move({20, 20})
            .HoldKeys(CTestInput::kShift)
            .Key(VK_F1)
            .ReleaseKeys()
            .AwaitCapture(m_pFrame->GetSafeHwnd());
    }
    HWND Spot() { return m_pFrame->m_spot.GetSafeHwnd(); }

    CLoopTranslation m_translation;  // the frame's accelerators, as in the application's loop
    CHelpFrame* m_pFrame = nullptr;
};

}  // namespace

TEST_F(HelpModeTest, AClickAfterShiftF1ShowsTheTopicOfTheWindowUnderIt)
{
    CTestInput focus(m_pFrame->GetSafeHwnd());
    CLoopInput input(Spot());
    EnterHelpMode(input);
    input.Press({30, 30}).Release().AwaitNoCapture();
    ASSERT_TRUE(input.Run());

    ASSERT_EQ(1u, m_pFrame->m_topics.size());
    EXPECT_EQ(kSpotTopic, m_pFrame->m_topics[0]);
    EXPECT_TRUE(m_pFrame->m_spot.m_bHelpModeSeen) << "in help mode while the topic is asked for";
    EXPECT_EQ(::LoadCursor(nullptr, IDC_HELP), m_pFrame->m_spot.m_hCursorSeen);
    EXPECT_EQ(0, m_pFrame->m_spot.m_nClicks) << "the click and its release only name the topic";
    EXPECT_FALSE(m_pFrame->m_bHelpMode);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(HelpModeTest, WithoutATopicTheDefaultHelpRunsAndTheNonClientAreaHasTopicsOfItsOwn)
{
    CTestInput focus(m_pFrame->GetSafeHwnd());
    m_pFrame->m_spot.m_dwTopic = 0;
    CLoopInput input(Spot());
    EnterHelpMode(input);
    input.Press({30, 30}).Release().AwaitNoCapture();
    ASSERT_TRUE(input.Run());
    EXPECT_TRUE(m_pFrame->m_topics.empty());
    EXPECT_EQ(1, m_pFrame->m_nDefaultHelp) << "neither the spot nor the frame has a topic";

    CRect rcWindow;
    m_pFrame->GetWindowRect(&rcWindow);
    CPoint ptCaption(rcWindow.CenterPoint().x, rcWindow.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    ::ScreenToClient(Spot(), &ptCaption);
    CLoopInput caption(Spot());
    EnterHelpMode(caption);
    caption.Move(ptCaption).Press(ptCaption).Release().AwaitNoCapture();
    ASSERT_TRUE(caption.Run());
    ASSERT_EQ(1u, m_pFrame->m_topics.size());
    EXPECT_EQ(0x40000u + HTCAPTION, m_pFrame->m_topics[0]);
}

TEST_F(HelpModeTest, EscapeOrTheExitMessageEndsTheModeWithoutHelp)
{
    CTestInput focus(m_pFrame->GetSafeHwnd());
    CLoopInput escape(Spot());
    EnterHelpMode(escape);
    escape.Key(VK_ESCAPE).AwaitNoCapture();
    ASSERT_TRUE(escape.Run());
    EXPECT_FALSE(m_pFrame->m_bHelpMode);

    CLoopInput exit(Spot());
    EnterHelpMode(exit);
    exit.Post(m_pFrame->GetSafeHwnd(), WM_EXITHELPMODE).AwaitNoCapture();
    ASSERT_TRUE(exit.Run());
    EXPECT_FALSE(m_pFrame->m_bHelpMode);

    EXPECT_TRUE(m_pFrame->m_topics.empty());
    EXPECT_EQ(0, m_pFrame->m_nDefaultHelp);
    EXPECT_EQ(0, m_pFrame->m_spot.m_nClicks);
}
