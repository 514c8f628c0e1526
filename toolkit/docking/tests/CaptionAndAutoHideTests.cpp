// The application's theme on a group caption, and closing, hiding, sliding out and pinning back with real input.
#include <gtest/gtest.h>

#include "DockingTestFrame.h"
#include "KTColorManager.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneAutoHideWnd.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDockingPaneTheme9.h"
#include "KTDrawObjects.h"
#include "KTDockingPanePaintManager.h"
#include "KTTabColorSet.h"
#include "KTTabPainter.h"
#include "GuiLeakCheck.h"
#include "KTDockingPaneAutoHideTabManager.h"
#include "KTTabManagerItem.h"
#include "KTTabManagerNavigateButton.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestInput.h"

namespace
{
class DockingCaption : public ::testing::Test
{
protected:
    DockingCaption() : m_frame(1000, 700)
    {
        m_frame.CreateDesignerPanes();
        m_frame.Layout();
    }

    CKTDockingPaneTabbedContainer* Group(int nID) { return m_frame.m_manager.FindPane(nID)->GetTabbedContainer(); }

    CRect ButtonRect(CKTDockingPaneTabbedContainer* pGroup, int nButton)
    {
        pGroup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        return pGroup->FindCaptionButton(nButton)->GetRect();
    }

    void ClickButton(CKTDockingPaneTabbedContainer* pGroup, int nButton)
    {
        CRect rc = ButtonRect(pGroup, nButton);
        ASSERT_FALSE(rc.IsRectEmpty());
        CTestInput input(pGroup->GetSafeHwnd());
        ASSERT_TRUE(input.Click(rc.CenterPoint()));
        PumpDocking();
    }

    CKTDockingPaneAutoHidePanel* Panel(int nSide) { return m_frame.m_manager.GetLayout()->GetPanel(nSide); }

    // Hides pane 702 into the left strip and points at its tab: the window slid out, NULL when none came.
    HWND SlideOutUnderThePointer()
    {
        ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
        CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
        if (!pPanel || !pPanel->GetSafeHwnd())
            return NULL;
        const CPoint ptTab = pPanel->GetTabRect(m_frame.m_manager.FindPane(702)).CenterPoint();
        if (!MoveTo(pPanel->GetSafeHwnd(), ptTab, [&] { return m_frame.CountActions(ktActionExpanded, 702) > 0; }))
            return NULL;
        return pPanel->GetActiveWnd() ? pPanel->GetActiveWnd()->GetSafeHwnd() : NULL;
    }

    // Slides the pane out of its strip and waits until it is all out.
    CKTDockingPaneAutoHideWnd* SlideOut(CKTDockingPaneAutoHidePanel* pPanel, int nID)
    {
        int nExpanded = m_frame.CountActions(ktActionExpanded, nID);
        pPanel->ShowPane(m_frame.m_manager.FindPane(nID), FALSE);
        PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, nID) > nExpanded; });
        return pPanel->GetActiveWnd();
    }

    CDockingTestFrame m_frame;
};

// The slide-out window's leave delay made short, and put back.
struct CShortLeaveDelay
{
    static const int kTick = 20;
    CShortLeaveDelay() { CKTDockingPaneAutoHideWnd::m_nLeaveCheckInterval = kTick; }
    ~CShortLeaveDelay() { CKTDockingPaneAutoHideWnd::m_nLeaveCheckInterval = 100; }
};

bool g_bMarkerFired = false;

void CALLBACK OnMarker(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    g_bMarkerFired = true;
}

// Pumps until a timer of three leave delays, set now, has fired: the thread's timers that fall due before it are
// handled first, so a leave delay started by the last input has run by then.
bool PumpPastTheLeaveDelay()
{
    g_bMarkerFired = false;
    return ::SetTimer(NULL, 0, 3 * 6 * CShortLeaveDelay::kTick, OnMarker) && PumpUntil([] { return g_bMarkerFired; });
}

int MeasuredCaptionHeight()
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = 340;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    ncm.lfSmCaptionFont.lfWeight = FW_NORMAL;
    HFONT hFont = ::CreateFontIndirectA(&ncm.lfSmCaptionFont);
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE sz = {};
    ::GetTextExtentPoint32A(hDC, " ", 1, &sz);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    ::DeleteObject(hFont);
    return 5 + std::max(13, int(sz.cy));
}
}  // namespace

TEST_F(DockingCaption, ThemeLaysOutTheCaptionFromItsFont)
{
    auto* pTheme = dynamic_cast<CKTDockingPaneTheme9*>(m_frame.m_manager.GetPaintManager());
    ASSERT_TRUE(pTheme);
    EXPECT_EQ(1, m_frame.m_manager.m_nStickerStyle);
    EXPECT_EQ(MeasuredCaptionHeight(), pTheme->GetCaptionHeight());

    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    CRect rcClient;
    pGroup->GetClientRect(&rcClient);
    CRect rcClose = ButtonRect(pGroup, KT_IDS_DOCKING_CLOSE);
    CRect rcPin = ButtonRect(pGroup, KT_IDS_DOCKING_AUTOHIDE);
    CRect rcMenu = ButtonRect(pGroup, KT_IDS_DOCKING_MENU);
    EXPECT_EQ(CSize(14, 14), rcClose.Size());
    EXPECT_EQ(rcClient.right - 2, rcClose.right);
    EXPECT_EQ(rcClose.left - 2, rcPin.right);
    EXPECT_EQ(rcPin.left - 2, rcMenu.right);
    EXPECT_TRUE(ButtonRect(pGroup, KT_IDS_DOCKING_MAXIMIZE).IsRectEmpty());
    EXPECT_TRUE(ButtonRect(pGroup, KT_IDS_DOCKING_RESTORE).IsRectEmpty());
}

// While a caption button is held, keys are swallowed: a letter typed then is not a character for the focused pane.
TEST_F(DockingCaption, ALetterTypedWhileACaptionButtonIsHeldReachesNoPane)
{
    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    const CRect rcClose = ButtonRect(pGroup, KT_IDS_DOCKING_CLOSE);
    ASSERT_FALSE(rcClose.IsRectEmpty());
    const HWND hWndEdit = m_frame.PaneWindow(701)->GetSafeHwnd();
    CLoopInput input(pGroup->GetSafeHwnd());
    ASSERT_TRUE(input.Press(rcClose.CenterPoint())
                    .AwaitCapture()
                    .Key('K')
                    .Move(CPoint(rcClose.left - 40, rcClose.bottom + 40))
                    .Release()
                    .Run());
    PumpDocking();
    EXPECT_EQ(hWndEdit, ::GetFocus()) << "the press gave the pane the focus";
    EXPECT_EQ(0, ::GetWindowTextLength(hWndEdit));
    EXPECT_EQ(0, m_frame.CountNotifies(ktDockingPaneClosed, 701)) << "released away from the button";
}

TEST_F(DockingCaption, TheDragAreaIsTheCaptionStripTheWholeSiteWithoutATitleAndTheTabRowAlongTheBottom)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    const CRect rc = CKTWindowRect(pGroup->GetSafeHwnd());
    const int nStrip = manager.GetPaintManager()->GetCaptionHeight() + 3;
    const int nTabs = manager.GetPaintManager()->GetTabRowHeight();
    const int x = rc.CenterPoint().x;
    ASSERT_FALSE(pGroup->IsTabsVisible());
    EXPECT_TRUE(pGroup->IsDragArea(rc, x, rc.top + nStrip - 1));
    EXPECT_FALSE(pGroup->IsDragArea(rc, x, rc.top + nStrip));
    EXPECT_FALSE(pGroup->IsDragArea(rc, x, rc.bottom - 1)) << "no tab row";

    manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
    m_frame.Layout();
    ASSERT_TRUE(pGroup->IsTabsVisible());
    EXPECT_TRUE(pGroup->IsDragArea(rc, x, rc.bottom - 1));
    EXPECT_TRUE(pGroup->IsDragArea(rc, x, rc.bottom - nTabs));
    EXPECT_FALSE(pGroup->IsDragArea(rc, x, rc.bottom - nTabs - 1));

    pGroup->ShowTitle(FALSE);
    const CRect rcSite = CKTWindowRect(m_frame.GetSafeHwnd());
    EXPECT_TRUE(pGroup->IsDragArea(rc, x, rc.top + nStrip + 10)) << "anywhere in the docking site";
    // The caller's rectangle beside the site: only its tab row counts.
    CRect rcBeside = rc;
    rcBeside.OffsetRect(rcSite.right + 10 - rc.left, 0);
    EXPECT_FALSE(pGroup->IsDragArea(rcBeside, rcBeside.CenterPoint().x, rcBeside.top + 1));
    EXPECT_TRUE(pGroup->IsDragArea(rcBeside, rcBeside.CenterPoint().x, rcBeside.bottom - 1)) << "the tab row";
}

TEST_F(DockingCaption, ClassicSchemeCaptionShowsTheSystemCaptionColours)
{
    if (KTColorManager()->GetCurrentSystemTheme() != ktSystemThemeNone)
        GTEST_SKIP() << "a visual-style scheme is active";
    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    CPixelImage image = CPixelImage::FromWindow(pGroup->GetSafeHwnd());
    int nCaptionHeight = m_frame.m_manager.GetPaintManager()->GetCaptionHeight();
    COLORREF clrFill = ::GetSysColor(pGroup->IsActive() ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    EXPECT_EQ(clrFill, image.Pixel(20, nCaptionHeight / 2)) << "a solid fill under the classic scheme";
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), image.Pixel(20, 0)) << "the border along the top";
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), image.Pixel(0, nCaptionHeight / 2)) << "and down the left";
}

TEST_F(DockingCaption, CloseHidesIntoTheSideStripAndPinDocksBack)
{
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 702));
    CKTDockingPane* p702 = m_frame.m_manager.FindPane(702);
    ASSERT_TRUE(p702->IsHidden()) << "the owner refused the close and hid the pane";
    ASSERT_TRUE(Panel(ktDockLeft)) << "a pane docked left of the editors hides on the left";
    EXPECT_TRUE(Panel(ktDockLeft)->ContainsPane(p702));
    EXPECT_FALSE(m_frame.m_manager.FindPane(701)->IsHidden());

    ClickButton(Group(703), KT_IDS_DOCKING_CLOSE);
    ASSERT_TRUE(Panel(ktDockBottom));
    EXPECT_TRUE(Panel(ktDockBottom)->ContainsPane(m_frame.m_manager.FindPane(703)));

    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel->GetSafeHwnd());
    CPoint ptTab = pPanel->GetTabRect(p702).CenterPoint();
    ASSERT_TRUE(MoveTo(pPanel->GetSafeHwnd(), ptTab, [&] { return m_frame.CountActions(ktActionExpanded, 702) > 0; }))
        << "hovering the tab slides the group out";
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    ASSERT_TRUE(pSlide);
    HWND hWndSlide = pSlide->GetSafeHwnd();
    EXPECT_EQ(180 + 4, pSlide->GetFullRect().Width());

    CRect rcEditor;
    ::GetClientRect(m_frame.EditorArea(), &rcEditor);
    EXPECT_TRUE(MoveTo(m_frame.EditorArea(), rcEditor.CenterPoint(), [&] { return !::IsWindow(hWndSlide); }))
        << "leaving slides it back and destroys it";
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsed, 702));
    EXPECT_FALSE(pPanel->GetActiveWnd());

    CTestInput input(pPanel->GetSafeHwnd());
    ASSERT_TRUE(input.Click(ptTab));
    ASSERT_TRUE(pPanel->GetActiveWnd());
    ASSERT_TRUE(PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, 702) == 2; }));
    ClickButton(p702->GetTabbedContainer(), KT_IDS_DOCKING_AUTOHIDE);
    m_frame.Layout();
    EXPECT_FALSE(p702->IsHidden());
    EXPECT_EQ(m_frame.m_manager.GetTopPane(), p702->GetTabbedContainer()->GetParentContainer());
    EXPECT_EQ(180, p702->GetTabbedContainer()->GetRect().Width());
}

TEST_F(DockingCaption, ClosingAGroupWhoseOwnerHidesEachPaneHidesThemAll)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.m_bCloseGroupOnButtonClick = TRUE;
    manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
    manager.GetLayout()->Normalize();
    m_frame.Layout();
    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    ASSERT_EQ(2, pGroup->GetChildCount());
    ClickButton(pGroup, KT_IDS_DOCKING_CLOSE);
    EXPECT_TRUE(manager.FindPane(701)->IsHidden());
    EXPECT_TRUE(manager.FindPane(702)->IsHidden());
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 701));
    EXPECT_EQ(1, m_frame.CountNotifies(ktDockingPaneClosed, 702));
}

TEST_F(DockingCaption, DraggingTheSlideOutEdgeResizesTheGroupWithinTheDockedArea)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPane* p702 = manager.FindPane(702);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    CTestInput input(pPanel->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pPanel->GetTabRect(p702).CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, 702) == 1; }));
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    ASSERT_TRUE(pSlide);
    HWND hWndSlide = pSlide->GetSafeHwnd();
    auto width = [&] { return CKTWindowRect(pSlide).Width(); };
    auto edgeAt = [&] { return CPoint(width() - 2, CKTClientRect(pSlide).Height() / 2); };
    ASSERT_EQ(184, width());
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    EXPECT_NE(hArrow, HCURSOR(::GetClassLongPtr(hWndSlide, GCLP_HCURSOR))) << "the edge shows it can be dragged";

    // With the outline tracker the size changes on release.
    CPoint ptEdge = edgeAt();
    ASSERT_TRUE(DragAtOnce(hWndSlide, ptEdge, {ptEdge.x + 60, ptEdge.y}, [&] { return width() == 244; }));
    EXPECT_EQ(240, p702->m_nDockedWidth) << "the group's size leaves the edge out";
    EXPECT_EQ(CSize(240, CKTClientRect(pSlide).Height()),
              CKTWindowRect(p702->GetTabbedContainer()->GetSafeHwnd()).Size());

    // Moved live, the edge stops short of the far side of the docked area by the splitter gap. (The release stays
    // on the frame: outside the program's windows the display would not deliver it.)
    CGuiLeakCheck check;
    manager.m_bSplitterTracker = FALSE;
    CRect rcArea = manager.GetTopPane()->GetRect();
    ptEdge = edgeAt();
    ASSERT_TRUE(DragAtOnce(hWndSlide, ptEdge, {rcArea.Width() - 2, ptEdge.y},
                           [&] { return width() == rcArea.Width() - manager.m_nSplitterGap - 4; }));
    ptEdge = edgeAt();
    ASSERT_TRUE(DragAtOnce(hWndSlide, ptEdge, {ptEdge.x - (width() - 200), ptEdge.y}, [&] { return width() == 200; }));
    EXPECT_EQ(196, p702->m_nDockedWidth);
    EXPECT_TRUE(check.NoLeaks());
    EXPECT_EQ(pSlide, pPanel->GetActiveWnd()) << "the window stays out while it is resized";

    // Slid out again, the window has the size it was given.
    pSlide->Close(FALSE);
    PumpDocking();
    ASSERT_TRUE(input.Click(pPanel->GetTabRect(p702).CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, 702) == 2; }));
    ASSERT_TRUE(pPanel->GetActiveWnd());
    EXPECT_EQ(200, pPanel->GetActiveWnd()->GetFullRect().Width());

    // A group that may not be narrower than the docked area leaves its edge nowhere to go.
    pPanel->GetActiveWnd()->Close(FALSE);
    PumpDocking();
    p702->SetMinTrackSize(CPoint(2000, 0));
    pPanel->ShowPane(p702, FALSE);
    ASSERT_TRUE(pPanel->GetActiveWnd());
    EXPECT_EQ(hArrow, HCURSOR(::GetClassLongPtr(pPanel->GetActiveWnd()->GetSafeHwnd(), GCLP_HCURSOR)));
}

class DockingCaptionCancel : public DockingCaption, public ::testing::WithParamInterface<ELoopCancel>
{
};

// A live resize of the slide-out window ends where it is, whatever ends it: Esc does not put the old size back.
TEST_P(DockingCaptionCancel, ALiveEdgeDragEndedEarlyKeepsTheSizeReached)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.m_bSplitterTracker = FALSE;
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPane* p702 = manager.FindPane(702);
    CKTDockingPaneAutoHideWnd* pSlide = SlideOut(Panel(ktDockLeft), 702);
    ASSERT_TRUE(pSlide);
    const HWND hWndSlide = pSlide->GetSafeHwnd();
    const int nWidth = CKTWindowRect(hWndSlide).Width(), nDocked = p702->m_nDockedWidth;
    const CPoint ptEdge(nWidth - 2, CKTClientRect(pSlide).Height() / 2);
    CLoopInput input(hWndSlide);
    ASSERT_TRUE(input.Press(ptEdge)
                    .AwaitCapture()
                    .Move(ptEdge + CPoint(60, 0))
                    .Await([=] { return CKTWindowRect(hWndSlide).Width() == nWidth + 60; })
                    .CancelAndRelease(GetParam())
                    .AwaitNoCapture()
                    .Run());
    EXPECT_EQ(nWidth + 60, CKTWindowRect(hWndSlide).Width());
    EXPECT_EQ(nWidth + 60, pSlide->GetFullRect().Width());
    EXPECT_EQ(nDocked + 60, p702->m_nDockedWidth);
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Cancels, DockingCaptionCancel, AllLoopCancels(), LoopCancelCaseName);

TEST_F(DockingCaption, GroupSlidOutOfItsStripHasItsTabsOnlyInTheStrip)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
    manager.GetLayout()->Normalize();
    m_frame.Layout();
    CKTDockingPaneTabbedContainer* pGroup = Group(701);
    ASSERT_TRUE(pGroup->IsTabsVisible());
    manager.HidePane(pGroup);
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());

    CTestInput input(pPanel->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pPanel->GetTabRect(manager.FindPane(702)).CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, 702) == 1; }));
    CKTDockingPaneTabbedContainer* pSlid = Group(702);
    ASSERT_EQ(2, pSlid->GetChildCount());
    EXPECT_FALSE(pSlid->IsTabsVisible());
    EXPECT_EQ(CKTWindowRect(pSlid->GetSafeHwnd()).bottom, CKTWindowRect(m_frame.PaneWindow(702)).bottom)
        << "the pane reaches down to the group's bottom edge";
}

TEST_F(DockingCaption, SomethingDraggedOverAStripTabSlidesItsPaneOut)
{
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    COleDropTarget& target = pPanel->GetDropTarget();
    CPoint ptTab = pPanel->GetTabRect(m_frame.m_manager.FindPane(702)).CenterPoint();
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pPanel, nullptr, 0, ptTab));
    ASSERT_TRUE(pPanel->GetActiveWnd());
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pPanel, nullptr, 0, ptTab));
    EXPECT_EQ(pSlide, pPanel->GetActiveWnd()) << "held over the pane already out, nothing changes";
    EXPECT_EQ(1, m_frame.CountActions(ktActionExpanding, 702));
}

TEST_F(DockingCaption, WindowTheOwnerKeepsOutStaysTheStripsAndClosesLater)
{
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    pPanel->ShowPane(m_frame.m_manager.FindPane(702), FALSE);
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    ASSERT_TRUE(pSlide);
    HWND hWndSlide = pSlide->GetSafeHwnd();

    m_frame.m_refusedActions = {ktActionCollapsing};
    pPanel->CloseActiveWindow(FALSE);
    PumpDocking();
    EXPECT_EQ(pSlide, pPanel->GetActiveWnd()) << "kept out, the window is still the one slid out";
    EXPECT_TRUE(::IsWindowVisible(hWndSlide));
    pPanel->ShowPane(m_frame.m_manager.FindPane(702), FALSE);
    EXPECT_EQ(pSlide, pPanel->GetActiveWnd()) << "no second window beside the one kept out";
    EXPECT_EQ(1, m_frame.CountActions(ktActionExpanding, 702));

    m_frame.m_refusedActions.clear();
    pPanel->CloseActiveWindow(FALSE);
    PumpDocking();
    EXPECT_FALSE(pPanel->GetActiveWnd());
    EXPECT_FALSE(::IsWindow(hWndSlide));
}

TEST_F(DockingCaption, RightStripContinuesTheLeftStripsBand)
{
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.HidePane(manager.CreatePane(704, CRect(0, 0, 150, 100), ktDockRight));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pLeft = Panel(ktDockLeft);
    CKTDockingPaneAutoHidePanel* pRight = Panel(ktDockRight);
    ASSERT_TRUE(pLeft && pLeft->GetSafeHwnd() && pRight && pRight->GetSafeHwnd());

    // Far-apart colours, so that where a strip lies along the band reads off its pixels.
    const COLORREF clrFrom = RGB(255, 0, 0), clrTo = RGB(0, 0, 255);
    manager.GetPaintManager()->GetPanelTabPainter()->GetColorSet()->m_clrAutoHideFace.SetCustomValue(clrFrom, clrTo);
    pLeft->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    pRight->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CPixelImage left = CPixelImage::FromWindow(pLeft->GetSafeHwnd());
    CPixelImage right = CPixelImage::FromWindow(pRight->GetSafeHwnd());
    int y = CKTClientRect(pRight).bottom - 2;
    // The band is far wider than a strip: each strip shows a nearly even colour, one from each end.
    EXPECT_TRUE(NearColor(clrFrom, left.Pixel(0, y), 16));
    EXPECT_TRUE(NearColor(clrFrom, left.Pixel(CKTClientRect(pLeft).right - 1, y), 16));
    EXPECT_TRUE(NearColor(clrTo, right.Pixel(0, y), 16));
    EXPECT_TRUE(NearColor(clrTo, right.Pixel(CKTClientRect(pRight).right - 1, y), 16));
}

TEST_F(DockingCaption, WithoutSlideStepsTheWindowIsOutAtOnce)
{
    struct CSlideInterval
    {
        ~CSlideInterval() { CKTDockingPaneAutoHideWnd::m_nSlideInterval = 16; }
    } restore;
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel);
    CKTDockingPaneAutoHideWnd::m_nSlideInterval = 0;
    pPanel->ShowPane(m_frame.m_manager.FindPane(702), FALSE);
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    ASSERT_TRUE(pSlide);
    EXPECT_EQ(1, pSlide->GetStepCount());
    CRect rcWindow = CKTWindowRect(pSlide);
    m_frame.ScreenToClient(&rcWindow);
    EXPECT_EQ(pSlide->GetFullRect(), rcWindow);
    PumpDocking();
    EXPECT_EQ(0, m_frame.CountActions(ktActionExpanded, 702)) << "no slide, so no end of one";

    CKTDockingPaneAutoHideWnd::m_nSlideInterval = 16;
    pPanel->CloseActiveWindow(FALSE);
    ASSERT_TRUE(SlideOut(pPanel, 702));
    EXPECT_EQ(8, pPanel->GetActiveWnd()->GetStepCount()) << "128 ms in steps of 16";
}

TEST_F(DockingCaption, SideStripTabsStartBelowATopStripThatHoldsSomething)
{
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pLeft = Panel(ktDockLeft);
    ASSERT_TRUE(pLeft);
    CKTDockingPane* p702 = m_frame.m_manager.FindPane(702);
    int nAlone = pLeft->GetTabRect(p702).top;

    m_frame.m_manager.HidePane(m_frame.m_manager.CreatePane(705, CRect(0, 0, 150, 100), ktDockTop));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pTop = Panel(ktDockTop);
    ASSERT_TRUE(pTop && pTop->GetSafeHwnd());
    EXPECT_EQ(nAlone + CKTClientRect(pTop).Height(), pLeft->GetTabRect(p702).top);
}

TEST_F(DockingCaption, TheSlidOutPaneStaysWhileThePointerIsOverItOrItsTabAndGoesWhenItLeaves)
{
    CShortLeaveDelay shortDelay;
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    const CPoint ptTab = pPanel->GetTabRect(m_frame.m_manager.FindPane(702)).CenterPoint();
    ASSERT_TRUE(MoveTo(pPanel->GetSafeHwnd(), ptTab, [&] { return m_frame.CountActions(ktActionExpanded, 702) > 0; }));
    ASSERT_TRUE(pPanel->GetActiveWnd());
    HWND hWndSlide = pPanel->GetActiveWnd()->GetSafeHwnd();

    // The pane's own window is a child of the slid-out one: the pointer over it is still over the pane.
    HWND hWndPane = m_frame.PaneWindow(702)->GetSafeHwnd();
    ASSERT_TRUE(::IsChild(hWndSlide, hWndPane));
    const CRect rcPane = CKTClientRect(hWndPane);
    ASSERT_TRUE(MoveTo(hWndPane, rcPane.CenterPoint(), [] { return true; }));
    ASSERT_TRUE(MoveTo(hWndPane, rcPane.TopLeft() + CSize(4, 4), [] { return true; }));
    ASSERT_TRUE(PumpPastTheLeaveDelay());
    EXPECT_EQ(0, m_frame.CountActions(ktActionCollapsing, 702)) << "over the pane's child window it stays out";

    ASSERT_TRUE(MoveTo(pPanel->GetSafeHwnd(), ptTab, [] { return true; }));
    ASSERT_TRUE(PumpPastTheLeaveDelay());
    EXPECT_EQ(0, m_frame.CountActions(ktActionCollapsing, 702)) << "back over its tab it stays out";
    EXPECT_TRUE(::IsWindowVisible(hWndSlide));

    const CRect rcEditor = CKTClientRect(m_frame.EditorArea());
    EXPECT_TRUE(MoveTo(m_frame.EditorArea(), rcEditor.CenterPoint(), [&] { return !::IsWindow(hWndSlide); }))
        << "the pointer left: it slides back";
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsing, 702));
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsed, 702));
}

TEST_F(DockingCaption, TheSlidOutPaneHoldingTheFocusStaysAfterThePointerLeftUntilTheFocusGoes)
{
    CShortLeaveDelay shortDelay;
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    ASSERT_TRUE(
        CTestInput(pPanel->GetSafeHwnd()).Click(pPanel->GetTabRect(m_frame.m_manager.FindPane(702)).CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_frame.CountActions(ktActionExpanded, 702) > 0; }));
    CKTDockingPaneAutoHideWnd* pSlide = pPanel->GetActiveWnd();
    ASSERT_TRUE(pSlide);
    HWND hWndSlide = pSlide->GetSafeHwnd();

    HWND hWndPane = m_frame.PaneWindow(702)->GetSafeHwnd();
    ASSERT_TRUE(CTestInput(hWndPane).Click({10, 10}));
    PumpDocking();
    ASSERT_EQ(hWndPane, ::GetFocus());
    ASSERT_TRUE(pSlide->GetContainer()->IsActive());

    // Input aimed at a window focuses it: the move is aimed at the pane, to a point over the editors.
    CPoint ptEditor = CKTClientRect(m_frame.EditorArea()).CenterPoint();
    ::MapWindowPoints(m_frame.EditorArea(), hWndPane, &ptEditor, 1);
    ASSERT_TRUE(MoveTo(hWndPane, ptEditor, [] { return true; }));
    ASSERT_EQ(hWndPane, ::GetFocus());
    ASSERT_TRUE(PumpPastTheLeaveDelay());
    EXPECT_EQ(0, m_frame.CountActions(ktActionCollapsing, 702)) << "the focus inside keeps it out";
    EXPECT_TRUE(::IsWindowVisible(hWndSlide));

    ::SetFocus(m_frame.EditorArea());
    m_frame.m_manager.UpdatePanesFocus();
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hWndSlide); })) << "with the focus gone, the pointer away decides";
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsed, 702));
}

TEST_F(DockingCaption, ThePointerLeavingStraightOntoAnotherProgramsWindowSlidesThePaneBack)
{
    CShortLeaveDelay shortDelay;
    const HWND hWndSlide = SlideOutUnderThePointer();
    ASSERT_TRUE(hWndSlide);

    // The other program's window lies over the editors, clear of the pane and its strip.
    CRect rcOther = CKTWindowRect(m_frame.EditorArea());
    rcOther.DeflateRect(rcOther.Width() / 4, rcOther.Height() / 4);
    ASSERT_FALSE(CRect().IntersectRect(rcOther, CKTWindowRect(hWndSlide)));
    COtherProgramWindow other(rcOther);
    ASSERT_TRUE(other.GetHwnd()) << "the other program shows its window";
    // A jump straight from the pane onto it: no mouse message of this program sees the pointer leave.
    ASSERT_TRUE(other.MovePointerOnto());
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hWndSlide); })) << "the pane slid back meanwhile";
    EXPECT_EQ(1, m_frame.CountActions(ktActionCollapsed, 702));
}

// An overflowing strip shows no scroll arrows: its tabs share the strip's length instead.
TEST_F(DockingCaption, AnOverflowingStripHasNoScrollArrows)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    m_frame.SetWindowPos(NULL, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER);
    // One group of twenty panes, hidden into the left strip.
    for (int nID = 720; nID < 740; ++nID)
    {
        CKTDockingPane* pPane = manager.CreatePane(nID, CRect(0, 0, 150, 100), ktDockLeft);
        pPane->SetTitle("A pane with a rather long title");
        if (nID > 720)
            manager.AttachPane(pPane, Group(720));
    }
    manager.GetLayout()->Normalize();
    manager.HidePane(Group(720));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    pPanel->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(1u, pPanel->GetTabManagers().size());
    int nTabsLength = 0;
    for (int i = 0; i < pPanel->GetTabManagers()[0]->GetItemCount(); ++i)
        nTabsLength += pPanel->GetTabManagers()[0]->GetItem(i)->GetFullLength();
    ASSERT_GT(nTabsLength, CKTClientRect(pPanel).Height()) << "the tabs would need more than the strip has";
    int nChecked = 0;
    for (const auto& pTabs : pPanel->GetTabManagers())
        for (UINT nButton : {ktNavigateButtonLeft, ktNavigateButtonRight})
        {
            CKTTabManagerNavigateButton* pButton = pTabs->FindNavigateButton(nButton);
            ASSERT_NE(nullptr, pButton);
            EXPECT_EQ(ktNavigateButtonNone, pButton->GetMode());
            EXPECT_TRUE(pButton->GetRect().IsRectEmpty()) << "no arrow drawn";
            ++nChecked;
        }
    EXPECT_GT(nChecked, 0);
    // Moving over the strip's far end finds a tab, not an arrow.
    const CRect rcPanel = CKTClientRect(pPanel);
    ASSERT_TRUE(MoveTo(pPanel->GetSafeHwnd(), {rcPanel.CenterPoint().x, rcPanel.bottom - 6}, [] { return true; }));
    for (const auto& pTabs : pPanel->GetTabManagers())
        EXPECT_EQ(nullptr, pTabs->GetHighlightedButton());
}

// The strip tabs of a group of two panes, hidden into the left strip: the application's theme names both panes, the
// one shown and the other.
TEST_F(DockingCaption, TheApplicationThemesStripNamesEveryPaneOfAGroup)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.AttachPane(manager.FindPane(702), manager.FindPane(701));
    manager.GetLayout()->Normalize();
    manager.HidePane(Group(701));
    m_frame.Layout();
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());

    CKTScreenDC dc;
    CKTFontDC font(&dc, manager.GetPaintManager()->GetPanelTabPainter()->GetFont(FALSE));
    for (int nID : {701, 702})
    {
        CKTDockingPane* pPane = manager.FindPane(nID);
        EXPECT_GT(pPanel->GetTabRect(pPane).Height(), dc.GetTextExtent(pPane->GetTitle()).cx) << "pane " << nID;
    }
}

// The gradient theme's strip tabs are captioned in the dark shadow colour, not in the button text's.
TEST_F(DockingCaption, TheGradientThemesStripTabsAreCaptionedInTheDarkShadow)
{
    CKTDockingPaneManager& manager = m_frame.m_manager;
    manager.SetTheme(ktDockingPaneThemeGradient);
    ClickButton(Group(702), KT_IDS_DOCKING_CLOSE);
    CKTDockingPaneAutoHidePanel* pPanel = Panel(ktDockLeft);
    ASSERT_TRUE(pPanel && pPanel->GetSafeHwnd());
    pPanel->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const CPixelImage image = CPixelImage::FromWindow(pPanel->GetSafeHwnd());
    CRect rcTab = pPanel->GetTabRect(manager.FindPane(702));
    rcTab.DeflateRect(2, 2);
    int nShadow = 0, nBlack = 0;
    for (int y = rcTab.top; y < rcTab.bottom; ++y)
        for (int x = rcTab.left; x < rcTab.right; ++x)
        {
            nShadow += NearColor(image.Pixel(x, y), ::GetSysColor(COLOR_3DDKSHADOW), 8);
            nBlack += NearColor(image.Pixel(x, y), ::GetSysColor(COLOR_BTNTEXT), 8);
        }
    EXPECT_GT(nShadow, 0);
    EXPECT_EQ(0, nBlack);
}
