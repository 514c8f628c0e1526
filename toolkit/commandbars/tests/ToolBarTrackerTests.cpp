// ToolBarTrackerTests.cpp: "Standard" dragged off its dock bar by the gripper floats; a double click docks it back.
#include "FrameFixture.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ModalDrag.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "SolidIcon.h"
#include "TestFrame.h"
#include "TestInput.h"

#include <afxpriv.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace
{
class ToolBarTrackerTest : public CFrameFixture
{
protected:
    ToolBarTrackerTest() : CFrameFixture(0, TRUE) {}
    void SetUp() override
    {
        CFrameFixture::SetUp();
        if (!HasFatalFailure())
            m_pStandard = m_pFrame->m_pStandard;
    }

    bool DragAtOnce(CPoint ptFrom, CPoint ptTo) { return ::DragAtOnce(m_pStandard->GetSafeHwnd(), ptFrom, ptTo); }
    // A click at a screen point, whatever window is in front.
    static bool SendClick(CPoint ptScreen)
    {
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, ptScreen);
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
        InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
        return ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
    }
    CPoint GripperPoint() const
    {
        CRect rc = CKTWindowRect(m_pStandard);
        return CPoint(rc.left + 4, rc.CenterPoint().y);
    }

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

// While the bars are customised, the gripper still moves its bar.
TEST_F(ToolBarTrackerTest, CustomisingTheGripperStillFloatsTheBar)
{
    m_pFrame->GetCommandBars()->GetCustomize()->SetOn(TRUE);
    const CPoint ptFrom = GripperPoint();
    const bool bDragged = DragAtOnce(ptFrom, ptFrom + CSize(120, 180));
    const int nPosition = m_pStandard->GetPosition();
    m_pFrame->GetCommandBars()->GetCustomize()->SetOn(FALSE);
    ASSERT_TRUE(bDragged);
    EXPECT_EQ(ktBarFloating, nPosition);
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

TEST_F(ToolBarTrackerTest, TheOptionsButtonOfAFloatingCaptionOpensItsMenu)
{
    ASSERT_TRUE(m_pFrame->GetCommandBars()->FloatCommandBar(m_pStandard));
    PumpMessages();
    CKTControl* pClose = m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_CLOSE);
    CKTControl* pOptions = m_pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pClose != NULL && pOptions != NULL);
    ASSERT_TRUE(pOptions->IsVisible());
    const CRect rcClose = pClose->GetRect(), rcOptions = pOptions->GetRect();
    EXPECT_EQ(rcClose.left, rcOptions.right) << "left of the close button";
    EXPECT_EQ(rcClose.top, rcOptions.top);
    EXPECT_EQ(rcClose.Size(), rcOptions.Size());

    CTestInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcOptions.CenterPoint()));
    CKTCommandBar* pMenu = pOptions->GetCommandBar();
    ASSERT_TRUE(PumpUntil([pMenu] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); }, 2000));
    CString strCaptions;
    for (int i = 0; i < pMenu->GetControlCount(); i++)
        strCaptions += pMenu->GetControl(i)->GetCaption() + ";";
    EXPECT_NE(-1, strCaptions.Find("&Add or Remove Buttons")) << (LPCSTR)strCaptions;
    EXPECT_GE(CKTWindowRect(pMenu).top, CKTWindowRect(m_pStandard).top + rcOptions.bottom) << "below the button";
    m_pFrame->GetCommandBars()->ClosePopups();

    m_pFrame->GetCommandBars()->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    m_pStandard->OnRecalcLayout();
    EXPECT_FALSE(pOptions->IsVisible()) << "shown only while the options ask for it";
}

TEST_F(ToolBarTrackerTest, ABarFloatedFromARightToLeftFrameReadsRightToLeft)
{
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    CKTToolBar* pBar = m_pFrame->GetCommandBars()->Add("Third", ktBarFloating);
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    ASSERT_TRUE(pBar != NULL && pBar->GetSafeHwnd() != NULL);
    EXPECT_EQ(ktBarFloating, pBar->GetPosition());
    EXPECT_TRUE(pBar->GetExStyle() & WS_EX_LAYOUTRTL);
}

// A menu copied into a bar draws its controls as menu entries: floating, they stand one under another, as wide as
// the widest, however long the bar's row would be.
TEST_F(ToolBarTrackerTest, AMenuCopiedIntoAFloatingBarKeepsItsEntriesInAColumn)
{
    CKTCommandBars* pCommandBars = m_pFrame->GetCommandBars();
    CKTSmartPtr<CKTPopupBar> pMenu = CKTPopupBar::CreatePopupBar(pCommandBars);
    for (LPCSTR lpszCaption : {"&New", "&Open a long named file", "&Save"})
        pMenu->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetCaption(lpszCaption);
    CKTToolBar* pBar = pCommandBars->Add("Menu", ktBarFloating);
    ASSERT_TRUE(pBar != NULL);
    pBar->Copy(pMenu, TRUE);
    ASSERT_TRUE(pBar->SetPosition(ktBarFloating));
    PumpMessages();
    ASSERT_EQ(ktBarTypePopup, pBar->GetType());

    const CRect rcFirst = pBar->GetControl(0)->GetRect();
    for (int i = 1; i < 3; i++)
    {
        const CRect rc = pBar->GetControl(i)->GetRect();
        EXPECT_EQ(pBar->GetControl(i - 1)->GetRect().bottom, rc.top) << i;
        EXPECT_EQ(rcFirst.left, rc.left) << i;
        EXPECT_EQ(rcFirst.Width(), rc.Width()) << i;
    }
    const CRect rcClient = CKTClientRect(pBar);
    EXPECT_LE(pBar->GetControl(2)->GetRect().bottom, rcClient.bottom) << "the bar holds the whole column";
}

// A right-to-left bar mirrors as a whole: its row starts at its right edge, so the first button shows there, where its
// mapped rectangle says, and the caption's close button, which the bar made first, stands at its left.
TEST_F(ToolBarTrackerTest, ARightToLeftFloatingBarShowsItsFirstButtonAtItsRight)
{
    const UINT nId = 9293;
    const COLORREF clrIcon = RGB(20, 200, 40);
    ASSERT_TRUE(SetSolidIcon(nId, 16, clrIcon));
    m_pFrame->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    CKTToolBar* pBar = m_pFrame->GetCommandBars()->Add("Third", ktBarFloating);
    m_pFrame->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    ASSERT_TRUE(pBar != NULL && pBar->GetSafeHwnd() != NULL);
    CKTControl* pFirst = pBar->GetControls()->Add(ktControlButton, nId);
    pFirst->SetStyle(ktButtonIcon);
    pBar->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetStyle(ktButtonIcon);
    pBar->OnRecalcLayout();
    pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();

    const CRect rcBar = CKTWindowRect(pBar);
    const auto screenRect = [pBar](CKTControl* pControl)
    {
        CRect rc = pControl->GetRect();
        pBar->ClientToScreen(&rc);
        return rc;
    };
    const CRect rcFirst = screenRect(pFirst);
    EXPECT_GT(rcFirst.CenterPoint().x, rcBar.CenterPoint().x) << "mapped into the right half";
    CKTControl* pClose = pBar->GetControls()->FindControl(KT_ID_TOOLBAR_CLOSE);
    ASSERT_TRUE(pClose != NULL);
    EXPECT_EQ(0, pClose->GetIndex()) << "made with the bar, so the first of its controls";
    EXPECT_LT(screenRect(pClose).CenterPoint().x, rcBar.CenterPoint().x) << "the caption mirrors too";

    const CPixelImage shown = CPixelImage::FromScreen(rcBar);
    int nLeftmost = shown.Width();
    for (int y = 0; y < shown.Height(); y++)
        for (int x = 0; x < shown.Width(); x++)
            if (NearColor(shown.Pixel(x, y), clrIcon, 8))
                nLeftmost = std::min(nLeftmost, x);
    ASSERT_LT(nLeftmost, shown.Width()) << "the icon shows";
    EXPECT_GT(nLeftmost, shown.Width() / 2) << "drawn in the right half";
    EXPECT_NEAR(rcFirst.left, rcBar.left + nLeftmost, 6) << "where the mapped rectangle says";
    KTImageManager()->RemoveIcon(nId);
}

TEST_F(ToolBarTrackerTest, PressingAFloatingBarsEdgeActivatesItsFrame)
{
    CKTCommandBars* pCommandBars = m_pFrame->GetCommandBars();
    pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars = FALSE;
    ASSERT_TRUE(pCommandBars->FloatCommandBar(m_pStandard));
    PumpMessages();
    CWnd other;
    ASSERT_TRUE(
        other.CreateEx(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(600, 500, 800, 600), NULL, 0));
    other.SetForegroundWindow();
    ASSERT_TRUE(PumpUntil([&other] { return ::GetForegroundWindow() == other.GetSafeHwnd(); }, 2000));

    // Sent as it comes, without bringing the frame forward first.
    const CRect rcBar = CKTWindowRect(m_pStandard);
    ASSERT_TRUE(SendClick(CPoint(rcBar.left + 1, rcBar.CenterPoint().y)));
    EXPECT_TRUE(PumpUntil([this] { return ::GetForegroundWindow() == m_pFrame->GetSafeHwnd(); }, 2000));
    other.DestroyWindow();
}

// A floating window of the frame that holds the keyboard keeps it when a docked bar is clicked.
TEST_F(ToolBarTrackerTest, AClickOnADockedBarLeavesTheFocusInAFloatingWindow)
{
    m_pStandard->SetFlags(0, ktBarFlagMovable);
    CMiniFrameWnd* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->CreateEx(0, AfxRegisterWndClass(0), "Floating", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                CRect(500, 400, 700, 500), m_pFrame));
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 150, 25), pMini, 1));
    pMini->SetForegroundWindow();
    edit.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == pMini->GetSafeHwnd(); }, 2000));
    ASSERT_EQ(edit.GetSafeHwnd(), ::GetFocus());

    CPoint ptGripper(2, CKTClientRect(m_pStandard).CenterPoint().y);
    ASSERT_EQ(NULL, m_pStandard->GetControls()->HitTest(ptGripper));
    m_pStandard->ClientToScreen(&ptGripper);
    CMessageRecorder recorder({m_pStandard->GetSafeHwnd()}, {WM_LBUTTONUP});
    ASSERT_TRUE(SendClick(ptGripper));
    ASSERT_TRUE(PumpUntil([&recorder] { return !recorder.Messages().empty(); }, 2000));
    PumpMessages();
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(pMini->GetSafeHwnd(), ::GetForegroundWindow());
    pMini->DestroyWindow();
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

class ToolBarTrackerLoop : public ToolBarTrackerTest
{
protected:
    // Presses the gripper and moves away until the bar floats under the cursor, at m_ptAway.
    CLoopInput& PressAndFloat(CLoopInput& input)
    {
        CPoint ptFrom = GripperPoint(), ptAwayClient = ptFrom + CSize(120, 180);
        m_ptAway = ptAwayClient;
        m_pStandard->ScreenToClient(&ptFrom);
        m_pStandard->ScreenToClient(&ptAwayClient);
        const HWND hBar = m_pStandard->GetSafeHwnd();
        return input.Press(ptFrom)
            .AwaitCapture()
            .Move(ptAwayClient)
            .Await([hBar] { return (::GetWindowLong(hBar, GWL_STYLE) & WS_POPUP) != 0; });
    }

    CPoint m_ptAway;
};

class ToolBarTrackerCancel : public ToolBarTrackerLoop, public ::testing::WithParamInterface<ELoopCancel>
{
};

// No undo for any cancel: the bar stays where the last move put it, as after Esc.
TEST_P(ToolBarTrackerCancel, ADragEndsWhereTheBarIs)
{
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(PressAndFloat(input).CancelAndRelease(GetParam()).Run());
    ASSERT_EQ(ktBarFloating, m_pStandard->GetPosition());
    EXPECT_TRUE(CKTWindowRect(m_pStandard).PtInRect(m_ptAway));
    EXPECT_NE(m_pStandard, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, ToolBarTrackerCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(ToolBarTrackerLoop, AQuitEndsADragWhereTheBarIsAndReachesTheApplication)
{
    CLoopInput input(m_pStandard->GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(PressAndFloat(input).Quit(6).AwaitNoCapture().Release().Run());
    EXPECT_TRUE(CKTWindowRect(m_pStandard).PtInRect(m_ptAway));
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(6u, nCode);
}

TEST_F(ToolBarTrackerTest, AFloatingBarHidesWhileItsFrameIsInactiveAndReturnsWithIt)
{
    ASSERT_TRUE(m_pFrame->GetCommandBars()->FloatCommandBar(m_pStandard));
    m_pFrame->SetForegroundWindow();
    PumpMessages();
    const HWND hBar = m_pStandard->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hBar));
    EXPECT_TRUE(::SendMessage(hBar, WM_FLOATSTATUS, FS_SYNCACTIVE, 0)) << "the frame stays active while it is";

    CWnd other;
    ASSERT_TRUE(
        other.CreateEx(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(600, 500, 800, 600), NULL, 0));
    other.SetForegroundWindow();
    EXPECT_TRUE(PumpUntil([hBar] { return !::IsWindowVisible(hBar); }, 2000)) << "another program took over";
    EXPECT_TRUE(m_pStandard->IsVisible()) << "hidden for the while only";

    m_pFrame->SetForegroundWindow();
    EXPECT_TRUE(PumpUntil([hBar] { return ::IsWindowVisible(hBar) != FALSE; }, 2000)) << "back with its frame";

    m_pFrame->GetCommandBars()->GetCommandBarsOptions()->bSyncFloatingBars = FALSE;
    other.SetForegroundWindow();
    PumpUntil([&other] { return ::GetForegroundWindow() == other.GetSafeHwnd(); }, 2000);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(hBar)) << "unsynchronised bars stay";
    other.DestroyWindow();
}

// Which window is in front while a bar is floated, and the activation the new bar first takes from it.
enum EFront
{
    kFrontFrame,
    kFrontPlain,
    kFrontSynced  // a floating window that keeps its owner active
};

struct FloatedBarCase
{
    const char* lpszName;
    EFront front;
    BOOL bOwnedByFrame;
    WPARAM wFirstStatus;
};

void PrintTo(const FloatedBarCase& floated, std::ostream* pStream) { *pStream << floated.lpszName; }

class FloatedBarActivation : public ToolBarTrackerTest, public ::testing::WithParamInterface<FloatedBarCase>
{
protected:
    void TearDown() override
    {
        if (m_pFront)
            m_pFront->DestroyWindow();
        ToolBarTrackerTest::TearDown();
    }

    bool BringForward(const FloatedBarCase& floated)
    {
        CWnd* pFront = floated.front == kFrontFrame ? m_pFrame : CreateFront(floated);
        if (!pFront)
            return false;
        pFront->SetForegroundWindow();
        return PumpUntil([pFront] { return ::GetForegroundWindow() == pFront->GetSafeHwnd(); }, 2000);
    }

    // What the new bar's window received while the command bars made it floating.
    std::vector<CRecordedMessage> FloatNewBar()
    {
        CMessageRecorder recorder({}, {WM_NCCREATE, WM_FLOATSTATUS, WM_CREATE});
        CKTToolBar* pBar = m_pFrame->GetCommandBars()->Add("Third", ktBarFloating);
        std::vector<CRecordedMessage> received;
        const HWND hBar = pBar ? pBar->GetSafeHwnd() : NULL;
        for (const CRecordedMessage& message : recorder.Messages())
            if (message.hWnd == hBar)
                received.push_back(message);
        return received;
    }

private:
    CWnd* CreateFront(const FloatedBarCase& floated)
    {
        const CRect rc(600, 500, 800, 600);
        CWnd* pOwner = floated.bOwnedByFrame ? m_pFrame : NULL;
        if (floated.front == kFrontSynced)
        {
            auto* pMini = new CMiniFrameWnd;  // deletes itself with its window
            if (!pMini->CreateEx(0, AfxRegisterWndClass(0), "Floating",
                                 WS_POPUP | WS_CAPTION | WS_VISIBLE | MFS_SYNCACTIVE, rc, pOwner))
            {
                delete pMini;
                return NULL;
            }
            return m_pFront = pMini;
        }
        if (!m_plain.CreateEx(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE | WS_CAPTION, rc, pOwner, 0))
            return NULL;
        return m_pFront = &m_plain;
    }

    CWnd m_plain;
    CWnd* m_pFront = NULL;
};

// A new bar has heard none of the frame's activation notices: it takes the state from the window in front.
TEST_P(FloatedBarActivation, ANewFloatingBarTakesItsFramesActivationFirst)
{
    ASSERT_TRUE(BringForward(GetParam()));
    const std::vector<CRecordedMessage> received = FloatNewBar();
    EXPECT_TRUE(MatchesSequence(received, {{WM_NCCREATE, kSent, 0, 0, 0},
                                           {WM_FLOATSTATUS, kSent | kWParam, GetParam().wFirstStatus, 0, 0},
                                           {WM_CREATE, kSent, 0, 0, 0}}));
}

INSTANTIATE_TEST_SUITE_P(Fronts, FloatedBarActivation,
                         ::testing::Values(FloatedBarCase{"Frame", kFrontFrame, TRUE, FS_ACTIVATE},
                                           FloatedBarCase{"FramesFloatingWindow", kFrontSynced, TRUE, FS_ACTIVATE},
                                           FloatedBarCase{"FramesOtherWindow", kFrontPlain, TRUE, FS_DEACTIVATE},
                                           FloatedBarCase{"OtherProgram", kFrontPlain, FALSE, FS_DEACTIVATE},
                                           FloatedBarCase{"OtherProgramsFloatingWindow", kFrontSynced, FALSE,
                                                          FS_DEACTIVATE}),
                         [](const ::testing::TestParamInfo<FloatedBarCase>& info)
                         { return std::string(info.param.lpszName); });

class ToolBarResize : public ToolBarTrackerTest
{
protected:
    void SetUp() override
    {
        ToolBarTrackerTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_pFrame->GetCommandBars()->FloatCommandBar(m_pStandard));
        PumpMessages();
        m_rcBefore = CKTWindowRect(m_pStandard);
        CKTControls* pControls = m_pStandard->GetControls();
        m_rcLastButton = pControls->GetAt(pControls->GetCount() - 1)->GetRect();
    }

    // Presses the right edge and narrows the bar to half its width, until its buttons wrap into more rows.
    CLoopInput& PressAndNarrow(CLoopInput& input)
    {
        const CPoint ptEdge(m_rcBefore.Width() - 1, m_rcBefore.Height() / 2);
        const HWND hBar = m_pStandard->GetSafeHwnd();
        const CRect rcBefore = m_rcBefore;
        return input.Press(ptEdge)
            .AwaitCapture()
            .Move(CPoint(ptEdge.x - m_rcBefore.Width() / 2, ptEdge.y))
            .Await([hBar, rcBefore] { return CKTWindowRect(hBar).Height() > rcBefore.Height(); });
    }

    CRect LastButton() const
    {
        CKTControls* pControls = m_pStandard->GetControls();
        return pControls->GetAt(pControls->GetCount() - 1)->GetRect();
    }

    CRect m_rcBefore;
    CRect m_rcLastButton;
};

TEST_F(ToolBarResize, ReleasingKeepsTheNewSize)
{
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(PressAndNarrow(input).Release().AwaitNoCapture().Run());
    const CRect rcAfter = CKTWindowRect(m_pStandard);
    EXPECT_LT(rcAfter.Width(), m_rcBefore.Width());
    EXPECT_GT(rcAfter.Height(), m_rcBefore.Height());
    EXPECT_NE(m_rcLastButton, LastButton()) << "the buttons wrapped";
}

class ToolBarResizeCancel : public ToolBarResize, public ::testing::WithParamInterface<ELoopCancel>
{
};

// As a drag, a resize is never undone: the bar keeps the size the last move gave it.
TEST_P(ToolBarResizeCancel, LeavesTheBarAtTheSizeItReached)
{
    CLoopInput input(m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(PressAndNarrow(input).CancelAndRelease(GetParam()).AwaitNoCapture().Run());
    EXPECT_LT(CKTWindowRect(m_pStandard).Width(), m_rcBefore.Width());
    EXPECT_NE(m_rcLastButton, LastButton()) << "the buttons stay wrapped";
    EXPECT_NE(m_pStandard, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, ToolBarResizeCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(ToolBarResize, TheLeftEdgeMovesAndTheRightStays)
{
    const CPoint ptEdge(0, m_rcBefore.Height() / 2);
    const HWND hBar = m_pStandard->GetSafeHwnd();
    const CRect rcBefore = m_rcBefore;
    CLoopInput input(hBar);
    ASSERT_TRUE(input.Press(ptEdge)
                    .AwaitCapture()
                    .Move(CPoint(ptEdge.x + m_rcBefore.Width() / 2, ptEdge.y))
                    .Await([hBar, rcBefore] { return CKTWindowRect(hBar).Height() > rcBefore.Height(); })
                    .Release()
                    .AwaitNoCapture()
                    .Run());
    const CRect rcAfter = CKTWindowRect(m_pStandard);
    EXPECT_LT(rcAfter.Width(), m_rcBefore.Width());
    EXPECT_EQ(m_rcBefore.right, rcAfter.right) << "the edge opposite the dragged one stays";
    EXPECT_EQ(m_rcBefore.top, rcAfter.top);
}

// Dragged by its gripper to the screen's edge, the bar floats and keeps ten pixels inside the work area. The frame
// stands at that edge: under the test display a drag that leaves the program's windows never sees its release.
TEST_F(ToolBarTrackerTest, ABarDraggedOffScreenKeepsTenPixelsInside)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetMonitorInfo(::MonitorFromWindow(m_pFrame->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &info));
    const CRect rcWork = info.rcWork;
    m_pFrame->MoveWindow(rcWork.right - 640, rcWork.top + 40, 640, 400);
    m_pStandard->SetFlags(0, 1u << ktBarRight);  // no docking at the right: the drag floats it there
    PumpMessages();
    ASSERT_TRUE(DragAtOnce(GripperPoint(), CPoint(rcWork.right - 2, rcWork.top + 300)));
    ASSERT_EQ(ktBarFloating, m_pStandard->GetPosition());
    EXPECT_EQ(rcWork.right - 10, CKTWindowRect(m_pStandard).left) << "the gripper lay less than ten pixels inside";
}
