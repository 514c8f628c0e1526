// The control's tooltip with the real pointer and keys: shown without taking the focus, wrapped to the work area,
// transparent to clicks, and hidden by a key, a move away, leaving the window or its timer.
#include <gtest/gtest.h>

#include "EditTestWindow.h"
#include "KTSyntaxEditTipWnd.h"
#include "InputBuilder.h"
#include "KTDrawObjects.h"
#include "KTSystemInfo.h"
#include "TestInput.h"

namespace
{
class CToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<CEditTestWindow>(FALSE);
        Ctrl().SetSyntaxColor(FALSE);
        Ctrl().SetWindowText("first row\r\nsecond row\r\nthird row");
        m_input = std::make_unique<CTestInput>(Ctrl().GetSafeHwnd());
    }
    // Puts the pointer on a client point of the control and waits until the control has seen it there.
    bool PointAt(CPoint ptClient)
    {
        CPoint ptScreen = ptClient;
        Ctrl().ClientToScreen(&ptScreen);
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, ptScreen);
        if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
            return false;
        return PumpUntil(
            [ptScreen]
            {
                POINT pt;
                return ::GetCursorPos(&pt) && pt.x == ptScreen.x && pt.y == ptScreen.y;
            });
    }
    bool TipShown() { return Tip().IsWindowVisible() != FALSE; }
    // The pointer rests at (100, 20); the tip may stay while it is inside rcHot.
    void ShowOver(const CRect& rcHot, LPCSTR pszText = "int a;\n\tint b;")
    {
        ASSERT_TRUE(PointAt(CPoint(100, 20)));
        Ctrl().ShowTip(pszText, CPoint(108, 22), rcHot);
        ASSERT_TRUE(TipShown());
    }
    CKTSyntaxEditCtrl& Ctrl() { return m_window->Ctrl(); }
    CKTSyntaxEditTipWnd& Tip() { return Ctrl().GetTipWnd(); }

    std::unique_ptr<CEditTestWindow> m_window;
    std::unique_ptr<CTestInput> m_input;
};

TEST_F(CToolTipTest, ShowsTheTextAtThePointWithoutTakingTheFocus)
{
    ShowOver(CRect(90, 10, 110, 30));
    EXPECT_STREQ(Tip().GetText(), "int a;\n\tint b;");
    CRect rcTip;
    Tip().GetWindowRect(&rcTip);
    CPoint ptExpected(108, 22);
    Ctrl().ClientToScreen(&ptExpected);
    EXPECT_EQ(rcTip.TopLeft(), ptExpected);
    // On the screen: the tip's colour over most of it, with text in it.
    EXPECT_TRUE(PumpUntil(
        [&rcTip]
        {
            CPixelImage image = CPixelImage::FromScreen(rcTip);
            CRect rc(0, 0, rcTip.Width(), rcTip.Height());
            int nBack = CountNear(image, rc, ::GetSysColor(COLOR_INFOBK));
            return nBack > rc.Width() * rc.Height() / 2 && nBack < rc.Width() * rc.Height() - 20;
        }));
    EXPECT_EQ(::GetFocus(), Ctrl().GetSafeHwnd());
    EXPECT_EQ(::GetForegroundWindow(), m_window->Parent().GetSafeHwnd());

    // A second text on a tip that is up takes it down; the next call shows the text in its own size.
    Ctrl().ShowTip("x", CPoint(108, 22), CRect(90, 10, 110, 30));
    EXPECT_FALSE(TipShown());
    Ctrl().ShowTip("x", CPoint(108, 22), CRect(90, 10, 110, 30));
    EXPECT_TRUE(TipShown());
    EXPECT_STREQ(Tip().GetText(), "x");
    EXPECT_LT(CKTWindowRect(&Tip()).Height(), rcTip.Height());

    ASSERT_TRUE(m_input->Key(VK_RIGHT));
    EXPECT_FALSE(TipShown());
}

TEST_F(CToolTipTest, AMoveOutOfTheHotAreaOrOutOfTheWindowHidesIt)
{
    ShowOver(CRect(90, 10, 110, 30));
    ASSERT_TRUE(PointAt(CPoint(105, 25)));
    PumpMessages();
    EXPECT_TRUE(TipShown());
    ASSERT_TRUE(PointAt(CPoint(300, 200)));
    EXPECT_TRUE(PumpUntil([this] { return !TipShown(); }));

    CRect rcClient;
    Ctrl().GetClientRect(&rcClient);
    ShowOver(rcClient);
    CRect rcParent;
    m_window->Parent().GetWindowRect(&rcParent);
    CPoint ptOutside(rcParent.right + 20, rcParent.bottom + 20);
    Ctrl().ScreenToClient(&ptOutside);
    ASSERT_TRUE(PointAt(ptOutside));
    EXPECT_TRUE(PumpUntil([this] { return !TipShown(); }));
}

TEST_F(CToolTipTest, AClickOnTheTipReachesTheTextBelowIt)
{
    CRect rcClient;
    Ctrl().GetClientRect(&rcClient);
    Ctrl().SetCurrentPosition(1, 1, FALSE, TRUE);
    ShowOver(rcClient, "a tip over the second row");
    CRect rcTip;
    Tip().GetWindowRect(&rcTip);
    Ctrl().ScreenToClient(&rcTip);
    CPoint ptClick(rcTip.left + 4, Ctrl().GetRowHeight() + Ctrl().GetRowHeight() / 2);
    ASSERT_TRUE(rcTip.PtInRect(ptClick));
    ASSERT_TRUE(m_input->Click(ptClick));
    EXPECT_EQ(Ctrl().GetCurrentRow(), 2);
}

TEST_F(CToolTipTest, ALongTextNearTheRightEdgeWrapsInsideTheWorkArea)
{
    ASSERT_TRUE(PointAt(CPoint(100, 20)));
    RECT rcWork = KTMultiMonitor()->GetWorkAreaAtCursor();
    CPoint ptTip(rcWork.right - 150, 40);
    Ctrl().ScreenToClient(&ptTip);
    CString strLong;
    for (int i = 0; i < 12; ++i)
        strLong += "word ";
    Ctrl().ShowTip(strLong, CPoint(ptTip.x, 40), CRect(0, 0, 2000, 2000));
    ASSERT_TRUE(TipShown());
    CRect rcTip;
    Tip().GetWindowRect(&rcTip);
    EXPECT_LE(rcTip.right, rcWork.right - 10 + 8);
    EXPECT_GT(rcTip.Height(), 2 * 8 + Ctrl().GetRowHeight() / 2);  // more than one line
}

TEST_F(CToolTipTest, TheSameTextAgainKeepsItUpUntilItsTimeIsUp)
{
    ShowOver(CRect(0, 0, 2000, 2000), "same");
    Ctrl().ShowTip("same", CPoint(108, 22), CRect(0, 0, 2000, 2000));
    EXPECT_TRUE(TipShown());
    EXPECT_TRUE(PumpUntil([this] { return !TipShown(); }, 4 * Tip().GetShowTime()));
}
}  // namespace
