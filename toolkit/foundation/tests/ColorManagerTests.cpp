// ColorManagerTests.cpp: blending, indexed colours, overrides and schemes.
#include <gtest/gtest.h>

#include "KTColorManager.h"
#include "KTDrawObjects.h"

TEST(ColorManagerBlend, PercentRoundsHalfUp)
{
    // 30 % of 255 over 0: (255 * 30 + 50) / 100 = 77, (255 * 70 + 50) / 100 = 179
    EXPECT_EQ(RGB(77, 0, 179), CKTColorManager::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 30));
    // (1 * 50 + 0 * 50 + 50) / 100 = 1: the half rounds up
    EXPECT_EQ(RGB(1, 1, 1), CKTColorManager::BlendColors(RGB(1, 1, 1), RGB(0, 0, 0), 50));
}

TEST(ColorManagerBlend, PerMilleFromOneHundred)
{
    // 205 per mille of 200 over 100: (200 * 205 + 100 * 795 + 500) / 1000 = 121
    EXPECT_EQ(RGB(121, 121, 121), CKTColorManager::BlendColors(RGB(200, 200, 200), RGB(100, 100, 100), 205));
    // 100 is per mille, not a whole: (250 * 100 + 0 * 900 + 500) / 1000 = 25
    EXPECT_EQ(RGB(25, 25, 25), CKTColorManager::BlendColors(RGB(250, 250, 250), RGB(0, 0, 0), 100));
    EXPECT_EQ(RGB(250, 0, 0), CKTColorManager::BlendColors(RGB(250, 0, 0), RGB(0, 0, 0), 1000));
}

TEST(ColorManagerIndexes, SystemColoursKeepTheirNumbers)
{
    CKTColorManager manager;
    for (int i = 0; i <= 30; i++)
        EXPECT_EQ(::GetSysColor(i), manager.GetColor(i)) << "index " << i;
}

TEST(ColorManagerIndexes, AboveTheTableIsAReadyColour)
{
    CKTColorManager manager;
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(RGB(1, 2, 3)));
    EXPECT_EQ(63u, manager.GetColor(63));
}

TEST(ColorManagerIndexes, DerivedColoursFollowTheSystem)
{
    CKTColorManager manager;
    COLORREF clrExpected =
        CKTColorManager::BlendColors(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_WINDOW), 30);
    EXPECT_EQ(clrExpected, manager.GetColor(KTCOLOR_HIGHLIGHT));
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), manager.GetColor(KTCOLOR_HIGHLIGHT_BORDER));
}

TEST(ColorManagerOverrides, CustomWinsUntilRemoved)
{
    CKTColorManager manager;
    manager.SetColor(KTCOLOR_HIGHLIGHT_CHECKED, RGB(9, 8, 7));
    EXPECT_EQ(RGB(9, 8, 7), manager.GetColor(KTCOLOR_HIGHLIGHT_CHECKED));
    manager.RefreshColors();
    EXPECT_EQ(RGB(9, 8, 7), manager.GetColor(KTCOLOR_HIGHLIGHT_CHECKED)) << "a refresh keeps overrides";
    manager.SetColor(KTCOLOR_HIGHLIGHT_CHECKED, (COLORREF)-1);
    EXPECT_NE(RGB(9, 8, 7), manager.GetColor(KTCOLOR_HIGHLIGHT_CHECKED));
    manager.SetColor(70, RGB(1, 1, 1));  // outside the table: ignored
    EXPECT_EQ(70u, manager.GetColor(70));
}

TEST(ColorManagerSchemes, ProgramChoiceAndFollowingTheSystem)
{
    CKTColorManager manager;
    EXPECT_EQ(manager.GetSystemTheme(), manager.GetCurrentSystemTheme());
    manager.SetLunaTheme(ktSystemThemeOlive);
    EXPECT_EQ(ktSystemThemeOlive, manager.GetCurrentSystemTheme());
    EXPECT_EQ(RGB(243, 242, 231), manager.GetLunaColor(COLOR_BTNFACE));
    manager.DisableLunaColors(TRUE);
    EXPECT_TRUE(manager.IsLunaColorsDisabled());
    EXPECT_EQ(manager.GetColor(COLOR_BTNFACE), manager.GetLunaColor(COLOR_BTNFACE));
    manager.SetLunaTheme(ktSystemThemeAuto);
    EXPECT_EQ(manager.GetSystemTheme(), manager.GetCurrentSystemTheme());
}

TEST(ColorManagerSingleton, OneInstanceRefreshedInPlace)
{
    CKTColorManager* pManager = KTColorManager();
    ASSERT_NE(nullptr, pManager);
    EXPECT_EQ(pManager, KTColorManager());
    KTRefreshColors();
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), pManager->GetColor(COLOR_WINDOW));
}

TEST(ColorManagerResolution, TrueColourScreenIsNotLowResolution)
{
    CKTScreenDC screen;
    ASSERT_NE(nullptr, screen.GetSafeHdc());
    ASSERT_GT(::GetDeviceCaps(screen.GetSafeHdc(), BITSPIXEL), 8) << "the test display runs in true colour";
    EXPECT_FALSE(CKTColorManager::IsLowResolution(NULL)) << "no context means the screen";
    EXPECT_FALSE(CKTColorManager::IsLowResolution(screen.GetSafeHdc()));
}
