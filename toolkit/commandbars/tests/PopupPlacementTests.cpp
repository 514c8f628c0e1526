// PopupPlacementTests.cpp: where popups go against the work area, without windows.
#include "KTPopupPlacement.h"

#include <gtest/gtest.h>

namespace
{
CKTPopupPlacement Placement(CRect rcWork, CRect rcExclude, CPoint pt, DWORD dwFlags)
{
    CKTPopupPlacement placement;
    placement.m_rcWork = rcWork;
    placement.m_rcExclude = rcExclude;
    placement.m_rcExcludeBeside = rcExclude;
    placement.m_ptPopup = pt;
    placement.m_dwFlags = dwFlags;
    return placement;
}
}  // namespace

TEST(PopupPlacement, DropDownOpensBelowAndFlipsAboveNearTheBottom)
{
    CRect rcWork(0, 0, 1280, 1000);
    CRect rcControl(100, 20, 140, 40);
    CKTPopupPlacement below = Placement(rcWork, rcControl, CPoint(100, 40), ktPopupVertical);
    EXPECT_EQ(CRect(100, 40, 300, 340), below.Place(200, 300));

    CRect rcLow(100, 900, 140, 920);
    CKTPopupPlacement above = Placement(rcWork, rcLow, CPoint(100, 920), ktPopupVertical);
    EXPECT_EQ(CRect(100, 600, 300, 900), above.Place(200, 300));
    EXPECT_FALSE(above.m_bScroll);
}

TEST(PopupPlacement, PointMenuNearTheBottomUsesTheWorkAreasMiddleNotHalfItsHeight)
{
    // A work area from 600 to 1000: its middle is 797 after the bottom margin, half its height 197.
    CRect rcWork(0, 600, 1280, 1000);
    CKTPopupPlacement placement = Placement(rcWork, CRect(0, 0, 0, 0), CPoint(50, 650), 0);
    EXPECT_EQ(CRect(50, 615, 150, 995), placement.Place(100, 380)) << "above the middle it rests on the bottom";

    CKTPopupPlacement lower = Placement(rcWork, CRect(0, 0, 0, 0), CPoint(50, 900), 0);
    EXPECT_EQ(CRect(50, 700, 150, 900), lower.Place(100, 200)) << "below the middle it opens upwards from the point";
}

TEST(PopupPlacement, SubMenusFlipLeftAtTheRightEdgeAndTallMenusScroll)
{
    CRect rcWork(0, 0, 1280, 1000);
    CRect rcItem(1100, 100, 1250, 120);
    CKTPopupPlacement placement = Placement(rcWork, rcItem, CPoint(1250, 100), 0);
    EXPECT_EQ(CRect(950, 100, 1100, 300), placement.Place(150, 200));
    EXPECT_EQ((DWORD)ktPopupLeftwards, placement.m_dwFlags);

    CKTPopupPlacement tall = Placement(rcWork, CRect(10, 10, 50, 30), CPoint(10, 30), ktPopupVertical);
    CRect rcTall = tall.Place(100, 2000);
    EXPECT_TRUE(tall.m_bScroll);
    EXPECT_EQ(CRect(10, 30, 110, 995), rcTall);

    tall = Placement(rcWork, CRect(10, 10, 50, 30), CPoint(10, 30), ktPopupVertical);
    tall.m_bNoScroll = TRUE;
    CRect rcBeside = tall.Place(100, 2000);
    EXPECT_FALSE(tall.m_bScroll);
    EXPECT_EQ(50, rcBeside.left) << "without scrolling it goes beside the control";
}

TEST(PopupPlacement, ATooTallPopupThatMayNotScrollReflowsToTheWorkAreasHeight)
{
    CRect rcWork(0, 100, 1280, 1000);
    CKTPopupPlacement placement = Placement(rcWork, CRect(0, 0, 0, 0), CPoint(50, 300), 0);
    placement.m_bNoScroll = TRUE;
    int nAsked = 0;
    placement.m_reflow = [&nAsked](int nHeight)
    {
        nAsked = nHeight;
        return CSize(300, nHeight - 20);
    };
    EXPECT_EQ(CRect(50, 100, 350, 975), placement.Place(100, 1200));
    EXPECT_EQ(895, nAsked) << "the work area less its bottom margin";
    EXPECT_FALSE(placement.m_bScroll);

    CKTPopupPlacement kept = Placement(rcWork, CRect(0, 0, 0, 0), CPoint(50, 300), 0);
    kept.m_bNoScroll = TRUE;
    EXPECT_EQ(CRect(50, 100, 150, 1300), kept.Place(100, 1200)) << "nothing to re-flow with: left as it is";
}
