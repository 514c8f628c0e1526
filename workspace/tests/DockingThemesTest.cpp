// The docking themes on the designer's three panes: each theme's caption colours and caption depth read back
// from the screen, a scheme that turns theme 2 warm, and no GDI object left behind by switching themes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "GuiLeakCheck.h"
#include "KTColorManager.h"
#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDockingPaneTheme9.h"
#include "KTDrawObjects.h"
#include "KTWinThemeWrapper.h"
#include "LoadedFrame.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "WorkspaceRes.h"

namespace
{
const int kPanes[] = {ID_PANE_PROJECT_TREE, ID_PANE_SETTINGS, ID_PANE_OUTPUT};

// Which visual-style parts the themes asked for.
class CStyleRecorder : public IKTVisualStyleSpy
{
public:
    CStyleRecorder() : m_pPrevious(CKTWinThemeWrapper::SetSpy(this)) {}
    ~CStyleRecorder() { CKTWinThemeWrapper::SetSpy(m_pPrevious); }
    CStyleRecorder(const CStyleRecorder&) = delete;
    CStyleRecorder& operator=(const CStyleRecorder&) = delete;

    void OnDrawThemeBackground(LPCSTR lpszClassList, int nPart, int, const RECT&) override
    {
        m_parts.insert({lpszClassList, nPart});
    }
    bool Saw(const char* pszClass, int nPart) const { return m_parts.count({pszClass, nPart}) > 0; }

private:
    IKTVisualStyleSpy* m_pPrevious;
    std::set<std::tuple<std::string, int>> m_parts;
};

bool IsStyled(LPCSTR lpszClass)
{
    CKTWinThemeWrapper theme;
    return theme.OpenThemeData(NULL, lpszClass) && theme.IsAppThemed();
}

// One group's caption as drawn: the strip in the group's client coordinates, and the room the title leaves.
struct CaptionShot
{
    CPixelImage image;
    CRect rcStrip;
    int nMiddle = 0;
    int nButtonsLeft = 0;  // the near edge of the nearest visible button
    int nTitleRight = 0;   // where the title's full text ends
    BOOL bActive = FALSE;
    int nPaneTop = 0;  // where the pane's own window starts below the caption
};

CaptionShot Shoot(CKTDockingPaneManager& manager, int nPane)
{
    CKTDockingPane* pPane = manager.FindPane(nPane);
    CKTDockingPaneTabbedContainer* pGroup = pPane->GetTabbedContainer();
    CKTDockingPanePaintManager* pTheme = manager.GetPaintManager();
    pGroup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CaptionShot shot{CPixelImage::FromWindow(pGroup->GetSafeHwnd())};
    CRect rcClient;
    pGroup->GetClientRect(&rcClient);
    int nTheme = pTheme->m_nThemeId;
    int nDepth = pTheme->GetCaptionHeight() + 1;
    if (nTheme == ktDockingPaneThemeDefault)
        shot.rcStrip.SetRect(0, 2, rcClient.right, 2 + nDepth);
    else if (nTheme == ktDockingPaneThemeHotTabs || nTheme == ktDockingPaneThemeHotTabsPlain ||
             nTheme == ktDockingPaneThemeStyleResources)
        shot.rcStrip.SetRect(0, 0, rcClient.right, nDepth + 2);
    else
        shot.rcStrip = pTheme->GetCaptionRect(pGroup, rcClient);
    shot.nMiddle = (shot.rcStrip.top + shot.rcStrip.bottom) / 2;
    shot.nButtonsLeft = shot.rcStrip.right;
    for (const auto& pButton : pGroup->GetCaptionButtons())
        if (!pButton->GetRect().IsRectEmpty())
            shot.nButtonsLeft = std::min(shot.nButtonsLeft, int(pButton->GetRect().left));
    CKTScreenDC dc;
    CKTFontDC font(&dc, &pTheme->GetCaptionFont(FALSE));
    shot.nTitleRight = 4 + dc.GetTextExtent(pGroup->GetTitle()).cx;
    shot.bActive = pGroup->IsActive() && pTheme->m_bHighlightActiveCaption;
    CRect rcPane;
    ::GetWindowRect(pPane->GetHandle(), &rcPane);
    pGroup->ScreenToClient(&rcPane);
    shot.nPaneTop = rcPane.top;
    return shot;
}

BOOL CALLBACK FindVisibleSplitter(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "KTDockingPaneSplitter") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND VisibleSplitter(HWND hWndFrame)
{
    HWND hWndFound = NULL;
    ::EnumChildWindows(hWndFrame, FindVisibleSplitter, reinterpret_cast<LPARAM>(&hWndFound));
    return hWndFound;
}

// The depth a theme's caption takes from its group: its stated gap and margins over the text's height.
int StatedCaptionDepth(int nTheme, int nTextHeight)
{
    const int kGap[] = {5, 5, 7, 7, 5, 2, 5, 3, 9, 5, 7};
    const int kMargins[] = {3, 3, 3, 3, 3, 3, 0, 3, 0, 0, 3};
    // Theme 5 frames the body in three more pixels and a one-pixel line without tabs.
    int nRing = nTheme == ktDockingPaneThemeFramed ? 4 : 0;
    return kGap[nTheme] + nTextHeight + kMargins[nTheme] + nRing;
}

void ExpectThemeColours(CKTDockingPanePaintManager* pTheme, const CaptionShot& shot)
{
    const CPixelImage& image = shot.image;
    const CRect& rc = shot.rcStrip;
    const int y = shot.nMiddle;
    const COLORREF clrSplitter = pTheme->m_clrSplitter.GetColor();
    const bool bGripRoom = shot.nButtonsLeft - 6 > shot.nTitleRight + 14;
    switch (pTheme->m_nThemeId)
    {
    case ktDockingPaneThemeDefault:
        EXPECT_EQ(pTheme->LookupColor(shot.bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
                  image.Pixel(rc.left + 2, y));
        break;
    case ktDockingPaneThemeGradient:
        if (shot.bActive)
            EXPECT_EQ(pTheme->LookupColor(COLOR_ACTIVECAPTION), image.Pixel(rc.left + 2, y));
        else
        {
            EXPECT_EQ(pTheme->LookupColor(KTCOLOR_BAR_EDGE), image.Pixel(rc.left, y)) << "an outline";
            EXPECT_EQ(clrSplitter, image.Pixel(rc.left + 2, y)) << "and no fill";
        }
        break;
    case ktDockingPaneThemeHotTabs:
        EXPECT_EQ(pTheme->LookupColor(shot.bActive ? COLOR_ACTIVECAPTION : KTCOLOR_HIGHLIGHT_CHECKED),
                  image.Pixel(rc.left + 1, y));
        EXPECT_EQ(pTheme->LookupColor(KTCOLOR_GRIPPER), image.Pixel(rc.left + 3, rc.top + 6)) << "the gripper";
        break;
    case ktDockingPaneThemeGripBars:
        EXPECT_EQ(clrSplitter, image.Pixel(rc.left + 2, y)) << "no fill";
        if (bGripRoom)
        {
            EXPECT_EQ(pTheme->LookupColor(COLOR_3DHIGHLIGHT), image.Pixel(shot.nButtonsLeft - 2, y - 3));
            EXPECT_EQ(pTheme->LookupColor(COLOR_3DSHADOW), image.Pixel(shot.nButtonsLeft - 2, y - 1));
        }
        break;
    case ktDockingPaneThemeFramed:
        EXPECT_EQ(pTheme->LookupColor(KTCOLOR_CONTROL_FACE), image.Pixel(0, 0)) << "the corner pixel";
        EXPECT_EQ(pTheme->LookupColor(shot.bActive ? KTCOLOR_HIGHLIGHT : KTCOLOR_TOOLBAR_FACE),
                  image.Pixel(rc.left + 2, y));
        if (bGripRoom)
            EXPECT_EQ(pTheme->LookupColor(shot.bActive ? COLOR_BTNTEXT : KTCOLOR_GRIPPER),
                      image.Pixel(shot.nButtonsLeft - 6, y - 3));
        break;
    case ktDockingPaneThemeHotTabsPlain:
        EXPECT_EQ(pTheme->LookupColor(KTCOLOR_WINDOW_FRAME), image.Pixel(rc.left, y)) << "the frame line";
        EXPECT_EQ(pTheme->LookupColor(KTCOLOR_WINDOW_FRAME), image.Pixel(rc.left + 20, rc.top));
        break;
    case ktDockingPaneThemeStickers:
        EXPECT_EQ(dynamic_cast<CKTDockingPaneTheme9*>(pTheme)->m_clrCaptionBorder.GetColor(), image.Pixel(rc.left, y));
        break;
    case ktDockingPaneThemeStyleResources:
        EXPECT_EQ(RGB(101, 147, 207), image.Pixel(rc.left, y)) << "the fallback frame line";
        EXPECT_EQ(RGB(255, 255, 255), image.Pixel(rc.left + 1, y)) << "and the light line inside it";
        break;
    default:
        break;
    }
}
}  // namespace

TEST(DockingThemes, EveryThemeDrawsThePanesCaptionsInItsColoursAndDepth)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTDockingPaneManager& manager = frame.pFrame->m_paneManager;
    manager.SetTheme(ktDockingPaneThemeDefault);
    const int nTextHeight = manager.GetPaintManager()->GetCaptionHeight() - 5;
    for (int nTheme = 0; nTheme <= 10; ++nTheme)
    {
        SCOPED_TRACE(testing::Message() << "theme " << nTheme);
        CStyleRecorder styles;
        manager.SetTheme(KTDockingPaneTheme(nTheme));
        PumpIdle();
        CKTDockingPanePaintManager* pTheme = manager.GetPaintManager();
        for (int nPane : kPanes)
        {
            SCOPED_TRACE(testing::Message() << "pane " << nPane);
            CaptionShot shot = Shoot(manager, nPane);
            if (nTheme != ktDockingPaneThemeHotTabsPlain)
                EXPECT_EQ(StatedCaptionDepth(nTheme, nTextHeight), shot.nPaneTop);
            ExpectThemeColours(pTheme, shot);
        }
        if (nTheme == ktDockingPaneThemeVisualStyles && IsStyled("WINDOW"))
            EXPECT_TRUE(styles.Saw("WINDOW", 2)) << "the small caption part";
        if (nTheme == ktDockingPaneThemeRebar && IsStyled("REBAR"))
            EXPECT_TRUE(styles.Saw("REBAR", 0)) << "the rebar background";
    }
    manager.SetTheme(ktDockingPaneThemeStickers);
}

TEST(DockingThemes, SwitchingThroughEveryThemeLeavesNoGdiObject)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTDockingPaneManager& manager = frame.pFrame->m_paneManager;
    auto switchAll = [&]
    {
        for (int nTheme = 0; nTheme <= 10; ++nTheme)
        {
            manager.SetTheme(KTDockingPaneTheme(nTheme));
            for (int nPane : kPanes)
                manager.FindPane(nPane)->GetTabbedContainer()->RedrawWindow(nullptr, nullptr,
                                                                            RDW_INVALIDATE | RDW_UPDATENOW);
        }
    };
    switchAll();
    CGuiLeakCheck leaks;
    switchAll();
    manager.SetTheme(ktDockingPaneThemeStickers);
    EXPECT_TRUE(leaks.NoLeaks());
}

TEST(DockingThemes, ThemeTwoTurnsWarmOnlyUnderAScheme)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    CKTDockingPaneManager& manager = frame.pFrame->m_paneManager;
    struct RestoreScheme
    {
        ~RestoreScheme() { KTColorManager()->SetLunaTheme(ktSystemThemeAuto); }
    } restore;

    KTColorManager()->SetLunaTheme(ktSystemThemeNone);
    manager.SetTheme(ktDockingPaneThemeHotTabs);
    EXPECT_FALSE(manager.GetPaintManager()->m_bWarmHighlight) << "the classic scheme";

    KTColorManager()->SetLunaTheme(ktSystemThemeBlue);
    manager.SetTheme(ktDockingPaneThemeHotTabs);
    CKTDockingPanePaintManager* pTheme = manager.GetPaintManager();
    EXPECT_TRUE(pTheme->m_bWarmHighlight);
    EXPECT_EQ(RGB(216, 231, 252), pTheme->m_clrSplitter.GetColor());
    PumpIdle();
    HWND hWndSplitter = VisibleSplitter(frame.pFrame->GetSafeHwnd());
    ASSERT_TRUE(hWndSplitter);
    CPixelImage splitter = CPixelImage::FromWindow(hWndSplitter);
    EXPECT_EQ(RGB(216, 231, 252), splitter.Pixel(splitter.Width() / 2, splitter.Height() / 2))
        << "the bars repaint with the theme";

    KTColorManager()->SetLunaTheme(ktSystemThemeSilver);
    manager.SetTheme(ktDockingPaneThemeHotTabs);
    EXPECT_EQ(RGB(223, 223, 234), manager.GetPaintManager()->m_clrSplitter.GetColor());
    manager.SetTheme(ktDockingPaneThemeStickers);
}
