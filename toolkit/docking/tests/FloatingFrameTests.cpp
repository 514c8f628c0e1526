// Floating frames with real input: floating a group and docking it back by its caption, closing, translucency, the
// frames' place in a saved layout, and frames that draw their own caption and roll up.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDockingPaneTheme9.h"
#include "KTDrawObjects.h"
#include "KTPropExchange.h"
#include "NearColor.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestInput.h"

namespace
{
class FloatingFrame : public ::testing::Test
{
protected:
    FloatingFrame() : m_frame(900, 600)
    {
        m_frame.CreateDesignerPanes();
        m_frame.Layout();
    }

    CKTDockingPaneManager& Manager() { return m_frame.m_manager; }
    CKTDockingPane* Pane(int nID) { return Manager().FindPane(nID); }
    CKTDockingPaneTabbedContainer* Group(int nID) { return Pane(nID)->GetTabbedContainer(); }
    static CKTDockingPaneMiniWnd* FrameOf(CKTDockingPane* pPane)
    {
        return dynamic_cast<CKTDockingPaneMiniWnd*>(pPane->GetDockingSite());
    }

    // 701 and 702 in one group, floated.
    CKTDockingPaneMiniWnd* FloatTwoPanes()
    {
        Manager().AttachPane(Pane(702), Group(701));
        CKTDockingPaneMiniWnd* pFloating = Manager().FloatPane(Group(701), CRect(300, 300, 560, 500));
        PumpDocking();
        return pFloating;
    }

    static CPoint CaptionPoint(CWnd* pWnd)
    {
        CRect rcWindow, rcClient;
        pWnd->GetWindowRect(&rcWindow);
        pWnd->GetClientRect(&rcClient);
        pWnd->ClientToScreen(&rcClient);
        CPoint pt(rcWindow.left + 40, (rcWindow.top + rcClient.top) / 2);
        pWnd->ScreenToClient(&pt);
        return pt;
    }

    CDockingTestFrame m_frame;
};
}  // namespace

TEST_F(FloatingFrame, CaptionDoubleClicksFloatTheGroupAndDockItBack)
{
    CKTDockingPaneTabbedContainer* pDocked = Group(701);
    CRect rcGroup;
    pDocked->CWnd::GetWindowRect(&rcGroup);
    {
        CTestInput input(pDocked->GetSafeHwnd());
        ASSERT_TRUE(input.DoubleClick(CPoint(60, 8)));
    }
    PumpDocking();

    ASSERT_TRUE(Pane(701)->IsFloating());
    CKTDockingPaneMiniWnd* pFloating = FrameOf(Pane(701));
    ASSERT_NE(nullptr, pFloating);
    CRect rcFrame;
    pFloating->CWnd::GetWindowRect(&rcFrame);
    EXPECT_EQ(rcGroup, rcFrame);
    CString strTitle;
    pFloating->GetWindowText(strTitle);
    EXPECT_STREQ("Solution Explorer", strTitle);
    EXPECT_TRUE(pFloating->IsWindowVisible());
    EXPECT_FALSE(Group(701)->IsTitleVisible()) << "the frame's caption stands for its only group";
    EXPECT_EQ(1, m_frame.CountActions(ktActionFloated, 701));

    {
        CTestInput input(pFloating->GetSafeHwnd());
        ASSERT_TRUE(input.DoubleClick(CaptionPoint(pFloating)));
    }
    PumpDocking();
    EXPECT_FALSE(Pane(701)->IsFloating());
    EXPECT_EQ(pDocked, Group(701)) << "back in the group it was docked in";
    EXPECT_EQ(ktDockLeft, Manager().GetPaneDirection(Group(701)));
    EXPECT_FALSE(pFloating->IsWindowVisible());
    EXPECT_EQ(1, m_frame.CountActions(ktActionDocked, 701));
}

TEST_F(FloatingFrame, ASecondGroupGivesTheFrameTheCommonCaption)
{
    Manager().m_strFloatingFrameCaption = "Tools";
    CKTDockingPaneMiniWnd* pFloating = Manager().FloatPane(Group(701), CRect(300, 200, 560, 500));
    ASSERT_NE(nullptr, pFloating);
    PumpDocking();
    EXPECT_FALSE(Group(701)->IsTitleVisible());

    Manager().DockNode(Group(702), ktDockBottom, Group(701));
    PumpDocking();
    ASSERT_EQ(pFloating, FrameOf(Pane(702)));
    CString strTitle;
    pFloating->GetWindowText(strTitle);
    EXPECT_STREQ("Tools", strTitle);
    EXPECT_TRUE(Group(701)->IsTitleVisible());
    EXPECT_TRUE(Group(702)->IsTitleVisible());
    CRect rc701, rc702;
    Group(701)->CWnd::GetWindowRect(&rc701);
    Group(702)->CWnd::GetWindowRect(&rc702);
    EXPECT_LE(rc701.bottom, rc702.top) << "stacked in the frame";
}

TEST_F(FloatingFrame, ClosingAFrameWhoseOwnerHidesEachPaneHidesBoth)
{
    CKTDockingPaneMiniWnd* pFloating = FloatTwoPanes();
    ASSERT_NE(nullptr, pFloating);
    ASSERT_EQ(pFloating, FrameOf(Pane(702)));
    CString strTitle;
    pFloating->GetWindowText(strTitle);
    EXPECT_STREQ("Properties", strTitle) << "the selected pane's title";

    pFloating->SendMessage(WM_CLOSE);
    PumpDocking();
    EXPECT_TRUE(Pane(701)->IsHidden());
    EXPECT_TRUE(Pane(702)->IsHidden());
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 701));
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 702));
    EXPECT_FALSE(pFloating->IsWindowVisible());
}

TEST_F(FloatingFrame, AFrameWhosePanesAllRefuseClosingStaysOpen)
{
    Pane(701)->SetOptions(ktPaneNoCloseable);
    Pane(702)->SetOptions(ktPaneNoCloseable);
    CKTDockingPaneMiniWnd* pFloating = FloatTwoPanes();
    ASSERT_NE(nullptr, pFloating);
    pFloating->SendMessage(WM_CLOSE);
    PumpDocking();
    EXPECT_TRUE(pFloating->IsWindowVisible());
    EXPECT_TRUE(Pane(701)->IsFloating());
    EXPECT_EQ(0, m_frame.CountNotifies(ktDockingPaneClosed, 701));
    HMENU hSystemMenu = ::GetSystemMenu(pFloating->GetSafeHwnd(), FALSE);
    EXPECT_TRUE(::GetMenuState(hSystemMenu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    char szText[32] = {};
    ::GetMenuStringA(hSystemMenu, SC_CLOSE, szText, sizeof(szText), MF_BYCOMMAND);
    EXPECT_STREQ("&Hide", szText);
    EXPECT_EQ(UINT(-1), ::GetMenuState(hSystemMenu, SC_MAXIMIZE, MF_BYCOMMAND));
}

TEST_F(FloatingFrame, AnInactiveFrameIsTranslucent)
{
    Manager().m_nFloatingFramesAlpha = 200;
    CKTDockingPaneMiniWnd* pFloating = Manager().FloatPane(Pane(703), CRect(300, 300, 560, 500));
    ASSERT_NE(nullptr, pFloating);
    PumpDocking();
    auto alpha = [&]() -> int
    {
        BYTE nAlpha = 0;
        DWORD dwFlags = 0;
        if (!(pFloating->GetExStyle() & WS_EX_LAYERED) ||
            !::GetLayeredWindowAttributes(pFloating->GetSafeHwnd(), NULL, &nAlpha, &dwFlags))
            return -1;
        return nAlpha;
    };

    ::SetFocus(m_frame.EditorArea());
    Manager().UpdatePanesFocus();
    EXPECT_EQ(200, alpha());
    ::SetFocus(Pane(703)->GetHandle());
    Manager().UpdatePanesFocus();
    EXPECT_EQ(255, alpha());
    EXPECT_TRUE(pFloating->IsActive());
}

TEST_F(FloatingFrame, ALayoutWithAFloatingFrameSavesAndLoads)
{
    ASSERT_NE(nullptr, FloatTwoPanes());
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Manager().GetLayout()->Serialize(ar);
    }
    file.SeekToBegin();
    auto pLoaded = KTMakeCounted<CKTDockingPaneLayoutData>(&Manager());
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    ASSERT_TRUE(pLoaded->Load(&px));

    CKTDockingPaneMiniWnd* pFloating = nullptr;
    for (CKTDockingPaneNode* pNode : pLoaded->GetNodeList())
        if (pNode->GetType() == ktPaneTypeMiniWnd)
            pFloating = static_cast<CKTDockingPaneMiniWnd*>(pNode);
    ASSERT_NE(nullptr, pFloating);
    ASSERT_NE(nullptr, pFloating->GetTopContainer());
    CKTDockingPaneNodeList panes;
    pFloating->FindPane(ktPaneTypePane, panes);
    ASSERT_EQ(2u, panes.size());
    EXPECT_EQ(701, static_cast<CKTDockingPane*>(panes[0])->GetID());
    EXPECT_EQ(702, static_cast<CKTDockingPane*>(panes[1])->GetID());
    EXPECT_EQ(CRect(300, 300, 560, 500), pFloating->GetRect());
    EXPECT_EQ(ktDockFloating, pLoaded->GetPaneDirection(panes[0]));
}

TEST_F(FloatingFrame, AResizedFrameSnapsItsMovingEdgeToTheSiteFrame)
{
    Manager().m_bSnapFloatingFrames = TRUE;
    CRect rcSite;
    m_frame.GetWindowRect(&rcSite);
    CKTDockingPaneMiniWnd* pFloating =
        Manager().FloatPane(Pane(703), CRect(rcSite.right + 40, 200, rcSite.right + 300, 400));
    ASSERT_NE(nullptr, pFloating);
    PumpDocking();

    CRect rcSizing(rcSite.right + 9, 200, rcSite.right + 300, 400);
    pFloating->SendMessage(WM_SIZING, WMSZ_LEFT, LPARAM(&rcSizing));
    EXPECT_EQ(CRect(rcSite.right, 200, rcSite.right + 300, 400), rcSizing);

    Manager().m_bSnapFloatingFrames = FALSE;
    rcSizing.left = rcSite.right + 9;
    pFloating->SendMessage(WM_SIZING, WMSZ_LEFT, LPARAM(&rcSizing));
    EXPECT_EQ(rcSite.right + 9, rcSizing.left) << "snapping is an option";
}

namespace
{
// A floated pane's frame drawn by the theme: its window read back, and its caption buttons in screen terms.
class ThemedFloatingFrame : public FloatingFrame
{
protected:
    ThemedFloatingFrame()
    {
        Manager().m_bThemedFloatingFrames = TRUE;
        m_pFrame = Manager().FloatPane(Pane(703), CRect(300, 300, 560, 500));
        PumpDocking();
    }

    CPixelImage Shot() const
    {
        m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        CRect rcWindow;
        m_pFrame->CWnd::GetWindowRect(&rcWindow);
        return CPixelImage::FromScreen(rcWindow);
    }
    // The button's centre in the frame's client coordinates (above the client area: negative y).
    CPoint ButtonPoint(int nID) const
    {
        CPoint pt = m_pFrame->FindCaptionButton(nID)->GetRect().CenterPoint();
        CRect rcWindow;
        m_pFrame->CWnd::GetWindowRect(&rcWindow);
        pt += rcWindow.TopLeft();
        m_pFrame->ScreenToClient(&pt);
        return pt;
    }
    int WindowHeight() const
    {
        CRect rc;
        m_pFrame->CWnd::GetWindowRect(&rc);
        return rc.Height();
    }
    int CaptionSize() { return Manager().GetPaintManager()->GetCaptionHeight(); }

    CKTDockingPaneMiniWnd* m_pFrame = nullptr;
};
}  // namespace

TEST_F(ThemedFloatingFrame, TheThemeDrawsTheBorderAndCaptionAndTheOptionGivesTheSystemFrameBack)
{
    ASSERT_NE(nullptr, m_pFrame);
    EXPECT_FALSE(m_pFrame->GetStyle() & (WS_BORDER | WS_THICKFRAME));
    CRect rcWindow, rcClient;
    m_pFrame->CWnd::GetWindowRect(&rcWindow);
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    EXPECT_EQ(3, rcClient.left - rcWindow.left);
    EXPECT_EQ(3 + CaptionSize() + 2, rcClient.top - rcWindow.top) << "the caption above the panes";

    CKTDockingPanePaintManager* pTheme = Manager().GetPaintManager();
    const CPixelImage shot = Shot();
    const int y = shot.Height() / 2;
    EXPECT_EQ(pTheme->LookupColor(COLOR_3DFACE), shot.Pixel(0, y)) << "the outer ring";
    EXPECT_EQ(pTheme->LookupColor(COLOR_3DHIGHLIGHT), shot.Pixel(1, y)) << "the light ring";
    EXPECT_EQ(pTheme->LookupColor(COLOR_3DSHADOW), shot.Pixel(shot.Width() - 2, y)) << "its dark side";
    auto* pTheme9 = dynamic_cast<CKTDockingPaneTheme9*>(pTheme);
    ASSERT_NE(nullptr, pTheme9);
    const int nBodyTop = 3 + 2;
    EXPECT_EQ(pTheme9->m_clrCaptionBorder.GetColor(), shot.Pixel(20, nBodyTop)) << "the caption body's border";
    const CKTPaintManagerColorGradient& grc =
        m_pFrame->IsActive() ? pTheme9->m_clrActiveCaption : pTheme9->m_clrNormalCaption;
    EXPECT_TRUE(NearColor(grc.clrLight.GetColor(), shot.Pixel(5, nBodyTop + CaptionSize() / 2), 8))
        << "the caption fill";
    EXPECT_FALSE(m_pFrame->FindCaptionButton(KT_IDS_DOCKING_CLOSE)->GetRect().IsRectEmpty());
    EXPECT_FALSE(m_pFrame->FindCaptionButton(KT_IDS_DOCKING_AUTOHIDE)->GetRect().IsRectEmpty());
    const bool bMenu = (Pane(703)->GetOptions() & ktPaneHasMenuButton) != 0;
    EXPECT_EQ(!bMenu, bool(m_pFrame->FindCaptionButton(KT_IDS_DOCKING_MENU)->GetRect().IsRectEmpty()))
        << "the menu button only for a pane that asks for it";

    Manager().m_bThemedFloatingFrames = FALSE;
    Manager().RedrawPanes();
    PumpDocking();
    EXPECT_TRUE(m_pFrame->GetStyle() & WS_THICKFRAME) << "the system frame as before";
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    m_pFrame->CWnd::GetWindowRect(&rcWindow);
    EXPECT_EQ(::GetSystemMetrics(SM_CXFRAME), rcClient.left - rcWindow.left);
}

TEST_F(ThemedFloatingFrame, ThePinRollsTheFrameUpHoverSlidesItOpenAndCloseHidesIt)
{
    ASSERT_NE(nullptr, m_pFrame);
    const int nFullHeight = WindowHeight();
    HWND hWndFrame = m_pFrame->GetSafeHwnd();
    {
        CTestInput input(hWndFrame);
        ASSERT_TRUE(input.Click(ButtonPoint(KT_IDS_DOCKING_AUTOHIDE)));
    }
    PumpDocking();
    EXPECT_TRUE(m_pFrame->IsCollapsed());
    EXPECT_EQ(1, m_frame.CountActions(ktActionUnpinned, 703));
    EXPECT_EQ(nFullHeight, WindowHeight()) << "open while the mouse is on it";

    const int nRolledUp = CaptionSize() + 8;
    // The frame stays open while it holds the focus.
    ::SetFocus(m_frame.EditorArea());
    Manager().UpdatePanesFocus();
    ASSERT_TRUE(MoveTo(m_frame.EditorArea(), {20, 20}, [&] { return !m_pFrame->IsSlidOpen(); }))
        << "the mouse left: the frame rolls up";
    EXPECT_EQ(nRolledUp, WindowHeight()) << "to its caption";
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsed, 703));

    CPoint ptCaption(40, -CaptionSize() / 2 - 2);
    ASSERT_TRUE(MoveTo(hWndFrame, ptCaption, [&] { return WindowHeight() == nFullHeight; }))
        << "hovering the caption slides it open";
    EXPECT_EQ(1, m_frame.CountActions(ktActionExpanded, 703));

    {
        CTestInput input(hWndFrame);
        ASSERT_TRUE(input.Click(ButtonPoint(KT_IDS_DOCKING_AUTOHIDE)));
    }
    PumpDocking();
    EXPECT_FALSE(m_pFrame->IsCollapsed()) << "the pin again keeps it open";
    EXPECT_EQ(1, m_frame.CountActions(ktActionPinned, 703));

    {
        CTestInput input(hWndFrame);
        ASSERT_TRUE(input.Click(ButtonPoint(KT_IDS_DOCKING_CLOSE)));
    }
    PumpDocking();
    EXPECT_TRUE(Pane(703)->IsHidden());
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 703));
}

TEST_F(ThemedFloatingFrame, ARolledOpenFrameRollsUpWhenThePointerLeavesStraightOntoAnotherProgramsWindow)
{
    ASSERT_NE(nullptr, m_pFrame);
    const int nFullHeight = WindowHeight();
    {
        CTestInput input(m_pFrame->GetSafeHwnd());
        ASSERT_TRUE(input.Click(ButtonPoint(KT_IDS_DOCKING_AUTOHIDE)));
    }
    PumpDocking();
    ASSERT_TRUE(m_pFrame->IsCollapsed());
    ASSERT_EQ(nFullHeight, WindowHeight()) << "open while the mouse is on it";
    ::SetFocus(m_frame.EditorArea());
    Manager().UpdatePanesFocus();

    // Beside the frame, and the pointer jumps there from the pin: no mouse message of this program sees it leave.
    const CRect rcFrame = CKTWindowRect(m_pFrame->GetSafeHwnd());
    COtherProgramWindow other(CRect(rcFrame.right + 20, rcFrame.top, rcFrame.right + 220, rcFrame.top + 150));
    ASSERT_TRUE(other.GetHwnd()) << "the other program shows its window";
    ASSERT_TRUE(other.MovePointerOnto());
    EXPECT_TRUE(PumpUntil([&] { return !m_pFrame->IsSlidOpen(); })) << "rolled up meanwhile";
    EXPECT_EQ(CaptionSize() + 8, WindowHeight());
}
