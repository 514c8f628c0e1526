// What the looks draw, read back from memory bitmaps and from the window: the raised tab's outline, tab
// colours by index, turned captions, and the colours of the scheme and designer sets.
#include <gtest/gtest.h>

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTTabColorSet16.h"
#include "GuiLeakCheck.h"
#include "KTTabColorSet4.h"
#include "KTTabManagerNavigateButton.h"
#include "NearColor.h"
#include "MemoryCanvas.h"
#include "PixelImage.h"
#include "SchemeScope.h"
#include "SystemColours.h"
#include "TabHostWindow.h"

namespace
{
CKTTabManagerItem* PlaceSelected(CTabHostWindow& host, int nTab, const CRect& rc)
{
    host.SetCurSel(nTab);
    CKTTabManagerItem* pItem = host.GetItem(nTab);
    pItem->SetRect(rc);
    pItem->SetRow(0);
    return pItem;
}

// A strip that lies on the side its manager reports, whatever its painter was told.
class CSideHost : public CTabHostWindow
{
public:
    explicit CSideHost(int nSide) : CTabHostWindow(5, CSize(300, 200)), m_nSide(nSide) { Reposition(); }
    int GetPosition() const override { return m_nSide; }

private:
    int m_nSide;
};

CPixelImage DrawWhole(CTabHostWindow& host)
{
    CMemoryCanvas canvas(CSize(300, 200));
    host.GetPaintManager()->DrawTabControl(&host, canvas.DC(), host.m_rcControl);
    return canvas.Image();
}

// The smallest rectangle holding every pixel of the colour.
CRect BoundsOf(const CPixelImage& image, const CRect& rcWithin, COLORREF clr)
{
    CRect rc(0, 0, 0, 0);
    for (int y = rcWithin.top; y < rcWithin.bottom; y++)
        for (int x = rcWithin.left; x < rcWithin.right; x++)
            if (image.Pixel(x, y) == clr)
                rc = rc.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : (rc | CRect(x, y, x + 1, y + 1));
    return rc;
}
}  // namespace

TEST(TabLook, TheRaisedSelectedTabGrowsByTwoAndOpensIntoTheClient)
{
    CTabHostWindow host;
    CKTTabManagerItem* pItem = PlaceSelected(host, 1, CRect(10, 10, 60, 30));
    CMemoryCanvas canvas(CSize(80, 40));
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->GetAppearanceSet()->DrawSingleButton(canvas.DC(), pItem);
    EXPECT_EQ(CRect(8, 8, 62, 30), canvas.Drawn());
    CPixelImage image = canvas.Image();
    CKTTabColorSet* pColors = pPainter->GetColorSet();
    EXPECT_EQ(COLORREF(pColors->m_clrTabHighlight), image.Pixel(8, 20));  // left edge
    EXPECT_EQ(COLORREF(pColors->m_clrTabHighlight), image.Pixel(30, 8));  // top edge
    EXPECT_EQ(COLORREF(pColors->m_clrTabDarkShadow), image.Pixel(61, 20));
    EXPECT_EQ(COLORREF(pColors->m_clrTabShadow), image.Pixel(60, 20));
    EXPECT_EQ(pColors->GetItemColor(pItem), image.Pixel(20, 29));  // no line towards the client
    EXPECT_EQ(kUntouched, image.Pixel(8, 8));                      // the corner is cut
}

TEST(TabLook, ANormalTabKeepsItsRectangleAndTheSlantedLookReachesBack)
{
    CTabHostWindow host;
    CKTTabManagerItem* pItem = PlaceSelected(host, 1, CRect(30, 10, 80, 30));
    pItem = host.GetItem(2);
    pItem->SetRect(CRect(30, 10, 80, 30));
    CMemoryCanvas raised(CSize(100, 40));
    host.GetPaintManager()->GetAppearanceSet()->DrawSingleButton(raised.DC(), pItem);
    EXPECT_EQ(CRect(30, 10, 80, 30), raised.Drawn());
    host.GetPaintManager()->SetAppearance(3);
    pItem->SetRect(CRect(30, 10, 80, 30));
    CMemoryCanvas slanted(CSize(100, 40));
    host.GetPaintManager()->GetAppearanceSet()->DrawSingleButton(slanted.DC(), pItem);
    CRect rcDrawn = slanted.Drawn();
    EXPECT_EQ(30 + 8 - 20 - 1, rcDrawn.left);  // the slant's foot, a tab's height back
    EXPECT_EQ(80, rcDrawn.right);
    EXPECT_EQ(12, rcDrawn.top);
}

TEST(TabLook, TheSlantedTabIsOutlinedWithItsInnerLineAlongTheSlantAndItsFaceLineUnderTheTopAndDownTheRight)
{
    CTabHostWindow host;
    const auto [clrOuter, clrInner, clrFace] = host.UseDistinctEdges(3);
    CKTTabPainter* pPainter = host.GetPaintManager();
    CKTTabManagerItem* pItem = host.GetItem(2);
    pItem->SetRect(CRect(30, 10, 80, 30));  // the slant's foot lies a tab's height back, at 17
    CMemoryCanvas canvas(CSize(100, 40));
    pPainter->GetAppearanceSet()->DrawSingleButton(canvas.DC(), pItem);
    CPixelImage image = canvas.Image();
    EXPECT_EQ(clrOuter, image.Pixel(24, 22)) << "up the slant";
    EXPECT_EQ(clrOuter, image.Pixel(32, 13)) << "round the left shoulder";
    EXPECT_EQ(clrOuter, image.Pixel(50, 12)) << "along the top";
    EXPECT_EQ(clrOuter, image.Pixel(79, 20)) << "down the right side";
    EXPECT_EQ(clrInner, image.Pixel(25, 22)) << "inside the slant";
    EXPECT_EQ(clrFace, image.Pixel(35, 13)) << "under the top";
    EXPECT_EQ(clrFace, image.Pixel(78, 20)) << "inside the right side";
}

TEST(TabLook, APressedNavigateButtonsGlyphMovesWithItsFace)
{
    CTabHostWindow host(8, CSize(200, 60));  // too many tabs: the scroll buttons show
    CKTTabPainter* pPainter = host.GetPaintManager();
    CKTTabManagerNavigateButton* pButton = host.FindNavigateButton(ktNavigateButtonRight);
    ASSERT_NE(nullptr, pButton);
    const CRect rcButton = pButton->GetRect();
    ASSERT_TRUE(pButton->IsEnabled());
    const COLORREF clrGlyph = KTColorManager()->GetColor(COLOR_BTNTEXT);
    CRect rcGlyph[2];
    for (BOOL bPressed : {FALSE, TRUE})
    {
        pButton->SetPressed(bPressed);
        CMemoryCanvas canvas(CSize(200, 60));
        pPainter->DrawNavigateButton(canvas.DC(), pButton, rcButton);
        CRect rcInside = rcButton;
        rcInside.DeflateRect(1, 1);  // the frame
        rcGlyph[bPressed] = BoundsOf(canvas.Image(), rcInside, clrGlyph);
    }
    pButton->SetPressed(FALSE);
    ASSERT_FALSE(rcGlyph[0].IsRectEmpty());
    EXPECT_EQ(rcGlyph[0] + CPoint(1, 1), rcGlyph[1]);
}

TEST(TabLook, ALeftStripDrawsTheSameTabTurned)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetPosition(ktTabPositionLeft);
    CKTTabManagerItem* pItem = PlaceSelected(host, 1, CRect(10, 10, 30, 60));
    CMemoryCanvas canvas(CSize(40, 80));
    host.GetPaintManager()->GetAppearanceSet()->DrawSingleButton(canvas.DC(), pItem);
    EXPECT_EQ(CRect(8, 8, 30, 62), canvas.Drawn());
    EXPECT_EQ(COLORREF(host.GetPaintManager()->GetColorSet()->m_clrTabDarkShadow), canvas.Image().Pixel(20, 61));
}

TEST(TabLook, AStripLiesWhereItsManagerSaysNotWhereThePainterDoes)
{
    for (int nSide : {ktTabPositionLeft, ktTabPositionBottom, ktTabPositionRight})
    {
        for (int nLook : {0, 3, 5})
        {
            CSideHost moved(nSide);
            CTabHostWindow told(5, CSize(300, 200));
            moved.GetPaintManager()->SetAppearance(nLook);
            told.GetPaintManager()->SetAppearance(nLook);
            told.GetPaintManager()->SetPosition(nSide);
            moved.SetCurSel(2);
            told.SetCurSel(2);
            EXPECT_EQ(told.m_rcHeaderRect, moved.m_rcHeaderRect) << "side " << nSide << " look " << nLook;
            EXPECT_EQ(told.m_rcClient, moved.m_rcClient) << "side " << nSide << " look " << nLook;
            EXPECT_EQ(told.GetItem(2)->GetRect(), moved.GetItem(2)->GetRect()) << "side " << nSide;
            EXPECT_EQ(0, DrawWhole(told).CountDiffering(DrawWhole(moved))) << "side " << nSide << " look " << nLook;
        }
    }
}

TEST(TabLook, TabsFillWithTheirIndexedColours)
{
    CTabHostWindow host;
    host.GetPaintManager()->m_bItemColors = TRUE;
    host.Reposition();
    CPixelImage image = CPixelImage::FromWindow(host.GetSafeHwnd());
    for (int i = 1; i < 5; i++)
    {
        CRect rc = host.GetItem(i)->GetRect();
        EXPECT_TRUE(NearColor(image.Pixel(rc.left + 3, rc.top + 3), CKTTabPainter::GetIndexedTabColor(0x1000000 + i)))
            << "tab " << i;
    }
    EXPECT_EQ(COLORREF(0x9F9EF0), CKTTabPainter::GetIndexedTabColor(0x1000003));
}

TEST(TabLook, CaptionsOfALeftStripRunDownTheTab)
{
    CTabHostWindow host(2, CSize(80, 300));
    host.GetItem(1)->SetCaption("Turned caption");
    host.GetPaintManager()->SetPosition(ktTabPositionLeft);
    CRect rc = host.GetItem(1)->GetRect();
    ASSERT_GT(rc.Height(), rc.Width());
    CPixelImage image = CPixelImage::FromWindow(host.GetSafeHwnd());
    COLORREF clrText = host.GetPaintManager()->GetColorSet()->m_clrTextNormal;
    CRect rcText(rc.right, rc.bottom, rc.left, rc.top);
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (NearColor(image.Pixel(x, y), clrText, 40))
                rcText.SetRect(std::min<int>(rcText.left, x), std::min<int>(rcText.top, y),
                               std::max<int>(rcText.right, x + 1), std::max<int>(rcText.bottom, y + 1));
    EXPECT_GT(rcText.Height(), 3 * rcText.Width());
}

TEST(TabColors, SchemeColoursCanBeSwitchedOff)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->m_bDisableLunaColors = TRUE;
    CSchemeScope blue(ktSystemThemeBlue);
    auto* pSet4 = static_cast<CKTTabColorSet4*>(pPainter->SetColor(4));
    EXPECT_FALSE(pSet4->m_bLunaColors);
    EXPECT_EQ(KTColorManager()->GetColor(COLOR_BTNSHADOW), COLORREF(pSet4->m_clrEdgeOuter));
    pPainter->m_bDisableLunaColors = FALSE;
    pSet4 = static_cast<CKTTabColorSet4*>(pPainter->SetColor(4));
    EXPECT_TRUE(pSet4->m_bLunaColors);
    EXPECT_EQ(COLORREF(0x9A3500), COLORREF(pSet4->m_clrEdgeOuter));  // the blue scheme's outer edge
    EXPECT_EQ(COLORREF(0x4B8EFE), COLORREF(pSet4->m_clrPressedTab));
}

TEST(TabColors, TheSilverSchemeGivesItsFixedTabColours)
{
    CTabHostWindow host;
    CSchemeScope silver(ktSystemThemeSilver);
    auto* pSet4 = static_cast<CKTTabColorSet4*>(host.GetPaintManager()->SetColor(4));
    EXPECT_EQ(COLORREF(0xE6D9D9), COLORREF(pSet4->m_clrNormalTab));
    EXPECT_EQ(COLORREF(0xC2EEFF), COLORREF(pSet4->m_clrHotTab));
    EXPECT_EQ(COLORREF(0x947C7C), pSet4->m_csNormalEdges.clr[0]);
}

TEST(TabColors, AWhiteTabFillsFlatAndABlueOneFadesFromItsTint)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->m_bItemColors = TRUE;
    pPainter->SetColor(4);
    CKTTabManagerItem* pItem = host.GetItem(2);
    pItem->SetColor(0xFF0000);
    CMemoryCanvas canvas(CSize(20, 40));
    pPainter->GetColorSet()->FillItem(canvas.DC(), CRect(0, 0, 20, 40), pItem);
    CPixelImage image = canvas.Image();
    EXPECT_TRUE(NearColor(image.Pixel(10, 0), 0xFFB3B3, 4));
    EXPECT_TRUE(NearColor(image.Pixel(10, 39), 0xFF0000, 8));
    pItem->SetColor(0xFFFFFF);
    pPainter->GetColorSet()->FillItem(canvas.DC(), CRect(0, 0, 20, 40), pItem);
    EXPECT_EQ(COLORREF(0xFFFFFF), canvas.Image().Pixel(10, 20));
}

TEST(TabColors, TheDesignerSetWithoutSchemeColoursUsesPlainFaces)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->m_bDisableLunaColors = TRUE;
    auto* pSet16 = static_cast<CKTTabColorSet16*>(pPainter->SetColor(16));
    EXPECT_EQ(KTColorManager()->GetColor(COLOR_WINDOW), COLORREF(pSet16->m_clrSelectedTab));
    EXPECT_EQ(KTColorManager()->GetColor(KTCOLOR_FLAT_BORDER), COLORREF(pSet16->m_clrFrameBorder));
    EXPECT_FALSE(pSet16->m_bLunaColors);
    CSchemeScope silver(ktSystemThemeSilver);
    pSet16 = static_cast<CKTTabColorSet16*>(pPainter->SetColor(16));
    EXPECT_TRUE(pSet16->m_bGradientTabs);
    EXPECT_EQ(COLORREF(0xF8F5F5), COLORREF(pSet16->m_clrNormalTab));
}

// A strip refreshed after the system's colours changed takes them, whether or not the change came its way.
TEST(TabColors, ARefreshReadsTheSystemColoursAfresh)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetColor(1);
    const COLORREF clrOld = ::GetSysColor(COLOR_BTNFACE), clrNew = RGB(201, 13, 77);
    {
        CSystemColours colours({{COLOR_BTNFACE, clrNew}});
        ASSERT_TRUE(colours.IsSet());
        pPainter->RefreshMetrics();
        EXPECT_EQ(clrNew, COLORREF(pPainter->GetColorSet()->m_clrNormalTab));
    }
    pPainter->RefreshMetrics();
    EXPECT_EQ(clrOld, COLORREF(pPainter->GetColorSet()->m_clrNormalTab));
}

TEST(TabLook, RepaintingEveryLookLeavesNoHandleBehind)
{
    CTabHostWindow host(6, CSize(300, 120));
    CKTTabPainter* pPainter = host.GetPaintManager();
    host.UpdateWindow();  // fills the caches of the first paint
    CGuiLeakCheck leaks;
    for (int nPosition = ktTabPositionTop; nPosition <= ktTabPositionRight; nPosition++)
    {
        pPainter->SetPosition(nPosition);
        for (int nAppearance = 0; nAppearance <= 10; nAppearance++)
        {
            pPainter->SetAppearance(nAppearance);
            host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    EXPECT_TRUE(leaks.NoLeaks());
}
