// ThemeTests.cpp: the state backgrounds, grippers, separators and colours of themes 0, 1, 2 and 4.
#include "DistinctColours.h"
#include "KTColorManager.h"
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTThemeStyle0.h"
#include "KTThemeStyle1.h"
#include "KTThemeStyle2.h"
#include "KTThemeStyle4.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"
#include "KTStatusBar.h"
#include "TestSurface.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
KT_CONTROLSTATE State(BOOL bSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopuped,
                      int nPosition = ktBarTop)
{
    KT_CONTROLSTATE state;
    state.bSelected = bSelected;
    state.nPressed = nPressed;
    state.bEnabled = bEnabled;
    state.nChecked = nChecked;
    state.bPopuped = bPopuped;
    state.nBarPosition = nPosition;
    return state;
}

// A bar window of a given size at a position, for grippers and separators.
class CBarOnParent
{
public:
    CBarOnParent(int nPosition, CSize sz)
    {
        m_pBar = KTMakeCounted<CKTCommandBar>();
        m_pBar->SetPosition(nPosition);
        m_pBar->CreateBarWindow("KTTestBar", &m_parent, 1);
        m_pBar->MoveWindow(0, 0, sz.cx, sz.cy);
    }
    ~CBarOnParent() { m_pBar->OnRemoved(); }
    CKTCommandBar* operator->() { return m_pBar; }
    operator CKTCommandBar*() { return m_pBar; }

private:
    CTestParent m_parent;
    CKTSmartPtr<CKTCommandBar> m_pBar;
};
}  // namespace

TEST(Theme1States, EveryStateRowHasItsFillAndBorder)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    const struct
    {
        KT_CONTROLSTATE state;
        int nBorder, nFill;  // -1: no border or no fill drawn
        const char* pszRow;
    } rows[] = {
        {State(FALSE, 0, TRUE, 0, TRUE), 43, 30, "popped up"},
        {State(FALSE, 0, TRUE, 2, FALSE), 37, 51, "indeterminate"},
        {State(FALSE, 0, TRUE, 1, FALSE), 37, 36, "checked"},
        {State(TRUE, 0, TRUE, 0, FALSE), 32, 31, "hot"},
        {State(FALSE, 1, TRUE, 0, FALSE), 32, 31, "pressed, not hot"},
        {State(TRUE, 1, TRUE, 0, FALSE), 50, 33, "hot and pressed"},
        {State(FALSE, 2, TRUE, 0, FALSE), 50, 33, "popup open"},
        {State(TRUE, 0, TRUE, 1, FALSE), 50, 33, "checked and hot"},
        {State(FALSE, 0, FALSE, 1, FALSE), 58, 36, "disabled checked"},
        {State(FALSE, 0, FALSE, 1, FALSE, ktBarPopup), 58, -1, "disabled checked in a popup"},
        {State(FALSE, 2, FALSE, 0, FALSE, ktBarPopup), 32, 41, "disabled, popup open, in a popup"},
        {State(FALSE, 2, FALSE, 1, FALSE), 32, 33, "disabled checked, popup open"},
        {State(FALSE, 2, FALSE, 0, FALSE), 32, 31, "disabled, popup open"},
    };
    for (const auto& row : rows)
    {
        CTestSurface surface(20, 20, kPaper);
        pTheme->DrawControlEntry(surface.DC(), CRect(2, 2, 18, 18), row.state);
        EXPECT_EQ(Distinct(row.nBorder), surface.Pixel(2, 2)) << row.pszRow;
        EXPECT_EQ(Distinct(row.nBorder), surface.Pixel(17, 17)) << row.pszRow;
        EXPECT_EQ(row.nFill == -1 ? kPaper : Distinct(row.nFill), surface.Pixel(9, 9)) << row.pszRow;
        EXPECT_EQ(kPaper, surface.Pixel(1, 1)) << row.pszRow;
    }
    CTestSurface idle(20, 20, kPaper);
    pTheme->DrawControlEntry(idle.DC(), CRect(2, 2, 18, 18), State(FALSE, 0, TRUE, 0, FALSE));
    EXPECT_EQ(kPaper, idle.Pixel(2, 2)) << "a normal control draws nothing";
}

TEST(Theme1States, TextColoursByState)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    KT_CONTROLSTATE menu = State(TRUE, 0, TRUE, 0, FALSE, ktBarPopup);
    menu.nBarType = ktBarTypePopup;
    EXPECT_EQ(45, pTheme->GetRectangleTextColor(menu));
    menu.bEnabled = FALSE;
    EXPECT_EQ(35, pTheme->GetRectangleTextColor(menu));
    EXPECT_EQ(60, pTheme->GetRectangleTextColor(State(TRUE, 0, FALSE, 0, FALSE)));
    EXPECT_EQ(46, pTheme->GetRectangleTextColor(State(FALSE, 0, TRUE, 0, FALSE)));
    EXPECT_EQ(47, pTheme->GetRectangleTextColor(State(TRUE, 1, TRUE, 0, FALSE)));
    EXPECT_EQ(45, pTheme->GetRectangleTextColor(State(TRUE, 0, TRUE, 0, FALSE)));
}

TEST(Theme0States, CheckedButtonsShowThePatternUntilHot)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CTestSurface surface(20, 20, kPaper);
    pTheme->DrawControlEntry(surface.DC(), CRect(0, 0, 20, 20), State(FALSE, 0, TRUE, 1, FALSE));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), surface.Pixel(0, 0)) << "sunken frame";
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), surface.Pixel(19, 19));
    COLORREF a = surface.Pixel(8, 8), b = surface.Pixel(9, 8), c = surface.Pixel(9, 9);
    EXPECT_TRUE((a == Distinct(COLOR_BTNFACE) && b == Distinct(COLOR_BTNHIGHLIGHT)) ||
                (a == Distinct(COLOR_BTNHIGHLIGHT) && b == Distinct(COLOR_BTNFACE)));
    EXPECT_EQ(a, c) << "a one-pixel checkerboard";

    CTestSurface hot(20, 20, kPaper);
    pTheme->DrawControlEntry(hot.DC(), CRect(0, 0, 20, 20), State(TRUE, 0, TRUE, 1, FALSE));
    EXPECT_EQ(kPaper, hot.Pixel(8, 8)) << "hot: the frame only";
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), hot.Pixel(0, 0));
}

TEST(Theme0States, HotRaisedPressedSunkenMenuHighlight)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CTestSurface hot(20, 20, kPaper);
    pTheme->DrawControlEntry(hot.DC(), CRect(0, 0, 20, 20), State(TRUE, 0, TRUE, 0, FALSE));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), hot.Pixel(0, 0));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), hot.Pixel(19, 19));
    CTestSurface pressed(20, 20, kPaper);
    pTheme->DrawControlEntry(pressed.DC(), CRect(0, 0, 20, 20), State(TRUE, 1, TRUE, 0, FALSE));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), pressed.Pixel(0, 0));
    CTestSurface menu(20, 20, kPaper);
    KT_CONTROLSTATE entry = State(TRUE, 0, TRUE, 0, FALSE, ktBarPopup);
    entry.nBarType = ktBarTypePopup;
    pTheme->DrawControlEntry(menu.DC(), CRect(0, 0, 20, 20), entry);
    EXPECT_EQ(Distinct(COLOR_HIGHLIGHT), menu.Pixel(0, 0));
    EXPECT_EQ(Distinct(COLOR_HIGHLIGHT), menu.Pixel(10, 10));
}

TEST(ThemeGrippers, LinesAndDotsAtTheirPositions)
{
    CBarOnParent bar(ktBarTop, CSize(200, 26));
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CTestSurface lines(200, 26, kPaper);
    EXPECT_EQ(CSize(6, 0), pTheme1->DrawCommandBarGripper(lines.DC(), bar, TRUE));
    for (int y = 5; y < 26 - 5; y += 2)
    {
        EXPECT_EQ(Distinct(38), lines.Pixel(3, y)) << y;
        EXPECT_EQ(Distinct(38), lines.Pixel(5, y)) << y;
        EXPECT_EQ(kPaper, lines.Pixel(6, y)) << "the line ends before x 6";
        EXPECT_EQ(kPaper, lines.Pixel(4, y + 1)) << y;
    }
    EXPECT_EQ(kPaper, lines.Pixel(4, 21)) << "no line at height - 5";

    auto pTheme2 = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    CTestSurface dots(200, 26, kPaper);
    pTheme2->DrawCommandBarGripper(dots.DC(), bar, TRUE);
    for (int y = 8; y - 3 < 26 - 7; y += 4)
    {
        EXPECT_EQ(Distinct(38), dots.Pixel(6, y - 3)) << y;
        EXPECT_EQ(Distinct(COLOR_WINDOW), dots.Pixel(8, y - 1)) << y;
    }

    auto pTheme0 = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CTestSurface raised(200, 26, kPaper);
    EXPECT_EQ(CSize(6, 0), pTheme0->DrawCommandBarGripper(raised.DC(), bar, TRUE));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), raised.Pixel(3, 3));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), raised.Pixel(5, 22));
}

TEST(ThemeSeparators, Theme4DrawsTheDarkLineOnlyWhereTheme2DrawsTwo)
{
    CBarOnParent bar(ktBarTop, CSize(200, 26));
    CKTControl* pControl = bar->GetControls()->Add(ktControlButton, 100);
    pControl->SetRect(CRect(40, 2, 62, 24));
    pControl->SetRowRect(CRect(10, 2, 100, 24));
    auto pTheme2 = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    auto pTheme4 = MakeThemeWithDistinctColours<CKTThemeStyle4>();
    EXPECT_FALSE(pTheme2->m_bSingleSeparator);
    CTestSurface two(200, 26, kPaper), one(200, 26, kPaper);
    pTheme2->DrawCommandBarSeparator(two.DC(), bar, pControl, TRUE);
    pTheme4->DrawCommandBarSeparator(one.DC(), bar, pControl, TRUE);
    EXPECT_EQ(Distinct(39), two.Pixel(36, 10));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), two.Pixel(37, 10));
    EXPECT_EQ(Distinct(39), one.Pixel(36, 10));
    EXPECT_EQ(kPaper, one.Pixel(37, 10));
    EXPECT_EQ(kPaper, one.Pixel(36, 5)) << "the line starts four pixels into the row";
}

TEST(Theme4, ConstructorValues)
{
    CKTThemeStyle4 theme;
    EXPECT_EQ(ktSystemThemeNone, theme.m_nSystemTheme);
    EXPECT_TRUE(theme.m_bSingleSeparator);
    EXPECT_EQ(0, theme.GetCurrentSystemTheme());
    EXPECT_EQ(8, theme.m_nPopupBarTextPadding);
    EXPECT_FALSE(theme.m_bEmbossedDisabledText);
    EXPECT_EQ(RGB(0xFF, 0xD5, 0x8C), theme.m_grcChecked.clrLight.GetColor());
    EXPECT_EQ(0x4B8EFEu, theme.m_grcPressed.clrLight.GetColor());
    EXPECT_EQ(0x97D4FFu, theme.m_grcHot.clrDark.GetColor());
    EXPECT_FALSE(theme.GetIconOptions()->bFadedIcons);
    EXPECT_TRUE(theme.GetIconOptions()->bUseDisabledIcons);
}

TEST(Theme2, GradientsDeriveFromTheGivenSystemColours)
{
    CKTThemeStyle2 theme;
    theme.m_nSystemTheme = ktSystemThemeNone;
    const COLORREF clrWindow = RGB(250, 240, 230), clrFace = RGB(120, 130, 140), clr42 = RGB(10, 90, 170);
    theme.SetCustomColor(COLOR_WINDOW, clrWindow);
    theme.SetCustomColor(COLOR_BTNFACE, clrFace);
    theme.SetCustomColor(42, clr42);
    theme.RefreshMetrics();
    auto B = &CKTColorManager::BlendColors;
    if (CKTColorManager::IsLowResolution())
        GTEST_SKIP() << "an 8-bit display flattens the gradients";
    EXPECT_EQ(B(clrFace, clrWindow, 205), theme.m_grcToolBar.clrLight.GetColor());
    EXPECT_EQ(clrFace, theme.m_grcToolBar.clrDark.GetColor());
    EXPECT_EQ(clrFace, theme.m_grcDockBar.clrLight.GetColor());
    EXPECT_EQ(B(clrFace, clrWindow, 205), theme.m_grcDockBar.clrDark.GetColor());
    EXPECT_EQ(B(clrWindow, clr42, 550), theme.m_grcHiddenColumn.clrLight.GetColor());
    EXPECT_EQ(clr42, theme.m_grcHiddenColumn.clrDark.GetColor());
    EXPECT_EQ(B(clrWindow, clrFace, 550), theme.m_grcPopuped.clrDark.GetColor());
    EXPECT_EQ(B(clrFace, clrWindow, 70), theme.m_clrPaneBorder.GetColor());
    EXPECT_FALSE(theme.m_bLunaColors);
}

TEST(Theme2, ForcedSchemesGiveTheirTables)
{
    const struct
    {
        int nScheme;
        COLORREF clrDockLight, clrToolDark, clr38, clr30, clrShadow, clr12;
        float fToolFactor;
    } schemes[] = {{1, 0xF5BE9E, 0xE2A981, 0x764127, 0xF9DBC4, 0x361E16, 0xAE9990, 0.75f},
                   {2, 0xA7D9D9, 0x91C6B7, 0x335E51, 0xADDED1, 0x19221F, 0x7BA097, 0.3f},
                   {3, 0xE5D7D7, 0xB79B9C, 0x755454, 0xE4DADB, 0x292024, 0xB39A9B, 0.75f}};
    for (const auto& s : schemes)
    {
        CKTThemeStyle2 theme;
        theme.m_nSystemTheme = s.nScheme;
        theme.RefreshMetrics();
        EXPECT_TRUE(theme.m_bLunaColors) << s.nScheme;
        EXPECT_EQ(s.clrDockLight, theme.m_grcDockBar.clrLight.GetColor()) << s.nScheme;
        EXPECT_EQ(s.clrToolDark, theme.m_grcToolBar.clrDark.GetColor()) << s.nScheme;
        EXPECT_FLOAT_EQ(s.fToolFactor, theme.m_grcToolBar.fGradientFactor) << s.nScheme;
        EXPECT_EQ(s.clr38, theme.GetColor(38)) << s.nScheme;
        EXPECT_EQ(s.clr30, theme.GetColor(30)) << s.nScheme;
        EXPECT_EQ(s.clrShadow, theme.m_clrShadowColor) << s.nScheme;
        EXPECT_EQ(s.clr12, theme.GetColor(COLOR_APPWORKSPACE)) << s.nScheme;
        EXPECT_EQ(0x8D8D8Du, theme.GetColor(35)) << s.nScheme;
        EXPECT_EQ(theme.m_clrFloatingGripper.GetColor(), theme.GetColor(61)) << s.nScheme;
    }
}

TEST(Theme2, SchemeButtonsAreGradientsWithoutSchemeTheyAreFlat)
{
    CKTThemeStyle2 theme;
    theme.m_nSystemTheme = ktSystemThemeBlue;
    theme.RefreshMetrics();
    CTestSurface surface(20, 20, kPaper);
    theme.DrawControlEntry(surface.DC(), CRect(0, 0, 20, 20), State(TRUE, 0, TRUE, 0, FALSE));
    EXPECT_EQ(theme.GetColor(32), surface.Pixel(0, 0));
    EXPECT_TRUE(IsBetween(surface.Pixel(10, 10), 0xC8F2FF, 0x97D4FF));

    auto pFlat = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    CTestSurface flat(20, 20, kPaper);
    pFlat->DrawControlEntry(flat.DC(), CRect(0, 0, 20, 20), State(TRUE, 0, TRUE, 0, FALSE));
    EXPECT_EQ(Distinct(31), flat.Pixel(10, 10)) << "theme 1's rectangle without scheme colours";
}

TEST(Theme2, BallImageHasTransparentCornersAndShadedBody)
{
    CKTThemeStyle2 theme;
    theme.m_nSystemTheme = ktSystemThemeNone;
    theme.RefreshMetrics();
    theme.m_grcBall.SetStandardValue(RGB(250, 250, 250), RGB(50, 100, 150));
    theme.CreateExpandBallImage();
    EXPECT_EQ(255, CKTThemeStyle2::GetBallWeight(0, 0));
    EXPECT_EQ(0, CKTThemeStyle2::GetBallWeight(13, 12));
    CTestSurface surface(16, 16, kPaper);
    ASSERT_TRUE(ImageList_Draw(theme.GetBallImageList(), 0, surface.DC()->GetSafeHdc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(kPaper, surface.Pixel(0, 0)) << "weight 255 is the mask colour";
    EXPECT_TRUE(IsNear(RGB(50, 100, 150), surface.Pixel(13, 12), 8)) << std::hex << surface.Pixel(13, 12);
    EXPECT_TRUE(
        IsNear(RGB(50 + 200 * 252 / 255, 100 + 150 * 252 / 255, 150 + 100 * 252 / 255), surface.Pixel(4, 1), 8));
}

TEST(Theme4, SchemeValuesOfTheColourManager)
{
    CKTColorManager* pColors = KTColorManager();
    const struct
    {
        int nScheme;
        COLORREF clrToolLight, clrExpandDark, clr31, clr33, clr47;
    } schemes[] = {{1, 0xF5F9FA, 0x7E9898, 0, 0, 0},
                   {2, 0xF5F9FA, 0x9EACB0, 0x8DC6B6, 0x70A093, 0xFFFFFF},
                   {3, 0xFAF4F3, 0x927476, 0xC2EEFF, 0x3E80FE, 0x000000}};
    for (const auto& s : schemes)
    {
        pColors->SetLunaTheme(s.nScheme);
        CKTThemeStyle4 theme;
        theme.RefreshMetrics();
        EXPECT_FALSE(theme.m_bLunaColors) << "theme 2's scheme colours never apply";
        EXPECT_EQ(s.clrToolLight, theme.m_grcToolBar.clrLight.GetColor()) << s.nScheme;
        EXPECT_FLOAT_EQ(0.75f, theme.m_grcToolBar.fGradientFactor) << s.nScheme;
        EXPECT_EQ(s.clrExpandDark, theme.m_grcExpandButton.clrDark.GetColor()) << s.nScheme;
        EXPECT_EQ(theme.m_grcToolBar.clrDark.GetColor(), s.nScheme == 3 ? 0xB59799u : 0xA8C0C0u);
        COLORREF clr31 = s.clr31 ? s.clr31 : KTColorManager()->GetColor(31);
        EXPECT_EQ(clr31, theme.GetColor(31)) << s.nScheme << ": blue keeps the standard colours";
        if (s.clr31)
        {
            EXPECT_EQ(s.clr33, theme.GetColor(33)) << s.nScheme;
            EXPECT_EQ(s.clr47, theme.GetColor(47)) << s.nScheme;
        }
        COLORREF clrBall = s.nScheme == 3 ? 0xF1E8E8 : theme.m_grcToolBar.clrLight.GetColor();
        EXPECT_EQ(clrBall, theme.m_grcBall.clrLight.GetColor()) << s.nScheme;
    }
    pColors->SetLunaTheme(ktSystemThemeDefault);
}

TEST(Theme1Marks, CheckBoxBoxesAndTicksByState)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    const CRect rc(2, 2, 15, 15);
    EXPECT_EQ(CSize(13, 13), pTheme->DrawCheckBoxMark(NULL, rc, FALSE, FALSE, FALSE, 0, TRUE));
    const struct
    {
        BOOL bSelected, bPressed, bEnabled;
        int nBorder, nFill;
    } boxes[] = {{FALSE, FALSE, TRUE, 52, COLOR_WINDOW},
                 {TRUE, FALSE, TRUE, 32, 31},
                 {TRUE, TRUE, TRUE, 32, 33},
                 {FALSE, FALSE, FALSE, 35, -1}};
    for (const auto& box : boxes)
    {
        CTestSurface surface(20, 20, kPaper);
        pTheme->DrawCheckBoxMark(surface.DC(), rc, TRUE, box.bSelected, box.bPressed, 0, box.bEnabled);
        EXPECT_EQ(Distinct(box.nBorder), surface.Pixel(2, 2));
        EXPECT_EQ(box.nFill == -1 ? kPaper : Distinct(box.nFill), surface.Pixel(8, 4));
    }
    CTestSurface checked(20, 20, kPaper), mixed(20, 20, kPaper);
    pTheme->DrawCheckBoxMark(checked.DC(), rc, TRUE, FALSE, FALSE, 1, TRUE);
    pTheme->DrawCheckBoxMark(mixed.DC(), rc, TRUE, FALSE, FALSE, 2, TRUE);
    // cx 8, y0 9: the tick's corner at (7, 9) and its three rows.
    for (int y = 9; y < 12; y++)
    {
        EXPECT_EQ(Distinct(COLOR_BTNTEXT), checked.Pixel(7, y)) << y;
        EXPECT_EQ(Distinct(35), mixed.Pixel(7, y)) << "indeterminate ticks are grey";
    }
}

TEST(ThemeButtons, ExpandButtonPlacesAndSizes)
{
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPosition(ktBarTop);
    CKTControl* pControl = pBar->GetControls()->Add(ktControlButton, 0);
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    pTheme1->DrawExpandButton(NULL, 0, pControl, pBar, FALSE, CSize(100, 26), FALSE);
    EXPECT_EQ(CRect(87, 2, 98, 24), pControl->GetRect());
    EXPECT_EQ(12, pTheme1->DrawExpandButton(NULL, 1, pControl, pBar, FALSE, CSize(0, 0), FALSE).cy);
    auto pTheme2 = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    pTheme2->DrawExpandButton(NULL, 0, pControl, pBar, FALSE, CSize(100, 26), FALSE);
    EXPECT_EQ(CRect(88, 0, 100, 26), pControl->GetRect()) << "a 12-pixel strip at the far end";
    EXPECT_EQ(18, pTheme2->DrawExpandButton(NULL, 1, pControl, pBar, FALSE, CSize(0, 0), FALSE).cy);

    CTestSurface surface(100, 26, kPaper);
    pTheme2->DrawExpandButton(surface.DC(), 0, pControl, pBar, TRUE, CSize(0, 0), FALSE);
    EXPECT_TRUE(
        IsBetween(surface.Pixel(94, 2), pTheme2->m_grcExpandButton.clrLight, pTheme2->m_grcExpandButton.clrDark));
    EXPECT_EQ(kPaper, surface.Pixel(88, 0)) << "cut corner";
    EXPECT_EQ(Distinct(46), surface.Pixel(94, 16)) << "the glyph's line at bottom - 10";
}

TEST(ThemeButtons, TearOffStripsAndDialogGrippers)
{
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CTestSurface strip(100, 10, kPaper);
    EXPECT_EQ(CSize(0, 9), pTheme1->DrawTearOffGripper(strip.DC(), CRect(0, 0, 100, 9), TRUE, TRUE));
    EXPECT_EQ(Distinct(41), strip.Pixel(5, 5));
    EXPECT_EQ(Distinct(32), strip.Pixel(35, 2)) << "the selected grip's border";
    EXPECT_EQ(Distinct(45), strip.Pixel(50, 4));

    CTestSurface narrow(20, 10, kPaper);
    pTheme1->DrawTearOffGripper(narrow.DC(), CRect(0, 0, 18, 9), FALSE, TRUE);
    EXPECT_EQ(Distinct(41), narrow.Pixel(9, 5)) << "too narrow for a grip";

    auto pTheme0 = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    auto pTheme2 = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    int nText = pTheme0->GetTextHeight();
    EXPECT_EQ(CSize(6, std::max(22, nText + 4)), pTheme0->DrawAltGripper(NULL, NULL, FALSE));
    EXPECT_EQ(CSize(8, std::max(25, pTheme2->GetTextHeight() + 6)), pTheme2->DrawAltGripper(NULL, NULL, FALSE));
}

TEST(ThemeStatusBar, PaneBordersAndGripByTheme)
{
    auto pTheme0 = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    auto pTheme2 = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    const CRect rc(2, 2, 40, 20);
    CTestSurface classic(50, 24, kPaper), flat(50, 24, kPaper), gradient(50, 24, kPaper);
    pTheme0->DrawStatusBarPaneBorder(classic.DC(), rc, FALSE);
    pTheme1->DrawStatusBarPaneBorder(flat.DC(), rc, FALSE);
    pTheme2->DrawStatusBarPaneBorder(gradient.DC(), rc, FALSE);
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), classic.Pixel(2, 2));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), classic.Pixel(39, 19));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), flat.Pixel(39, 19));
    EXPECT_EQ(pTheme2->m_clrPaneBorder.GetColor(), gradient.Pixel(39, 19));
    EXPECT_EQ(kPaper, flat.Pixel(10, 10));

    CTestSurface grip(30, 30, kPaper);
    pTheme0->DrawStatusBarGripper(grip.DC(), CRect(0, 0, 30, 30));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), grip.Pixel(27, 29)) << "a grip line leaves the bottom edge";
    EXPECT_EQ(kPaper, grip.Pixel(5, 5));
}

TEST(ThemeStatusBar, PaneFillsItsBackgroundAndPadsItsText)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTStatusBarPane pane(0);
    pane.SetBackgroundColor(RGB(10, 20, 30));
    pane.SetText("Ready");
    CTestSurface surface(80, 20, kPaper);
    pTheme->DrawStatusBarPane(surface.DC(), CRect(0, 0, 80, 20), &pane);
    EXPECT_EQ(RGB(10, 20, 30), surface.Pixel(1, 0));
    EXPECT_EQ(RGB(10, 20, 30), surface.Pixel(79, 19));
}

TEST(ThemeStatusBar, APaneDrawsItsIconBeforeItsText)
{
    const UINT nId = 9212;
    BYTE andMask[32] = {}, xorMask[32] = {};  // all black
    HICON hIcon = ::CreateIcon(NULL, 16, 16, 1, 1, andMask, xorMask);
    ASSERT_TRUE(hIcon != NULL);
    ASSERT_TRUE(KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTStatusBarPane pane(0);
    pane.SetIconId(nId);
    CTestSurface surface(80, 20, kPaper);
    pTheme->DrawStatusBarPane(surface.DC(), CRect(0, 0, 80, 20), &pane);
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(2 + 8, 10)) << "inside the padding, centred in the height";
    pane.SetStyle(SBPS_DISABLED);
    CTestSurface disabled(80, 20, kPaper);
    pTheme->DrawStatusBarPane(disabled.DC(), CRect(0, 0, 80, 20), &pane);
    EXPECT_NE(RGB(0, 0, 0), disabled.Pixel(2 + 8, 10)) << "the disabled image";
    EXPECT_NE(kPaper, disabled.Pixel(2 + 8, 10));
    KTImageManager()->RemoveIcon(nId);
}

TEST(PopupExpanding, BandsEndAsTheFinishedPicture)
{
    CTestParent parent;
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->CreateBarWindow("KTTestBar", &parent, 1);
    pBar->MoveWindow(0, 0, 40, 60);
    const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    CTestSurface picture(40, 60, kPaper);
    for (int i = 0; i < 3; i++)
    {
        CKTControl* pControl = pBar->GetControls()->Add(ktControlButton, i + 1);
        pControl->SetRect(CRect(0, i * 20, 40, i * 20 + 20));
        pControl->SetExpandedShown(i == 1);
        picture.DC()->FillSolidRect(0, i * 20, 40, 20, colours[i]);
    }
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    pTheme->m_nAnimationSteps = 3;
    pTheme->m_nAnimationTime = 3;
    for (BOOL bDownward : {TRUE, FALSE})
    {
        CTestSurface window(40, 60, kPaper);
        pTheme->AnimateExpanding(pBar, window.DC(), picture.DC(), bDownward);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(colours[i], window.Pixel(20, i * 20 + 10)) << i << (bDownward ? " down" : " up");
    }
    pTheme->m_nAnimationSteps = 1;
    CTestSurface single(40, 60, kPaper);
    pBar->GetControl(1)->SetExpandedShown(FALSE);
    pTheme->AnimateExpanding(pBar, single.DC(), picture.DC(), TRUE);
    EXPECT_EQ(colours[1], single.Pixel(20, 30)) << "no band changes: the whole picture";
    pBar->OnRemoved();
}

TEST(Theme1Popups, TheBorderStaysOpenWhereThePopupTouchesItsControl)
{
    CTestParent parent(300, 200);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPosition(ktBarTop);
    pBar->CreateBarWindow("KTTestBar", &parent, 1);
    pBar->MoveWindow(0, 0, 200, 24);
    CKTControl* pControl = pBar->GetControls()->Add(ktControlPopup, 0);
    pControl->SetRect(CRect(10, 2, 60, 22));
    CKTPopupBar* pPopup = static_cast<CKTPopupBar*>(pControl->GetCommandBar());
    pPopup->SetOpeningControl(pControl);
    pPopup->CreateBarWindow("KTTestBar", &parent, 2);
    pPopup->MoveWindow(10, 21, 120, 80);
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CTestSurface surface(120, 80, kPaper);
    pTheme->FillCommandBarEntry(surface.DC(), pPopup);
    EXPECT_EQ(Distinct(43), surface.Pixel(0, 0)) << "the border outside the gap";
    EXPECT_EQ(Distinct(43), surface.Pixel(60, 0));
    EXPECT_EQ(Distinct(30), surface.Pixel(20, 0)) << "open where the control is";
    EXPECT_EQ(Distinct(41), surface.Pixel(20, 5));
    pPopup->OnRemoved();
    pBar->OnRemoved();
}

// A label's fill starts where the bar's icon column ends: after the bar's border, not at the column's width.
TEST(Theme1Popups, ALabelIsFilledFromTheEndOfTheIconColumn)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    const int nBorder = pTheme->GetCommandBarBorders(pPopup).left;
    ASSERT_GT(nBorder, 0);
    CKTControl* pLabel = pPopup->GetControls()->Add(ktControlLabel, 0);
    pLabel->SetCaption("Group");
    pLabel->SetRect(CRect(nBorder, 5, 190, 25));
    CTestSurface surface(200, 30, kPaper);
    pTheme->DrawControlPopupParent(surface.DC(), pLabel, TRUE);
    const int nColumn = std::max<int>(pLabel->GetIconSize().cx + 4, pTheme->GetTextHeight() + 4);
    EXPECT_NE(Distinct(56), surface.Pixel(nColumn, 6)) << "the column stays clear";
    EXPECT_EQ(Distinct(56), surface.Pixel(nBorder + nColumn, 6));
    EXPECT_EQ(Distinct(56), surface.Pixel(188, 6));
    pPopup->OnRemoved();
}

// Rarely used commands shown by an expanded menu: theme 0 fills the entry in colour 22, theme 1 the icon column
// beside it in colour 42.
TEST(ThemePopups, RarelyUsedCommandsStandOutInAnExpandedMenu)
{
    auto pTheme0 = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    for (CKTPaintManager* pTheme : {(CKTPaintManager*)pTheme0, (CKTPaintManager*)pTheme1})
    {
        CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
        pPopup->SetPaintManager(pTheme);
        const int nBorder = pTheme->GetCommandBarBorders(pPopup).left;
        CKTControl* pRare = pPopup->GetControls()->Add(ktControlButton, 0);
        pRare->SetCaption("Rare");
        pRare->SetRect(CRect(nBorder, 0, 150, 22));
        CTestSurface plain(160, 22, kPaper);
        pTheme->DrawControlPopupParent(plain.DC(), pRare, TRUE);
        pRare->SetExpandedShown(TRUE);
        CTestSurface rare(160, 22, kPaper);
        pTheme->DrawControlPopupParent(rare.DC(), pRare, TRUE);
        const COLORREF clrRare = pTheme == pTheme0 ? Distinct(COLOR_3DLIGHT) : Distinct(42);
        const int x = pTheme == pTheme0 ? 140 : nBorder + 2;
        EXPECT_NE(clrRare, plain.Pixel(x, 1));
        EXPECT_EQ(clrRare, rare.Pixel(x, 1)) << (pTheme == pTheme0 ? "theme 0" : "theme 1");
        pPopup->OnRemoved();
    }
}

// The customise list shows a control as an entry: the theme's fill, the highlight when selected, a field at the
// right for a combo box.
TEST(ThemeListBox, CommandListEntriesByTheme)
{
    auto pTheme0 = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    auto pTheme1 = MakeThemeWithDistinctColours<CKTThemeStyle1>();
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    CKTControl* pCombo = pBar->GetControls()->Add(ktControlComboBox, 0);
    pCombo->SetCaption("Font");
    const CRect rc(0, 0, 200, 24);
    struct
    {
        CKTPaintManager* pTheme;
        BOOL bSelected;
        int nText;  // the colour right of the icon column
    } cases[] = {
        {pTheme0, FALSE, COLOR_BTNFACE}, {pTheme0, TRUE, COLOR_HIGHLIGHT}, {pTheme1, FALSE, 41}, {pTheme1, TRUE, 41}};
    for (const auto& c : cases)
    {
        CTestSurface surface(200, 24, kPaper);
        EXPECT_EQ(rc.Size(), c.pTheme->DrawListBoxControl(surface.DC(), pCombo, rc, c.bSelected, TRUE, NULL));
        const int nColumn = c.pTheme->GetListBoxIconColumn(NULL);
        EXPECT_EQ(Distinct(c.nText), surface.Pixel(nColumn + 2, 1)) << c.nText;
        CKTFontDC font(surface.DC(), c.pTheme->GetRegularFont());
        const int nField = 200 - surface.DC()->GetTextExtent("Font0").cx;
        EXPECT_EQ(Distinct(COLOR_WINDOW), surface.Pixel(nField + 2, 12)) << "the field";
    }
    pBar->OnRemoved();
}

// Every popup entry's text rectangle passes the theme's hook before the caption is drawn.
TEST(ThemeListBox, PopupEntriesOfferTheirTextRectangle)
{
    class CHookedTheme : public CKTThemeStyle0
    {
    public:
        void AdjustPopupTextRect(CRect& rc) override
        {
            m_rcSeen = rc;
            rc.left += 40;
        }
        CRect m_rcSeen;
    };
    CKTSmartPtr<CHookedTheme> pTheme = CKTSmartPtr<CHookedTheme>::Adopt(new CHookedTheme);
    pTheme->RefreshMetrics();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    CKTControl* pEntry = pPopup->GetControls()->Add(ktControlButton, 0);
    pEntry->SetCaption("Entry");
    pEntry->SetRect(CRect(2, 0, 150, 22));
    CTestSurface surface(160, 22, kPaper);
    pTheme->DrawControlPopupParent(surface.DC(), pEntry, TRUE);
    EXPECT_EQ(22, pTheme->m_rcSeen.Height()) << "asked with the entry's text rectangle";
    EXPECT_EQ(150, pTheme->m_rcSeen.right);
    pPopup->OnRemoved();
}

TEST(ToolBarControls, CheckBoxMarksSitBesideTheirCaptions)
{
    auto pTheme = CKTSmartPtr<CKTThemeStyle1>::Adopt(new CKTThemeStyle1);
    pTheme->RefreshMetrics();
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPaintManager(pTheme);
    pBar->SetPosition(ktBarTop);
    CKTControl* pCheck = pBar->GetControls()->Add(ktControlCheckBox, 0);
    pCheck->SetCaption("Wrap");
    CTestSurface surface(100, 30, kPaper);
    CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
    CSize szCaption = surface.DC()->GetTextExtent("Wrap", 4);
    CSize sz = pCheck->GetSize(surface.DC());
    EXPECT_EQ(13 + 3 + szCaption.cx + 6, sz.cx);
    EXPECT_EQ(std::max<int>(22, szCaption.cy + 6), sz.cy);
    pCheck->SetRect(CRect(CPoint(0, 0), sz));
    pCheck->SetChecked(1);
    pTheme->SetCustomColor(52, RGB(1, 2, 3));
    pCheck->Draw(surface.DC());
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(3, (sz.cy - 13) / 2)) << "the mark's box at the left";
    pBar->OnRemoved();
}

TEST(Theme2, FloatingBarsFillEachRowWithTheFace)
{
    CTestParent parent(300, 200);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPosition(ktBarFloating);
    pBar->SetFlags(0x0F);
    pBar->CreateBarWindow("KTTestBar", &parent, 1);
    pBar->MoveWindow(0, 0, 100, 80);
    CKTControl* pControl = pBar->GetControls()->Add(ktControlButton, 1);
    pControl->SetRect(CRect(4, 40, 26, 62));
    pControl->SetRowRect(CRect(4, 40, 96, 62));
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle2>();
    pTheme->m_grcToolBar.SetStandardValue(RGB(250, 250, 250), RGB(100, 100, 100));
    CTestSurface surface(100, 80, kPaper);
    pTheme->FillCommandBarEntry(surface.DC(), pBar);
    EXPECT_EQ(Distinct(61), surface.Pixel(0, 0));
    EXPECT_EQ(Distinct(61), surface.Pixel(1, 10)) << "the second frame";
    EXPECT_EQ(Distinct(30), surface.Pixel(50, 30)) << "between caption and row";
    EXPECT_TRUE(IsBetween(surface.Pixel(50, 50), RGB(250, 250, 250), RGB(100, 100, 100)));
    EXPECT_NE(Distinct(30), surface.Pixel(50, 50));
    pBar->OnRemoved();
}
