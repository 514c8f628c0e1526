// DefaultThemeTests.cpp: the default theme's fields (frame, drop button, spin halves) and its split popup entries,
// read back pixel by pixel in colours that name their index.
#include "DistinctColours.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTThemeStyle0.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "StatedControls.h"
#include "TestSurface.h"

#include <gtest/gtest.h>

namespace
{
const CRect kField(0, 0, 120, 24);

// The pixels of one control drawn on paper by the theme, measured first as a bar would.
template <class TDraw>
CPixelImage Picture(TDraw draw)
{
    CTestSurface surface(kField.Width(), kField.Height(), kPaper);
    draw(surface.DC(), FALSE);
    draw(surface.DC(), TRUE);
    return CPixelImage::FromDC(surface.DC()->GetSafeHdc(), kField);
}

using CStatedSplitPopup = CStatedOpen<CKTControlPopup, ktControlSplitButtonPopup>;
}  // namespace

TEST(DefaultThemeFields, TheFrameSinksWhenHotInsideARingOfButtonFace)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(kField);
    pEdit->ShowSpinButtons(FALSE);
    auto picture = [&](BOOL bEnabled, int nSelected, int nPressed)
    {
        pEdit->SetState(bEnabled, nSelected, nPressed);
        return Picture([&](CDC* pDC, BOOL bDraw) { pTheme->DrawControlEdit(pDC, pEdit, bDraw); });
    };
    const int x = 60;
    CPixelImage flat = picture(TRUE, ktSelectionNone, 0);
    EXPECT_EQ(kPaper, flat.Pixel(x, 0)) << "no frame until hot";
    EXPECT_EQ(Distinct(COLOR_BTNFACE), flat.Pixel(x, 1));
    EXPECT_EQ(Distinct(COLOR_WINDOW), flat.Pixel(x, 12));

    CPixelImage hot = picture(TRUE, ktSelectionHot, 0);
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), hot.Pixel(x, 0)) << "sunken";
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), hot.Pixel(x, 23));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), hot.Pixel(x, 1)) << "the ring stays inside";

    CPixelImage disabled = picture(FALSE, ktSelectionHot, 0);
    EXPECT_EQ(kPaper, disabled.Pixel(x, 0));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), disabled.Pixel(x, 1));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), picture(FALSE, ktSelectionNone, 2).Pixel(x, 1)) << "open";
}

TEST(DefaultThemeFields, TheDropButtonStandsOutByStateAndKeepsItsArrowDark)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CKTSmartPtr<CStatedCombo> pCombo = KTMakeCounted<CStatedCombo>(kField);
    auto picture = [&](BOOL bEnabled, int nSelected, BOOL bDropped)
    {
        pCombo->SetState(bEnabled, nSelected, bDropped);
        return Picture([&](CDC* pDC, BOOL bDraw) { pTheme->DrawControlComboBox(pDC, pCombo, bDraw); });
    };
    CPixelImage plain = picture(TRUE, ktSelectionNone, FALSE);
    ASSERT_GT(pCombo->GetThumbWidth(), 8);
    // The button, inset from the field's edge.
    const CRect rc(120 - pCombo->GetThumbWidth() + 1, 2, 118, 22);
    const int y = 5;
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), plain.Pixel(rc.left, y)) << "a light frame all round";
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), plain.Pixel(rc.right - 1, y));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), plain.Pixel(rc.left + 1, y));
    EXPECT_EQ(Distinct(COLOR_WINDOW), plain.Pixel(rc.left - 1, y)) << "the text area runs up to it";

    CPixelImage hot = picture(TRUE, ktSelectionHot, FALSE);
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), hot.Pixel(rc.left, y)) << "raised";
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), hot.Pixel(rc.right - 1, y));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), hot.Pixel(rc.left - 1, y)) << "the column before it joins it";

    CPixelImage dropped = picture(TRUE, ktSelectionHot, TRUE);
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), dropped.Pixel(rc.left, y)) << "sunken";
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), dropped.Pixel(rc.right - 1, y));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), dropped.Pixel(rc.left - 1, y));

    CPixelImage disabled = picture(FALSE, ktSelectionNone, FALSE);
    EXPECT_GT(disabled.CountNear(Distinct(COLOR_BTNTEXT), 0), 3) << "the arrow stays in button text";
    EXPECT_EQ(0, disabled.CountNear(Distinct(COLOR_GRAYTEXT), 0));
    EXPECT_GT(plain.CountNear(Distinct(COLOR_BTNTEXT), 0), 3);
}

TEST(DefaultThemeFields, SpinHalvesRiseWhenHotAndTheHeldOneSinks)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CKTSmartPtr<CStatedEdit> pEdit = KTMakeCounted<CStatedEdit>(kField);
    auto picture = [&](BOOL bEnabled, int nSelected, int nPressed)
    {
        pEdit->SetState(bEnabled, nSelected, nPressed);
        return Picture([&](CDC* pDC, BOOL bDraw) { pTheme->DrawControlEdit(pDC, pEdit, bDraw); });
    };
    const CRect rcSpin = pEdit->GetSpinButtonsRect();
    const int nMid = rcSpin.CenterPoint().y;
    const int x = rcSpin.left + 2;

    CPixelImage rest = picture(TRUE, ktSelectionNone, 0);
    EXPECT_EQ(Distinct(COLOR_WINDOW), rest.Pixel(rcSpin.left, nMid)) << "one frame round both halves";
    EXPECT_EQ(Distinct(COLOR_WINDOW), rest.Pixel(x, rcSpin.top));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), rest.Pixel(x, rcSpin.top + 1));

    CPixelImage hot = picture(TRUE, ktSelectionSpinUp, 0);
    EXPECT_EQ(Distinct(COLOR_WINDOW), hot.Pixel(x, rcSpin.top)) << "the upper half raised";
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), hot.Pixel(x, nMid - 1));
    EXPECT_EQ(Distinct(COLOR_WINDOW), hot.Pixel(x, nMid)) << "the lower half raised";

    CPixelImage held = picture(TRUE, ktSelectionSpinDown, ktSelectionSpinDown);
    EXPECT_EQ(Distinct(COLOR_WINDOW), held.Pixel(x, rcSpin.top));
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), held.Pixel(x, nMid)) << "the held lower half sunken";
    EXPECT_EQ(Distinct(COLOR_WINDOW), held.Pixel(x, rcSpin.bottom - 1));

    CPixelImage disabled = picture(FALSE, ktSelectionNone, 0);
    EXPECT_GT(disabled.CountNear(Distinct(COLOR_GRAYTEXT), 0), 3) << "grey arrows";
    EXPECT_EQ(0, disabled.CountNear(Distinct(COLOR_BTNTEXT), 0));
    EXPECT_NE(Distinct(COLOR_WINDOW), disabled.Pixel(x, rcSpin.top)) << "no frame";
    EXPECT_GT(rest.CountNear(Distinct(COLOR_BTNTEXT), 0), 3);
}

// A split popup in a menu sets its drop-down part (the last 20 pixels) off: framed while it is hot with its submenu
// open, else by a line in the colour of the entry's state.
TEST(DefaultThemePopups, ASplitPopupSetsItsDropDownPartOff)
{
    auto pTheme = MakeThemeWithDistinctColours<CKTThemeStyle0>();
    CKTSmartPtr<CKTPopupBar> pPopup = KTMakeCounted<CKTPopupBar>();
    pPopup->SetPaintManager(pTheme);
    const int nBorder = pTheme->GetCommandBarBorders(pPopup).left;
    const CRect rc(nBorder, 0, 150, 22);
    CKTSmartPtr<CStatedSplitPopup> pSplit = KTMakeCounted<CStatedSplitPopup>(rc);
    pPopup->GetControls()->Add(CKTSmartPtr<CKTControl>(pSplit), 0, NULL, -1, TRUE);
    pSplit->SetCaption("Split");
    pSplit->SetRect(rc);
    auto picture = [&](BOOL bEnabled, int nSelected, BOOL bOpen = FALSE)
    {
        pSplit->SetState(bEnabled, nSelected, bOpen);
        CTestSurface surface(160, 22, kPaper);
        pTheme->DrawControlPopupParent(surface.DC(), pSplit, TRUE);
        return CPixelImage::FromDC(surface.DC()->GetSafeHdc(), CRect(0, 0, 160, 22));
    };
    const int x = rc.right - 20, y = 11;
    CPixelImage plain = picture(TRUE, ktSelectionNone);
    EXPECT_EQ(Distinct(pTheme->m_nPopupTextColor), plain.Pixel(x, y));
    EXPECT_EQ(kPaper, plain.Pixel(x, rc.top)) << "the line stops a pixel short of each edge";
    EXPECT_EQ(kPaper, plain.Pixel(x - 1, y));

    CPixelImage selected = picture(TRUE, ktSelectionHot);
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), selected.Pixel(x, y)) << "hot with its submenu shut: a line";
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), selected.Pixel(x, rc.top + 1));
    EXPECT_EQ(Distinct(COLOR_HIGHLIGHT), selected.Pixel(x + 5, rc.top)) << "no frame";
    EXPECT_EQ(Distinct(COLOR_HIGHLIGHT), selected.Pixel(rc.right - 1, y));
    CPixelImage open = picture(TRUE, ktSelectionHot, TRUE);
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), open.Pixel(x + 5, rc.top)) << "a sunken frame while its submenu is open";
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), open.Pixel(rc.right - 1, y));
    EXPECT_EQ(kPaper, picture(TRUE, ktSelectionNone, TRUE).Pixel(x + 5, rc.top)) << "open but not hot: no frame";

    EXPECT_EQ(Distinct(COLOR_GRAYTEXT), picture(FALSE, ktSelectionHot).Pixel(x, y)) << "disabled: its text colour";
    pPopup->OnRemoved();
}
