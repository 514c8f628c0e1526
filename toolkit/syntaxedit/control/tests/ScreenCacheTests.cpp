// The on-screen block cache: trimming after edits, expiry by lifetime, and the range of a new entry.
#include <gtest/gtest.h>

#include "KTSyntaxEditScreenCache.h"

namespace
{
void AddEntries(CKTSyntaxEditScreenCache& cache, DWORD dwNow)
{
    cache.Add(10, 20, CKTLexBlockChain(), dwNow);
    cache.Add(30, 40, CKTLexBlockChain(), dwNow);
    cache.Add(50, 60, CKTLexBlockChain(), dwNow);
}

TEST(ScreenCache, AnEditCutsTheEntryItFallsInAndDropsThoseAfter)
{
    CKTSyntaxEditScreenCache cache;
    AddEntries(cache, 0);
    cache.Trim(35);
    EXPECT_EQ(cache.GetCount(), 2);
    EXPECT_NE(cache.Find(34, 0), nullptr);
    EXPECT_EQ(cache.Find(35, 0), nullptr);
    EXPECT_EQ(cache.Find(55, 0), nullptr);
    cache.Trim(30);
    EXPECT_EQ(cache.GetCount(), 1);
    cache.Trim(-1);
    EXPECT_EQ(cache.GetCount(), 0);
}

TEST(ScreenCache, EntriesExpireOnlyWithALifetime)
{
    CKTSyntaxEditScreenCache cache;
    AddEntries(cache, 1000);
    cache.Expire(0, 900000);
    cache.Expire(-1, 900000);
    EXPECT_EQ(cache.GetCount(), 3);

    cache.Find(15, 6000);  // the first entry is used later than the others
    cache.Expire(5, 10999);
    EXPECT_EQ(cache.GetCount(), 1);
    cache.Expire(5, 11001);  // looked at no more often than every 5 ms
    EXPECT_EQ(cache.GetCount(), 1);
    cache.Expire(5, 11004);
    EXPECT_EQ(cache.GetCount(), 0);
}

TEST(ScreenCache, ANewRangeStopsBeforeEntriesAndFoldsBelowAndReachesBack)
{
    CKTSyntaxEditScreenCache cache;
    cache.Add(50, 60, CKTLexBlockChain(), 0);
    int nStart = 0, nEnd = 0;
    cache.ChooseRange(10, 20, {}, nStart, nEnd);
    EXPECT_EQ(nStart, 10);
    EXPECT_EQ(nEnd, 31);
    cache.ChooseRange(45, 20, {}, nStart, nEnd);
    EXPECT_EQ(nEnd, 49);
    EXPECT_EQ(nStart, 24);
    cache.ChooseRange(70, 20, {75}, nStart, nEnd);
    EXPECT_EQ(nEnd, 75);
    EXPECT_EQ(nStart, 61);  // reaches back, but not into the entry above
}
}  // namespace
