// How the paint manager lays a strip out: row height, header margins, fitting, fixed widths, scrolling
// back, the sets made by id and the turned fonts of vertical strips.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <typeinfo>
#include <utility>

#include "KTTabAppearanceSet0.h"
#include "KTTabColorSetDefault.h"
#include "MemoryCanvas.h"
#include "NearColor.h"
#include "TabHostWindow.h"

namespace
{
int RowHeight(CTabHostWindow& host) { return host.GetPaintManager()->GetAppearanceSet()->GetButtonHeight(&host); }
}  // namespace

TEST(TabLayout, TheRowStandsInsideTheHeaderMarginsAtTheHeightOfTextOrIcon)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    int nText = pPainter->GetAppearanceSet()->GetTextHeight();
    EXPECT_GE(nText, 18);
    EXPECT_EQ(std::max(nText, 20), RowHeight(host));  // a 16-pixel icon needs 20
    // A strip's thickness may be asked before it has a manager.
    EXPECT_EQ(RowHeight(host), pPainter->GetAppearanceSet()->GetButtonHeight(NULL));
    CRect rcFirst = host.GetItem(0)->GetRect();
    EXPECT_EQ(CRect(2, 3, 2 + host.GetItem(0)->GetLength(), 3 + RowHeight(host)), rcFirst);
    EXPECT_EQ(rcFirst.right, host.GetItem(1)->GetRect().left);
    EXPECT_EQ(3 + RowHeight(host), host.m_rcHeaderRect.bottom);
    pPainter->m_rcButtonMargin.SetRect(3, 2, 3, 1);
    pPainter->m_bShowIcons = FALSE;
    host.Reposition();
    EXPECT_EQ(nText + 3, RowHeight(host));
    EXPECT_EQ(host.GetItem(0)->GetFullLength() + 0, host.GetItem(0)->GetLength());
}

TEST(TabLayout, AStripThatAnswersItsOwnIconSizeGetsRowsTallEnoughForIt)
{
    CTabHostWindow host;
    host.m_szOwnIcon = CSize(24, 32);
    host.Reposition();
    EXPECT_EQ(32 + 4, RowHeight(host));
    EXPECT_EQ(32 + 4, host.GetItem(0)->GetRect().Height());
    host.GetPaintManager()->m_bShowIcons = FALSE;
    EXPECT_EQ(host.GetPaintManager()->GetAppearanceSet()->GetTextHeight(), RowHeight(host));
}

TEST(TabLayout, ACaptionStartsTwoPixelsAfterItsIconAndTheTabIsMeasuredForIt)
{
    CTabHostWindow host(3);
    host.m_arrIconWidths = {16};  // the first tab's icon takes room but draws nothing
    host.GetItem(1)->SetCaption("Tab 1");
    host.SetCurSel(2);  // both unselected: the selected tab stands taller
    host.Reposition();
    const int nIconRoom = 16 - 1 + 2;  // from one pixel before the content start to two after the icon
    EXPECT_EQ(host.GetItem(1)->GetLength() + nIconRoom, host.GetItem(0)->GetLength());
    CMemoryCanvas canvas(CSize(400, 60));
    host.GetPaintManager()->DrawTabControl(&host, canvas.DC(), host.m_rcControl);
    CPixelImage image = canvas.Image();
    const COLORREF clrText = host.GetPaintManager()->GetColorSet()->m_clrTextNormal;
    auto textColumns = [&](int nTab)
    {
        CRect rc = host.GetItem(nTab)->GetRect();
        int nFirst = INT_MAX, nLast = INT_MIN;
        for (int x = 3; x < rc.Width() - 3; x++)
            for (int y = rc.top + 3; y < rc.bottom - 3; y++)
                if (NearColor(image.Pixel(rc.left + x, y), clrText, 40))
                    nFirst = std::min(nFirst, x), nLast = std::max(nLast, x);
        return std::make_pair(nFirst, nLast);
    };
    auto withIcon = textColumns(0), without = textColumns(1);
    ASSERT_LE(without.first, without.second);
    EXPECT_EQ(without.first + nIconRoom, withIcon.first);
    EXPECT_EQ(without.second - without.first, withIcon.second - withIcon.first) << "the whole caption shows";
}

TEST(TabLayout, ABottomStripStandsItsRowAtTheBottom)
{
    CTabHostWindow host;
    host.GetPaintManager()->SetPosition(ktTabPositionBottom);
    CRect rcFirst = host.GetItem(0)->GetRect();
    EXPECT_EQ(60 - 3, rcFirst.bottom);
    EXPECT_EQ(60 - 3 - RowHeight(host), rcFirst.top);
    EXPECT_EQ(rcFirst.top + 1, host.m_rcClient.bottom + 2);  // overlapping the header by one, less the frame
}

TEST(TabLayout, SizeToFitLevelsTheLongestTabsFirst)
{
    CTabHostWindow host(0, CSize(218, 60));
    host.m_arrIconWidths = {88, 68, 48};  // with 12 pixels of caption spacing: 100, 80 and 60
    for (int i = 0; i < 3; i++)
        host.InsertItem(i);
    host.GetPaintManager()->SetLayout(ktTabLayoutSizeToFit);  // 210 pixels between the margins: 30 too many
    EXPECT_EQ(75, host.GetItem(0)->GetLength());
    EXPECT_EQ(75, host.GetItem(1)->GetLength());
    EXPECT_EQ(60, host.GetItem(2)->GetLength());
    EXPECT_EQ(100, host.GetItem(0)->GetFullLength());
    host.DeleteItem(2);
    host.DeleteItem(1);
    host.m_arrIconWidths = {300};
    host.Reposition();
    EXPECT_EQ(210, host.GetItem(0)->GetLength());  // one tab too long takes all the room
}

TEST(TabLayout, FixedWidthIgnoresTheCaptionButKeepsTheMinimum)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->m_rcButtonMargin.SetRect(3, 0, 4, 0);
    host.GetItem(2)->SetCaption("A much longer caption than the others");
    pPainter->SetLayout(ktTabLayoutFixedWidth);
    EXPECT_EQ(77, host.GetItem(0)->GetLength());
    EXPECT_EQ(77, host.GetItem(2)->GetLength());
    host.SetItemMetrics(CSize(70, 0), CSize(80, 0), CSize(0, 0));
    EXPECT_EQ(80, host.GetItem(2)->GetLength());
}

TEST(TabLayout, SelectingBringsATabIntoViewAndRoomPullsTheOffsetBack)
{
    CTabHostWindow host(8, CSize(200, 60));
    host.SetCurSel(7);
    EXPECT_LT(host.GetScrollOffset(), 0);
    EXPECT_LE(host.GetItem(7)->GetRect().right, host.m_rcHeaderRect.right);
    host.SetScrollOffset(5);
    EXPECT_LE(host.GetScrollOffset(), 0);
    host.SetWindowPos(NULL, 0, 0, 1000, 60, SWP_NOMOVE | SWP_NOZORDER);
    host.Reposition();
    EXPECT_EQ(0, host.GetScrollOffset());
    host.Scroll(FALSE);
    EXPECT_EQ(0, host.GetScrollOffset());
}

// The offset a wider strip pulls back is the one the navigate buttons and the tabs are placed for.
TEST(TabLayout, APulledBackOffsetIsTheOneTheButtonsAndTabsShow)
{
    CTabHostWindow host(8, CSize(200, 60));
    host.SetCurSel(7);
    const int nScrolled = host.GetScrollOffset();
    ASSERT_LT(nScrolled, 0);
    const auto scrollLeft = [&host]
    {
        for (const auto& pButton : host.GetNavigateButtons())
            if (pButton->GetID() == ktNavigateButtonLeft)
                return pButton.get();
        return static_cast<CKTTabManagerNavigateButton*>(nullptr);
    };
    ASSERT_NE(nullptr, scrollLeft());

    host.SetWindowPos(NULL, 0, 0, 260, 60, SWP_NOMOVE | SWP_NOZORDER);
    host.Reposition();
    EXPECT_GT(host.GetScrollOffset(), nScrolled) << "some room pulls the offset partly back";
    EXPECT_LT(host.GetScrollOffset(), 0);
    EXPECT_TRUE(scrollLeft()->IsEnabled());
    const int nMargin = host.GetPaintManager()->GetAppearanceSet()->GetHeaderMargin().right;
    EXPECT_EQ(host.m_rcHeaderRect.right - nMargin, host.GetItem(7)->GetRect().right) << "the last tab ends the row";

    host.SetWindowPos(NULL, 0, 0, 1000, 60, SWP_NOMOVE | SWP_NOZORDER);
    host.Reposition();
    EXPECT_EQ(0, host.GetScrollOffset());
    EXPECT_FALSE(scrollLeft()->IsEnabled()) << "nothing is left to scroll back to";
    EXPECT_TRUE(scrollLeft()->GetRect().IsRectEmpty()) << "all tabs fit: the automatic buttons hide";
}

TEST(TabLayout, UnknownIdsMakeTheFirstSetsAndAreKept)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    for (int nId : {11, -1})
    {
        pPainter->SetAppearance(nId);
        EXPECT_EQ(typeid(CKTTabAppearanceSet0), typeid(*pPainter->GetAppearanceSet()));
        EXPECT_EQ(nId, pPainter->GetAppearance());
        EXPECT_EQ(typeid(CKTTabColorSetDefault), typeid(*pPainter->GetColorSet()));
    }
    for (int nId : {1, 3, 64})
    {
        pPainter->SetColor(nId);
        EXPECT_EQ(typeid(CKTTabColorSetDefault), typeid(*pPainter->GetColorSet()));
    }
    pPainter->SetAppearance(3);
    EXPECT_EQ(4, pPainter->GetColor());  // the look's own colours come with it
}

TEST(TabLayout, VerticalFontsTurnAndSmallOnesGrowLegible)
{
    CTabHostWindow host;
    CKTTabPainter* pPainter = host.GetPaintManager();
    LOGFONTA lf = {};
    lf.lfHeight = -8;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    pPainter->SetFontIndirect(&lf);
    LOGFONTA vertical = {}, normal = {};
    pPainter->GetFont(TRUE)->GetLogFont(&vertical);
    pPainter->GetFont(FALSE)->GetLogFont(&normal);
    EXPECT_EQ(-11, vertical.lfHeight);
    EXPECT_EQ(2700, vertical.lfEscapement);
    EXPECT_EQ(-8, normal.lfHeight);
    EXPECT_EQ(FW_NORMAL, normal.lfWeight);
    lf.lfHeight = -12;
    pPainter->m_bBoldNormal = TRUE;
    pPainter->SetFontIndirect(&lf);
    pPainter->GetFont(TRUE)->GetLogFont(&vertical);
    EXPECT_EQ(-12, vertical.lfHeight);
    EXPECT_EQ(FW_BOLD, vertical.lfWeight);
}

TEST(TabLayout, MultiRowBringsTheSelectedTabsRowNextToTheClient)
{
    CTabHostWindow host(10, CSize(150, 120));
    CKTTabPainter* pPainter = host.GetPaintManager();
    pPainter->SetLayout(ktTabLayoutMultiRow);
    ASSERT_GE(host.GetRowCount(), 3);
    EXPECT_EQ(0, host.GetItem(0)->GetRow());
    int nLastRowTab = host.GetRowItems(2).first;
    host.SetCurSel(nLastRowTab);
    EXPECT_EQ(0, host.GetItem(nLastRowTab)->GetRow());
    EXPECT_EQ(2, host.GetItem(0)->GetRow());
    int nClientSide = host.GetItem(nLastRowTab)->GetRect().bottom;
    for (int i = 0; i < host.GetItemCount(); i++)
        EXPECT_LE(host.GetItem(i)->GetRect().bottom, nClientSide);
    EXPECT_EQ(host.GetItem(0)->GetRect().bottom + RowHeight(host) - 2,
              host.GetItem(host.GetRowItems(1).first)->GetRect().bottom);
    pPainter->m_bMultiRowFixed = TRUE;
    host.Reposition();
    EXPECT_EQ(2, host.GetItem(nLastRowTab)->GetRow());
    EXPECT_EQ(0, host.GetScrollOffset());
}

TEST(TabLayout, MultiRowStretchesEveryRowToTheFullLength)
{
    CTabHostWindow host(7, CSize(200, 120));
    host.GetPaintManager()->SetLayout(ktTabLayoutMultiRow);
    ASSERT_GE(host.GetRowCount(), 2);
    int nRight = host.m_rcHeaderRect.right - host.GetPaintManager()->GetAppearanceSet()->GetHeaderMargin().right;
    for (int nRow = 0; nRow < host.GetRowCount(); nRow++)
        EXPECT_EQ(nRight, host.GetItem(host.GetRowItems(nRow).second)->GetRect().right) << "row " << nRow;
}
