// CString::LoadString from the string table of the running module.
#include "afx.h"
#include "test_support.h"

TEST(LoadStringTest, ShortLongAndMissingStrings)
{
    CString str;
    ASSERT_TRUE(str.LoadString(101));
    EXPECT_STREQ("Short text", str);
    ASSERT_TRUE(str.LoadString(102));
    EXPECT_GT(str.GetLength(), 255);
    EXPECT_EQ(str.GetLength() - 3, str.Find("end"));
    str = "unchanged";
    EXPECT_FALSE(str.LoadString(999));
    EXPECT_STREQ("unchanged", str);
}
