// RibbonFrameTests.cpp: the ribbon drawing its frame's caption: the frame's non-client area and region, the caption
// metrics with and without (faked) glass, the caption buttons and the title beside the context headers.
#include "FakeGlassRegion.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"
#include "KTControls.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonTab.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "RibbonInputFrame.h"
#include "RibbonTestFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace
{
class RibbonFrame : public ::testing::Test
{
protected:
    CKTControl* Button(UINT nCommand) const { return m_pBar->GetControls()->FindControl(static_cast<int>(nCommand)); }
    CWnd* Frame() const { return m_frame.GetWindow(); }

    // Distance from the window's top to its client area's: 0 once the ribbon holds the caption.
    int ClientTopInset() const
    {
        CRect rcWindow, rcClient;
        Frame()->GetWindowRect(rcWindow);
        Frame()->GetClientRect(rcClient);
        Frame()->ClientToScreen(rcClient);
        return rcClient.top - rcWindow.top;
    }

    // The frame's window region in window co-ordinates; empty for none.
    CRect RegionBox() const
    {
        CRect rc;
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        if (::GetWindowRgn(Frame()->GetSafeHwnd(), hRgn) == ERROR || ::GetRgnBox(hRgn, rc) == ERROR)
            rc.SetRectEmpty();
        ::DeleteObject(hRgn);
        return rc;
    }

    CSize WindowSize() const
    {
        CRect rc;
        Frame()->GetWindowRect(rc);
        return rc.Size();
    }

    CRibbonTestFrame m_frame;
    CKTRibbonBar* m_pBar = m_frame.GetRibbon();
};
}  // namespace

TEST_F(RibbonFrame, TheRibbonTakesTheCaptionAndGivesItBack)
{
    const int nOwnCaption = ClientTopInset();
    ASSERT_GT(nOwnCaption, 0);
    m_pBar->EnableFrameTheme(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ClientTopInset() == 0; }));
    CKTFrameRegionHelper* pRegion = m_pBar->GetFrameRegion();
    ASSERT_TRUE(pRegion);
    EXPECT_FALSE(pRegion->IsCaptionVisible());
    const int b = pRegion->GetFrameBorder();
    ASSERT_GT(b, 0);
    EXPECT_EQ(m_pBar->GetCaptionHeight(), pRegion->GetCaptionHeight());
    EXPECT_GE(m_pBar->GetCaptionHeight(), b + m_pBar->GetRibbonPainter()->GetRibbonCaptionHeight());

    CRect rcBar;
    m_pBar->GetClientRect(rcBar);
    const CRect rcCaption = m_pBar->GetCaptionRect();
    EXPECT_EQ(CRect(-b, 0, rcBar.right + b, m_pBar->GetCaptionHeight()), rcCaption) << "under the side borders too";
    EXPECT_EQ(rcCaption.bottom, m_pBar->GetTabRowRect().top);

    // Close, maximise and minimise from the right, squares as tall as the row below the border.
    ASSERT_TRUE(Button(SC_CLOSE) && Button(SC_MAXIMIZE) && Button(SC_MINIMIZE));
    EXPECT_FALSE(Button(SC_RESTORE));
    const CRect rcClose = Button(SC_CLOSE)->GetRect(), rcMax = Button(SC_MAXIMIZE)->GetRect();
    EXPECT_EQ(rcBar.right, rcClose.right);
    EXPECT_EQ(b, rcClose.top);
    EXPECT_EQ(rcCaption.bottom - 3, rcClose.bottom);
    EXPECT_EQ(rcClose.Height(), rcClose.Width());
    EXPECT_EQ(rcClose.left, rcMax.right);
    EXPECT_EQ(rcMax.left, Button(SC_MINIMIZE)->GetRect().right);
    EXPECT_TRUE(Button(SC_CLOSE)->IsVisible());

    // The title is centred in what the buttons leave.
    const CRect rcClient = m_pBar->GetCaptionClientRect(), rcTitle = m_pBar->GetCaptionTextRect();
    EXPECT_EQ(Button(SC_MINIMIZE)->GetRect().left, rcClient.right);
    EXPECT_FALSE(rcTitle.IsRectEmpty());
    EXPECT_LE(std::abs(rcTitle.CenterPoint().x - rcClient.CenterPoint().x), 1);

    m_pBar->EnableFrameTheme(FALSE);
    EXPECT_TRUE(PumpUntil([&] { return ClientTopInset() == nOwnCaption; }));
    EXPECT_FALSE(Button(SC_CLOSE));
    EXPECT_TRUE(m_pBar->GetCaptionTextRect().IsRectEmpty());
}

// Under the ribbon theme the frame is cut to rounded corners while the ribbon draws it.
TEST(RibbonFrameRemoval, ARibbonRemovedWhileItDrawsTheFrameGivesTheFrameItsCaptionAndShapeBack)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CRibbonTestFrame frame;
        const HWND hWndFrame = frame.GetWindow()->GetSafeHwnd();
        auto hasRegion = [hWndFrame]
        {
            HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
            const BOOL bRegion = ::GetWindowRgn(hWndFrame, hRgn) != ERROR;
            ::DeleteObject(hRgn);
            return bRegion;
        };
        frame.GetRibbon()->EnableFrameTheme(TRUE);
        ASSERT_TRUE(PumpUntil(hasRegion));
        frame.GetCommandBars()->Remove(frame.GetRibbon());
        PumpMessages();
        EXPECT_FALSE(hasRegion()) << "the frame is no longer cut";
        CRect rcWindow, rcClient;
        ::GetWindowRect(hWndFrame, rcWindow);
        ::GetClientRect(hWndFrame, rcClient);
        ::MapWindowPoints(hWndFrame, NULL, reinterpret_cast<POINT*>(&rcClient), 2);
        EXPECT_GT(rcClient.top - rcWindow.top, 0) << "its own caption is back";
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

// The bars may outlive their frame; the region object's frame pointer then names a window that is gone. A live
// stand-in window behind that pointer shows whether the removal still reaches through it.
TEST(RibbonFrameRemoval, ARibbonRemovedAfterItsFrameIsGoneLeavesTheFrameAlone)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CWnd standIn;
        ASSERT_TRUE(standIn.Attach(::CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 80, 60, NULL, NULL, NULL, NULL)));
        CRibbonTestFrame frame;
        CKTSmartPtr<CKTCommandBars> pHeld(frame.GetCommandBars());
        CKTRibbonBar* pRibbon = frame.GetRibbon();
        pRibbon->SetFrameRegion(
            std::unique_ptr<CKTFrameRegionHelper>(new CKTFrameRegionHelper(&standIn, pHeld, pRibbon)));
        ASSERT_NE(0, ::SetWindowRgn(standIn.GetSafeHwnd(), ::CreateRectRgn(0, 0, 40, 30), FALSE));
        frame.GetWindow()->DestroyWindow();
        ASSERT_TRUE(PumpUntil([&] { return frame.GetWindow() == NULL; }));
        pHeld->Remove(pRibbon);
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(ERROR, ::GetWindowRgn(standIn.GetSafeHwnd(), hRgn)) << "the gone frame is not restored";
        ::DeleteObject(hRgn);
        pHeld.Release();
        standIn.DestroyWindow();
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

TEST_F(RibbonFrame, AMaximisedFrameWithoutGlassIsCutToItsInsideBorder)
{
    m_pBar->EnableFrameTheme(TRUE);
    Frame()->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return Frame()->IsZoomed() && !RegionBox().IsRectEmpty(); }));
    CKTFrameRegionHelper* pRegion = m_pBar->GetFrameRegion();
    const int b = pRegion->GetFrameBorder();
    const CSize sz = WindowSize();
    EXPECT_EQ(CRect(b, b, sz.cx - b, sz.cy - b), RegionBox());
    EXPECT_TRUE(PumpUntil([&] { return Button(SC_RESTORE) && !Button(SC_MAXIMIZE); }));

    // The same size again leaves the region alone unless forced.
    ASSERT_TRUE(::SetWindowRgn(Frame()->GetSafeHwnd(), ::CreateRectRgn(0, 0, 50, 50), FALSE));
    pRegion->UpdateFrameRegion(sz.cx, sz.cy, FALSE);
    EXPECT_EQ(CRect(0, 0, 50, 50), RegionBox());
    pRegion->UpdateFrameRegion(sz.cx, sz.cy, TRUE);
    EXPECT_EQ(CRect(b, b, sz.cx - b, sz.cy - b), RegionBox());

    // Restored, the classic theme has no shape of its own for the frame.
    Frame()->ShowWindow(SW_RESTORE);
    EXPECT_TRUE(PumpUntil([&] { return !Frame()->IsZoomed() && RegionBox().IsRectEmpty(); }));
    EXPECT_TRUE(PumpUntil([&] { return Button(SC_MAXIMIZE) && !Button(SC_RESTORE); }));
}

TEST_F(RibbonFrame, OnGlassTheCaptionFollowsTheGlass)
{
    CFakeGlassRegion* pRegion = CFakeGlassRegion::Attach(m_pBar, TRUE);
    PumpMessages();
    ASSERT_TRUE(m_pBar->IsDwmEnabled());
    EXPECT_EQ(4, pRegion->GetFrameBorder()) << "a composited frame that is not maximised";
    EXPECT_TRUE(RegionBox().IsRectEmpty()) << "glass takes no region";
    EXPECT_GE(m_pBar->GetCaptionHeight(), 4 + m_pBar->GetRibbonPainter()->GetRibbonCaptionHeight());
    EXPECT_EQ(CRect(-4, 0, m_pBar->GetCaptionRect().right, m_pBar->GetCaptionHeight()), m_pBar->GetCaptionRect());
    // The system draws the buttons on glass: the caption's free part reaches the right end.
    EXPECT_FALSE(Button(SC_CLOSE) || Button(SC_MINIMIZE) || Button(SC_MAXIMIZE));
    CRect rcBar;
    m_pBar->GetClientRect(rcBar);
    EXPECT_EQ(rcBar.right, m_pBar->GetCaptionClientRect().right);
    EXPECT_EQ(4, m_pBar->GetCaptionClientRect().top);

    // Glass going away brings the frame's border and the buttons back.
    pRegion->m_bGlass = FALSE;
    pRegion->RefreshFrame();
    EXPECT_FALSE(m_pBar->IsDwmEnabled());
    CRect rcWindow, rcClient;
    Frame()->GetWindowRect(rcWindow);
    Frame()->GetClientRect(rcClient);
    Frame()->ClientToScreen(rcClient);
    EXPECT_EQ(rcClient.left - rcWindow.left, pRegion->GetFrameBorder());
    EXPECT_TRUE(Button(SC_CLOSE));
}

// The system tells the frame when glass comes or goes; the caption follows without a call of the program's.
TEST_F(RibbonFrame, TheCaptionFollowsTheSystemTurningGlassOnAndOff)
{
    CFakeGlassRegion* pRegion = CFakeGlassRegion::Attach(m_pBar, FALSE);
    PumpMessages();
    ASSERT_TRUE(Button(SC_CLOSE));
    pRegion->m_bGlass = TRUE;
    Frame()->SendMessage(WM_DWMCOMPOSITIONCHANGED);
    EXPECT_TRUE(m_pBar->IsDwmEnabled());
    EXPECT_FALSE(Button(SC_CLOSE)) << "the system draws the buttons on glass";
    pRegion->m_bGlass = FALSE;
    Frame()->SendMessage(WM_DWMCOMPOSITIONCHANGED);
    EXPECT_FALSE(m_pBar->IsDwmEnabled());
    EXPECT_TRUE(Button(SC_CLOSE));
}

TEST_F(RibbonFrame, CaptionButtonsRunTheFramesCommands)
{
    m_pBar->EnableFrameTheme(TRUE);
    PumpMessages();
    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(Button(SC_MAXIMIZE));
    ASSERT_TRUE(input.Click(Button(SC_MAXIMIZE)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return Frame()->IsZoomed() && Button(SC_RESTORE); }));
    ASSERT_TRUE(input.Click(Button(SC_RESTORE)->GetRect().CenterPoint()));
    EXPECT_TRUE(PumpUntil([&] { return !Frame()->IsZoomed(); }));
}

TEST_F(RibbonFrame, AContextHeaderClickSelectsItsFirstTabAndTheTitleStandsAside)
{
    Frame()->SetWindowText("Protocol designer");
    m_pBar->EnableFrameTheme(TRUE);
    CKTRibbonTab* pFormat = m_pBar->AddTab("Format");
    CKTRibbonTab* pArrange = m_pBar->AddTab("Arrange");
    pFormat->SetContextTab(RGB(40, 160, 60), "Picture Tools");
    pArrange->SetContextTab(RGB(40, 160, 60), "Picture Tools");
    m_pBar->OnRecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetContextHeaders().GetCount() == 1; }));
    const KT_RIBBONCONTEXTHEADER* pHeader = m_pBar->GetContextHeaders().GetAt(0);
    const CRect rcTitle = m_pBar->GetCaptionTextRect(), rcClient = m_pBar->GetCaptionClientRect();
    // Centred, the title would cover the header's right part: it moves to the header's right.
    EXPECT_EQ(pHeader->rc.right, rcTitle.left);
    EXPECT_GE(rcTitle.left, rcClient.left);
    EXPECT_LE(rcTitle.right, rcClient.right);

    m_frame.m_tabNotifications.clear();
    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pHeader->rc.CenterPoint()));
    EXPECT_TRUE(PumpUntil([&] { return m_pBar->GetSelectedTab() == pFormat; }));
    ASSERT_EQ(2u, m_frame.m_tabNotifications.size());
    EXPECT_EQ(TCN_SELCHANGE, m_frame.m_tabNotifications[1].first);
    EXPECT_TRUE(Frame()->IsWindowVisible() && !Frame()->IsZoomed()) << "the click neither moved nor sized the frame";
}

// A header that runs under the caption buttons is cut back to their left, not dropped.
TEST_F(RibbonFrame, AHeaderUnderTheCaptionButtonsIsCutBack)
{
    m_frame.SetClientWidth(330);
    Frame()->SetWindowText("");  // a title of its margins only, room for which is left of the header
    m_pBar->EnableFrameTheme(TRUE);
    m_pBar->AddTab("Review");
    for (LPCSTR lpszCaption : {"Format", "Arrange"})
        m_pBar->AddTab(lpszCaption)->SetContextTab(RGB(40, 160, 60), "Picture Tools");
    m_pBar->OnRecalcLayout();
    PumpMessages();
    const CRect rcClient = m_pBar->GetCaptionClientRect();
    const CKTRibbonTab* pLast = m_pBar->GetControlTab()->GetTab(5);
    ASSERT_GT(pLast->GetRect().right, rcClient.right) << "the test wants the last tab under the buttons";
    ASSERT_EQ(1, m_pBar->GetContextHeaders().GetCount());
    const CRect rcHeader = m_pBar->GetContextHeaders().GetAt(0)->rc;
    EXPECT_EQ(rcClient.right, rcHeader.right);
    EXPECT_EQ(m_pBar->GetControlTab()->GetTab(4)->GetRect().left, rcHeader.left);
    EXPECT_EQ(rcHeader.left, m_pBar->GetCaptionTextRect().right) << "the title stands left of it";
}

// Too narrow to show, the ribbon gives the frame its own caption back, and takes it again when wide enough.
TEST_F(RibbonFrame, TheCaptionFollowsWhetherTheRibbonShows)
{
    m_pBar->EnableFrameTheme(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ClientTopInset() == 0; }));
    m_frame.SetClientWidth(200);
    EXPECT_TRUE(PumpUntil([&] { return !m_pBar->IsRibbonShown() && ClientTopInset() > 0; }));
    EXPECT_TRUE(m_pBar->GetFrameRegion()->IsCaptionVisible());
    m_frame.SetClientWidth(600);
    EXPECT_TRUE(PumpUntil([&] { return m_pBar->IsRibbonShown() && ClientTopInset() == 0; }));
}

// Its window hidden or shown alone, the bar's flag untouched, the ribbon gives the caption back and takes it again;
// the frame's client closes over the room it left.
TEST_F(RibbonFrame, TheCaptionFollowsTheRibbonsWindow)
{
    const int nOwnCaption = ClientTopInset();
    m_pBar->EnableFrameTheme(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ClientTopInset() == 0; }));
    auto mdiClientTop = [&]
    {
        CRect rc;
        ::GetWindowRect(m_frame.GetWindow()->m_hWndMDIClient, rc);
        Frame()->ScreenToClient(rc);
        return rc.top;
    };
    const int nRibbonHeight = mdiClientTop();
    ASSERT_GT(nRibbonHeight, 0);

    m_pBar->ShowWindow(SW_HIDE);
    EXPECT_TRUE(PumpUntil([&] { return ClientTopInset() == nOwnCaption && mdiClientTop() == 0; }));
    EXPECT_TRUE(m_pBar->GetFrameRegion()->IsCaptionVisible());
    EXPECT_TRUE(m_pBar->IsVisible());

    m_pBar->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(PumpUntil([&] { return ClientTopInset() == 0 && mdiClientTop() == nRibbonHeight; }));
    EXPECT_FALSE(m_pBar->GetFrameRegion()->IsCaptionVisible());
    // The bar's own flag still hides and shows it as before.
    m_pBar->SetVisible(FALSE);
    EXPECT_TRUE(PumpUntil([&] { return ClientTopInset() == nOwnCaption; }));
    m_pBar->SetVisible(TRUE);
    EXPECT_TRUE(PumpUntil([&] { return ClientTopInset() == 0 && mdiClientTop() == nRibbonHeight; }));
}

// The ribbon's window shown or hidden refreshes the frame once, before ShowWindow returns; a call that leaves the
// visibility as it was refreshes nothing, and the bar's own flag refreshes once though its window shows or hides.
TEST_F(RibbonFrame, ItsWindowShownOrHiddenRefreshesTheFrameOncePerChange)
{
    const int nOwnCaption = ClientTopInset();
    m_pBar->EnableFrameTheme(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ClientTopInset() == 0; }));
    PumpMessages();
    // A refresh recomputes the frame's non-client area; a message posted after a change arrives after any refresh
    // the change posted.
    const UINT kAfterChange = WM_APP + 77;
    CMessageRecorder recorder({Frame()->GetSafeHwnd()}, {WM_NCCALCSIZE, kAfterChange});
    auto countRefreshes = [&](const std::function<void()>& change)
    {
        recorder.Clear();
        change();
        Frame()->PostMessage(kAfterChange);
        EXPECT_TRUE(PumpUntil(
            [&] { return !recorder.Messages().empty() && recorder.Messages().back().message == kAfterChange; }));
        return std::count_if(recorder.Messages().begin(), recorder.Messages().end(),
                             [](const CRecordedMessage& m) { return m.message == WM_NCCALCSIZE; });
    };
    const auto nOneRefresh = countRefreshes([&] { m_pBar->GetFrameRegion()->RefreshFrame(); });
    ASSERT_GT(nOneRefresh, 0);

    const auto hide = [&]
    {
        m_pBar->ShowWindow(SW_HIDE);
        EXPECT_EQ(nOwnCaption, ClientTopInset()) << "the frame takes its caption back at once";
    };
    const auto show = [&]
    {
        m_pBar->ShowWindow(SW_SHOWNA);
        EXPECT_EQ(0, ClientTopInset()) << "the ribbon takes the caption at once";
    };
    EXPECT_EQ(nOneRefresh, countRefreshes(hide));
    EXPECT_EQ(0, countRefreshes([&] { m_pBar->ShowWindow(SW_HIDE); }));
    EXPECT_EQ(nOneRefresh, countRefreshes(show));
    EXPECT_EQ(0, countRefreshes([&] { m_pBar->ShowWindow(SW_SHOWNA); }));
    EXPECT_EQ(nOneRefresh, countRefreshes([&] { m_pBar->SetVisible(FALSE); }));
    EXPECT_EQ(nOneRefresh, countRefreshes([&] { m_pBar->SetVisible(TRUE); }));
    EXPECT_EQ(0, ClientTopInset());
}

// On glass the quick access toolbar in the caption keeps clear of the system's caption buttons.
TEST(RibbonFrameGlass, TheQuickAccessToolbarStopsShortOfTheSystemsButtons)
{
    CRibbonInputFrame frame(600, 300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CTestRibbonGroup* pGroup = frame.AddGroup(0, std::vector<const char*>(30, "Command"), 300);
    for (int i = 0; i < pGroup->GetCount(); i++)
        pBar->AddToQuickAccess(pGroup->GetAt(i));
    CFakeGlassRegion::Attach(pBar, TRUE);
    PumpMessages();
    CRect rcBar;
    pBar->GetClientRect(rcBar);
    int nRight = 0, nHidden = 0, nWidth = 0;
    for (int i = 0; i < pBar->GetQuickAccessControls()->GetCount(); i++)
    {
        CKTControl* pControl = pBar->GetQuickAccessControls()->GetAt(i);
        if (pControl->IsVisible())
        {
            nRight = std::max(nRight, static_cast<int>(pControl->GetRect().right));
            nWidth = pControl->GetRect().Width();
        }
        else
            nHidden++;
    }
    ASSERT_GT(nHidden, 0) << "the test wants more controls than room";
    EXPECT_LE(nRight, rcBar.right - 115);
    EXPECT_GT(nRight + nWidth, rcBar.right - 115) << "the next one would not have fitted";
}

// On glass the system's own buttons lie under the ribbon's caption strip: the mouse goes through to the frame there.
TEST_F(RibbonFrame, OnGlassTheSystemsCaptionButtonsTakeTheMouseThroughTheRibbon)
{
    CFakeGlassRegion* pRegion = CFakeGlassRegion::Attach(m_pBar, TRUE);
    PumpMessages();
    CPoint ptClose(m_pBar->GetCaptionRect().right - 20, m_pBar->GetCaptionRect().CenterPoint().y);
    m_pBar->ClientToScreen(&ptClose);
    pRegion->m_rcCloseButton = CRect(ptClose.x - 10, ptClose.y - 5, ptClose.x + 10, ptClose.y + 5);
    const LPARAM lPoint = MAKELPARAM(ptClose.x, ptClose.y);
    EXPECT_EQ(HTTRANSPARENT, m_pBar->SendMessage(WM_NCHITTEST, 0, lPoint));
    CPoint ptElsewhere = ptClose - CSize(60, 0);
    EXPECT_NE(HTTRANSPARENT, m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptElsewhere.x, ptElsewhere.y)));
    pRegion->m_bGlass = FALSE;
    pRegion->RefreshFrame();
    EXPECT_NE(HTTRANSPARENT, m_pBar->SendMessage(WM_NCHITTEST, 0, lPoint)) << "without glass the ribbon answers";
}

TEST_F(RibbonFrame, AToolBarDraggedOntoTheRibbonsRowLandsInTheRowAfterItAndTheDockBarPassesTheCaptionsHits)
{
    CKTCommandBars* pCommandBars = m_frame.GetCommandBars();
    CKTToolBar* pBar = pCommandBars->Add("Dropped", ktBarTop);
    ASSERT_TRUE(pBar != NULL);
    pBar->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetCaption("Wide caption");
    pCommandBars->RecalcFrameLayout();
    PumpMessages();
    const CRect rcRibbon = CKTWindowRect(m_pBar), rcBar = CKTWindowRect(pBar);
    ASSERT_GE(rcBar.top, rcRibbon.bottom);

    // By its gripper onto the middle of the ribbon's row.
    const CPoint ptFrom(rcBar.left + 3, rcBar.CenterPoint().y);
    const CPoint ptTo(rcRibbon.left + 200, rcRibbon.CenterPoint().y);
    CTestInput input(Frame()->GetSafeHwnd());
    std::vector<INPUT> inputs;
    InputBuilder::AddDrag(inputs, ptFrom, ptTo, 4);
    ASSERT_TRUE(input.Send(inputs));
    ASSERT_TRUE(PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && ::GetCapture() == NULL; }, 5000));
    pCommandBars->RecalcFrameLayout();
    PumpMessages();
    EXPECT_EQ(ktBarTop, pBar->GetPosition());
    EXPECT_GE(CKTWindowRect(pBar).top, CKTWindowRect(m_pBar).bottom) << "after the ribbon's row, not above it";

    CKTDockBar* pTop = pCommandBars->GetDockBar(ktBarTop);
    const CPoint ptOverRibbon = CKTWindowRect(m_pBar).CenterPoint();
    EXPECT_EQ(HTTRANSPARENT, (int)pTop->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptOverRibbon.x, ptOverRibbon.y)));
}
