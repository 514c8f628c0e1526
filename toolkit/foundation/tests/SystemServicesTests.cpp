// SystemServicesTests.cpp: visual styles, monitors, composition and version, present or missing.
#include <gtest/gtest.h>

#include "KTSystemInfo.h"
#include "KTWinThemeWrapper.h"

#include <dwmapi.h>
#include <versionhelpers.h>

TEST(WinThemeWrapper, MissingLibraryReportsFalseAndDrawsNothing)
{
    CKTWinThemeWrapper theme("kt-missing-visual-styles.dll");
    EXPECT_FALSE(theme.IsAppThemed());
    EXPECT_FALSE(theme.OpenThemeData(NULL, "BUTTON"));
    EXPECT_FALSE(theme.IsAppThemeReady());

    HDC hDC = ::CreateCompatibleDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, 8, 8);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, 8, 8};
    ::FillRect(hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(E_FAIL, theme.DrawThemeBackground(hDC, 1, 1, &rc, NULL));
    EXPECT_FALSE(theme.DrawGlowingText(hDC, NULL, rc, "K", 1, 1, DT_SINGLELINE, 8));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hDC, 4, 4));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);

    COLORREF clr = RGB(1, 2, 3);
    EXPECT_EQ(E_FAIL, theme.GetThemeColor(1, 1, 3803, clr));
    EXPECT_EQ(RGB(1, 2, 3), clr) << "a failure leaves the caller's default";
    EXPECT_FALSE(theme.GetThemeSysBool(5));
}

TEST(WinThemeWrapper, PresentLibraryOpensAndClosesHandles)
{
    CKTWinThemeWrapper theme;
    if (!theme.IsAppThemed())
        GTEST_SKIP() << "visual styles are off in this session";
    EXPECT_TRUE(theme.OpenThemeData(NULL, "BUTTON"));
    EXPECT_NE(nullptr, theme.GetThemeHandle());
    theme.CloseThemeData();
    EXPECT_EQ(nullptr, theme.GetThemeHandle());
}

// The glowing caption text lands in its rectangle over the copied background, and nowhere else.
TEST(WinThemeWrapper, GlowingTextStaysInItsRectangle)
{
    CKTWinThemeWrapper theme;
    if (!theme.OpenThemeData(NULL, "WINDOW"))
        GTEST_SKIP() << "visual styles are off in this session";
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 80, 24);
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rcAll = {0, 0, 80, 24}, rcText = {20, 0, 60, 24};
    ::FillRect(hDC, &rcAll, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(theme.DrawGlowingText(hDC, hFont, rcText, "WWWW", 1, 1, DT_SINGLELINE | DT_VCENTER, 8));
    int nInside = 0, nOutside = 0;
    for (int x = 0; x < 80; x++)
        for (int y = 0; y < 24; y++)
        {
            BOOL bInside = x >= rcText.left && x < rcText.right;
            (bInside ? nInside : nOutside) += ::GetPixel(hDC, x, y) != RGB(255, 255, 255);
        }
    EXPECT_GT(nInside, 0);
    EXPECT_EQ(0, nOutside);
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hDC, rcText.left, 0)) << "the background is copied into the buffer";
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
}

TEST(MultiMonitor, AreasLieOnTheScreen)
{
    CKTMultiMonitorApi* pApi = KTMultiMonitor();
    ASSERT_EQ(pApi, KTMultiMonitor());
    POINT pt = {10, 10};
    RECT rcScreen = pApi->GetScreenArea(pt);
    RECT rcWork = pApi->GetWorkArea(pt);
    EXPECT_GT(rcScreen.right - rcScreen.left, 0);
    EXPECT_GE(rcWork.left, rcScreen.left);
    EXPECT_LE(rcWork.bottom, rcScreen.bottom);
    RECT rcSome = {20, 20, 60, 60};
    RECT rcOfRect = pApi->GetWorkAreaOfRect(rcSome);
    EXPECT_TRUE(::EqualRect(&rcWork, &rcOfRect));
    RECT rcCursor = pApi->GetWorkAreaAtCursor();
    EXPECT_GT(rcCursor.bottom - rcCursor.top, 0);
    RECT rcNoWindow = pApi->GetWorkAreaOfWnd(NULL);
    EXPECT_TRUE(::EqualRect(&rcWork, &rcNoWindow)) << "not a window: the primary work area";
}

TEST(DwmWrapper, RefusesToAnswerIntoNowhere)
{
    CKTWinDwmWrapper dwm;
    EXPECT_EQ(E_FAIL, dwm.DefWindowProc(NULL, WM_NULL, 0, 0, NULL));
}

TEST(DwmWrapper, AnswersCompositionAsTheSystemDoes)
{
    BOOL bSystem = FALSE;
    const bool bComposited = SUCCEEDED(::DwmIsCompositionEnabled(&bSystem)) && bSystem;
    EXPECT_EQ(bComposited, !!CKTWinDwmWrapper().IsCompositionEnabled());
}

TEST(OsVersion, AgreesWithTheSystemsOwnVersionCheck)
{
    CKTOsVersionInfo* pInfo = KTOsVersionInfo();
    EXPECT_EQ(!!::IsWindowsVersionOrGreater(5, 0, 0), !!pInfo->IsWin2KOrGreater());
    EXPECT_EQ(!!::IsWindowsVersionOrGreater(5, 1, 0), !!pInfo->IsWinXPOrLater());
    EXPECT_EQ(!!::IsWindowsVersionOrGreater(6, 0, 0), !!pInfo->IsWinVistaOrGreater());
    EXPECT_FALSE(pInfo->IsWin95());
}
