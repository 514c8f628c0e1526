// PaintManagerTests.cpp: the drawer's colour table, fonts, metrics, glyphs and popup animations.
#include "KTPaintManager.h"
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControlGalleryItems.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTGalleryPaintManager.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTMenuBar.h"
#include "KTPopupBar.h"
#include "KTPopupToolBar.h"
#include "KTThemeStyle0.h"
#include "SolidIcon.h"
#include "SystemColours.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
const COLORREF kInk = RGB(200, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);

CKTSmartPtr<CKTPaintManager> MakeTheme(int nTheme)
{
    CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(nTheme);
    pTheme->RefreshMetrics();
    return pTheme;
}

// The height of a space in the font, as a screen DC measures it.
int MeasureSpace(const LOGFONT& lf)
{
    CFont font;
    font.CreateFontIndirect(&lf);
    CKTScreenDC screen;
    CKTFontDC select(&screen, &font);
    return screen.GetTextExtent(" ", 1).cy;
}

LOGFONT Tahoma(int nHeight)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    return lf;
}

// A font height whose space measures the given height, 0 when none does.
int FindHeightForSpace(int nSpace)
{
    for (int nHeight = -4; nHeight >= -60; nHeight--)
        if (MeasureSpace(Tahoma(nHeight)) == nSpace)
            return nHeight;
    return 0;
}
}  // namespace

TEST(PaintManagerColors, IndexesOutsideTheTableAreReadyColours)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    EXPECT_EQ(63u, pTheme->GetColor(63));
    EXPECT_EQ(0x123456u, pTheme->GetColor(0x123456));
    EXPECT_EQ(static_cast<COLORREF>(-1), pTheme->GetColor(-1));
    EXPECT_EQ(static_cast<COLORREF>(-5), pTheme->GetColor(-5));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pTheme->GetColor(COLOR_BTNFACE));
    pTheme->SetCustomColor(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), pTheme->GetColor(COLOR_BTNFACE));
    pTheme->RefreshMetrics();
    EXPECT_EQ(RGB(1, 2, 3), pTheme->GetColor(COLOR_BTNFACE)) << "custom values survive a refresh";
    pTheme->SetCustomColor(COLOR_BTNFACE, static_cast<COLORREF>(-1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pTheme->GetColor(COLOR_BTNFACE));
}

// A caller that changes the system's colours and then sets a theme, or refreshes a drawer, gets the new colours at
// once, whether or not the change has come round its windows yet; after the change is undone, the old ones.
TEST(PaintManagerColors, ARefreshReadsTheSystemColoursAfresh)
{
    const COLORREF clrOld = ::GetSysColor(COLOR_BTNFACE), clrNew = RGB(201, 13, 77);
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(1);
    {
        CSystemColours colours({{COLOR_BTNFACE, clrNew}});
        ASSERT_TRUE(colours.IsSet());
        CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
        EXPECT_EQ(clrNew, CKTPaintManager::GetGlobal()->GetColor(COLOR_BTNFACE));
        pTheme->RefreshMetrics();
        EXPECT_EQ(clrNew, pTheme->GetColor(COLOR_BTNFACE));
    }
    pTheme->RefreshMetrics();
    pTheme->RefreshMetrics();
    EXPECT_EQ(clrOld, pTheme->GetColor(COLOR_BTNFACE)) << "refreshing again is harmless";
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    EXPECT_EQ(clrOld, CKTPaintManager::GetGlobal()->GetColor(COLOR_BTNFACE));
}

TEST(PaintManagerThemes, UnknownIdsDrawAsTheDefaultThemeAndKeepTheirId)
{
    CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(9);
    EXPECT_EQ(0, pTheme->GetCurrentTheme());
    EXPECT_EQ(9, pTheme->m_nCurrentTheme);
    EXPECT_EQ(4, CKTPaintManager::CreateTheme(4)->GetCurrentTheme());
    EXPECT_EQ(2, CKTPaintManager::CreateTheme(2)->GetCurrentTheme());
    EXPECT_EQ(1, CKTPaintManager::CreateTheme(1)->GetCurrentTheme());
}

// What the modules that follow the theme ask of it, theme by theme; an unknown id answers as the default theme.
TEST(PaintManagerThemes, EachThemeAnswersTheScrollBarStyleBorderColoursAndTabLook)
{
    struct Answer
    {
        int nTheme;
        int nScrollBarStyle;
        int nBorderTopLeft;
        int nBorderBottomRight;
        int nTabAppearance;
        int nTabColor;
    };
    const Answer answers[] = {
        {0, 2, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, 0, -1},
        {1, 3, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, 5, -1},
        {2, 3, KTCOLOR_WINDOW_FRAME, KTCOLOR_WINDOW_FRAME, 3, -1},
        {3, 3, KTCOLOR_FLAT_BORDER, KTCOLOR_FLAT_BORDER, 0, 8},
        {4, 3, KTCOLOR_BAR_EDGE, KTCOLOR_BAR_EDGE, 3, 16},
        {5, 5, KTCOLOR_BAR_EDGE, KTCOLOR_BAR_EDGE, 3, 32},
        {6, 5, KTCOLOR_BAR_EDGE, KTCOLOR_BAR_EDGE, 10, -1},
        {9, 2, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, 0, -1},
    };
    for (const Answer& answer : answers)
    {
        CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(answer.nTheme);
        EXPECT_EQ(answer.nScrollBarStyle, pTheme->GetScrollBarStyle()) << "theme " << answer.nTheme;
        EXPECT_EQ(answer.nBorderTopLeft, pTheme->GetBorderColorIndex(TRUE)) << "theme " << answer.nTheme;
        EXPECT_EQ(answer.nBorderBottomRight, pTheme->GetBorderColorIndex(FALSE)) << "theme " << answer.nTheme;
        const KT_TAB_LOOK look = pTheme->GetTabLook();
        EXPECT_EQ(answer.nTabAppearance, look.nAppearance) << "theme " << answer.nTheme;
        EXPECT_EQ(answer.nTabColor, look.nColor) << "theme " << answer.nTheme;
    }
}

TEST(PaintManagerThemes, ReplacingTheGlobalDrawerLeavesItsOtherHoldersAlive)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    CKTSmartPtr<CKTPaintManager> pOld(CKTPaintManager::GetGlobal());
    CKTPaintManager::SetTheme(ktCommandBarsThemeFlat);
    EXPECT_EQ(1, CKTPaintManager::GetGlobal()->GetCurrentTheme());
    EXPECT_EQ(0, pOld->GetCurrentTheme());
    EXPECT_EQ(1, pOld->m_dwRef) << "the global reference was given back, not the object deleted";
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

TEST(PaintManagerFonts, TextHeightIsTheMeasuredSpacePlusSix)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    LOGFONT lf = Tahoma(-13);
    pTheme->SetCommandBarsFontIndirect(&lf);
    EXPECT_EQ(MeasureSpace(lf) + 6, pTheme->GetTextHeight());
    LOGFONT lfTiny = Tahoma(-5);
    pTheme->SetCommandBarsFontIndirect(&lfTiny);
    EXPECT_LT(pTheme->GetTextHeight(), 22);
    EXPECT_EQ(22, pTheme->GetControlHeight()) << "controls never get lower than 22";
}

TEST(PaintManagerFonts, SplitDropDownAtTextHeightNineteenIs27)
{
    int nHeight = FindHeightForSpace(13);
    ASSERT_NE(0, nHeight) << "no Tahoma size has a 13-pixel space";
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    LOGFONT lf = Tahoma(nHeight);
    pTheme->SetCommandBarsFontIndirect(&lf);
    ASSERT_EQ(19, pTheme->GetTextHeight());
    EXPECT_EQ(27, pTheme->GetSplitDropDownSize());
    EXPECT_EQ(22, pTheme->GetControlHeight());
    pTheme->m_nFixedControlHeight = 30;
    EXPECT_EQ(2 * 19 - 17, pTheme->GetSplitDropDownSize()) << "a fixed height uses the plain text height";
}

TEST(PaintManagerFonts, AutoIconSizeFollowsTheTextHeight)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    EXPECT_EQ(CSize(16, 16), pTheme->GetAutoIconSize(FALSE));
    EXPECT_EQ(CSize(32, 32), pTheme->GetAutoIconSize(TRUE));
    pTheme->m_bAutoResizeIcons = TRUE;
    for (int nText : {20, 30})
    {
        int nHeight = FindHeightForSpace(nText - 6);
        if (!nHeight)
            continue;
        LOGFONT lf = Tahoma(nHeight);
        pTheme->SetCommandBarsFontIndirect(&lf);
        int n = std::max(2, (std::max(22, nText) - 4) / 8) * 8;
        int nLarge = std::max(2, (std::max(22, nText) - 4) * 2 / 8) * 8;
        EXPECT_EQ(CSize(n, n), pTheme->GetAutoIconSize(FALSE)) << nText;
        EXPECT_EQ(CSize(nLarge, nLarge), pTheme->GetAutoIconSize(TRUE)) << nText;
    }
}

TEST(PaintManagerFonts, DirectFontSettingKeepsABoldIconTitleFont)
{
    CKTSmartPtr<CKTPaintManager> pTheme = CKTPaintManager::CreateTheme(0);
    LOGFONT lf = Tahoma(-11);
    pTheme->SetCommandBarsFontIndirect(&lf);
    ASSERT_TRUE(pTheme->GetIconBoldFont()->GetSafeHandle() != NULL);
    LOGFONT lfBold = {};
    pTheme->GetIconBoldFont()->GetLogFont(&lfBold);
    EXPECT_EQ(FW_BOLD, lfBold.lfWeight);
}

TEST(PaintManagerFonts, FaceNamesAreCutToTheFaceField)
{
    LOGFONT lf;
    memset(&lf, 'x', sizeof(lf));
    lf.lfItalic = 7;
    CKTPaintManager::CopyFaceName(lf, "A face name far longer than any font field could hold");
    EXPECT_EQ(LF_FACESIZE - 1, (int)strlen(lf.lfFaceName));
    EXPECT_EQ(7, lf.lfItalic) << "fields before the face are untouched";
}

// A style 5 entry shows its caption in bold and its description wrapped below it, about half as wide as one line.
TEST(PaintManagerEntries, ADescribedEntryWrapsItsDescriptionBelowTheCaption)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    CKTControl* pOpen = pPopup->GetControls()->Add(ktControlButton, 0);
    pOpen->SetCaption("Open");
    pOpen->SetStyle(ktButtonCaptionAndDescription);
    const CString strDescription = "Opens a saved design from a folder on this machine or on the network";
    pOpen->SetDescription(strDescription);
    CTestSurface surface(600, 200, kPaper);
    CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
    const int nOneLine = surface.DC()->GetTextExtent(strDescription).cx;
    CRect rcWrapped(0, 0, (nOneLine + 20) / 2, 0);
    surface.DC()->DrawText(strDescription, rcWrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int nCaption = surface.DC()->GetTextExtent("Open").cy;
    ASSERT_GT(rcWrapped.Height(), nCaption) << "the description takes more than one line";

    const CSize sz = pTheme->DrawControlPopupParent(surface.DC(), pOpen, FALSE);
    EXPECT_EQ(nCaption + rcWrapped.Height() + 19, sz.cy);
    pOpen->SetRect(CRect(CPoint(0, 0), sz));
    surface.DC()->SetTextColor(RGB(0, 0, 0));
    surface.DC()->SetBkMode(TRANSPARENT);
    pTheme->DrawControlPopupParent(surface.DC(), pOpen, TRUE);
    int nInk = 0;
    for (int y = sz.cy - 8 - nCaption; y < sz.cy - 8; y++)
        for (int x = 0; x < sz.cx; x++)
            nInk += surface.Pixel(x, y) != kPaper;
    EXPECT_GT(nInk, 0) << "the description's last line, just above the bottom margin";
    pPopup->OnRemoved();
}

// Below an icon a caption takes two lines, broken at the space nearest its middle, when the option is on.
TEST(PaintManagerEntries, CaptionsBelowIconsBreakIntoTwoLines)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPaintManager(pTheme);
    pBar->SetPosition(ktBarTop);
    CKTControl* pButton = pBar->GetControls()->Add(ktControlButton, 0);
    pButton->SetCaption("Generate dissector code");
    pButton->SetStyle(ktButtonIconAndCaptionBelow);
    CTestSurface surface(300, 100, kPaper);
    CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
    const CSize szFirst = surface.DC()->GetTextExtent("Generate");
    const int nSecond = surface.DC()->GetTextExtent("dissector code").cx;
    pTheme->m_bWrapCaptionBelowText = FALSE;
    const CSize szOneLine = pTheme->DrawControlToolBarParent(surface.DC(), pButton, FALSE);
    pTheme->m_bWrapCaptionBelowText = TRUE;
    const CSize szTwoLines = pTheme->DrawControlToolBarParent(surface.DC(), pButton, FALSE);
    EXPECT_EQ(std::max<int>(std::max<int>(42, 2 * std::max(22, pTheme->GetTextHeight()) - 3),
                            std::max<int>(szFirst.cx, nSecond) + 5),
              szTwoLines.cx);
    EXPECT_LT(szTwoLines.cx, szOneLine.cx);

    pButton->SetRect(CRect(CPoint(0, 0), szTwoLines));
    surface.DC()->SetBkMode(TRANSPARENT);
    pTheme->DrawControlToolBarParent(surface.DC(), pButton, TRUE);
    const CSize szIcon = pBar->GetLargeIconSize(TRUE);
    const int nTop = szIcon.cy + 3 + (szTwoLines.cy - szIcon.cy - 3 - 2 * szFirst.cy) / 2;
    const auto inkInRows = [&](int y0, int y1)
    {
        int nInk = 0;
        for (int y = y0; y < y1; y++)
            for (int x = 0; x < szTwoLines.cx; x++)
                nInk += surface.Pixel(x, y) == pTheme->GetColor(COLOR_BTNTEXT);
        return nInk;
    };
    EXPECT_GT(inkInRows(nTop, nTop + szFirst.cy), 0) << "the first line";
    EXPECT_GT(inkInRows(nTop + szFirst.cy, nTop + 2 * szFirst.cy), 0) << "the second line";
    pBar->OnRemoved();

    EXPECT_EQ(-1, CKTPaintManager::FindCaptionLineBreak("Open")) << "no space: one line";
    EXPECT_EQ(-1, CKTPaintManager::FindCaptionLineBreak("A bcdefgh")) << "the space lies outside the window";
    EXPECT_EQ(7, CKTPaintManager::FindCaptionLineBreak("Save as copy")) << "the space nearest the middle";
    EXPECT_EQ(4, CKTPaintManager::FindCaptionLineBreak("abcd efgh"));
}

// Where pixels that pass the test lie in the surface; empty when none do.
template <class Test>
CRect FindPixels(const CTestSurface& surface, CSize sz, Test test)
{
    CRect rc(0, 0, 0, 0);
    for (int y = 0; y < sz.cy; y++)
        for (int x = 0; x < sz.cx; x++)
            if (test(surface.Pixel(x, y)))
                rc = rc.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : (rc | CRect(x, y, x + 1, y + 1));
    return rc;
}

// Below its caption a button shows its bar's large icon. On a bar docked at a side the button turns: the icon stands
// past the drop-down strip, centred along the bar, the caption turned in the strip, and a long caption lengthens it.
TEST(PaintManagerEntries, CaptionsBelowIconsShowTheLargeIconAndTurnOnSideBars)
{
    const UINT nId = 9290;
    const COLORREF clrSmall = RGB(20, 200, 40), clrLarge = RGB(230, 20, 30);
    ASSERT_TRUE(SetSolidIcon(nId, 16, clrSmall));
    ASSERT_TRUE(SetSolidIcon(nId, 32, clrLarge));
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPaintManager(pTheme);
    pBar->SetPosition(ktBarTop);
    CKTControl* pButton = pBar->GetControls()->Add(ktControlButton, nId);
    pButton->SetCaption("Go");
    pButton->SetStyle(ktButtonIconAndCaptionBelow);
    ASSERT_EQ(CSize(32, 32), pBar->GetLargeIconSize(TRUE));
    const int d = pTheme->GetSplitDropDownSize();
    const int nAlong = std::max(42, 2 * std::max(22, pTheme->GetTextHeight()) - 3);
    const COLORREF clrText = pTheme->GetColor(COLOR_BTNTEXT);
    CTestSurface surface(300, 300, kPaper);
    const auto draw = [&]
    {
        surface.DC()->FillSolidRect(0, 0, 300, 300, kPaper);
        const CSize sz = pTheme->DrawControlToolBarParent(surface.DC(), pButton, FALSE);
        pButton->SetRect(CRect(CPoint(0, 0), sz));
        pTheme->DrawControlToolBarParent(surface.DC(), pButton, TRUE);
        return sz;
    };
    const auto is = [](COLORREF clr) { return [clr](COLORREF pixel) { return IsNear(pixel, clr, 8); }; };

    CSize sz = draw();
    EXPECT_EQ(CSize(nAlong, 32 + d + 7), sz);
    EXPECT_EQ(CRect(CPoint((sz.cx - 32) / 2, 3), CSize(32, 32)), FindPixels(surface, sz, is(clrLarge)));
    EXPECT_TRUE(FindPixels(surface, sz, is(clrSmall)).IsRectEmpty());

    pBar->SetPosition(ktBarLeft);
    sz = draw();
    EXPECT_EQ(CSize(32 + d + 7, nAlong), sz);
    EXPECT_EQ(CRect(CPoint(d + 4, (sz.cy - 32) / 2), CSize(32, 32)), FindPixels(surface, sz, is(clrLarge)));
    CRect rcText = FindPixels(surface, CSize(300, 300), is(clrText));
    ASSERT_FALSE(rcText.IsRectEmpty());
    EXPECT_GE(rcText.left, 0);
    EXPECT_LE(rcText.right, d + 4) << "the turned caption stands in the strip beside the icon";
    EXPECT_GT(rcText.Height(), rcText.Width()) << "turned";
    EXPECT_NEAR(sz.cy / 2, rcText.CenterPoint().y, 2) << "centred along the button";

    pButton->SetCaption("Generate dissector code");
    pTheme->m_bWrapCaptionBelowText = FALSE;
    CSize szCaption;
    {
        CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
        szCaption = surface.DC()->GetTextExtent(pButton->GetCaption());
    }
    sz = draw();
    EXPECT_EQ(szCaption.cx + 6, sz.cy) << "lengthened for the caption";
    rcText = FindPixels(surface, CSize(300, 300), is(clrText));
    EXPECT_LE(rcText.right, d + 4);
    EXPECT_GE(rcText.top, 0);
    EXPECT_LE(rcText.bottom, sz.cy);
    pBar->OnRemoved();
    KTImageManager()->RemoveIcon(nId);
}

// On a bar docked at a side a caption-only button is as long as its turned caption, and the caption is written
// turned inside it, centred across the bar; a popup's caption leaves the button's end to its glyph.
TEST(PaintManagerEntries, ACaptionOnlyButtonOnASideBarShowsItsCaptionTurned)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPaintManager(pTheme);
    pBar->SetPosition(ktBarLeft);
    const COLORREF clrText = pTheme->GetColor(COLOR_BTNTEXT);
    const auto isText = [clrText](COLORREF pixel) { return IsNear(pixel, clrText, 8); };
    CTestSurface surface(300, 300, kPaper);
    for (int nType : {ktControlButton, ktControlPopup})
    {
        SCOPED_TRACE(nType);
        CKTControl* pButton = pBar->GetControls()->Add(nType, 9291);
        pButton->SetCaption("Generate dissector");
        pButton->SetStyle(ktButtonCaption);
        pButton->SetRect(CRect(CPoint(0, 0), pTheme->DrawControlToolBarParent(surface.DC(), pButton, FALSE)));
        pTheme->DrawControlToolBarParent(surface.DC(), pButton, TRUE);
        const CRect rcButton = pButton->GetRect();
        EXPECT_GT(rcButton.Height(), 3 * rcButton.Width()) << "measured turned";
        const int nTextEnd = nType == ktControlPopup ? rcButton.bottom - 10 : rcButton.bottom;
        const CRect rcInk = FindPixels(surface, CSize(rcButton.right, nTextEnd), isText);
        ASSERT_FALSE(rcInk.IsRectEmpty()) << "the caption shows";
        EXPECT_GT(rcInk.Height(), 3 * rcInk.Width()) << "turned";
        EXPECT_NEAR(rcButton.CenterPoint().x, rcInk.CenterPoint().x, 2) << "centred across the bar";
        const CRect rcAll = FindPixels(surface, CSize(300, 300), isText);
        EXPECT_EQ(rcAll, rcAll & rcButton) << "all of it inside the button";
        if (nType == ktControlPopup)
            EXPECT_GT(rcAll.bottom, nTextEnd) << "the glyph below the caption";
        pBar->GetControls()->Remove(pButton);
        surface.DC()->FillSolidRect(0, 0, 300, 300, kPaper);
    }
    pBar->OnRemoved();
}

// The frame's menu bar docked at a side writes its entries' captions turned: while the cues show, the letter is
// underlined along the text; while they are hidden, neither the '&' nor the underline shows.
class TurnedMenuCaption : public CFrameFixture
{
};

TEST_F(TurnedMenuCaption, UnderlinesItsLetterAsTheCuesSay)
{
    CKTMenuBar* pBar = m_pCommandBars->GetMenuBar();
    ASSERT_TRUE(pBar->SetPosition(ktBarLeft));
    CKTControl* pEntry = pBar->GetControl(0);
    ASSERT_EQ(CString("&File"), pEntry->GetCaption());
    CKTPaintManager* pTheme = pBar->GetPaintManager();
    const CRect rc = pEntry->GetRect();
    ASSERT_GT(rc.Height(), rc.Width()) << "laid out turned";
    const auto draw = [&](LPCSTR lpszCaption, int nCues)
    {
        pTheme->m_nShowKeyboardCues = nCues;
        pEntry->SetCaption(lpszCaption);
        auto pSurface = std::make_unique<CTestSurface>(rc.right, rc.bottom, kPaper);
        pTheme->DrawControlToolBarParent(pSurface->DC(), pEntry, TRUE);
        return pSurface;
    };
    // Where "&File" and "File" differ.
    const auto apart = [&](int nCues)
    {
        const auto pLetter = draw("&File", nCues), pPlain = draw("File", nCues);
        CRect rcApart(0, 0, 0, 0);
        for (int y = 0; y < rc.bottom; y++)
            for (int x = 0; x < rc.right; x++)
                if (pLetter->Pixel(x, y) != pPlain->Pixel(x, y))
                    rcApart |= CRect(x, y, x + 1, y + 1);
        return rcApart;
    };
    const CRect rcHidden = apart(0), rcUnderline = apart(1);
    pTheme->m_nShowKeyboardCues = -1;
    pEntry->SetCaption("&File");
    EXPECT_TRUE(rcHidden.IsRectEmpty()) << "cues hidden: \"File\", no '&', no underline";
    ASSERT_FALSE(rcUnderline.IsRectEmpty()) << "cues shown: the F underlined";
    EXPECT_GT(rcUnderline.Height(), 2 * rcUnderline.Width()) << "along the turned text";
    EXPECT_EQ(rc, rc | rcUnderline) << "inside the entry";
}

namespace
{
// A bar docked at a side that shows its captions below the icons.
class CSideBarTextBelow : public CKTCommandBar
{
public:
    BOOL IsTextBelowIcons() const override { return TRUE; }
};
}  // namespace

// What a bar lays out level whatever its side, a check box's caption beside its mark and a caption below its icon,
// is written level on a side bar too, within the measured button.
TEST(PaintManagerEntries, LevelCaptionsOnASideBarShowLevel)
{
    const UINT nId = 9294;
    ASSERT_TRUE(SetSolidIcon(nId, 16, RGB(230, 20, 30)));
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CSideBarTextBelow>();
    pBar->SetPaintManager(pTheme);
    pBar->SetPosition(ktBarLeft);
    const COLORREF clrText = pTheme->GetColor(COLOR_BTNTEXT);
    CTestSurface surface(300, 300, kPaper);
    for (int nType : {ktControlCheckBox, ktControlButton})
    {
        SCOPED_TRACE(nType);
        CKTControl* pControl = pBar->GetControls()->Add(nType, nId);
        pControl->SetCaption("Generate dissector");
        pControl->SetRect(CRect(CPoint(0, 0), pTheme->DrawControlToolBarParent(surface.DC(), pControl, FALSE)));
        pTheme->DrawControlToolBarParent(surface.DC(), pControl, TRUE);
        const CRect rcInk =
            FindPixels(surface, CSize(300, 300), [clrText](COLORREF pixel) { return IsNear(pixel, clrText, 8); });
        EXPECT_FALSE(rcInk.IsRectEmpty()) << "the caption shows";
        EXPECT_GT(rcInk.Width(), 3 * rcInk.Height()) << "level";
        EXPECT_EQ(rcInk, rcInk & pControl->GetRect()) << "inside the button";
        pBar->GetControls()->Remove(pControl);
        surface.DC()->FillSolidRect(0, 0, 300, 300, kPaper);
    }
    pBar->OnRemoved();
    KTImageManager()->RemoveIcon(nId);
}

// A gallery's group label is written in the bold font: its ink spans the bold caption's width.
TEST(PaintManagerEntries, GalleryLabelsAreBold)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTControlGalleryItem label;
    label.SetCaption("Recently used colours");
    CTestSurface surface(300, 24, kPaper);
    const auto width = [&](CFont* pFont)
    {
        CKTFontDC font(surface.DC(), pFont);
        return surface.DC()->GetTextExtent(label.GetCaption()).cx;
    };
    const int nBold = width(pTheme->GetRegularBoldFont()), nRegular = width(pTheme->GetRegularFont());
    ASSERT_GT(nBold - nRegular, 4);
    pTheme->GetGalleryPaintManager()->DrawLabel(surface.DC(), &label, CRect(0, 0, 300, 24));
    const COLORREF clrText = pTheme->GetColor(44);
    int nFirst = -1, nLast = -1;
    for (int x = 0; x < 300; x++)
        for (int y = 0; y < 23; y++)
            if (surface.Pixel(x, y) == clrText)
            {
                nFirst = nFirst < 0 ? x : nFirst;
                nLast = x;
            }
    ASSERT_NEAR(10, nFirst, 2) << "ten pixels in";
    const int nInk = nLast + 1 - nFirst;
    EXPECT_GT(nInk, nRegular) << "wider than the regular caption could be; bold " << nBold;
    EXPECT_LE(nInk, nBold);
}

// A popup showing two columns, check marks beside icons, doubles its icon column and moves its captions past it.
TEST(PaintManagerEntries, APopupWithTwoColumnsDoublesItsIconColumn)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    CKTControl* pEntry = pPopup->GetControls()->Add(ktControlButton, 0);
    pEntry->SetCaption("Entry");
    const int nCell = pTheme->GetPopupBarImageSize(pPopup).cx;
    CTestSurface surface(300, 30, kPaper);
    CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
    const CSize szSingle = pTheme->DrawControlPopupParent(surface.DC(), pEntry, FALSE);
    EXPECT_EQ(nCell + 1, pTheme->GetPopupBarGripperWidth(pPopup));
    pPopup->SetDoubleGripper(TRUE);
    EXPECT_EQ(2 * nCell + 1, pTheme->GetPopupBarGripperWidth(pPopup));
    EXPECT_EQ(szSingle.cx + nCell, pTheme->DrawControlPopupParent(surface.DC(), pEntry, FALSE).cx);
    pPopup->OnRemoved();
}

// Without the cues an entry shows its caption's ampersand as it is, and makes room for it.
TEST(PaintManagerEntries, AnEntryWithoutCuesMeasuresTheAmpersandItShows)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    pTheme->m_nShowKeyboardCues = 0;
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    CKTControl* pEntry = pPopup->GetControls()->Add(ktControlButton, 0);
    CTestSurface surface(300, 30, kPaper);
    CKTFontDC font(surface.DC(), pTheme->GetRegularFont());
    pEntry->SetCaption("Save Exit");
    const int cxPlain = pTheme->DrawControlPopupParent(surface.DC(), pEntry, FALSE).cx;
    pEntry->SetCaption("Save && Exit");
    const int cxShown = pTheme->DrawControlPopupParent(surface.DC(), pEntry, FALSE).cx;
    EXPECT_EQ(surface.DC()->GetTextExtent("& ").cx, cxShown - cxPlain);
    pPopup->OnRemoved();
}

// A toolbar's caption is measured without its '&': with the cues hidden it draws without it and without the
// underline, exactly as the caption without an '&' draws; with the cues shown the underline marks the letter.
TEST(PaintManagerEntries, AToolbarCaptionWithoutCuesDrawsNeitherTheAmpersandNorTheUnderline)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CKTSmartPtr<CKTPopupToolBar> pBar = KTMakeCounted<CKTPopupToolBar>();
    pBar->SetPaintManager(pTheme);
    CKTControl* pLetter = pBar->GetControls()->Add(ktControlButton, 0);
    pLetter->SetCaption("&Sort");
    CKTControl* pPlain = pBar->GetControls()->Add(ktControlButton, 0);
    pPlain->SetCaption("Sort");
    const auto draw = [&](CKTControl* pControl, int nCues)
    {
        pTheme->m_nShowKeyboardCues = nCues;
        pControl->SetStyle(ktButtonCaption);
        CTestSurface surface(120, 40, kPaper);
        const CSize sz = pTheme->DrawControlToolBarParent(surface.DC(), pControl, FALSE);
        pControl->SetRect(CRect(CPoint(0, 0), sz));
        pTheme->DrawControlToolBarParent(surface.DC(), pControl, TRUE);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 120; x++)
                pixels.push_back(surface.Pixel(x, y));
        return pixels;
    };
    EXPECT_TRUE(draw(pLetter, 0) == draw(pPlain, 0)) << "cues hidden: \"Sort\", no '&', no underline";
    EXPECT_FALSE(draw(pLetter, 1) == draw(pPlain, 1)) << "cues shown: the S underlined";
    pBar->OnRemoved();
}

TEST(PaintManagerGlyphs, CheckMarkTickPixels)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CTestSurface surface(20, 20, kPaper);
    pTheme->DrawCheckMark(surface.DC(), CRect(0, 0, 20, 20), kInk);
    for (POINT pt : {POINT{6, 9}, POINT{7, 10}, POINT{8, 11}, POINT{12, 7}, POINT{6, 10}, POINT{8, 12}, POINT{12, 8}})
        EXPECT_EQ(kInk, surface.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt : {POINT{13, 6}, POINT{13, 7}, POINT{5, 9}, POINT{8, 13}, POINT{6, 11}})
        EXPECT_EQ(kPaper, surface.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;

    pTheme->m_bThickCheckMark = TRUE;
    CTestSurface thick(20, 20, kPaper);
    pTheme->DrawCheckMark(thick.DC(), CRect(0, 0, 20, 20), kInk);
    EXPECT_EQ(kInk, thick.Pixel(6, 11)) << "the second pass lies one pixel lower";
    EXPECT_EQ(kInk, thick.Pixel(8, 13));
}

TEST(PaintManagerGlyphs, PopupArrowVertices)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CTestSurface surface(20, 20, kPaper);
    pTheme->DrawPopupArrow(surface.DC(), CRect(0, 0, 20, 20), kInk);
    // Centre (10, 10), s = 6, h = 3: (4, 7), (16, 7), (10, 13).
    for (POINT pt : {POINT{4, 7}, POINT{16, 7}, POINT{10, 13}, POINT{10, 9}})
        EXPECT_EQ(kInk, surface.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt : {POINT{3, 7}, POINT{17, 7}, POINT{10, 14}, POINT{10, 6}, POINT{4, 9}})
        EXPECT_EQ(kPaper, surface.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
}

TEST(PaintManagerGlyphs, RadioDotIsSolidInsideAndBlendedAtItsEdge)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    CTestSurface surface(20, 20, kPaper);
    pTheme->DrawRadioDot(surface.DC(), CRect(0, 0, 20, 20), kInk);
    EXPECT_EQ(kInk, surface.Pixel(9, 9));
    EXPECT_EQ(kInk, surface.Pixel(10, 10));
    COLORREF clrEdge = surface.Pixel(7, 9);
    EXPECT_NE(kInk, clrEdge);
    EXPECT_NE(kPaper, clrEdge);
    EXPECT_EQ(kPaper, surface.Pixel(6, 6)) << "outside the 6 x 6 square nothing changes";
}

TEST(PaintManagerAnimation, AlphaBlendMixesColourBytesOnly)
{
    BYTE first[8] = {0, 100, 200, 11, 255, 255, 255, 22};
    BYTE second[8] = {200, 100, 0, 33, 0, 0, 0, 44};
    BYTE dest[8] = {0, 0, 0, 99, 0, 0, 0, 98};
    CKTPaintManager::AlphaBlendBuffers(dest, first, 2, 1, second, 128);
    EXPECT_EQ((127 * 0 + 128 * 200) >> 8, dest[0]);
    EXPECT_EQ((127 * 100 + 128 * 100) >> 8, dest[1]);
    EXPECT_EQ((127 * 255) >> 8, dest[4]);
    EXPECT_EQ(99, dest[3]);
    EXPECT_EQ(98, dest[7]);
}

TEST(PaintManagerAnimation, FadeMixesWithTheOldPictureUnderTheRectangle)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    pTheme->m_nAnimationSteps = 2;
    pTheme->m_nAnimationTime = 2;
    const COLORREF clrOrigin = RGB(0, 0, 255), clrOld = RGB(0, 200, 0), clrNew = RGB(200, 0, 0);
    CTestSurface window(60, 60, clrOrigin);
    window.DC()->FillSolidRect(20, 20, 30, 30, clrOld);
    CTestSurface picture(30, 30, clrNew);
    pTheme->Animate(window.DC(), picture.DC(), CRect(20, 20, 50, 50), 4);
    COLORREF clrMix = window.Pixel(30, 30);
    EXPECT_TRUE(IsNear(clrMix, RGB((200 * 127) >> 8, (200 * 128) >> 8, 0), 2))
        << std::hex << clrMix << ": half old, half new";
    EXPECT_EQ(clrOrigin, window.Pixel(5, 5)) << "nothing outside the rectangle changes";
}

TEST(PaintManagerAnimation, OneStepUnfoldsAndSlidesTheWholePicture)
{
    CKTSmartPtr<CKTPaintManager> pTheme = MakeTheme(0);
    pTheme->m_nAnimationSteps = 1;
    pTheme->m_nAnimationTime = 1;
    for (int nType : {2, 3})
    {
        CTestSurface window(30, 30, kPaper);
        CTestSurface picture(30, 30, kInk);
        pTheme->Animate(window.DC(), picture.DC(), CRect(0, 0, 30, 30), nType);
        EXPECT_EQ(kInk, window.Pixel(0, 0)) << nType;
        EXPECT_EQ(kInk, window.Pixel(29, 29)) << nType;
    }
    CTestSurface window(30, 30, kPaper);
    CTestSurface picture(30, 30, kInk);
    pTheme->Animate(window.DC(), picture.DC(), CRect(0, 0, 30, 30), 4);
    EXPECT_EQ(kPaper, window.Pixel(15, 15)) << "a one-step fade draws no frame";
}
