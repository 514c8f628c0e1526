// ToolBarTrackerTests.cpp: "Standard" dragged off its dock bar by the gripper floats; a double click docks it back.
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <gtest/gtest.h>

namespace
{
class ToolBarTrackerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = CTestFrame::Create(0, TRUE);
        ASSERT_TRUE(m_pFrame != NULL);
        m_pStandard = m_pFrame->m_pStandard;
        PumpMessages();
    }
    void TearDown() override
    {
        if (m_pFrame && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpMessages();
    }

    // The drag loop runs its own message loop from the press on: press, moves and release go in one batch.
    bool DragAtOnce(CPoint ptFrom, CPoint ptTo)
    {
        CTestInput foreground(m_pStandard->GetSafeHwnd());
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, ptFrom);
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= 4; i++)
            InputBuilder::AddMove(inputs, ptFrom + CSize((ptTo - ptFrom).cx * i / 4, (ptTo - ptFrom).cy * i / 4));
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
        if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
            return false;
        const bool bReleased =
            PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && ::GetCapture() == NULL; }, 2000);
        PumpMessages();
        return bReleased;
    }
    CPoint GripperPoint() const
    {
        CRect rc = CKTWindowRect(m_pStandard);
        return CPoint(rc.left + 4, rc.CenterPoint().y);
    }

    CTestFrame* m_pFrame = NULL;
    CKTToolBar* m_pStandard = NULL;
};
}  // namespace

TEST_F(ToolBarTrackerTest, DraggingTheGripperFloatsTheBarAndADoubleClickDocksItBack)
{
    CKTCommandBars* pCommandBars = m_pFrame->GetCommandBars();
    CKTDockBar* pTop = pCommandBars->GetDockBar(ktBarTop);
    const CRect rcDocked = CKTWindowRect(m_pStandard);
    const int nTopHeight = CKTWindowRect(pTop).Height();

    const CPoint ptFrom = GripperPoint(), ptTo = ptFrom + CSize(120, 180);
    ASSERT_TRUE(DragAtOnce(ptFrom, ptTo));
    ASSERT_EQ(ktBarFloating, m_pStandard->GetPosition());
    const HWND hBar = m_pStandard->GetSafeHwnd();
    EXPECT_TRUE(::GetWindowLong(hBar, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetWindow(hBar, GW_OWNER)) << "the frame owns the floating bar";
    EXPECT_EQ(NULL, m_pStandard->GetDockBar());
    const CRect rcFloating = CKTWindowRect(m_pStandard);
    EXPECT_TRUE(rcFloating.PtInRect(ptTo)) << "the bar came with the cursor";
    EXPECT_GT(rcFloating.Height(), rcDocked.Height()) << "a caption strip above the buttons";
    EXPECT_LT(CKTWindowRect(pTop).Height(), nTopHeight) << "the top dock bar gave up the row";
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetForegroundWindow()) << "the frame stays active";

    CTestInput input(hBar);
    ASSERT_TRUE(input.DoubleClick(CPoint(10, 6))) << "on the caption";
    ASSERT_TRUE(PumpUntil([this] { return m_pStandard->GetPosition() == ktBarTop; }, 2000));
    EXPECT_EQ(pTop, m_pStandard->GetDockBar());
    EXPECT_EQ(pTop->GetSafeHwnd(), ::GetParent(hBar));
    EXPECT_TRUE(::GetWindowLong(hBar, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(rcDocked, CKTWindowRect(m_pStandard)) << "back where it was, below the menu bar";
    EXPECT_EQ(nTopHeight, CKTWindowRect(pTop).Height());
}

TEST_F(ToolBarTrackerTest, ABarThatMayNotFloatStaysDockedWhenDraggedAway)
{
    m_pStandard->SetFlags(0, ktBarFlagFloat);
    const CPoint ptFrom = GripperPoint();
    ASSERT_TRUE(DragAtOnce(ptFrom, ptFrom + CSize(120, 180)));
    EXPECT_EQ(ktBarTop, m_pStandard->GetPosition());
    EXPECT_EQ(m_pFrame->GetCommandBars()->GetDockBar(ktBarTop), m_pStandard->GetDockBar());
}

TEST_F(ToolBarTrackerTest, TheCloseButtonOfAFloatingCaptionHidesTheBar)
{
    ASSERT_TRUE(m_pFrame->GetCommandBars()->FloatCommandBar(m_pStandard));
    PumpMessages();
    CKTControl* pClose = m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_CLOSE);
    ASSERT_TRUE(pClose != NULL && pClose->IsVisible());
    const CRect rcClose = pClose->GetRect(), rcClient = CKTClientRect(m_pStandard);
    EXPECT_EQ(rcClient.right - 3, rcClose.right) << "at the caption's right end";
    EXPECT_EQ(3, rcClose.top);
    CTestInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcClose.CenterPoint()));
    EXPECT_TRUE(PumpUntil([this] { return !m_pStandard->IsVisible(); }, 2000));
    EXPECT_FALSE(::IsWindowVisible(m_pStandard->GetSafeHwnd()));
}

TEST_F(ToolBarTrackerTest, TheGripperShowsTheMoveCursor)
{
    const CPoint ptGripper = GripperPoint();
    CTestInput foreground(m_pStandard->GetSafeHwnd());
    const HCURSOR hMove = ::LoadCursor(NULL, IDC_SIZEALL);
    ::SetCursorPos(ptGripper.x + 40, ptGripper.y);
    PumpMessages();
    ::SetCursorPos(ptGripper.x, ptGripper.y);
    EXPECT_TRUE(PumpUntil([hMove] { return ::GetCursor() == hMove; }, 2000));
    ::SetCursorPos(ptGripper.x + 40, ptGripper.y);
    EXPECT_TRUE(PumpUntil([hMove] { return ::GetCursor() != hMove; }, 2000)) << "over a button it goes";
}

TEST_F(ToolBarTrackerTest, EscapeEndsADragWhereTheBarIs)
{
    const CPoint ptFrom = GripperPoint(), ptAway = ptFrom + CSize(120, 180);
    CTestInput foreground(m_pStandard->GetSafeHwnd());
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, ptFrom);
    InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
    InputBuilder::AddMove(inputs, ptAway);
    InputBuilder::AddKey(inputs, VK_ESCAPE, true);
    InputBuilder::AddKey(inputs, VK_ESCAPE, false);
    InputBuilder::AddMove(inputs, ptAway + CSize(100, 0));
    InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
    ASSERT_EQ(inputs.size(), ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)));
    ASSERT_TRUE(PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && !::GetCapture(); }, 2000));
    PumpMessages();
    ASSERT_EQ(ktBarFloating, m_pStandard->GetPosition()) << "no undo: the bar stays floating";
    EXPECT_TRUE(CKTWindowRect(m_pStandard).PtInRect(ptAway)) << "where the last move before Esc put it";
}
