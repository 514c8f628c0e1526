// Where a dragged pane docks by the side test, how its floating rectangle stays reachable and snaps, and where
// the stickers and the tab outline go.
#include <gtest/gtest.h>

#include "KTDockingPaneContextGeometry.h"

using namespace KTDockingPaneContextGeometry;

namespace
{
const CRect kGroup(100, 100, 300, 500);  // 200 wide, 400 high
}  // namespace

TEST(ContextSideTest, InsideAGroupOnlyItsEdgesCatchAFloatablePane)
{
    EXPECT_EQ(kTop, FindSide(kGroup, CPoint(200, 105), TRUE, TRUE));
    EXPECT_EQ(kBottom, FindSide(kGroup, CPoint(200, 490), TRUE, TRUE));
    EXPECT_EQ(kLeft, FindSide(kGroup, CPoint(110, 300), TRUE, TRUE));
    EXPECT_EQ(kRight, FindSide(kGroup, CPoint(295, 300), TRUE, TRUE));
    EXPECT_EQ(kNone, FindSide(kGroup, CPoint(200, 300), TRUE, TRUE)) << "20 pixels or more from every edge";
    EXPECT_EQ(kNone, FindSide(kGroup, CPoint(90, 300), TRUE, TRUE)) << "outside the group";
    EXPECT_EQ(kNone, FindSide(CRect(100, 100, 100, 500), CPoint(100, 300), TRUE, TRUE)) << "an empty rectangle";
}

TEST(ContextSideTest, APaneThatCannotFloatDocksAtTheNearestEdgeScaledByTheAspect)
{
    // Scaled by height / width = 2: 60 pixels from the left count 120, nearer than 150 from the top.
    EXPECT_EQ(kLeft, FindSide(kGroup, CPoint(160, 250), TRUE, FALSE));
    EXPECT_EQ(kTop, FindSide(kGroup, CPoint(200, 180), TRUE, FALSE));
    const CRect rcWide(0, 0, 400, 100);  // aspect 0.25, which must not make left and right win everywhere
    EXPECT_EQ(kTop, FindSide(rcWide, CPoint(200, 10), TRUE, FALSE));
    EXPECT_EQ(kRight, FindSide(rcWide, CPoint(395, 50), TRUE, FALSE));
}

TEST(ContextSideTest, TheLayoutAreaCatchesWithin20PixelsOutside)
{
    EXPECT_EQ(kLeft, FindSide(kGroup, CPoint(85, 300), FALSE, TRUE));
    EXPECT_EQ(kBottom, FindSide(kGroup, CPoint(200, 515), FALSE, TRUE));
    EXPECT_EQ(kNone, FindSide(kGroup, CPoint(75, 300), FALSE, TRUE)) << "farther than 20 pixels";
    EXPECT_EQ(kNone, FindSide(kGroup, CPoint(200, 300), FALSE, TRUE)) << "inside is not outside";
}

TEST(ContextFloatingRect, KeepsTenPixelsOnScreenAndSnaps)
{
    const CRect rcWork(0, 0, 1280, 1000);
    EXPECT_EQ(CRect(-190, 50, 10, 150), KeepOnScreen(CRect(-500, 50, -300, 150), rcWork));
    EXPECT_EQ(CRect(1270, 990, 1470, 1090), KeepOnScreen(CRect(1400, 1200, 1600, 1300), rcWork));
    EXPECT_EQ(CRect(5, 5, 105, 105), KeepOnScreen(CRect(5, 5, 105, 105), rcWork));

    EXPECT_EQ(CRect(0, 0, 100, 100), SnapToWorkArea(CRect(10, 14, 110, 114), rcWork, 15));
    EXPECT_EQ(CRect(1180, 900, 1280, 1000), SnapToWorkArea(CRect(1170, 890, 1270, 990), rcWork, 15));
    EXPECT_EQ(CRect(20, 20, 120, 120), SnapToWorkArea(CRect(20, 20, 120, 120), rcWork, 15));

    const CRect rcFrame(300, 300, 600, 600);
    EXPECT_EQ(CRect(600, 300, 700, 400), SnapToFrame(CRect(610, 290, 710, 390), rcFrame, 15))
        << "left edge onto the frame's right, top onto its top";
    EXPECT_EQ(CRect(700, 300, 800, 400), SnapToFrame(CRect(700, 300, 800, 400), rcFrame, 15)) << "too far away";
}

TEST(ContextFloatingRect, ResizingSnapsOnlyTheMovingEdges)
{
    const std::vector<CRect> others = {CRect(100, 100, 300, 300), CRect(900, 900, 1000, 1000)};
    EXPECT_EQ(CRect(300, 150, 500, 291), SnapSizingEdges(CRect(310, 150, 500, 291), WMSZ_LEFT, others, 15))
        << "the left edge meets the other's right edge; the bottom does not move";
    EXPECT_EQ(CRect(300, 150, 500, 300), SnapSizingEdges(CRect(310, 150, 500, 291), WMSZ_BOTTOMLEFT, others, 15))
        << "and the bottom edge the other's bottom";
    EXPECT_EQ(CRect(500, 150, 700, 291), SnapSizingEdges(CRect(500, 150, 700, 291), WMSZ_LEFT, others, 15))
        << "too far away";
}

TEST(ContextFeedbackPlaces, StickersAndTabOutline)
{
    EXPECT_EQ(CRect(156, 256, 245, 345), PlaceFiveWaySticker(kGroup, CSize(89, 89)));
    const CRect rcArea(0, 0, 600, 400);
    EXPECT_EQ(CRect(286, 16, 315, 48), PlaceSideSticker(rcArea, kTop, CSize(29, 32)));
    EXPECT_EQ(CRect(286, 352, 315, 384), PlaceSideSticker(rcArea, kBottom, CSize(29, 32)));
    EXPECT_EQ(CRect(16, 186, 48, 215), PlaceSideSticker(rcArea, kLeft, CSize(32, 29)));
    EXPECT_EQ(CRect(552, 186, 584, 215), PlaceSideSticker(rcArea, kRight, CSize(32, 29)));

    CRect rcBody, rcTab;
    SplitTabOutline(kGroup, &rcBody, &rcTab);
    EXPECT_EQ(CRect(100, 100, 300, 480), rcBody);
    EXPECT_EQ(CRect(105, 480, 155, 500), rcTab);
    SplitTabOutline(CRect(0, 0, 30, 16), &rcBody, &rcTab);
    EXPECT_EQ(CRect(0, 0, 30, 8), rcBody) << "a low group keeps half for its body";
    EXPECT_EQ(CRect(5, 8, 30, 16), rcTab) << "a narrow one gives the tab what is left";
}
