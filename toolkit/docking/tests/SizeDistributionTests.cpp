// Sharing a splitter's length among its children within their limits.
#include <gtest/gtest.h>

#include "KTDockingPaneSizeDistribution.h"

namespace
{
using Item = CKTDockingPaneSizeDistribution::Item;
const int kFree = 32000;

std::vector<int> Widths(const CKTDockingPaneSizeDistribution& sizes, int nStart, int nEnd)
{
    std::vector<int> widths;
    for (auto edges : sizes.Place(nStart, nEnd))
        widths.push_back(edges.second - edges.first);
    return widths;
}
}  // namespace

TEST(SizeDistribution, ClientTakesWhatTheDockedGroupsLeave)
{
    CKTDockingPaneSizeDistribution sizes({{200, 0, kFree, false}, {0, 60, kFree, true}, {100, 0, kFree, false}}, 1000,
                                         4, false);
    EXPECT_EQ(std::vector<int>({200, 692, 100}), Widths(sizes, 0, 1000));
    EXPECT_EQ(692, sizes.GetFillerLength());
    auto edges = sizes.Place(0, 1000);
    EXPECT_EQ(204, edges[1].first) << "the next child starts one bar beyond";
    EXPECT_EQ(1000, edges[2].second);
}

TEST(SizeDistribution, ChildBelowItsMinimumKeepsItAndTheOthersShareTheRest)
{
    // 100 pixels for two children asking 500 and 100: the second's fair share of 16 is below its 40.
    CKTDockingPaneSizeDistribution sizes({{500, 0, kFree, false}, {100, 40, kFree, false}}, 104, 4, false);
    EXPECT_EQ(std::vector<int>({60, 40}), Widths(sizes, 0, 104));
    EXPECT_EQ(-40, sizes.GetLengths()[1]);
}

TEST(SizeDistribution, ChildAboveItsMaximumIsHeldThere)
{
    CKTDockingPaneSizeDistribution sizes({{100, 0, 50, false}, {100, 0, kFree, false}}, 404, 4, false);
    EXPECT_EQ(std::vector<int>({50, 350}), Widths(sizes, 0, 404));
}

TEST(SizeDistribution, OverrunByMinimumsIsTakenFromTheLastFixedChild)
{
    CKTDockingPaneSizeDistribution sizes({{10, 80, kFree, false}, {10, 80, kFree, false}}, 104, 4, false);
    std::vector<int> lengths = sizes.GetLengths();
    EXPECT_EQ(-80, lengths[0]);
    EXPECT_EQ(-20, lengths[1]) << "the last child fixed gives back the 60 pixels the minimums overran";
}

TEST(SizeDistribution, EmptyOrTinyAreasNeverDivideByZero)
{
    CKTDockingPaneSizeDistribution none({{0, 0, kFree, false}, {0, 0, kFree, false}}, 0, 4, false);
    EXPECT_EQ(2u, none.Place(0, 0).size());
    CKTDockingPaneSizeDistribution zeros({{0, 0, kFree, false}, {0, 0, kFree, false}}, 500, 4, false);
    EXPECT_EQ(500, zeros.Place(0, 500).back().second);
}

TEST(SizeDistribution, HiddenClientWithASizeIsSizedLikeAnyChild)
{
    CKTDockingPaneSizeDistribution sizes({{100, 0, kFree, false}, {100, 0, kFree, true}}, 404, 4, true);
    EXPECT_EQ(-1, sizes.GetFillerLength());
    EXPECT_EQ(std::vector<int>({200, 200}), Widths(sizes, 0, 404));
}
