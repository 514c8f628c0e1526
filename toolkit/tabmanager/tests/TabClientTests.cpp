// The MDI tab client in a real frame: tabs for children, activation, tab groups and their commands, drags
// between groups with real input.
#include <gtest/gtest.h>

#include <cstdlib>

#include <afxpriv.h>

#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTTabManagerRes.h"
#include "KTToolTipController.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "TabClientFrame.h"
#include "TestInput.h"

namespace
{
HWND ActiveChild(CTabClientFrame& frame)
{
    return reinterpret_cast<HWND>(frame.m_wndClient.SendMessage(WM_MDIGETACTIVE));
}

CString Captions(CKTTabManager* pGroup)
{
    CString str;
    for (int i = 0; i < pGroup->GetItemCount(); i++)
        str += pGroup->GetItem(i)->GetCaption().Right(1);
    return str;
}

// The screen's cursor, read from the input thread while the drag loop runs.
std::function<bool()> CursorIs(HCURSOR hCursor)
{
    return [hCursor]
    {
        CURSORINFO info = {};
        info.cbSize = sizeof(info);
        return ::GetCursorInfo(&info) && info.hCursor == hCursor;
    };
}

// The client rectangle as the appearance set adjusts it for the groups: without the static frame the groups reach
// two pixels past each edge, where the window's own edge would be.
CRect GroupsRect(CTabClientFrame& frame)
{
    CRect rc;
    frame.m_wndClient.GetClientRect(rc);
    frame.m_wndClient.GetPaintManager()->GetAppearanceSet()->DrawWorkspacePart(NULL, rc, 1);
    return rc;
}

// Through the frame, which routes the group commands to its MDI client.
void Command(CTabClientFrame& frame, UINT nID)
{
    frame.SendMessage(WM_COMMAND, nID);
    PumpMessages();
}

// A bar along the frame's left edge that leaves the MDI client only the given width.
class CSqueezingBar : public CWnd
{
public:
    CSqueezingBar(CWnd* pFrame, int nLeave) : m_nLeave(nLeave)
    {
        Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, 1);
        static_cast<CFrameWnd*>(pFrame)->RecalcLayout();
    }
    ~CSqueezingBar() override { DestroyWindow(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_SIZEPARENT)
            return CWnd::WindowProc(message, wParam, lParam);
        auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rc = pLayout->rect;
        rc.right -= m_nLeave;
        AfxRepositionWindow(pLayout, m_hWnd, rc);
        pLayout->rect.left = rc.right;
        return 0;
    }

private:
    int m_nLeave;
};

class TabClient : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* pszTitle : {"Child 1", "Child 2", "Child 3"})
            m_arrChildren.push_back(frame.AddChild(pszTitle));
    }

    CTabClientFrame frame;
    std::vector<CTabTestChild*> m_arrChildren;
};
}  // namespace

TEST_F(TabClient, ThreeChildrenGiveThreeTabsWithoutCaptionsOrButtons)
{
    ASSERT_EQ(1, frame.m_wndClient.GetGroupCount());
    CKTTabClientGroup* pGroup = frame.Group(0);
    EXPECT_EQ("321", Captions(pGroup));  // new tabs at the start
    EXPECT_EQ(3u, frame.m_arrReported.size());
    for (CTabTestChild* pChild : m_arrChildren)
    {
        EXPECT_EQ(0, pChild->GetStyle() & WS_CAPTION);
        EXPECT_EQ(0, pChild->GetExStyle() & WS_EX_CLIENTEDGE);
        EXPECT_EQ(pChild->GetSafeHwnd(), frame.m_wndClient.FindItem(pChild->GetSafeHwnd())->GetHandle());
    }
    for (const auto& pButton : pGroup->GetNavigateButtons())
        EXPECT_TRUE(pButton->GetRect().IsRectEmpty()) << "button " << pButton->GetID();
    EXPECT_EQ(m_arrChildren[2]->GetSafeHwnd(), pGroup->GetSelectedItem()->GetHandle());
    EXPECT_EQ(m_arrChildren[2]->GetSafeHwnd(), ActiveChild(frame));
    EXPECT_TRUE(pGroup->IsActive());
    CRect rcChild;
    m_arrChildren[2]->GetWindowRect(rcChild);
    frame.m_wndClient.ScreenToClient(rcChild);
    EXPECT_EQ(pGroup->m_rcClient, rcChild);
}

TEST_F(TabClient, ClickingATabActivatesItsChild)
{
    CKTTabManagerItem* pFirst = frame.m_wndClient.FindItem(m_arrChildren[0]->GetSafeHwnd());
    CTestInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Click(frame.CentreOf(pFirst)));
    PumpMessages();
    EXPECT_EQ(m_arrChildren[0]->GetSafeHwnd(), ActiveChild(frame));
    EXPECT_EQ(pFirst, frame.Group(0)->GetSelectedItem());
}

TEST_F(TabClient, AnsweredCaptionsShowAndHiddenChildrenHaveNoTab)
{
    m_arrChildren[1]->m_strAnsweredCaption = "Answered";
    m_arrChildren[1]->SetWindowText("Renamed");
    frame.m_wndClient.UpdateContents();
    EXPECT_EQ(CString("Answered"), frame.m_wndClient.FindItem(m_arrChildren[1]->GetSafeHwnd())->GetCaption());
    m_arrChildren[0]->ShowWindow(SW_HIDE);
    frame.m_wndClient.UpdateContents();
    EXPECT_EQ(nullptr, frame.m_wndClient.FindItem(m_arrChildren[0]->GetSafeHwnd()));
    m_arrChildren[0]->ShowWindow(SW_SHOW);
    frame.m_wndClient.UpdateContents();
    EXPECT_NE(nullptr, frame.m_wndClient.FindItem(m_arrChildren[0]->GetSafeHwnd()));
}

TEST_F(TabClient, AHiddenTabKeepsItsChild)
{
    CKTTabManagerItem* pItem = frame.m_wndClient.FindItem(m_arrChildren[1]->GetSafeHwnd());
    pItem->SetVisible(FALSE);
    frame.m_wndClient.UpdateContents();
    EXPECT_EQ(pItem, frame.m_wndClient.FindItem(m_arrChildren[1]->GetSafeHwnd()));
    EXPECT_TRUE(::IsWindow(m_arrChildren[1]->GetSafeHwnd()));
    EXPECT_EQ(3, frame.m_wndClient.GetItemCount());
    EXPECT_TRUE(pItem->GetRect().IsRectEmpty() || pItem->GetLength() == 0);
}

// The designer hides the tabs of the projects not shown; a group left with only hidden tabs must not keep
// showing one of their children, which still live, in place, for when their tabs come back, nor keep its room.
TEST_F(TabClient, AGroupOfHiddenTabsShowsNoChildUntilATabShowsAgain)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    CKTTabManagerItem* pItem = frame.Group(1)->GetItem(0);
    HWND hChild = pItem->GetHandle();
    CPoint pt = frame.Group(1)->m_rcClient.CenterPoint();
    frame.m_wndClient.ClientToScreen(&pt);
    CRect rcShown;
    ::GetWindowRect(hChild, rcShown);
    PumpMessages();
    ASSERT_EQ(hChild, ::WindowFromPoint(pt));
    pItem->SetVisible(FALSE);
    frame.m_wndClient.UpdateContents();
    PumpMessages();
    EXPECT_EQ(frame.Group(0)->GetSelectedItem()->GetHandle(), ::WindowFromPoint(pt)) << "the room went to the other";
    EXPECT_EQ(pItem, frame.m_wndClient.FindItem(hChild));
    EXPECT_TRUE(::IsWindowVisible(hChild));
    CRect rcHidden;
    ::GetWindowRect(hChild, rcHidden);
    EXPECT_EQ(rcShown, rcHidden);
    EXPECT_EQ(2, frame.m_wndClient.GetGroupCount());
    pItem->SetVisible(TRUE);
    PumpMessages();
    EXPECT_EQ(hChild, ::WindowFromPoint(pt));
}

// Groups left with only hidden tabs take no room and no splitter: the splitter before them sizes the groups on
// either side, the group commands pass over them, and a tab shown again brings its group back.
TEST_F(TabClient, GroupsOfHiddenTabsGiveTheirRoomToTheOthersUntilATabShowsAgain)
{
    CKTTabClientWnd& client = frame.m_wndClient;
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    m_arrChildren[1]->MDIActivate();
    PumpMessages();
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(3, client.GetGroupCount());
    ASSERT_EQ("2", Captions(frame.Group(1)));
    const CPoint ptMiddle = frame.Group(1)->m_rcClient.CenterPoint();
    CKTTabManagerItem* pMiddle = frame.Group(1)->GetItem(0);
    pMiddle->SetVisible(FALSE);
    PumpMessages();
    ASSERT_EQ(3, client.GetGroupCount());
    EXPECT_TRUE(frame.Group(1)->m_rcControl.IsRectEmpty());
    EXPECT_EQ(GroupsRect(frame).Width(), frame.Group(0)->m_rcControl.Width() + 5 + frame.Group(2)->m_rcControl.Width());
    CPoint ptScreen = ptMiddle;
    client.ClientToScreen(&ptScreen);
    const HWND hAtMiddle = ::WindowFromPoint(ptScreen);
    EXPECT_TRUE(hAtMiddle == m_arrChildren[0]->GetSafeHwnd() || hAtMiddle == m_arrChildren[2]->GetSafeHwnd());

    const int nFirst = frame.Group(0)->m_rcControl.Width(), nLast = frame.Group(2)->m_rcControl.Width();
    const CPoint ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
    CLoopInput input(client.GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptSplitter).AwaitCapture().Move(CPoint(ptSplitter.x - 60, ptSplitter.y)).Release().Run());
    EXPECT_NEAR(nFirst - 60, frame.Group(0)->m_rcControl.Width(), 2);
    EXPECT_NEAR(nLast + 60, frame.Group(2)->m_rcControl.Width(), 2);
    EXPECT_TRUE(frame.Group(1)->m_rcControl.IsRectEmpty());

    m_arrChildren[0]->MDIActivate();
    PumpMessages();
    ASSERT_TRUE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_MOVENEXT));
    Command(frame, KT_ID_TABWORKSPACE_MOVENEXT);
    ASSERT_EQ(2, client.GetGroupCount());
    EXPECT_EQ("31", Captions(frame.Group(1))) << "past the group of hidden tabs";
    EXPECT_FALSE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_MOVEPREVIOUS));
    EXPECT_EQ(GroupsRect(frame), frame.Group(1)->m_rcControl);

    pMiddle->SetVisible(TRUE);
    PumpMessages();
    EXPECT_FALSE(frame.Group(0)->m_rcControl.IsRectEmpty());
    EXPECT_EQ(frame.Group(0)->m_rcControl.right + 5, frame.Group(1)->m_rcControl.left);
    CPoint ptBack = frame.Group(0)->m_rcClient.CenterPoint();
    client.ClientToScreen(&ptBack);
    EXPECT_EQ(m_arrChildren[1]->GetSafeHwnd(), ::WindowFromPoint(ptBack));
}

TEST_F(TabClient, GroupCommandsSplitMoveAndMergeWithTheStatedSizes)
{
    CKTTabClientWnd& client = frame.m_wndClient;
    EXPECT_FALSE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_MOVENEXT));
    EXPECT_TRUE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_NEWVERTICAL));
    int nWidth = frame.Group(0)->m_rcControl.Width();
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, client.GetGroupCount());
    EXPECT_FALSE(client.IsSplitHorizontal());
    EXPECT_DOUBLE_EQ((nWidth - 5) * 0.5, frame.Group(1)->m_dSize);
    EXPECT_DOUBLE_EQ(nWidth - (nWidth - 5) * 0.5 - 5, frame.Group(0)->m_dSize);
    EXPECT_EQ("21", Captions(frame.Group(0)));
    EXPECT_EQ("3", Captions(frame.Group(1)));
    EXPECT_NEAR(frame.Group(0)->m_rcControl.Width(), frame.Group(1)->m_rcControl.Width(), 1);
    EXPECT_EQ(frame.Group(0)->m_rcControl.right + 5, frame.Group(1)->m_rcControl.left);
    EXPECT_FALSE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_NEWHORIZONTAL));  // side by side already
    EXPECT_FALSE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_NEWVERTICAL));    // one tab in its group
    EXPECT_TRUE(client.IsGroupCommandEnabled(KT_ID_TABWORKSPACE_MOVEPREVIOUS));
    Command(frame, KT_ID_TABWORKSPACE_MOVEPREVIOUS);
    ASSERT_EQ(1, client.GetGroupCount());
    EXPECT_EQ("213", Captions(frame.Group(0)));
    EXPECT_EQ(nWidth, frame.Group(0)->m_rcControl.Width());
}

TEST_F(TabClient, ClosingTheLastTabOfAGroupGivesItsRoomBack)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWHORIZONTAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    EXPECT_TRUE(frame.m_wndClient.IsSplitHorizontal());
    int nHeight = frame.Group(0)->m_rcControl.Height() + 5 + frame.Group(1)->m_rcControl.Height();
    m_arrChildren[2]->MDIDestroy();
    PumpMessages();
    ASSERT_EQ(1, frame.m_wndClient.GetGroupCount());
    EXPECT_EQ(nHeight, frame.Group(0)->m_rcControl.Height());
    EXPECT_EQ(2, frame.m_wndClient.GetItemCount());
}

TEST_F(TabClient, DraggingATabIntoAnotherGroupMovesItsChild)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    CKTTabManagerItem* pDragged = frame.Group(0)->GetItem(1);  // "Child 1"
    HWND hChild = pDragged->GetHandle();
    CPoint ptTarget = frame.Group(1)->m_rcHeaderRect.CenterPoint();
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(frame.CentreOf(pDragged))
                    .AwaitCapture()
                    .Move(CPoint(ptTarget.x - 60, ptTarget.y + 80))
                    .Move(ptTarget)
                    .Await(CursorIs(frame.m_wndClient.GetDragCursor(TRUE)))
                    .Release()
                    .Run());
    CKTTabManagerItem* pMoved = frame.m_wndClient.FindItem(hChild);
    ASSERT_NE(nullptr, pMoved);
    EXPECT_EQ(frame.Group(1), pMoved->GetTabManager());
    EXPECT_EQ("2", Captions(frame.Group(0)));
    CRect rcChild;
    ::GetWindowRect(hChild, rcChild);
    frame.m_wndClient.ScreenToClient(rcChild);
    EXPECT_EQ(frame.Group(1)->m_rcClient, rcChild);
}

// The pressed tab turns bold and wider as the drag starts: a few pixels past its old edge the pointer is still over
// it, and nothing swaps.
TEST(TabClientReorder, ATabPressedAtItsEdgeGrowsBoldAndASmallMoveKeepsTheOrder)
{
    CTabClientFrame frame;
    CTabTestChild* pRight = frame.AddChild("Child 1");
    frame.AddChild("Child 2");
    pRight->MDIActivate();
    PumpMessages();
    CKTTabClientGroup* pGroup = frame.Group(0);
    ASSERT_EQ("21", Captions(pGroup));
    ASSERT_TRUE(pGroup->GetItem(1)->IsSelected());
    const CRect rcLeft = pGroup->GetItem(0)->GetRect();
    const CPoint ptPress(rcLeft.right - 1, rcLeft.CenterPoint().y);
    const CPoint ptMoved(ptPress.x + 3, ptPress.y);
    ASSERT_TRUE(pGroup->GetItem(1)->GetRect().PtInRect(ptMoved)) << "over the right tab as it was drawn";
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptPress).AwaitCapture().Move(ptMoved).Release().Run());
    PumpMessages();
    EXPECT_EQ("21", Captions(pGroup));
    EXPECT_TRUE(pGroup->GetItem(0)->GetRect().PtInRect(ptMoved)) << "the bold tab reaches past the move";
    EXPECT_EQ(pGroup->GetItem(0)->GetHandle(), ActiveChild(frame));
}

TEST_F(TabClient, ADraggedTabShowsItsOwnCursorsInsideAndOutsideTheClient)
{
    HCURSOR hDrag = frame.m_wndClient.GetDragCursor(TRUE), hNoDrop = frame.m_wndClient.GetDragCursor(FALSE);
    EXPECT_NE(::LoadCursor(NULL, IDC_ARROW), hDrag) << "the drag cursor is the module's own";
    EXPECT_NE(::LoadCursor(NULL, IDC_NO), hNoDrop) << "the no-drop cursor is the module's own";
    EXPECT_NE(hDrag, hNoDrop);
    CKTTabManagerItem* pDragged = frame.Group(0)->GetItem(1);
    CRect rcClient;
    frame.m_wndClient.GetClientRect(rcClient);
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(frame.CentreOf(pDragged))
                    .AwaitCapture()
                    .Move(CPoint(rcClient.right - 10, rcClient.CenterPoint().y))
                    .Await(CursorIs(hDrag))
                    .Move(CPoint(rcClient.right + 40, rcClient.CenterPoint().y))
                    .Await(CursorIs(hNoDrop))
                    .Release()
                    .Run());
    EXPECT_EQ(1, frame.m_wndClient.GetGroupCount()) << "a tab dropped outside the client stays where it was";
}

TEST_F(TabClient, TheGroupCommandsGetTheirIconsWithTheGreenKeyedOut)
{
    for (UINT nID : {KT_ID_TABWORKSPACE_NEWHORIZONTAL, KT_ID_TABWORKSPACE_NEWVERTICAL})
    {
        CKTImageManagerIcon* pIcon = KTImageManager()->GetImage(nID, 16);
        ASSERT_NE(nullptr, pIcon) << nID;
        EXPECT_EQ(16, pIcon->m_nWidth);
        EXPECT_EQ(16, pIcon->m_nHeight);
        COLORREF clr = 0;
        BYTE alpha = 255;
        ASSERT_TRUE(pIcon->GetImage(ktImageNormal).GetPixel(0, 0, clr, alpha));
        EXPECT_EQ(0, alpha) << "the mask colour is transparent";
        ASSERT_TRUE(pIcon->GetImage(ktImageNormal).GetPixel(4, 4, clr, alpha));
        EXPECT_EQ(255, alpha) << "the picture itself is opaque";
    }
}

class TabClientLoop : public TabClient
{
protected:
    // Presses the middle tab and drags it to where a new vertical group would go.
    CLoopInput& DragOutOfTheHeader(CLoopInput& input)
    {
        CRect rcClient;
        frame.m_wndClient.GetClientRect(rcClient);
        return input.Press(frame.CentreOf(frame.Group(0)->GetItem(1)))
            .AwaitCapture()
            .Move(CPoint(rcClient.right - 10, rcClient.CenterPoint().y));
    }
};

class TabClientCancel : public TabClientLoop, public ::testing::WithParamInterface<ELoopCancel>
{
};

TEST_P(TabClientCancel, ADragOutOfTheHeaderDropsNothing)
{
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(DragOutOfTheHeader(input).CancelAndRelease(GetParam()).Run());
    EXPECT_EQ(1, frame.m_wndClient.GetGroupCount());
    EXPECT_EQ("321", Captions(frame.Group(0)));
}

TEST_P(TabClientCancel, ALiveSplitterEndedEarlyLeavesTheGroupsWhereTheyAre)
{
    frame.m_wndClient.m_bTrackSplitter = FALSE;
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    const HWND hSecond = frame.Group(1)->GetItem(0)->GetHandle();
    const int nSecond = frame.Group(1)->m_rcControl.Width();
    const CPoint ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
    const CRect rcChild = CKTWindowRect(hSecond);
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptSplitter)
                    .AwaitCapture()
                    .Move(CPoint(ptSplitter.x - 60, ptSplitter.y))
                    .Await([&] { return CKTWindowRect(hSecond).Width() != rcChild.Width(); })  // still pressed
                    .CancelAndRelease(GetParam())
                    .Run());
    EXPECT_NEAR(nSecond + 60, frame.Group(1)->m_rcControl.Width(), 2);
}

INSTANTIATE_TEST_SUITE_P(Cancels, TabClientCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(TabClientLoop, AQuitEndsATabDragWithoutADropAndReachesTheApplication)
{
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(DragOutOfTheHeader(input).Quit(3).AwaitNoCapture().Release().Run());
    EXPECT_EQ(1, frame.m_wndClient.GetGroupCount());
    EXPECT_EQ("321", Captions(frame.Group(0)));
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode));
    EXPECT_EQ(3u, nCode);
}

TEST_F(TabClient, DroppingNearTheRightEdgeMakesANewGroupBeside)
{
    CKTTabManagerItem* pDragged = frame.Group(0)->GetItem(2);  // "Child 1"
    HWND hChild = pDragged->GetHandle();
    CRect rcClient;
    frame.m_wndClient.GetClientRect(rcClient);
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(frame.CentreOf(pDragged))
                    .AwaitCapture()
                    .Move(CPoint(rcClient.right - 100, rcClient.CenterPoint().y))
                    .Move(CPoint(rcClient.right - 10, rcClient.CenterPoint().y))
                    .Release()
                    .Run());
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    EXPECT_FALSE(frame.m_wndClient.IsSplitHorizontal());
    EXPECT_EQ(frame.Group(1), frame.m_wndClient.FindItem(hChild)->GetTabManager());
}

TEST_F(TabClient, DraggingTheSplitterSharesTheRoomAnew)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    int nFirst = frame.Group(0)->m_rcControl.Width(), nSecond = frame.Group(1)->m_rcControl.Width();
    CPoint ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(ptSplitter).AwaitCapture().Move(CPoint(ptSplitter.x - 60, ptSplitter.y)).Release().Run());
    EXPECT_NEAR(nFirst - 60, frame.Group(0)->m_rcControl.Width(), 2);
    EXPECT_NEAR(nSecond + 60, frame.Group(1)->m_rcControl.Width(), 2);
    EXPECT_EQ(frame.Group(0)->m_rcControl.right + 5, frame.Group(1)->m_rcControl.left);
}

TEST_F(TabClient, ALiveSplitterMovesTheGroupsBeforeTheReleaseAndEscapeEndsItWhereItIs)
{
    frame.m_wndClient.m_bTrackSplitter = FALSE;
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    HWND hSecond = frame.Group(1)->GetItem(0)->GetHandle();
    int nFirst = frame.Group(0)->m_rcControl.Width(), nSecond = frame.Group(1)->m_rcControl.Width();
    int nChild = frame.Group(1)->m_rcClient.Width();
    CPoint ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
    auto secondWidthNear = [hSecond](int nWidth)
    {
        return [hSecond, nWidth]
        {
            CRect rc;
            return ::GetWindowRect(hSecond, rc) && std::abs(rc.Width() - nWidth) <= 3;
        };
    };
    CLoopInput escaped(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(escaped.Press(ptSplitter)
                    .AwaitCapture()
                    .Move(CPoint(ptSplitter.x - 60, ptSplitter.y))
                    .Await(secondWidthNear(nChild + 60))  // still pressed
                    .Move(CPoint(-500, ptSplitter.y))     // held at the first group's far edge
                    .Await(secondWidthNear(nChild + nFirst))
                    .Move(CPoint(ptSplitter.x - 90, ptSplitter.y))
                    .Await(secondWidthNear(nChild + 90))
                    .Key(VK_ESCAPE)
                    .Release()
                    .Run());
    EXPECT_NEAR(nSecond + 90, frame.Group(1)->m_rcControl.Width(), 2) << "Esc ends the drag where it is";
    const int nWide = frame.Group(1)->m_rcControl.Width();
    ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
    CLoopInput released(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(
        released.Press(ptSplitter).AwaitCapture().Move(CPoint(ptSplitter.x + 30, ptSplitter.y)).Release().Run());
    EXPECT_NEAR(nWide - 30, frame.Group(1)->m_rcControl.Width(), 2);
    EXPECT_EQ(frame.Group(0)->m_rcControl.right + 5, frame.Group(1)->m_rcControl.left);
}

TEST_F(TabClient, ASplitterBetweenTwoSqueezedGroupsKeepsTheirSizes)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    CRect rcWindow;
    frame.m_wndClient.GetWindowRect(rcWindow);
    {
        // The splitter's width alone for the groups.
        CSqueezingBar bar(&frame, 5 - (GroupsRect(frame).Width() - rcWindow.Width()));
        PumpMessages();
        ASSERT_EQ(0, frame.Group(0)->m_rcControl.Width());
        CPoint ptSplitter = frame.Group(0)->m_rcSplitter.CenterPoint();
        CLoopInput input(frame.m_wndClient.GetSafeHwnd());
        ASSERT_TRUE(input.Press(ptSplitter).Move(CPoint(ptSplitter.x + 40, ptSplitter.y)).Release().Run());
    }
    frame.RecalcLayout();
    PumpMessages();
    int nFirst = frame.Group(0)->m_rcControl.Width(), nSecond = frame.Group(1)->m_rcControl.Width();
    EXPECT_GT(nFirst, 0);
    EXPECT_GT(nSecond, 0);
    EXPECT_EQ(GroupsRect(frame).Width(), nFirst + 5 + nSecond);
}

TEST_F(TabClient, EveryTabHasATooltipThatFallsBackToItsCaption)
{
    CKTTabManagerItem* pItem = frame.m_wndClient.FindItem(m_arrChildren[1]->GetSafeHwnd());
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    INT_PTR nHit = frame.m_wndClient.OnToolHitTest(frame.CentreOf(pItem), &ti);
    EXPECT_EQ(pItem->GetIndex(), nHit);
    EXPECT_EQ(CString("Child 2"), CString(ti.lpszText));
    CKTToolTipController::FreeToolInfo(&ti);
    CRect rcClient;
    frame.m_wndClient.GetClientRect(rcClient);
    EXPECT_EQ(-1, frame.m_wndClient.OnToolHitTest(rcClient.CenterPoint(), &ti));  // over a child's area
}

// The press makes the tab's group the active one under the redraw lock: the groups are laid out once, as the drag
// starts, not again for each group whose active look changed.
TEST_F(TabClient, ADragFromAnInactiveGroupLaysTheGroupsOutOnceAsItStarts)
{
    Command(frame, KT_ID_TABWORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    ASSERT_EQ(frame.Group(1), frame.m_wndClient.GetActiveGroup());
    const CPoint pt = frame.CentreOf(frame.Group(0)->GetItem(0));
    const int nBefore = frame.m_nLayouts;
    int nAtCapture = -1;
    CLoopInput input(frame.m_wndClient.GetSafeHwnd());
    ASSERT_TRUE(input.Press(pt)
                    .AwaitCapture()
                    .Await(
                        [&]
                        {
                            nAtCapture = frame.m_nLayouts;
                            return true;
                        })
                    .Release()
                    .Run());
    EXPECT_EQ(nBefore + 1, nAtCapture);
    EXPECT_EQ(frame.Group(0), frame.m_wndClient.GetActiveGroup());
    EXPECT_FALSE(frame.m_wndClient.IsRedrawLocked());
}

// The groups flag is taken before the refusal; the tabs and the attached frame stay.
TEST_F(TabClient, ARefusedSecondAttachKeepsOnlyItsGroupsFlag)
{
    EXPECT_FALSE(frame.m_wndClient.Attach(&frame, FALSE));
    EXPECT_FALSE(frame.m_wndClient.IsGroupsEnabled());
    EXPECT_EQ(3, frame.m_wndClient.GetItemCount());
    EXPECT_FALSE(frame.m_wndClient.Attach(nullptr, TRUE));
    EXPECT_TRUE(frame.m_wndClient.IsGroupsEnabled());
    EXPECT_EQ(3, frame.m_wndClient.GetItemCount());
}

// The drop popup needs the frame's command bars; the designer's look brings them.
TEST(TabClientDropPopup, ATabDroppedOnNoTargetOffersTheGroupCommands)
{
    CTabClientFrame frame(4);
    for (const char* pszTitle : {"Child 1", "Child 2", "Child 3"})
        frame.AddChild(pszTitle);
    CKTTabManagerItem* pDragged = frame.Group(0)->GetItem(1);  // "Child 2"
    HWND hChild = pDragged->GetHandle();
    CRect rcClient;
    frame.m_wndClient.GetClientRect(rcClient);
    auto popupShown = []
    {
        HWND hPopup = ::FindWindow("KTPopupBar", NULL);
        return hPopup && ::IsWindowVisible(hPopup);
    };
    auto drop = [&](std::initializer_list<WORD> keys)
    {
        CLoopInput input(frame.m_wndClient.GetSafeHwnd());
        input.Press(frame.CentreOf(frame.m_wndClient.FindItem(hChild)))
            .AwaitCapture()
            .Move(rcClient.CenterPoint() + CSize(0, 20))
            .Move(rcClient.CenterPoint())  // inside the client, on no group's header or edge
            .Release()
            .Await(popupShown);
        for (WORD wKey : keys)
            input.Key(wKey);
        return input.Run();
    };
    // Entries: new horizontal group, new vertical group, then Cancel; the moves need a second group.
    ASSERT_TRUE(drop({VK_UP, VK_RETURN}));  // Cancel, the last entry
    EXPECT_EQ(1, frame.m_wndClient.GetGroupCount());
    EXPECT_EQ(NULL, ::FindWindow("KTPopupBar", NULL));
    ASSERT_TRUE(drop({VK_DOWN, VK_DOWN, VK_RETURN}));
    ASSERT_EQ(2, frame.m_wndClient.GetGroupCount());
    EXPECT_FALSE(frame.m_wndClient.IsSplitHorizontal());
    EXPECT_EQ(frame.Group(1), frame.m_wndClient.FindItem(hChild)->GetTabManager());
}
