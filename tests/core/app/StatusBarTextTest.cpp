#include "core/app/StatusBarText.h"

#include "core/base/LanguageDate.h"
#include "core/base/MessageCatalog.h"
#include "core/report/PageFrame.h"
#include "ProgramFolder.h"

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
    EXPECT_EQ(FormatDate(At(2011, 7, 1, 0, 0, 0), "%m/%d/%y"), "07/01/11");
    EXPECT_EQ(FormatDate(At(2000, 12, 31, 0, 0, 0), "%m/%d/%y"), "12/31/00");
}

TEST(StatusBarTextTest, DatePatternTakesDayMonthYearsAndCopiesTheRest)
{
    EXPECT_EQ(FormatDate(At(2011, 7, 1, 0, 0, 0), "%d.%m.%Y"), "01.07.2011");
    EXPECT_EQ(FormatDate(At(2009, 1, 2, 0, 0, 0), "%Y年%m月%d日"), "2009年01月02日");
    EXPECT_EQ(FormatDate(At(2011, 7, 1, 0, 0, 0), "100%% %q %"), "100% %q %");
    EXPECT_EQ(FormatDate(At(2011, 7, 1, 0, 0, 0), ""), "");
}

// Each language file holds its own date pattern; the pane and printed pages follow the loaded one.
TEST(StatusBarTextTest, DateFollowsTheLanguageOfTheCatalogue)
{
    const struct {
        int language;
        const char* date;
    } expected[] = {
        {MessageCatalog::kEnglish, "07/01/11"}, {MessageCatalog::kSpanish, "01/07/11"},
        {MessageCatalog::kChinese, "2011/07/01"}};
    MessageCatalog catalog;
    catalog.SetFolder(test::ProgramFolder());
    for (const auto& language : expected) {
        std::vector<int> ids = MessageCatalog::ProgramMessages();
        ASSERT_EQ(catalog.LoadLanguage(ids, language.language), MessageCatalog::kLoaded);
        EXPECT_EQ(LanguageDate(At(2011, 7, 1, 13, 5, 9), catalog), language.date) << language.language;
        EXPECT_EQ(report::PrintedDateTime(At(2011, 7, 1, 13, 5, 9), catalog), std::string(language.date) + " 13:05:09");
    }
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
