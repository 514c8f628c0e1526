// The tip pop-up under real input: shown over its rectangle without taking the focus, clicks and moves going through
// to the window below, the window it describes told when the pointer leaves it, and the time-out.
#include <gtest/gtest.h>

#include <algorithm>

#include "KTDrawObjects.h"
#include "InputBuilder.h"
#include "KTTipWnd.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "TestInput.h"
#include "TestWindows.h"

namespace
{
class CTipWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tip.Create(&m_parent, "KTTipWndTest", TRUE));
        m_input = std::make_unique<CTestInput>(m_parent.GetSafeHwnd());
        ASSERT_TRUE(m_input->Click({5, 5}));  // the parent in front, with the focus
    }
    // The tip over the client rectangle rcClient of the parent.
    void ShowOver(CRect rcClient)
    {
        m_parent.ClientToScreen(&rcClient);
        m_tip.SetText("a tip");
        m_tip.ShowAt(rcClient);
        ASSERT_TRUE(m_tip.IsShown());
        EXPECT_EQ(rcClient, CKTWindowRect(&m_tip));
    }

    CTestParent m_parent;
    CKTTipWnd m_tip;
    std::unique_ptr<CTestInput> m_input;
};

TEST_F(CTipWndTest, ShowsWithoutTakingTheFocusAndPassesClicksAndMovesToTheWindowBelow)
{
    const CRect rcTip(40, 40, 160, 70);
    ShowOver(rcTip);
    EXPECT_EQ(::GetForegroundWindow(), m_parent.GetSafeHwnd());
    EXPECT_EQ(::GetFocus(), m_parent.GetSafeHwnd());
    EXPECT_EQ(::GetWindow(m_tip.GetSafeHwnd(), GW_OWNER), m_parent.GetSafeHwnd());

    CMessageRecorder recorder({m_parent.GetSafeHwnd(), m_tip.GetSafeHwnd()}, {WM_MOUSEMOVE, WM_LBUTTONDOWN});
    ASSERT_TRUE(m_input->Click(rcTip.CenterPoint()));
    auto seen = [&](HWND hWnd, UINT message)
    {
        const auto& messages = recorder.Messages();
        return std::count_if(messages.begin(), messages.end(),
                             [&](const CRecordedMessage& m) { return m.hWnd == hWnd && m.message == message; });
    };
    EXPECT_GE(seen(m_parent.GetSafeHwnd(), WM_LBUTTONDOWN), 1);
    EXPECT_EQ(seen(m_tip.GetSafeHwnd(), WM_LBUTTONDOWN) + seen(m_tip.GetSafeHwnd(), WM_MOUSEMOVE), 0);
    EXPECT_EQ(::GetForegroundWindow(), m_parent.GetSafeHwnd());
}

TEST_F(CTipWndTest, ThePointerLeavingTheDescribedWindowIsReportedToIt)
{
    ASSERT_TRUE(m_input->Click({100, 100}));
    ShowOver(CRect(90, 90, 200, 120));
    CMessageRecorder recorder({m_parent.GetSafeHwnd()}, {WM_MOUSELEAVE});
    CRect rcParent = CKTWindowRect(&m_parent);
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, CPoint(rcParent.right + 30, rcParent.bottom + 30));
    ASSERT_EQ(::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    EXPECT_TRUE(PumpUntil([&] { return !recorder.Messages().empty(); }));
}

TEST_F(CTipWndTest, TheTimeOutHidesItAndAShowStartsItAgain)
{
    m_tip.SetShowTime(300);
    ShowOver(CRect(10, 10, 60, 30));
    EXPECT_TRUE(PumpUntil([&] { return !m_tip.IsShown(); }));
    ShowOver(CRect(10, 10, 60, 30));
    m_tip.Hide();
    EXPECT_FALSE(m_tip.IsShown());
    PumpMessages();
    EXPECT_FALSE(m_tip.IsShown()) << "a hidden tip's time-out is gone";
}
}  // namespace
