// RibbonThemeTests.cpp: theme 6 draws bars, entries, marks and the status bar from the tests' style images,
// takes the ribbon's colours, and sizes its tab strip from the font.
#include "KTCommandBarKeyboardTip.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTThemeRibbon.h"
#include "LoadedStyle.h"
#include "StatedControls.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

CKTSmartPtr<CKTThemeRibbon> RefreshedRibbon()
{
    CKTSmartPtr<CKTThemeRibbon> pTheme = KTMakeCounted<CKTThemeRibbon>();
    pTheme->RefreshMetrics();
    return pTheme;
}

COLORREF EntryCentre(CKTThemeRibbon& theme, const KT_CONTROLSTATE& state, int cy = 22)
{
    CTestSurface surface(40, cy);
    theme.DrawControlEntry(surface.DC(), CRect(0, 0, 40, cy), state);
    return surface.Pixel(20, cy / 2);
}

KT_CONTROLSTATE State(BOOL bSelected, int nPressed, BOOL bEnabled = TRUE, int nChecked = 0, BOOL bPopuped = FALSE)
{
    KT_CONTROLSTATE state;
    state.bSelected = bSelected;
    state.nSelected = bSelected ? 3 : 0;
    state.nPressed = nPressed;
    state.bEnabled = bEnabled;
    state.nChecked = nChecked;
    state.bPopuped = bPopuped;
    state.nBarType = ktBarTypeNormal;
    return state;
}

using CStatedSplit = CStatedOpen<CKTControlPopup, ktControlSplitButtonPopup>;

COLORREF ToolBarPart(int nPart, BOOL bTall = FALSE) { return RGB(60 + nPart * 40, bTall ? 90 : 10, 200); }

// Whether the edit's label, drawn as the theme draws the field, shows the colour.
bool LabelHas(CKTThemeRibbon& theme, CStatedEdit* pEdit, int nColor)
{
    const CRect rc = pEdit->GetRect();
    CTestSurface surface(rc.Width(), rc.Height());
    theme.DrawControlEdit(surface.DC(), pEdit, FALSE);
    theme.DrawControlEdit(surface.DC(), pEdit, TRUE);
    for (int x = 0; x < pEdit->GetLabelWidth(); x++)
        for (int y = 0; y < rc.Height(); y++)
            if (IsNear(surface.Pixel(x, y), theme.GetColor(nColor), 24))
                return true;
    return false;
}
}  // namespace

TEST(RibbonTheme, TheFactoryMakesThemesFiveAndSix)
{
    for (int nTheme : {ktCommandBarsThemeStyleResources, ktCommandBarsThemeRibbon})
    {
        CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(nTheme);
        EXPECT_EQ(nTheme, pTheme->GetCurrentTheme());
    }
    CKTSmartPtr<CKTPaintManager> pRibbon = CKTPaintManager::CreateTheme(ktCommandBarsThemeRibbon);
    EXPECT_TRUE(dynamic_cast<CKTThemeRibbon*>(static_cast<CKTPaintManager*>(pRibbon)) != NULL);
}

TEST(RibbonTheme, TabHeightFollowsTheControlHeight)
{
    EXPECT_EQ(23, CKTThemeRibbon::TabHeightFor(22));
    EXPECT_EQ(25, CKTThemeRibbon::TabHeightFor(23));
    EXPECT_EQ(32, CKTThemeRibbon::TabHeightFor(30));

    auto pTheme = RefreshedRibbon();
    pTheme->m_nFontHeight = 8;  // too small to replace the menu font
    pTheme->UpdateFonts();
    EXPECT_GE(pTheme->m_nTabHeight, 23);
    EXPECT_EQ(CKTThemeRibbon::TabHeightFor(pTheme->m_nFixedControlHeight), pTheme->m_nTabHeight);
    pTheme->m_nFontHeight = 20;
    pTheme->UpdateFonts();
    EXPECT_EQ(20 * 195 / 96, pTheme->m_nFixedControlHeight);
    EXPECT_EQ(20 * 195 / 96 + 2, pTheme->m_nTabHeight);
    EXPECT_EQ(20 * 144 / 96, pTheme->m_nGroupCaptionHeight);
    EXPECT_EQ(20 * 144 / 96 + 6, pTheme->GetTextHeight());
}

TEST(RibbonTheme, RibbonColoursAndFixedEntries)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTStyleResourceSet& set = *KTStyleResourceSet();
    EXPECT_EQ(set.GetColor("Ribbon", "RibbonFace"), pTheme->m_clrRibbonFace.GetColor());
    EXPECT_EQ(set.GetColor("Ribbon", "RibbonText"), pTheme->m_clrRibbonText.GetColor());
    EXPECT_EQ(set.GetColor("Ribbon", "GroupCaptionText"), pTheme->m_clrGroupCaptionText.GetColor());
    EXPECT_EQ(set.GetColor("Ribbon", "ControlEditNormal"), pTheme->m_clrEditNormal.GetColor());
    EXPECT_EQ(set.GetColor("Ribbon", "MinimizedFrameEdgeShadow"), pTheme->m_clrMinimizedFrameEdgeShadow.GetColor());
    EXPECT_EQ(set.GetColor("Ribbon", "GroupClientText"), pTheme->GetColor(46));
    EXPECT_EQ(set.GetColor("Ribbon", "MenuPopupText"), pTheme->GetColor(44));
    EXPECT_EQ(set.GetColor("Ribbon", "ControlHighlightText"), pTheme->GetColor(45));
    EXPECT_EQ(0xA7A7A7u, pTheme->GetColor(35));
    EXPECT_EQ(0x868686u, pTheme->GetColor(43));
    EXPECT_EQ(0xFAFAFAu, pTheme->GetColor(41));
    EXPECT_EQ(0xEEEEE9u, pTheme->m_grcBall.clrLight.GetColor());
    EXPECT_EQ(set.GetColor("Window", "BorderActive0"), pTheme->m_clrBorderActive[0].GetColor()) << "theme 5's too";
    EXPECT_TRUE(pTheme->m_bFrameStatusBar);
}

TEST(RibbonTheme, ToolBarEntriesPickTheirImagePart)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    const struct
    {
        KT_CONTROLSTATE state;
        int nPart;  // -1: nothing drawn
    } cases[] = {
        {State(FALSE, 0), -1},         {State(TRUE, 0), 0},          {State(FALSE, 1), 0},
        {State(TRUE, 1), 1},           {State(FALSE, 2), 1},         {State(FALSE, 0, TRUE, 0, TRUE), 2},
        {State(FALSE, 0, TRUE, 1), 2}, {State(TRUE, 0, TRUE, 1), 3}, {State(TRUE, 1, TRUE, 1), 1},
        {State(TRUE, 0, FALSE), 0},    {State(FALSE, 0, FALSE), -1},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        COLORREF clrExpected = cases[i].nPart < 0 ? kWhite : ToolBarPart(cases[i].nPart);
        EXPECT_EQ(clrExpected, EntryCentre(*pTheme, cases[i].state)) << "case " << i;
    }
    KT_CONTROLSTATE hotByOtherMeans = State(TRUE, 0, FALSE);
    hotByOtherMeans.nSelected = 1;
    EXPECT_EQ(kWhite, EntryCentre(*pTheme, hotByOtherMeans)) << "a disabled entry shows only keyboard or mouse";
    EXPECT_EQ(ToolBarPart(0), EntryCentre(*pTheme, State(TRUE, 0), 32));
    EXPECT_EQ(ToolBarPart(0, TRUE), EntryCentre(*pTheme, State(TRUE, 0), 33));
}

TEST(RibbonTheme, MenuEntriesPickTheirImage)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    auto popup = [](KT_CONTROLSTATE state)
    {
        state.nBarType = ktBarTypePopup;
        state.nBarPosition = ktBarPopup;
        return state;
    };
    EXPECT_EQ(RGB(200, 200, 10), EntryCentre(*pTheme, popup(State(TRUE, 0)), 32));
    EXPECT_EQ(RGB(200, 200, 110), EntryCentre(*pTheme, popup(State(TRUE, 0)), 33));
    EXPECT_EQ(RGB(150, 150, 10), EntryCentre(*pTheme, popup(State(TRUE, 0, FALSE)), 32));
    KT_CONTROLSTATE otherSelection = popup(State(TRUE, 0, FALSE));
    otherSelection.nSelected = 1;
    EXPECT_NE(RGB(150, 150, 10), EntryCentre(*pTheme, otherSelection, 32));
    EXPECT_EQ(RGB(10, 200, 200), EntryCentre(*pTheme, popup(State(FALSE, 0, TRUE, 1))));
    EXPECT_EQ(RGB(10, 150, 150), EntryCentre(*pTheme, popup(State(FALSE, 0, FALSE, 1)))) << "the lower half";
}

TEST(RibbonTheme, CheckAndRadioMarksPickTheirPart)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    const struct
    {
        BOOL bSelected, bPressed, bEnabled;
        int nChecked, nCheckPart, nRadioPart;
    } cases[] = {
        {FALSE, FALSE, TRUE, 0, 0, 0},  {TRUE, FALSE, TRUE, 0, 1, 1}, {TRUE, TRUE, TRUE, 1, 6, 6},
        {FALSE, FALSE, FALSE, 1, 7, 7}, {TRUE, FALSE, TRUE, 2, 9, 5},
    };
    for (const auto& c : cases)
    {
        CTestSurface surface(13, 13);
        EXPECT_EQ(CSize(13, 13), pTheme->DrawCheckBoxMark(surface.DC(), CRect(0, 0, 13, 13), TRUE, c.bSelected,
                                                          c.bPressed, c.nChecked, c.bEnabled));
        EXPECT_EQ(RGB(c.nCheckPart * 20, 100, 50), surface.Pixel(6, 6)) << c.nCheckPart;
        pTheme->DrawRadioButtonMark(surface.DC(), CRect(0, 0, 13, 13), TRUE, c.bSelected, c.bPressed, c.nChecked,
                                    c.bEnabled);
        EXPECT_EQ(RGB(c.nRadioPart * 20, 150, 50), surface.Pixel(6, 6)) << c.nRadioPart;
    }
}

TEST(RibbonTheme, StatusBarAndPopupColumn)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CTestSurface surface(40, 30);
    pTheme->DrawStatusBarGripper(surface.DC(), CRect(0, 0, 40, 30));
    EXPECT_EQ(RGB(70, 70, 170), surface.Pixel(34, 20));
    EXPECT_EQ(RGB(70, 70, 170), surface.Pixel(39, 25));
    EXPECT_EQ(kWhite, surface.Pixel(39, 26)) << "four pixels above the bottom";
    pTheme->DrawStatusBarPaneBorder(surface.DC(), CRect(0, 0, 20, 20), FALSE);
    EXPECT_EQ(kWhite, surface.Pixel(19, 5)) << "no pane borders";

    CTestParent parent(120, 60);
    CWnd bar;
    ASSERT_TRUE(bar.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
    CTestSurface strip(100, 20);
    pTheme->FillStatusBar(strip.DC(), &bar);
    EXPECT_EQ(RGB(240, 200, 20), strip.Pixel(50, 10)) << "without panes the light part runs to the end";

    CTestSurface column(30, 30);
    pTheme->DrawPopupBarGripper(column.DC(), 0, 0, 24, 30, FALSE);
    EXPECT_EQ(RGB(0xE9, 0xEE, 0xEE), column.Pixel(5, 5));
    EXPECT_EQ(RGB(0xC5, 0xC5, 0xC5), column.Pixel(23, 5));
    EXPECT_EQ(RGB(0xF5, 0xF5, 0xF5), column.Pixel(24, 5));
}

// Without the images the status bar takes theme 5's look rather than keeping stale pixels.
TEST(RibbonTheme, WithoutAModuleTheStatusBarDrawsPlainly)
{
    auto pTheme = RefreshedRibbon();
    CTestParent parent(120, 60);
    CWnd bar;
    ASSERT_TRUE(bar.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
    CTestSurface strip(100, 20, RGB(1, 2, 3));
    pTheme->FillStatusBar(strip.DC(), &bar);
    EXPECT_EQ(pTheme->m_clrStatusBarShadow.GetColor(), strip.Pixel(50, 0));
    EXPECT_NE(RGB(1, 2, 3), strip.Pixel(50, 15));
    CTestSurface corner(20, 20, RGB(1, 2, 3));
    pTheme->DrawStatusBarGripper(corner.DC(), CRect(0, 0, 20, 20));
    EXPECT_EQ(pTheme->GetColor(KTCOLOR_SEPARATOR), corner.Pixel(17, 17)) << "theme 5's dots";
}

TEST(RibbonTheme, CornerRegionCutsFourPixels)
{
    CTestParent window(80, 50);
    CRect rc;
    window.GetWindowRect(&rc);
    CKTThemeRibbon::SetCornerRegion(&window);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(window.GetSafeHwnd(), hRgn));
    int cx = rc.Width(), cy = rc.Height();
    for (CPoint pt : {CPoint(0, 0), CPoint(cx - 1, 0), CPoint(0, cy - 1), CPoint(cx - 1, cy - 1)})
        EXPECT_FALSE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
    for (CPoint pt : {CPoint(1, 0), CPoint(0, 1), CPoint(cx - 2, cy - 1), CPoint(cx / 2, cy / 2)})
        EXPECT_TRUE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
    ::DeleteObject(hRgn);
}

TEST(RibbonTheme, SplitButtonHalvesFollowTheirStates)
{
    using Parts = std::pair<int, int>;
    const struct
    {
        int nSelected, nPressed;
        BOOL bChecked, bPopuped;
        int nEnabled;
        Parts parts;
    } cases[] = {
        {0, 0, FALSE, FALSE, 1, Parts(-1, -1)}, {3, 0, FALSE, FALSE, 1, Parts(0, 4)},
        {4, 0, FALSE, FALSE, 1, Parts(5, 0)},   {3, 1, FALSE, FALSE, 1, Parts(1, 0)},
        {0, 2, FALSE, FALSE, 1, Parts(1, 0)},   {0, 1, FALSE, FALSE, 1, Parts(5, 4)},
        {0, 0, FALSE, TRUE, 1, Parts(5, 2)},    {0, 0, TRUE, FALSE, 1, Parts(2, 4)},
        {3, 0, TRUE, FALSE, 1, Parts(3, 4)},    {4, 0, TRUE, FALSE, 1, Parts(3, 0)},
        {0, 1, TRUE, FALSE, 1, Parts(2, 4)},    {2, 0, FALSE, FALSE, 0, Parts(5, 4)},
        {1, 0, FALSE, FALSE, 0, Parts(-1, -1)}, {4, 0, FALSE, FALSE, 4, Parts(4, 0)},
        {3, 0, FALSE, FALSE, 3, Parts(0, 3)},   {0, 0, FALSE, FALSE, 3, Parts(-1, -1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.parts,
                  CKTThemeRibbon::SplitButtonParts(c.nSelected, c.nPressed, c.bChecked, c.bPopuped, c.nEnabled))
            << c.nSelected << " " << c.nPressed << " " << c.bChecked << " " << c.bPopuped << " " << c.nEnabled;
}

// The style's images are the button's whole frame: without them the theme draws none of its own.
TEST(RibbonTheme, ASplitButtonDrawsItsFrameOnlyFromBothImages)
{
    CLoadedStyle style("STYLE_INI");  // the side-by-side images only
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CStatedSplit> pSplit = KTMakeCounted<CStatedSplit>(CRect(0, 0, 40, 60));
    pSplit->SetState(TRUE, 3, FALSE);
    const COLORREF clrBack = RGB(1, 2, 3);
    auto drawnPixels = [&]
    {
        CTestSurface surface(40, 60, clrBack);
        pTheme->DrawSplitButtonFrame(surface.DC(), pSplit, CRect(0, 0, 40, 60));
        int nDrawn = 0;
        for (int y = 0; y < 60; y++)
            for (int x = 0; x < 40; x++)
                nDrawn += surface.Pixel(x, y) != clrBack;
        return nDrawn;
    };
    EXPECT_GT(drawnPixels(), 0);
    pSplit->SetStyle(ktButtonIconAndCaptionBelow);
    EXPECT_EQ(0, drawnPixels());
}

TEST(RibbonTheme, EditFieldsAndTheirSpinHalvesFollowTheirStates)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    auto spinPart = [](int nPart) { return RGB(10 + 24 * nPart, 60, 240); };
    const struct
    {
        BOOL bEnabled;
        int nSelected, nPressed, nUp, nDown;
        int nFill;  // colour-table slot; -1 the style's edit colour
    } rows[] = {
        {TRUE, 0, 0, 0, 5, -1},
        {TRUE, 1, 0, 1, 6, COLOR_WINDOW},
        {TRUE, 3, 0, 2, 6, COLOR_WINDOW},
        {TRUE, 4, 0, 1, 7, COLOR_WINDOW},
        {TRUE, 3, 3, 3, 6, COLOR_WINDOW},
        {TRUE, 4, 4, 1, 8, COLOR_WINDOW},
        {FALSE, 3, 0, 4, 9, COLOR_BTNFACE},
    };
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 120, 24));
    for (const auto& row : rows)
    {
        pEdit->SetState(row.bEnabled, row.nSelected, row.nPressed);
        CTestSurface surface(120, 24);
        pTheme->DrawControlEdit(surface.DC(), pEdit, TRUE);
        EXPECT_EQ(spinPart(row.nUp), surface.Pixel(110, 6)) << row.nSelected << "/" << row.nPressed;
        EXPECT_EQ(spinPart(row.nDown), surface.Pixel(110, 17)) << row.nSelected << "/" << row.nPressed;
        const int x = pEdit->GetLabelWidth() + 10;
        COLORREF clrFill =
            row.nFill < 0 ? KTStyleResourceSet()->GetColor("Ribbon", "ControlEditNormal") : pTheme->GetColor(row.nFill);
        EXPECT_EQ(clrFill, surface.Pixel(x, 12));
        EXPECT_EQ(clrFill, pTheme->GetControlEditBackColor(pEdit)) << "the text window's background agrees";
        int nFrame = !row.bEnabled && row.nSelected == 3 ? KTCOLOR_HIGHLIGHT_BORDER : KTCOLOR_POPUP_EDIT;
        EXPECT_EQ(pTheme->GetColor(nFrame), surface.Pixel(x, 0));
    }
}

TEST(RibbonTheme, ComboDropButtonsTakeTheirPartAndTheFieldItsFill)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(CRect(0, 0, 120, 24));
    CTestSurface measure(120, 24);
    pTheme->DrawControlComboBox(measure.DC(), pCombo, FALSE);
    const int xButton = 120 - pCombo->GetThumbWidth() + 3;
    const struct
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        int nPart, nFill;  // -1: the style's edit colour
    } rows[] = {{TRUE, 0, FALSE, 0, -1},
                {TRUE, 3, FALSE, 2, COLOR_WINDOW},
                {TRUE, 3, TRUE, 3, COLOR_WINDOW},
                {FALSE, 3, TRUE, 4, COLOR_BTNFACE}};
    for (const auto& row : rows)
    {
        pCombo->SetState(row.bEnabled, row.nSelected, row.bDropped);
        CTestSurface surface(120, 24);
        pTheme->DrawControlComboBox(surface.DC(), pCombo, TRUE);
        EXPECT_EQ(RGB(30 + 40 * row.nPart, 220, 120), surface.Pixel(xButton, 4)) << "part " << row.nPart;
        COLORREF clrFill =
            row.nFill < 0 ? KTStyleResourceSet()->GetColor("Ribbon", "ControlEditNormal") : pTheme->GetColor(row.nFill);
        EXPECT_EQ(clrFill, surface.Pixel(pCombo->GetLabelWidth() + 10, 12));
        EXPECT_EQ(pTheme->GetColor(KTCOLOR_POPUP_EDIT), surface.Pixel(pCombo->GetLabelWidth() + 10, 23));
        // The frame closes the field before the button and leaves the button's edges to its image.
        EXPECT_EQ(pTheme->GetColor(KTCOLOR_POPUP_EDIT), surface.Pixel(120 - pCombo->GetThumbWidth() - 1, 12));
        EXPECT_EQ(RGB(30 + 40 * row.nPart, 220, 120), surface.Pixel(xButton, 0));
        EXPECT_EQ(RGB(30 + 40 * row.nPart, 220, 120), surface.Pixel(119, 12));
    }
}

TEST(RibbonTheme, ExpandButtonAndDropDownGlyphsComeFromTheImages)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CStatedPopup> pExpand = KTMakeCounted<CStatedPopup>(CRect());
    EXPECT_EQ(CSize(0, 0), pTheme->DrawExpandButton(NULL, 0, pExpand, NULL, FALSE, CSize(100, 26), FALSE));
    EXPECT_EQ(CRect(88, 0, 100, 26), pExpand->GetRect()) << "the last 12 pixels of a horizontal bar";
    for (int nPart : {0, 1, 2})
    {
        pExpand->SetState(TRUE, nPart >= 1 ? 3 : 0, nPart == 2);
        CTestSurface surface(100, 26);
        pTheme->DrawExpandButton(surface.DC(), 0, pExpand, NULL, TRUE, CSize(100, 26), FALSE);
        EXPECT_EQ(RGB(110, 150, 20 + 40 * nPart), surface.Pixel(89, 24)) << "part " << nPart;
    }

    auto glyph = [&](BOOL bEnabled, BOOL bSelected, BOOL bPopuped, BOOL bVertical)
    {
        KT_CONTROLSTATE state = State(bSelected, 0, bEnabled, 0, bPopuped);
        CTestSurface surface(20, 20);
        pTheme->DrawDropDownGlyph(surface.DC(), pExpand, CPoint(10, 10), state, bVertical);
        return surface.Pixel(10, 10);
    };
    EXPECT_EQ(RGB(230, 30, 160), glyph(TRUE, FALSE, FALSE, FALSE));
    EXPECT_EQ(RGB(230, 70, 160), glyph(TRUE, TRUE, FALSE, FALSE));
    EXPECT_EQ(RGB(230, 110, 160), glyph(TRUE, TRUE, TRUE, FALSE));
    EXPECT_EQ(RGB(230, 150, 160), glyph(FALSE, TRUE, FALSE, FALSE));
    EXPECT_NE(RGB(230, 30, 160), glyph(TRUE, FALSE, FALSE, TRUE)) << "vertical bars keep the drawn arrow";
}

TEST(RibbonTheme, MenuGlyphsAndLabelsComeFromTheImages)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CStatedPopup> pEntry = KTMakeCounted<CStatedPopup>(CRect(0, 0, 120, 22));
    auto glyphAt = [&](int x, BOOL bSplit)
    {
        CTestSurface surface(120, 22);
        if (bSplit)
            pTheme->DrawSplitPopupGlyph(surface.DC(), pEntry);
        else
            pTheme->DrawPopupGlyph(surface.DC(), pEntry);
        return surface.Pixel(x, 11);
    };
    EXPECT_EQ(RGB(20, 180, 60), glyphAt(120 - 14 + 2, FALSE)) << "14 pixels before the right edge";
    EXPECT_EQ(kWhite, glyphAt(120 - 15, FALSE));
    pEntry->SetState(FALSE, 0, FALSE);
    EXPECT_EQ(RGB(20, 180, 100), glyphAt(120 - 14 + 2, FALSE)) << "the disabled part";

    const struct
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bOpen;
        int nPart;
    } splits[] = {{TRUE, 0, FALSE, 0}, {TRUE, 3, FALSE, 1}, {TRUE, 3, TRUE, 2}, {FALSE, 3, TRUE, 0}};
    for (const auto& row : splits)
    {
        pEntry->SetState(row.bEnabled, row.nSelected, row.bOpen);
        EXPECT_EQ(RGB(50, 20 + 40 * row.nPart, 200), glyphAt(120 - 26 + 1, TRUE)) << "part " << row.nPart;
    }

    CTestSurface label(60, 20);
    pTheme->FillPopupLabel(label.DC(), CRect(0, 0, 60, 20));
    EXPECT_EQ(pTheme->GetColor(KTCOLOR_POPUP_LABEL), label.Pixel(30, 10));
    EXPECT_EQ(0xC5C5C5u, label.Pixel(30, 19));
}

TEST(RibbonTheme, KeyboardTipsTakeTheStyleGradientFrameAndCutCorners)
{
    CKTCommandBarKeyboardTip tip(NULL, NULL, "File", 0, 0, 0, TRUE);
    ASSERT_TRUE(tip.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "F", WS_POPUP, CRect(0, 0, 30, 20), NULL, 0));
    {
        CLoadedStyle style("STYLE_INI");
        auto pTheme = RefreshedRibbon();
        CTestSurface surface(30, 20);
        pTheme->DrawKeyboardTip(surface.DC(), &tip, FALSE);
        EXPECT_EQ(RGB(90, 60, 30), surface.Pixel(0, 10)) << "the frame";
        EXPECT_TRUE(IsNear(RGB(250, 240, 200), surface.Pixel(2, 1), 8)) << "light at the top";
        COLORREF clrBottom = surface.Pixel(2, 18);
        EXPECT_TRUE(IsBetween(clrBottom, RGB(250, 240, 200), RGB(200, 180, 100)) && GetBValue(clrBottom) < 120)
            << "towards dark at the bottom";
        pTheme->DrawKeyboardTip(NULL, &tip, TRUE);
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, ::GetWindowRgn(tip.GetSafeHwnd(), (HRGN)rgn.GetSafeHandle()));
        EXPECT_FALSE(rgn.PtInRegion(0, 0));
        EXPECT_TRUE(rgn.PtInRegion(1, 0));
    }
    auto pPlain = RefreshedRibbon();
    CTestSurface plain(30, 20);
    pPlain->DrawKeyboardTip(plain.DC(), &tip, FALSE);
    EXPECT_EQ(pPlain->GetColor(COLOR_INFOBK), plain.Pixel(2, 10)) << "without a style: the tooltip colour";
    tip.DestroyWindow();
}

TEST(RibbonTheme, SystemFontsFollowTheRibbonFont)
{
    auto pTheme = RefreshedRibbon();
    pTheme->m_nFontHeight = 20;
    pTheme->UpdateFonts();
    auto logFont = [](CFont* pFont)
    {
        LOGFONT lf = {};
        ::GetObject(pFont->GetSafeHandle(), sizeof(lf), &lf);
        return lf;
    };
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    LOGFONT lfIcon = logFont(pTheme->GetIconFont());
    EXPECT_EQ(20 * 120 / 96, lfIcon.lfHeight) << "the ribbon font's height";
    EXPECT_EQ(FW_NORMAL, lfIcon.lfWeight);
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, lfIcon.lfFaceName) << "in the menu's face";
    LOGFONT lfBold = logFont(pTheme->GetIconBoldFont());
    EXPECT_EQ(FW_BOLD, lfBold.lfWeight);
    EXPECT_EQ(lfIcon.lfHeight, lfBold.lfHeight);
    EXPECT_EQ(CLEARTYPE_QUALITY, logFont(pTheme->GetSmallCaptionFont()).lfQuality);
    LOGFONT lfStatus = logFont(pTheme->GetStatusFont());
    EXPECT_EQ(CLEARTYPE_NATURAL_QUALITY, lfStatus.lfQuality);
    EXPECT_EQ(ncm.lfStatusFont.lfHeight, lfStatus.lfHeight) << "the system's status font";
}

TEST(RibbonTheme, AFieldsLabelTakesTheDisabledTextColourWithTheField)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 160, 24));
    pEdit->SetCaption("WWW");
    pEdit->SetStyle(ktButtonCaption);
    auto labelHas = [&](int nColor) { return LabelHas(*pTheme, pEdit, nColor); };
    ASSERT_FALSE(IsNear(pTheme->GetColor(KTCOLOR_TOOLBAR_TEXT), pTheme->GetColor(KTCOLOR_DISABLED_TEXT), 48));
    EXPECT_TRUE(labelHas(KTCOLOR_TOOLBAR_TEXT));
    EXPECT_FALSE(labelHas(KTCOLOR_DISABLED_TEXT));
    pEdit->SetState(FALSE, 0, 0);
    EXPECT_TRUE(labelHas(KTCOLOR_DISABLED_TEXT));
    EXPECT_FALSE(labelHas(KTCOLOR_TOOLBAR_TEXT));
}

TEST(RibbonTheme, AnEditsLabelOnAPopupLightsUpWithItsField)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(CRect(0, 0, 200, 24));
    pEdit->SetCaption("WWW");
    pEdit->SetParent(pPopup);
    ASSERT_FALSE(IsNear(pTheme->GetColor(KTCOLOR_HIGHLIGHT_TEXT), pTheme->GetColor(KTCOLOR_POPUP_TEXT), 48));
    EXPECT_TRUE(LabelHas(*pTheme, pEdit, KTCOLOR_POPUP_TEXT));
    EXPECT_FALSE(LabelHas(*pTheme, pEdit, KTCOLOR_HIGHLIGHT_TEXT));
    pEdit->SetState(TRUE, 3, 0);
    EXPECT_TRUE(LabelHas(*pTheme, pEdit, KTCOLOR_HIGHLIGHT_TEXT));
    EXPECT_FALSE(LabelHas(*pTheme, pEdit, KTCOLOR_POPUP_TEXT));
    pEdit->SetState(FALSE, 3, 0);
    EXPECT_TRUE(LabelHas(*pTheme, pEdit, KTCOLOR_POPUP_DISABLED_TEXT)) << "a disabled one does not";
}

// On the menu bar only an idle entry takes the menu bar's own text colour; a hot, pressed or disabled one is written
// as on the tool bars.
TEST(RibbonTheme, MenuBarEntriesTakeTheToolBarTextOnceTouched)
{
    CLoadedStyle style("STYLE_INI");
    auto pTheme = RefreshedRibbon();
    CKTSmartPtr<CKTMenuBar> pMenuBar = KTMakeCounted<CKTMenuBar>();
    pMenuBar->SetPaintManager(pTheme);
    CKTSmartPtr<CStatedPopup> pEntry = KTMakeCounted<CStatedPopup>(CRect(0, 0, 60, 22));
    pEntry->SetCaption("WWW");
    pEntry->SetParent(pMenuBar);
    const COLORREF clrMenuBar = pTheme->m_clrMenuBarText.GetColor();
    const auto shows = [&](COLORREF clr)
    {
        CTestSurface surface(60, 22);
        pTheme->DrawControlToolBarParent(surface.DC(), pEntry, TRUE);
        for (int x = 0; x < 60; x++)
            for (int y = 0; y < 22; y++)
                if (IsNear(surface.Pixel(x, y), clr, 24))
                    return true;
        return false;
    };
    const COLORREF clrText = pTheme->GetColor(KTCOLOR_TOOLBAR_TEXT);
    for (COLORREF clrOther : {clrMenuBar, pTheme->GetColor(KTCOLOR_HIGHLIGHT_TEXT),
                              pTheme->GetColor(KTCOLOR_HIGHLIGHT_PUSHED_TEXT), pTheme->GetColor(KTCOLOR_DISABLED_TEXT)})
        ASSERT_FALSE(IsNear(clrText, clrOther, 48));
    EXPECT_TRUE(shows(clrMenuBar)) << "idle";
    pEntry->SetState(TRUE, 3, FALSE);
    EXPECT_TRUE(shows(clrText)) << "hot";
    EXPECT_FALSE(shows(pTheme->GetColor(KTCOLOR_HIGHLIGHT_TEXT))) << "hot";
    pEntry->SetPressed(1);
    EXPECT_TRUE(shows(clrText)) << "pressed";
    EXPECT_FALSE(shows(pTheme->GetColor(KTCOLOR_HIGHLIGHT_PUSHED_TEXT))) << "pressed";
    pEntry->SetPressed(0);
    pEntry->SetState(FALSE, 3, FALSE);
    EXPECT_TRUE(shows(pTheme->GetColor(KTCOLOR_DISABLED_TEXT))) << "disabled";
    pEntry->SetParent(NULL);
}
