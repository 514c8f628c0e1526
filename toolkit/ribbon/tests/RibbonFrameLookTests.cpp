// RibbonFrameLookTests.cpp: a frame whose caption the ribbon draws, in theme 6 with the tests' style images, as the
// screen shows it: the frame's border and caption edges beside the ribbon's tabs, groups and caption buttons.
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControls.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonTab.h"
#include "KTStatusBar.h"
#include "KTThemeStyle5.h"
#include "LoadedStyle.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "RibbonTestFrame.h"
#include "Screenshot.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

namespace
{
// The tests' images: the selected tab's part, the group caption's idle part, the caption's left edge.
const COLORREF kSelectedTab = RGB(250, 120, 0);
const COLORREF kGroupCaption = RGB(20, 40, 120);
const COLORREF kCaptionLeftActive = RGB(220, 10, 10);

// What the screen shows of the frame, its non-client area included, in window co-ordinates.
class CShownFrame
{
public:
    explicit CShownFrame(CWnd* pFrame)
        : m_origin(WindowRect(pFrame).TopLeft()), m_image(CPixelImage::FromScreen(WindowRect(pFrame)))
    {
    }
    COLORREF Pixel(CPoint ptWindow) const { return m_image.Pixel(ptWindow.x, ptWindow.y); }
    // A point of one of the frame's windows, in the frame window's co-ordinates.
    CPoint FromWindow(CWnd* pWnd, CPoint pt) const
    {
        pWnd->ClientToScreen(&pt);
        return pt - m_origin;
    }

private:
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(rc);
        return rc;
    }

    CPoint m_origin;
    CPixelImage m_image;
};
}  // namespace

TEST(RibbonFrameLook, TheFramesPictureInTheRibbonTheme)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CLoadedStyle style("STYLE_INI");
        ASSERT_TRUE(style.IsLoaded());
        CRibbonTestFrame frame(600, 400);
        CWnd* pFrame = frame.GetWindow();
        CKTRibbonBar* pBar = frame.GetRibbon();
        CKTRibbonTabGroups* pGroups = pBar->GetControlTab()->GetTab(0)->GetGroups();
        auto* pGroup = static_cast<CTestRibbonGroup*>(pGroups->Add(RUNTIME_CLASS(CTestRibbonGroup), "&Clipboard", 1));
        pGroup->m_nWidth = 120;
        pGroup->AddControl(ktControlButton, 101);
        pBar->EnableFrameTheme(TRUE);
        pFrame->SetForegroundWindow();
        ASSERT_TRUE(PumpUntil(
            [&] { return pBar->GetFrameRegion()->IsActive() && pBar->GetControls()->FindControl(SC_CLOSE); }));
        PumpMessages();

        const std::string strPath = SaveScreenshot(pFrame->GetSafeHwnd(), "ribbon_frame_theme6");
        EXPECT_FALSE(strPath.empty());
        auto* pTheme = dynamic_cast<CKTThemeStyle5*>(pBar->GetPaintManager());
        ASSERT_TRUE(pTheme);
        const int b = pBar->GetFrameRegion()->GetFrameBorder(), c = pBar->GetCaptionHeight();
        const CPoint ptTab = pBar->GetControlTab()->GetTab(0)->GetRect().TopLeft() + CPoint(2, 2);
        const CRect rcGroup = pGroup->GetRect();
        CRect rcWindow;
        pFrame->GetWindowRect(rcWindow);
        auto shows = [&](CPoint pt, COLORREF clr)
        { return PumpUntil([&] { return CShownFrame(pFrame).Pixel(pt) == clr; }); };
        CShownFrame shown(pFrame);
        EXPECT_TRUE(shows(shown.FromWindow(pBar, ptTab), kSelectedTab)) << "the tab row";
        EXPECT_TRUE(shows(shown.FromWindow(pBar, CPoint(rcGroup.left + 2, rcGroup.bottom - 2)), kGroupCaption))
            << "a group caption";
        const CPoint ptBorder(0, (c + rcWindow.Height()) / 2);
        EXPECT_TRUE(shows(ptBorder, pTheme->m_clrBorderActive[0].GetColor())) << "the frame's left border";
        EXPECT_TRUE(shows(CPoint(b / 2, c / 2), kCaptionLeftActive)) << "the caption's left edge, in the border";
        EXPECT_TRUE(shows(shown.FromWindow(pBar, CPoint(0, c / 2)), kCaptionLeftActive))
            << "the same image goes on in the ribbon";
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

// Theme 6 draws the frame's status bar strip with the border: only while the frame's status bar shows.
TEST(RibbonFrameLook, TheFramesStatusBarCountsWhileItShows)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CRibbonTestFrame frame(600, 400);
        CKTRibbonBar* pBar = frame.GetRibbon();
        pBar->EnableFrameTheme(TRUE);
        CKTFrameRegionHelper* pRegion = pBar->GetFrameRegion();
        EXPECT_EQ(0, pRegion->GetFrameStatusBarHeight()) << "no status bar";
        CKTStatusBar statusBar;
        ASSERT_TRUE(statusBar.Create(frame.GetWindow()));
        frame.GetWindow()->RecalcLayout();
        CRect rc;
        statusBar.GetWindowRect(rc);
        ASSERT_GT(rc.Height(), 0);
        EXPECT_EQ(rc.Height(), pRegion->GetFrameStatusBarHeight());
        statusBar.ShowWindow(SW_HIDE);
        EXPECT_EQ(0, pRegion->GetFrameStatusBarHeight()) << "hidden";
        statusBar.DestroyWindow();
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

// The caption takes the frame's active state from the frame's own activation, in the ribbon and in the border.
TEST(RibbonFrameLook, AnInactiveFrameShowsItsInactiveCaption)
{
    const COLORREF kCaptionLeftInactive = RGB(220, 10, 110);
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CLoadedStyle style("STYLE_INI");
        CRibbonTestFrame frame(400, 300);
        CWnd* pFrame = frame.GetWindow();
        CKTRibbonBar* pBar = frame.GetRibbon();
        pBar->EnableFrameTheme(TRUE);
        const int c = pBar->GetCaptionHeight(), b = pBar->GetFrameRegion()->GetFrameBorder();
        auto shows = [&](COLORREF clr)
        {
            return PumpUntil(
                [&]
                {
                    CShownFrame shown(pFrame);
                    return shown.Pixel(CPoint(b / 2, c / 2)) == clr &&
                           shown.Pixel(shown.FromWindow(pBar, CPoint(0, c / 2))) == clr;
                });
        };
        pFrame->SetForegroundWindow();
        EXPECT_TRUE(shows(kCaptionLeftActive));

        CRibbonTestFrame other(200, 150);
        CRect rcFrame;
        pFrame->GetWindowRect(rcFrame);
        ASSERT_TRUE(
            other.GetWindow()->SetWindowPos(NULL, rcFrame.left, rcFrame.bottom + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
        other.GetWindow()->SetForegroundWindow();
        EXPECT_TRUE(shows(kCaptionLeftInactive)) << "another window took the activation";
        EXPECT_FALSE(pBar->GetFrameRegion()->IsActive());
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}
