#include "core/app/StatusBarText.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second)
{
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

TEST(StatusBarTextTest, DateIsMonthDayTwoDigitYear)
{
    EXPECT_EQ(DatePaneText(At(2011, 7, 1, 0, 0, 0)), "07/01/11");
    EXPECT_EQ(DatePaneText(At(2000, 12, 31, 0, 0, 0)), "12/31/00");
}

TEST(StatusBarTextTest, TimeIsTwelveHourWithMeridiem)
{
    EXPECT_EQ(TimePaneText(At(2011, 7, 1, 0, 5, 9)), "12:05:09 AM");
    EXPECT_EQ(TimePaneText(At(2011, 7, 1, 11, 59, 59)), "11:59:59 AM");
    EXPECT_EQ(TimePaneText(At(2011, 7, 1, 12, 0, 0)), "12:00:00 PM");
    EXPECT_EQ(TimePaneText(At(2011, 7, 1, 13, 5, 9)), "01:05:09 PM");
}

TEST(StatusBarTextTest, PortPane)
{
    EXPECT_EQ(PortPaneText(1), "COM1");
    EXPECT_EQ(PortPaneText(20), "COM20");
}

} // namespace
} // namespace qtr
