// CTime: calendar fields, formatting and ordering in local time.
#include "afx.h"
#include "test_support.h"

TEST(CTimeTest, FieldsRoundTripThroughTheCalendar)
{
    CTime leapDay(2024, 2, 29, 12, 30, 15);
    EXPECT_EQ(2024, leapDay.GetYear());
    EXPECT_EQ(2, leapDay.GetMonth());
    EXPECT_EQ(29, leapDay.GetDay());
    EXPECT_EQ(12, leapDay.GetHour());
    EXPECT_EQ(30, leapDay.GetMinute());
    EXPECT_EQ(15, leapDay.GetSecond());
    EXPECT_EQ(5, leapDay.GetDayOfWeek());  // a Thursday
    EXPECT_STREQ("2024-02-29 12:30:15", leapDay.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_LT(leapDay, CTime(2024, 3, 1, 0, 0, 0));
    EXPECT_EQ(leapDay, CTime(leapDay.GetTime()));
    EXPECT_GT(CTime::GetCurrentTime(), leapDay);
}
