// StyleResourceThemeTests.cpp: theme 5 takes its colours from the tests' style module, keeps what a style
// does not name, and draws bars with or without a module.
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTMenuBar.h"
#include "KTStyleResourceSet.h"
#include "KTThemeStyle5.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "TestFrame.h"
#include "LoadedStyle.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

CKTSmartPtr<CKTThemeStyle5> RefreshedTheme5()
{
    CKTSmartPtr<CKTThemeStyle5> pTheme = KTMakeCounted<CKTThemeStyle5>();
    pTheme->RefreshMetrics();
    return pTheme;
}

struct KeyTarget
{
    const char* pszSection;
    const char* pszKey;
    std::function<COLORREF(CKTThemeStyle5&)> target;
};

// Every key theme 5 reads, with where it must land.
std::vector<KeyTarget> Theme5Keys()
{
    auto entry = [](int n) { return [n](CKTThemeStyle5& t) { return t.GetColor(n); }; };
    return {
        {"StatusBar", "StatusBarText", [](CKTThemeStyle5& t) { return t.m_clrStatusTextColor; }},
        {"StatusBar", "StatusBarShadow", [](CKTThemeStyle5& t) { return t.m_clrStatusBarShadow.GetColor(); }},
        {"StatusBar", "StatusBarFaceTopLight",
         [](CKTThemeStyle5& t) { return t.m_grcStatusBarTop.clrLight.GetColor(); }},
        {"StatusBar", "StatusBarFaceTopDark", [](CKTThemeStyle5& t) { return t.m_grcStatusBarTop.clrDark.GetColor(); }},
        {"StatusBar", "StatusBarFaceBottomLight",
         [](CKTThemeStyle5& t) { return t.m_grcStatusBarBottom.clrLight.GetColor(); }},
        {"StatusBar", "StatusBarFaceBottomDark",
         [](CKTThemeStyle5& t) { return t.m_grcStatusBarBottom.clrDark.GetColor(); }},
        {"Toolbar", "DockBarFace", [](CKTThemeStyle5& t) { return t.m_grcDockBar.clrDark.GetColor(); }},
        {"Toolbar", "ToolbarFaceLight", [](CKTThemeStyle5& t) { return t.m_grcToolBar.clrLight.GetColor(); }},
        {"Toolbar", "ToolbarFaceDark", [](CKTThemeStyle5& t) { return t.m_grcToolBar.clrDark.GetColor(); }},
        {"Toolbar", "ToolbarFaceShadow", [](CKTThemeStyle5& t) { return t.m_clrFaceShadow.GetColor(); }},
        {"Toolbar", "ControlToolbarExpandLight",
         [](CKTThemeStyle5& t) { return t.m_grcExpandButton.clrLight.GetColor(); }},
        {"Toolbar", "ControlToolbarExpandDark",
         [](CKTThemeStyle5& t) { return t.m_grcExpandButton.clrDark.GetColor(); }},
        {"Toolbar", "ControlHighlightPopupedLight",
         [](CKTThemeStyle5& t) { return t.m_grcPopuped.clrLight.GetColor(); }},
        {"Toolbar", "ControlHighlightPopupedDark", [](CKTThemeStyle5& t) { return t.m_grcPopuped.clrDark.GetColor(); }},
        {"Toolbar", "MenuPopupExpandedGripperLight",
         [](CKTThemeStyle5& t) { return t.m_grcHiddenColumn.clrLight.GetColor(); }},
        {"Toolbar", "MenuPopupExpandedGripperDark",
         [](CKTThemeStyle5& t) { return t.m_grcHiddenColumn.clrDark.GetColor(); }},
        {"Toolbar", "MenuPopupTearOffGripper", [](CKTThemeStyle5& t) { return t.m_clrTearOff.GetColor(); }},
        {"Toolbar", "MenuBarText", [](CKTThemeStyle5& t) { return t.m_clrMenuBarText.GetColor(); }},
        {"Toolbar", "MenuPopupBorder", entry(43)},
        {"Toolbar", "ToolbarGripper", entry(38)},
        {"Window", "WindowFrame", entry(54)},
        {"Toolbar", "FloatingBarGripper", [](CKTThemeStyle5& t) { return t.m_clrFloatingGripper.GetColor(); }},
        {"Toolbar", "FloatingBarGripperText", [](CKTThemeStyle5& t) { return t.m_clrFloatingGripperText.GetColor(); }},
        {"Toolbar", "FloatingBarBorder", entry(61)},
        {"Workspace", "AppWorkspace", entry(COLOR_APPWORKSPACE)},
        {"Window", "ButtonFace", entry(51)},
        {"Toolbar", "ToolbarFace", entry(30)},
        {"Toolbar", "ToolbarSeparator", entry(39)},
        {"Toolbar", "ControlDisabledIcon", entry(40)},
        {"Workspace", "WorkspaceClientTop", [](CKTThemeStyle5& t) { return t.m_clrWorkspace[0].GetColor(); }},
        {"Workspace", "WorkspaceClientMiddle", [](CKTThemeStyle5& t) { return t.m_clrWorkspace[1].GetColor(); }},
        {"Workspace", "WorkspaceClientBottom", [](CKTThemeStyle5& t) { return t.m_clrWorkspace[2].GetColor(); }},
        {"Window", "HighlightSelected", entry(31)},
        {"Window", "HighlightSelectedBorder", entry(32)},
        {"Window", "HighlightPressed", entry(33)},
        {"Window", "HighlightPressedBorder", entry(50)},
        {"Window", "HighlightChecked", entry(36)},
        {"Window", "HighlightCheckedBorder", entry(37)},
        {"Window", "HighlightSelectedLight", [](CKTThemeStyle5& t) { return t.m_grcHot.clrLight.GetColor(); }},
        {"Window", "HighlightSelectedDark", [](CKTThemeStyle5& t) { return t.m_grcHot.clrDark.GetColor(); }},
        {"Window", "HighlightCheckedLight", [](CKTThemeStyle5& t) { return t.m_grcChecked.clrLight.GetColor(); }},
        {"Window", "HighlightCheckedDark", [](CKTThemeStyle5& t) { return t.m_grcChecked.clrDark.GetColor(); }},
        {"Window", "HighlightPressedLight", [](CKTThemeStyle5& t) { return t.m_grcPressed.clrLight.GetColor(); }},
        {"Window", "HighlightPressedDark", [](CKTThemeStyle5& t) { return t.m_grcPressed.clrDark.GetColor(); }},
        {"Window", "BorderActive0", [](CKTThemeStyle5& t) { return t.m_clrBorderActive[0].GetColor(); }},
        {"Window", "BorderActive3", [](CKTThemeStyle5& t) { return t.m_clrBorderActive[3].GetColor(); }},
        {"Window", "BorderInactive1", [](CKTThemeStyle5& t) { return t.m_clrBorderInactive[1].GetColor(); }},
        {"Window", "BorderInactive2", [](CKTThemeStyle5& t) { return t.m_clrBorderInactive[2].GetColor(); }},
        {"Window", "CaptionTextActiveTitle",
         [](CKTThemeStyle5& t) { return t.m_clrCaptionTitleTextActive.GetColor(); }},
        {"Window", "CaptionTextInActive", [](CKTThemeStyle5& t) { return t.m_clrCaptionTextInactive.GetColor(); }},
        {"Window", "CaptionTextActive", [](CKTThemeStyle5& t) { return t.m_clrCaptionTextActive.GetColor(); }},
        {"Toolbar", "ControlLabel", entry(56)},
        {"Toolbar", "ControlEditBorder", entry(53)},
        {"Toolbar", "ControlDisabledIconLight",
         [](CKTThemeStyle5& t) { return t.m_grcDisabledIcons.clrLight.GetColor(); }},
        {"Toolbar", "ControlDisabledIconDark",
         [](CKTThemeStyle5& t) { return t.m_grcDisabledIcons.clrDark.GetColor(); }},
    };
}
}  // namespace

TEST(StyleResourceTheme, EachStyleKeyLandsInItsEntry)
{
    CLoadedStyle style("STYLE_INI");
    ASSERT_TRUE(style.IsLoaded());
    auto pTheme = RefreshedTheme5();
    for (const KeyTarget& key : Theme5Keys())
    {
        COLORREF clrKey = KTStyleResourceSet()->GetColor(key.pszSection, key.pszKey);
        ASSERT_NE(kNone, clrKey) << key.pszKey << " is in the tests' style";
        EXPECT_EQ(clrKey, key.target(*pTheme)) << key.pszSection << "/" << key.pszKey;
    }
    EXPECT_EQ(pTheme->m_grcDockBar.clrLight.GetColor(), pTheme->m_grcDockBar.clrDark.GetColor());
    EXPECT_FLOAT_EQ(0.75f, pTheme->m_grcToolBar.fGradientFactor);
    EXPECT_FLOAT_EQ(0.75f, pTheme->m_grcExpandButton.fGradientFactor);
    EXPECT_FLOAT_EQ(0.5f, pTheme->m_grcHot.fGradientFactor);
    EXPECT_EQ(pTheme->m_grcPopuped.clrDark.GetColor(), pTheme->m_grcBall.clrDark.GetColor()) << "the ball follows";
    EXPECT_EQ(pTheme->m_clrFaceShadow.GetColor(), pTheme->GetColor(52)) << "the bar edge copied";
}

// The caption keeps the system's face unless the standard face is asked for; the standard font alone is no ask.
TEST(StyleResourceTheme, TheCaptionFontTakesTheStandardFaceOnlyWhenAsked)
{
    const auto face = [](CKTThemeStyle5& theme)
    {
        LOGFONT lf = {};
        theme.GetFrameCaptionFont()->GetLogFont(&lf);
        return CString(lf.lfFaceName);
    };
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    CString strStandard;
    for (LPCSTR lpszFace : {"Tahoma", "Marlett", "Courier New", "Times New Roman", "Arial"})
        if (strStandard.IsEmpty() && lstrcmpiA(lpszFace, ncm.lfCaptionFont.lfFaceName) != 0 &&
            CKTDrawHelpers::FontExists(lpszFace))
            strStandard = lpszFace;
    if (strStandard.IsEmpty())
        GTEST_SKIP() << "the system lists no face other than the caption's";
    CKTSmartPtr<CKTThemeStyle5> pTheme = KTMakeCounted<CKTThemeStyle5>();
    pTheme->SetStandardFontFace(strStandard);
    pTheme->m_bUseStandardFont = TRUE;
    pTheme->m_bUseStandardFace = FALSE;
    pTheme->RefreshMetrics();
    EXPECT_EQ(CString(ncm.lfCaptionFont.lfFaceName), face(*pTheme));
    pTheme->m_bUseStandardFace = TRUE;
    pTheme->RefreshMetrics();
    EXPECT_EQ(strStandard, face(*pTheme));
}

TEST(StyleResourceTheme, TheFramesLargeIconIsItsOwnElseItsClasss)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wc.lpszClassName = "KTLargeIconFrame";
    ASSERT_TRUE(::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    HWND hWnd =
        ::CreateWindowA("KTLargeIconFrame", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hWnd != NULL);
    EXPECT_EQ(wc.hIcon, CKTThemeStyle5::GetFrameLargeIcon(CWnd::FromHandle(hWnd))) << "the class's";
    HICON hOwn = ::LoadIcon(NULL, IDI_WARNING);
    ::SendMessage(hWnd, WM_SETICON, ICON_BIG, (LPARAM)hOwn);
    EXPECT_EQ(hOwn, CKTThemeStyle5::GetFrameLargeIcon(CWnd::FromHandle(hWnd))) << "its own first";
    ::DestroyWindow(hWnd);
}

TEST(StyleResourceTheme, FixedColoursHoldWithAndWithoutAStyle)
{
    for (BOOL bStyle : {FALSE, TRUE})
    {
        std::unique_ptr<CLoadedStyle> pStyle(bStyle ? new CLoadedStyle("STYLE_INI") : NULL);
        auto pTheme = RefreshedTheme5();
        EXPECT_EQ(0xF6F6F6u, pTheme->GetColor(41));
        for (int n : {44, 45, 46, 47})
            EXPECT_EQ(0u, pTheme->GetColor(n)) << n;
        for (int n : {35, 58, 60})
            EXPECT_EQ(0x8D8D8Du, pTheme->GetColor(n)) << n;
        EXPECT_EQ(0u, pTheme->m_clrShadowColor);
        EXPECT_EQ(5, pTheme->GetCurrentTheme());
    }
}

// A style that lacks a key once wrote -1 there, which painted black or nothing.
TEST(StyleResourceTheme, AKeyTheStyleLacksKeepsThePreviousColour)
{
    auto pPlain = RefreshedTheme5();
    CLoadedStyle style("STYLE_PARTIAL_INI");
    ASSERT_TRUE(style.IsLoaded());
    auto pPartial = RefreshedTheme5();
    for (const KeyTarget& key : Theme5Keys())
    {
        COLORREF clrKey = KTStyleResourceSet()->GetColor(key.pszSection, key.pszKey);
        COLORREF clrExpected = clrKey != kNone ? clrKey : key.target(*pPlain);
        ASSERT_NE(kNone, clrExpected) << key.pszKey;
        EXPECT_EQ(clrExpected, key.target(*pPartial)) << key.pszSection << "/" << key.pszKey;
    }
    EXPECT_EQ(RGB(4, 5, 6), pPartial->m_grcToolBar.clrLight.GetColor());
    EXPECT_EQ(pPlain->m_grcToolBar.clrDark.GetColor(), pPartial->m_grcToolBar.clrDark.GetColor())
        << "one end of a gradient named, the other kept";
}

TEST(StyleResourceTheme, IdleMenuBarEntriesTakeTheMenuBarText)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedTheme5();
    KT_CONTROLSTATE idle;
    idle.nBarType = ktBarTypeMenuBar;
    EXPECT_EQ(KTStyleResourceSet()->GetColor("Toolbar", "MenuBarText"),
              pTheme->GetColor(pTheme->GetRectangleTextColor(idle)));
    KT_CONTROLSTATE hot = idle;
    hot.bSelected = TRUE;
    EXPECT_EQ(45, pTheme->GetRectangleTextColor(hot)) << "theme 1's hot text";
    KT_CONTROLSTATE toolbar;
    EXPECT_EQ(46, pTheme->GetRectangleTextColor(toolbar)) << "only the menu bar's idle text changes";
}

// A style's text colour is a colour even where its value is that of a colour slot: a near-black red such as
// RGB(10, 0, 0) is the number 10.
TEST(StyleResourceTheme, ANearBlackMenuBarTextIsNotTakenForAColourSlot)
{
    auto pTheme = RefreshedTheme5();
    KT_CONTROLSTATE idle;
    idle.nBarType = ktBarTypeMenuBar;
    for (COLORREF clr : {RGB(10, 0, 0), RGB(0, 0, 0), RGB(62, 0, 0), RGB(63, 0, 0), RGB(0, 0, 10)})
    {
        pTheme->m_clrMenuBarText.SetCustomValue(clr);
        EXPECT_EQ(clr, pTheme->GetColor(pTheme->GetRectangleTextColor(idle))) << std::hex << clr;
    }
}

TEST(StyleResourceTheme, TheModuleHoldsImagesInTheirColours)
{
    CLoadedStyle style("STYLE_INI");
    CKTStyleImage* pClose = KTStyleResourceSet()->GetImage("FRAMECAPTIONCLOSE13");
    ASSERT_TRUE(pClose != NULL);
    EXPECT_EQ(CRect(0, 26, 13, 39), pClose->GetSource(2, 5));
    CTestSurface surface(13, 13);
    pClose->DrawImage(surface.DC(), CRect(0, 0, 13, 13), pClose->GetSource(2, 5), CRect(0, 0, 0, 0));
    EXPECT_EQ(RGB(0, 0, 250), surface.Pixel(6, 6)) << "part 2 of 5";
    EXPECT_TRUE(KTStyleResourceSet()->GetImage("WORKSPACETOPLEFT") != NULL);
    EXPECT_TRUE(KTStyleResourceSet()->GetImage("FRAMECAPTIONBUTTON") != NULL);
}

// The bars of a frame under themes 5 and 6, with the tests' style and with none.
TEST(StyleResourceTheme, FrameBarsDrawWithAndWithoutAModule)
{
    const COLORREF clrToolBarImage = RGB(90, 90, 10);
    for (int nTheme : {ktCommandBarsThemeStyleResources, ktCommandBarsThemeRibbon})
    {
        for (BOOL bStyle : {TRUE, FALSE})
        {
            std::unique_ptr<CLoadedStyle> pStyle(bStyle ? new CLoadedStyle("STYLE_INI") : NULL);
            CTestFrame* pFrame = CTestFrame::Create(nTheme);
            ASSERT_TRUE(pFrame != NULL);
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            PumpMessages();
            auto* pTheme = dynamic_cast<CKTThemeStyle5*>(CKTPaintManager::GetGlobal());
            ASSERT_TRUE(pTheme != NULL);
            ASSERT_EQ(nTheme, pTheme->GetCurrentTheme());
            // Past its last entry, up to its options button, the (flat) menu bar shows its dock bar's face.
            CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
            CPixelImage menu = CPixelImage::FromWindow(pMenuBar->GetSafeHwnd());
            const int xEnd = pMenuBar->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND)->GetRect().left - 5;
            ASSERT_GT(xEnd, 20);
            COLORREF clrFace = menu.Pixel(xEnd, menu.Height() / 2);
            const auto& dock = pTheme->m_grcDockBar;
            EXPECT_TRUE(IsBetween(clrFace, dock.clrLight, dock.clrDark, 3))
                << std::hex << clrFace << (bStyle ? " with" : " without") << " a style";
            if (bStyle)
            {
                EXPECT_EQ(KTStyleResourceSet()->GetColor("Toolbar", "DockBarFace"), clrFace);
            }
            // Theme 6 takes the tool bar's face from its image; an empty bar still shows it.
            CKTToolBar* pStandard = pFrame->m_pStandard;
            CPixelImage tools = CPixelImage::FromWindow(pStandard->GetSafeHwnd());
            const int xFace = pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND)->GetRect().left - 3;
            ASSERT_GT(xFace, 3) << "the face before the options button";
            BOOL bImageFace = tools.Pixel(xFace, 1) == clrToolBarImage;
            EXPECT_EQ(bStyle && nTheme == ktCommandBarsThemeRibbon, bImageFace) << nTheme;
            pFrame->DestroyWindow();
            PumpMessages();
            CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
        }
    }
}
