// ListCaptionTests.cpp: numbered captions of generated menu items.
#include "KTControlWindowList.h"

#include <gtest/gtest.h>

TEST(ListCaption, NumbersBecomeAccessKeysUpToTenAndAmpersandsStayText)
{
    EXPECT_EQ(CString("&1 a&&b.kpd"), CKTControlWindowList::ConstructCaption("a&b.kpd", 1));
    EXPECT_EQ(CString("&9 x"), CKTControlWindowList::ConstructCaption("x", 9));
    EXPECT_EQ(CString("1&0 x"), CKTControlWindowList::ConstructCaption("x", 10));
    EXPECT_EQ(CString("11 x"), CKTControlWindowList::ConstructCaption("x", 11));
    EXPECT_EQ(CString("Tom && Jerry"), CKTControlWindowList::ConstructCaption("Tom & Jerry", 0));
}
