// The other looks and colour sets: what each id makes, the flat, trapezoid and resource looks drawn into
// memory bitmaps with and without the tests' style module, and the colours of the flat and style-resource sets.
#include <gtest/gtest.h>

#include "KTColorManager.h"
#include "KTStyleResourceSet.h"
#include "KTTabColorSet4.h"
#include "LoadedStyle.h"
#include "KTTabManagerNavigateButton.h"
#include "MemoryCanvas.h"
#include "NearColor.h"
#include "SchemeScope.h"
#include "TabHostWindow.h"

namespace
{
CKTTabManagerItem* Place(CTabHostWindow& host, int nTab, const CRect& rc)
{
    CKTTabManagerItem* pItem = host.GetItem(nTab);
    pItem->SetRect(rc);
    pItem->SetRow(0);
    return pItem;
}

CRect DrawnBy(CTabHostWindow& host, CKTTabManagerItem* pItem)
{
    CMemoryCanvas canvas(CSize(120, 50));
    host.GetPaintManager()->GetAppearanceSet()->DrawSingleButton(canvas.DC(), pItem);
    return canvas.Drawn();
}

COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

TEST(TabOtherLooks, EachLookBringsItsOwnColours)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    const int kDefaults[11] = {1, 1, 1, 4, 2, 2, 2, 2, 1, 4, 32};
    for (int nId = 0; nId <= 10; nId++)
    {
        pPainter->SetAppearance(nId);
        EXPECT_EQ(kDefaults[nId], pPainter->GetColor()) << "look " << nId;
        EXPECT_FALSE(host.GetItem(0)->GetRect().IsRectEmpty()) << "look " << nId;
    }
    pPainter->SetAppearance(4);
    EXPECT_EQ(0, pPainter->GetAppearanceSet()->GetRowSpacing());
    EXPECT_EQ(CRect(2, 2, 4, 2), pPainter->GetAppearanceSet()->GetHeaderMargin());
}

TEST(TabOtherLooks, FlatTabsStopShortOfTheClientButTheSelectedOne)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetAppearance(6);
    host.SetCurSel(1);
    EXPECT_EQ(CRect(10, 10, 60, 29), DrawnBy(host, Place(host, 2, CRect(10, 10, 60, 30))));
    EXPECT_EQ(CRect(10, 10, 60, 30), DrawnBy(host, Place(host, 1, CRect(10, 10, 60, 30))));
}

TEST(TabOtherLooks, TrapezoidsReachIntoTheirNeighbours)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetAppearance(7);
    host.SetCurSel(0);
    CRect rcDrawn = DrawnBy(host, Place(host, 2, CRect(20, 10, 70, 30)));
    int k = (29 - 10) / 2;
    EXPECT_EQ(20 + k / 2, rcDrawn.left);
    EXPECT_EQ(70 - k / 2 + k + 1, rcDrawn.right);  // past the tab's own end
}

// The slants of the first tab need half a row, icons included, before it.
TEST(TabOtherLooks, TrapezoidLooksKeepHalfARowBeforeTheFirstTab)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    for (int nAppearance : {7, 9})
    {
        SCOPED_TRACE(nAppearance);
        pPainter->SetAppearance(nAppearance);
        CKTTabAppearanceSet* pSet = pPainter->GetAppearanceSet();
        int H = pSet->GetButtonHeight(&host);
        ASSERT_GT(H, pSet->GetTextHeight()) << "the icons make the row taller than the text";
        EXPECT_EQ(2 + H / 2, pSet->GetHeaderMargin().left);
        EXPECT_EQ(host.m_rcHeaderRect.left + 2 + H / 2, host.GetItem(0)->GetRect().left);
    }
    EXPECT_EQ(2 + pPainter->GetAppearanceSet()->GetButtonHeight(&host) / 2,
              pPainter->SetAppearance(7)->GetHeaderMargin().right);
}

TEST(TabOtherLooks, WithoutStyleResourcesTheResourceLookShowsNoTab)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetAppearance(10);
    EXPECT_TRUE(DrawnBy(host, Place(host, 0, CRect(10, 10, 60, 30))).IsRectEmpty());
}

TEST(TabOtherColors, TheTrapezoidLookTakesWindowTabsAndATextFrame)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(7);
    CKTTabColorSet* pColors = pPainter->SetColor(1);
    EXPECT_EQ(Sys(COLOR_BTNFACE), COLORREF(pColors->m_clrSelectedTab));
    EXPECT_EQ(Sys(COLOR_WINDOW), COLORREF(pColors->m_clrNormalTab));
    EXPECT_EQ(Sys(COLOR_BTNTEXT), COLORREF(pColors->m_clrFrameBorder));
}

TEST(TabOtherColors, TheFlatSetUsesTheToolkitsTabBackground)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(5);
    CKTTabColorSet* pColors = pPainter->GetColorSet();
    EXPECT_EQ(Sys(KTCOLOR_TAB_HEADER_FACE), COLORREF(pColors->m_clrHeaderFace.clrLight));
    EXPECT_EQ(Sys(KTCOLOR_TAB_TEXT), COLORREF(pColors->m_clrTextNormal));
    pPainter->SetAppearance(4);
    pColors = pPainter->SetColor(2);
    EXPECT_EQ(Sys(COLOR_BTNFACE), COLORREF(pColors->m_clrHeaderFace.clrLight));
}

TEST(TabOtherColors, WithoutStyleResourcesTheResourceSetTakesTheBlueScheme)
{
    CTabHostWindow host;
    auto* pColors = static_cast<CKTTabColorSet4*>(host.GetPaintManager()->SetColor(32));
    EXPECT_TRUE(pColors->m_bLunaColors);
    EXPECT_EQ(COLORREF(0xF6C0A2), COLORREF(pColors->m_clrNormalTab));
    EXPECT_EQ(COLORREF(0x9C613B), COLORREF(pColors->m_clrFrameBorder));
    EXPECT_EQ(Sys(KTCOLOR_HIGHLIGHT_PUSHED), COLORREF(pColors->m_clrPressedTab));
}

TEST(TabOtherLooks, StackedBarsLeaveTheSelectedPageBetweenThem)
{
    CTabHostWindow host(5, CSize(100, 200));
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(8);
    host.SetCurSel(1);
    int H = pPainter->GetAppearanceSet()->GetButtonHeight(&host);
    const int kTops[5] = {1, 1 + H, 200 - 3 * H, 200 - 2 * H, 200 - H};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(CRect(1, kTops[i], 100, kTops[i] + H), host.GetItem(i)->GetRect()) << "bar " << i;
    EXPECT_EQ(CRect(1, 2 * H + 1, 99, 200 - 3 * H),
              pPainter->GetAppearanceSet()->GetClientRect(CRect(0, 0, 100, 200), &host));
    EXPECT_TRUE(host.m_rcHeaderRect.IsRectEmpty());
}

// Too short for every bar below the page: the page keeps one row and the bars after it run on past the bottom.
TEST(TabOtherLooks, StackedBarsInAShortGroupLeaveThePageOneRow)
{
    CTabHostWindow host(5, CSize(100, 100));
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(8);
    host.SetCurSel(1);
    int H = pPainter->GetAppearanceSet()->GetButtonHeight(&host);
    ASSERT_LT(100 - 3 * H, 1 + 3 * H) << "the group must be short";
    CRect rcPage = pPainter->GetAppearanceSet()->GetClientRect(CRect(0, 0, 100, 100), &host);
    EXPECT_EQ(CRect(1, 2 * H + 1, 99, 3 * H + 1), rcPage);
    for (int i = 2; i < 5; i++)
        EXPECT_EQ(rcPage.bottom + (i - 2) * H, host.GetItem(i)->GetRect().top) << "bar " << i;
}

TEST(TabOtherColors, TheVisualStyleSetLetsTheStyleDrawTheTabs)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    CKTTabColorSet* pColors = pPainter->SetColor(8);
    ASSERT_TRUE(pColors->IsVisualStyle());  // the prefix runs with visual styles on
    EXPECT_EQ(COLORREF(-1), COLORREF(pColors->m_clrTabHighlight));
    EXPECT_EQ(COLORREF(pColors->m_clrTextNormal), COLORREF(pColors->m_clrTextHot));
    CMemoryCanvas canvas(CSize(80, 40));
    EXPECT_EQ(COLORREF(-1), pColors->FillItem(canvas.DC(), CRect(10, 10, 60, 30), host.GetItem(1)));
    EXPECT_FALSE(canvas.Drawn().IsRectEmpty());
    CRect rcFrame = DrawnBy(host, Place(host, 1, CRect(10, 10, 60, 30)));
    EXPECT_FALSE(rcFrame.IsRectEmpty());  // the raised look still shows the styled tab
}

TEST(TabOtherLooks, SteepTrapezoidsReachHalfTheirHeightIntoBothNeighbours)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetAppearance(9);
    EXPECT_TRUE(host.GetPaintManager()->GetAppearanceSet()->IsLeftToRightOrder());
    host.SetCurSel(0);
    CRect rcDrawn = DrawnBy(host, Place(host, 2, CRect(30, 10, 80, 30)));
    EXPECT_EQ(30 - 10 + 4, rcDrawn.left);
    EXPECT_EQ(80 + 10 - 4 + 1, rcDrawn.right);
    EXPECT_EQ(10, rcDrawn.top);
}

TEST(TabOtherLooks, SteepTrapezoidsCarryAnInnerLineUpTheLeftAndAFaceLineUnderTheTop)
{
    CTabHostWindow host;
    const auto [clrOuter, clrInner, clrFace] = host.UseDistinctEdges(9);
    CKTTabPainter* pPainter = host.GetPaintManager();
    CMemoryCanvas canvas(CSize(120, 50));
    pPainter->GetAppearanceSet()->DrawSingleButton(canvas.DC(), Place(host, 2, CRect(30, 10, 80, 30)));
    CPixelImage image = canvas.Image();
    EXPECT_EQ(clrOuter, image.Pixel(28, 22)) << "the left side";
    EXPECT_EQ(clrInner, image.Pixel(29, 22)) << "inside the left side";
    EXPECT_EQ(clrInner, image.Pixel(35, 12)) << "inside the left corner";
    EXPECT_EQ(clrFace, image.Pixel(60, 11)) << "under the top";
}

namespace
{
// The tests' RIBBONTAB part p: its outer half (250, 40p, 0), the half towards the client (0, 40p, 250).
COLORREF TabOuter(int nPart) { return RGB(250, 40 * nPart, 0); }
COLORREF TabInner(int nPart) { return RGB(0, 40 * nPart, 250); }

CPixelImage DrawnTab(CTabHostWindow& host, CKTTabManagerItem* pItem)
{
    CMemoryCanvas canvas(CSize(120, 80));
    host.GetPaintManager()->GetAppearanceSet()->DrawSingleButton(canvas.DC(), pItem);
    return canvas.Image();
}
}  // namespace

TEST(TabOtherLooks, TheResourceLookDrawsTheStyleTabTurnedToEachSide)
{
    CLoadedStyle style("STYLE_INI");
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(10);
    host.SetCurSel(1);
    const int nSelected = host.HasFocus() ? 5 : 3;

    CPixelImage top = DrawnTab(host, Place(host, 1, CRect(10, 10, 60, 30)));
    EXPECT_EQ(TabOuter(nSelected), top.Pixel(57, 11));
    EXPECT_EQ(TabInner(nSelected), top.Pixel(57, 28));
    CPixelImage idle = DrawnTab(host, Place(host, 2, CRect(10, 10, 60, 30)));
    EXPECT_EQ(kUntouched, idle.Pixel(57, 11)) << "neither selected nor hot: no image";

    const struct
    {
        int nPosition;
        CPoint ptOuter, ptInner;
    } sides[] = {
        {ktTabPositionLeft, CPoint(11, 57), CPoint(28, 57)},
        {ktTabPositionRight, CPoint(28, 57), CPoint(11, 57)},
        {ktTabPositionBottom, CPoint(57, 28), CPoint(57, 11)},
    };
    for (const auto& side : sides)
    {
        pPainter->SetPosition(side.nPosition);
        BOOL bSideways = side.nPosition != ktTabPositionBottom;
        CRect rc = bSideways ? CRect(10, 10, 30, 60) : CRect(10, 10, 60, 30);
        CPixelImage image = DrawnTab(host, Place(host, 1, rc));
        EXPECT_EQ(TabOuter(nSelected), image.Pixel(side.ptOuter.x, side.ptOuter.y)) << "side " << side.nPosition;
        EXPECT_EQ(TabInner(nSelected), image.Pixel(side.ptInner.x, side.ptInner.y)) << "side " << side.nPosition;
    }
}

TEST(TabOtherLooks, TheResourceLookFillsTheClientWithTheGroupsImage)
{
    CLoadedStyle style("STYLE_INI");
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetAppearance(10);
    CMemoryCanvas canvas(CSize(200, 100));
    CRect rcClient = pPainter->GetAppearanceSet()->FillClient(canvas.DC(), CRect(0, 0, 200, 100), &host);
    ASSERT_FALSE(rcClient.IsRectEmpty());
    CPixelImage image = canvas.Image();
    EXPECT_EQ(RGB(30, 160, 90), image.Pixel(rcClient.CenterPoint().x, rcClient.CenterPoint().y));
}

TEST(TabOtherColors, TheResourceSetReadsTheStyleAndKeepsWhatItLacks)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    {
        CLoadedStyle style("STYLE_INI");
        auto* pColors = static_cast<CKTTabColorSet4*>(pPainter->SetColor(32));
        CKTStyleResourceSet& set = *KTStyleResourceSet();
        EXPECT_EQ(set.GetColor("TabManager", "FrameBorder"), COLORREF(pColors->m_clrFrameBorder));
        EXPECT_EQ(set.GetColor("TabManager", "DarkShadow"), COLORREF(pColors->m_clrEdgeOuter));
        EXPECT_EQ(set.GetColor("Ribbon", "RibbonFace"), COLORREF(pColors->m_clrHeaderFace.clrDark));
        EXPECT_EQ(set.GetColor("Window", "HighlightChecked"), COLORREF(pColors->m_clrSelectedTab));
        EXPECT_EQ(set.GetColor("Ribbon", "TabSelectedText"), COLORREF(pColors->m_clrTextSelected));
        EXPECT_EQ(set.GetColor("Ribbon", "TabNormalText"), COLORREF(pColors->m_clrTextNormal));
    }
    // A style without these keys once wrote -1 into them; what it lacks keeps the scheme's colours.
    CSchemeScope olive(ktSystemThemeOlive);
    CLoadedStyle partial("STYLE_PARTIAL_INI");
    auto* pColors = static_cast<CKTTabColorSet4*>(pPainter->SetColor(32));
    EXPECT_EQ(COLORREF(0x588060), COLORREF(pColors->m_clrFrameBorder)) << "the olive scheme's";
    EXPECT_EQ(COLORREF(0x4B8EFE), COLORREF(pColors->m_clrPressedTab)) << "the scheme's pressed tab";
    EXPECT_EQ(COLORREF(0), COLORREF(pColors->m_clrTextHot)) << "cleared before the style is read";
    EXPECT_NE(COLORREF(-1), COLORREF(pColors->m_clrHeaderFace.clrLight));
    EXPECT_NE(COLORREF(-1), COLORREF(pColors->m_clrTextSelected));
    EXPECT_TRUE(pColors->m_bLunaColors);
}

TEST(TabOtherColors, TheResourceSetsPressedNavigateButtonShowsTheFirstOfTheTwoButtonImageParts)
{
    CLoadedStyle style("STYLE_INI");
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetColor(32);
    CKTTabManagerNavigateButton* pButton = host.FindNavigateButton(ktNavigateButtonRight);
    ASSERT_NE(nullptr, pButton);
    pButton->SetEnabled(TRUE);
    pButton->SetPressed(TRUE);
    CMemoryCanvas canvas(CSize(40, 40));
    pPainter->DrawNavigateButton(canvas.DC(), pButton, CRect(10, 10, 24, 32));
    pButton->SetPressed(FALSE);
    CPixelImage image = canvas.Image();
    // The tests' image holds four 22-pixel states; its first half is the first of two parts.
    EXPECT_TRUE(NearColor(RGB(60, 10, 200), image.Pixel(11, 11))) << std::hex << image.Pixel(11, 11);
    EXPECT_TRUE(NearColor(RGB(100, 10, 200), image.Pixel(11, 30))) << std::hex << image.Pixel(11, 30);
}
