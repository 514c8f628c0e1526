// AnimationTests.cpp: a control going back to its normal look cross-fades in six steps on the bar's animation
// timer.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBarAnimator.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
class AnimationTest : public CFrameFixture
{
protected:
    AnimationTest() : CFrameFixture(4) {}  // hot controls are filled, not only framed

    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pBar = m_pCommandBars->Add("Fading", ktBarTop);
        m_pButton = m_pBar->GetControls()->Add(ktControlButton, ID_TEST_ENABLED);
        m_pButton->SetCaption("Fade");
        m_pButton->SetStyle(ktButtonCaption);
        m_pFrame->RecalcLayout();
        m_pBar->EnableAnimation(TRUE);
        m_pBar->UpdateWindow();
        PumpMessages();
    }

    // The red channel of the screen inside the button, away from its frame and caption.
    int Red() const
    {
        CClientDC dc(m_pBar);
        return GetRValue(dc.GetPixel(m_pButton->GetRect().left + 3, m_pButton->GetRect().top + 3));
    }
    const CKTCommandBarAnimator* Animator() const { return m_pBar->GetAnimator(); }

    CKTToolBar* m_pBar = NULL;
    CKTControl* m_pButton = NULL;
};
}  // namespace

TEST_F(AnimationTest, ALeftControlFadesBackInSixStepsAndTheTimerStopsWithTheLastFade)
{
    ASSERT_TRUE(m_pBar->HasPaintCache());
    m_pButton->OnSetSelected(1);  // hot at once
    EXPECT_EQ(0, Animator()->GetFadeCount());
    const int nOld = Red();
    m_pButton->OnSetSelected(0);  // normal again, faded; no message pumped meanwhile
    ASSERT_EQ(1, Animator()->GetFadeCount());
    ASSERT_TRUE(Animator()->IsTimerRunning());
    std::vector<int> frames = {Red()};
    while (Animator()->GetFadeCount() > 0 && frames.size() < 10)
    {
        m_pBar->SendMessage(WM_TIMER, KT_TIMER_ANIMATION);
        frames.push_back(Red());
    }
    ASSERT_EQ(6u, frames.size()) << "the first step at once, five on the timer";
    const int nNew = frames.back();
    ASSERT_NE(nOld, nNew) << "hot looks different from normal";
    for (size_t i = 1; i < frames.size(); i++)
        EXPECT_LE(std::abs(frames[i] - nNew), std::abs(frames[i - 1] - nNew)) << "each step nearer the new look";
    EXPECT_LT(std::abs(frames[0] - nNew), std::abs(nOld - nNew)) << "the first step is already on its way";
    EXPECT_GT(std::abs(frames[0] - nNew), 0) << "and not there yet";
    EXPECT_FALSE(Animator()->IsTimerRunning()) << "no fade, no timer";
}

TEST_F(AnimationTest, LeavingAHotControlWithRealInputRunsTheFadeOnTheTimerAndANewFadeOfThePartReplacesTheOld)
{
    CTestInput input(m_pBar->GetSafeHwnd());
    CPoint pt = m_pButton->GetRect().CenterPoint();
    ASSERT_TRUE(input.Click(pt + CSize(0, 200)));  // elsewhere first, so that the move below makes it hot
    m_pBar->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([this] { return m_pButton->GetSelected() != 0; }, kColdWineDeadlineMs));
    CMessageRecorder recorder({m_pBar->GetSafeHwnd()}, {WM_TIMER});
    ::SetCursorPos(pt.x, pt.y + 200);
    ASSERT_TRUE(PumpUntil([this] { return m_pButton->GetSelected() == 0; }, kColdWineDeadlineMs));
    ASSERT_TRUE(PumpUntil([this] { return !Animator()->IsTimerRunning(); }, kColdWineDeadlineMs));
    size_t nTicks = 0;
    for (const auto& msg : recorder.Messages())
        nTicks += msg.wParam == KT_TIMER_ANIMATION;
    EXPECT_GE(nTicks, 5u) << "the steps ran on the animation timer";

    CRect rcButton = m_pButton->GetRect();
    m_pBar->Redraw(rcButton, TRUE);
    m_pBar->Redraw(rcButton, TRUE);
    EXPECT_EQ(1, Animator()->GetFadeCount()) << "the second fade of the part replaces the first";
    m_pBar->EnableAnimation(FALSE);
    m_pBar->UpdateWindow();
    EXPECT_FALSE(Animator()->IsTimerRunning()) << "a plain paint ends the fades";
}
