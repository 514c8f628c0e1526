// PlainToolBarTests.cpp: a tool bar placed straight in a window with no command bars: the frame's layout, the focus
// and Tab among a dialog's controls, and right presses, with real input.
#include "CommandBarsTestsRes.h"
#include "KTControlButton.h"
#include "RightPressButton.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <afxpriv.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
// A frame of the framework, with no command bars: its own layout has to place the bar.
class CPlainFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;  // WM_COMMAND ids in arrival order

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
};

// A button that keeps the right press for itself.
// A window that lays its bar out again whenever it is sized, counting the sizes.
class CRelayingHolder : public CWnd
{
public:
    CKTToolBar* m_pBar = NULL;
    int m_nSizes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE && m_pBar)
        {
            m_nSizes++;
            m_pBar->OnRecalcLayout();
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CRect RectIn(CWnd* pWnd, CWnd* pParent)
{
    CRect rc = CKTWindowRect(pWnd);
    pParent->ScreenToClient(&rc);
    return rc;
}

class PlainToolBarFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CPlainFrame;  // deletes itself with its window
        ASSERT_TRUE(m_pFrame->Create(NULL, "Plain frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(120, 120, 620, 420)));
        ASSERT_TRUE(
            m_pane.Create("STATIC", NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_pFrame, AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(m_bar.CreateToolBar(WS_CHILD | WS_VISIBLE, m_pFrame, AFX_IDW_TOOLBAR));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TESTFRAME));
        m_pFrame->RecalcLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_pane.DestroyWindow();
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        PumpMessages();
    }

    // A point of the bar in the frame's client area, where the input goes.
    CPoint InFrame(CPoint pt)
    {
        m_bar.MapWindowPoints(m_pFrame, &pt, 1);
        return pt;
    }

    CPlainFrame* m_pFrame = NULL;
    CWnd m_pane;
    CKTToolBar m_bar;
};

// Edits around a plain bar in a window that is not a frame, in tab order: first, the bar, last.
class PlainToolBarFocusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "Plain host", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                    CRect(160, 160, 560, 300), NULL, 0));
        const DWORD dwEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
        ASSERT_TRUE(m_first.Create(dwEdit, CRect(5, 5, 120, 25), &m_host, 101));
        ASSERT_TRUE(m_bar.CreateToolBar(WS_CHILD | WS_VISIBLE | WS_TABSTOP, &m_host, AFX_IDW_TOOLBAR));
        ASSERT_TRUE(m_last.Create(dwEdit, CRect(5, 80, 120, 100), &m_host, 102));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TESTFRAME));
        const CSize sz = m_bar.CalcDynamicLayout(380, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
        m_bar.MoveWindow(0, 40, 380, sz.cy);
        PumpMessages();
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_host.DestroyWindow();
        PumpMessages();
    }

    // The focus comes to the bar from the first edit; the input then goes to the bar.
    std::unique_ptr<CTestInput> FocusBarFromFirst()
    {
        CTestInput first(m_first.GetSafeHwnd());
        return std::make_unique<CTestInput>(m_bar.GetSafeHwnd());
    }
    int FirstButton() const { return m_bar.GetControls()->GetNext(-1, 1); }

    CWnd m_host;
    CEdit m_first;
    CKTToolBar m_bar;
    CEdit m_last;
};
}  // namespace

TEST_F(PlainToolBarFrameTest, TheFramesLayoutGivesTheBarTheTopRowAndThePaneTheRest)
{
    const CRect rcClient = CKTClientRect(m_pFrame);
    const CRect rcBar = RectIn(&m_bar, m_pFrame);
    const int nHeight = m_bar.CalcDynamicLayout(rcClient.Width(), LM_HORZ | LM_HORZDOCK).cy;
    ASSERT_GT(nHeight, 0);
    EXPECT_EQ(CRect(0, 0, rcClient.right, nHeight), rcBar);
    EXPECT_EQ(CRect(0, nHeight, rcClient.right, rcClient.bottom), RectIn(&m_pane, m_pFrame));

    // A measuring pass adds the row to the total and moves nothing.
    CRect rcMeasured;
    m_pFrame->RepositionBars(0, 0xffff, AFX_IDW_PANE_FIRST, reposQuery, &rcMeasured, NULL, FALSE);
    EXPECT_EQ(nHeight, rcMeasured.Height());
    EXPECT_EQ(rcBar, RectIn(&m_bar, m_pFrame));

    // The buttons were placed where they show: a click on the first runs its command in the frame.
    CKTControl* pFirst = m_bar.GetControl(m_bar.GetControls()->GetNext(-1, 1));
    ASSERT_FALSE(pFirst->GetRect().IsRectEmpty());
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Click(InFrame(pFirst->GetRect().CenterPoint())));
    EXPECT_TRUE(PumpUntil([this] { return !m_pFrame->m_commands.empty(); }, 2000));
    EXPECT_EQ(std::vector<UINT>{(UINT)pFirst->GetID()}, m_pFrame->m_commands);
}

TEST_F(PlainToolBarFrameTest, HidingAndShowingTheBarLaysTheFrameOutAgain)
{
    const CRect rcClient = CKTClientRect(m_pFrame);
    const int nHeight = RectIn(&m_bar, m_pFrame).Height();
    m_bar.SetVisible(FALSE);
    EXPECT_EQ(rcClient, RectIn(&m_pane, m_pFrame)) << "the pane takes the bar's row";
    m_bar.SetVisible(TRUE);
    EXPECT_EQ(CRect(0, nHeight, rcClient.right, rcClient.bottom), RectIn(&m_pane, m_pFrame));
    EXPECT_EQ(CRect(0, 0, rcClient.right, nHeight), RectIn(&m_bar, m_pFrame));
}

TEST(PlainToolBarHolderTest, AHolderThatLaysTheBarOutOnEverySizeIsSizedOnceAndNotForAHiddenBar)
{
    CRelayingHolder holder;
    ASSERT_TRUE(holder.CreateEx(0, AfxRegisterWndClass(0), "Holder", WS_POPUP | WS_VISIBLE, CRect(200, 200, 500, 300),
                                NULL, 0));
    CKTToolBar bar;
    ASSERT_TRUE(bar.CreateToolBar(WS_CHILD | WS_VISIBLE, &holder, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTFRAME));
    holder.m_pBar = &bar;
    holder.m_nSizes = 0;
    bar.OnRecalcLayout();
    EXPECT_EQ(1, holder.m_nSizes);
    bar.SetVisible(FALSE);
    holder.m_nSizes = 0;
    bar.OnRecalcLayout();
    EXPECT_EQ(0, holder.m_nSizes) << "a hidden bar takes no room";
    holder.m_pBar = NULL;
    bar.DestroyWindow();
    holder.DestroyWindow();
}

TEST_F(PlainToolBarFrameTest, ARightPressGoesToTheControlsOwnHandler)
{
    auto* pButton = static_cast<CRightPressButton*>(
        m_bar.GetControls()->Add(KTMakeCounted<CRightPressButton>(), ID_TEST_ENABLED, NULL, 0));
    pButton->SetCaption("Right");
    m_pFrame->RecalcLayout();
    PumpMessages();
    CTestInput input(m_pFrame->GetSafeHwnd());
    ASSERT_TRUE(input.Click(InFrame(pButton->GetRect().CenterPoint()), true));
    EXPECT_EQ(1, pButton->m_nPresses);
}

TEST_F(PlainToolBarFocusTest, TheFocusPutsTheBarUnderTheKeysAndTabPassesItOn)
{
    {
        auto pInput = FocusBarFromFirst();
        EXPECT_EQ(ktTrackingOn, m_bar.GetTrackingMode());
        EXPECT_EQ(FirstButton(), m_bar.GetSelected()) << "the first button is selected";
        EXPECT_EQ(m_first.GetSafeHwnd(), m_bar.GetFocusBefore()) << "the window the focus came from";
        ASSERT_TRUE(pInput->Key(VK_RIGHT));
        EXPECT_EQ(m_bar.GetControls()->GetNext(FirstButton(), 1), m_bar.GetSelected());
        ASSERT_TRUE(pInput->Key(VK_TAB));
    }
    EXPECT_EQ(m_last.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(ktTrackingNone, m_bar.GetTrackingMode());
    EXPECT_EQ(-1, m_bar.GetSelected());

    FocusBarFromFirst()->Key(VK_TAB, CTestInput::kShift);
    EXPECT_EQ(m_first.GetSafeHwnd(), ::GetFocus()) << "Shift+Tab goes back";
    EXPECT_EQ(ktTrackingNone, m_bar.GetTrackingMode());
}

TEST_F(PlainToolBarFocusTest, EscapeLeavesTheBarAndTheFocusGoesToTheNextControl)
{
    FocusBarFromFirst()->Key(VK_ESCAPE);
    EXPECT_EQ(ktTrackingNone, m_bar.GetTrackingMode());
    EXPECT_EQ(m_last.GetSafeHwnd(), ::GetFocus()) << "a bar that no longer takes the keys keeps no focus";
}
