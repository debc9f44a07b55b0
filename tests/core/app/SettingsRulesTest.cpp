#include "core/app/SettingsRules.h"

#include <gtest/gtest.h>

#include "core/base/MemorySettingsStore.h"

namespace qtr {
namespace {

TEST(LastModelTest, RoundTripsAndPrintsTheFifthByteWithOneDigitAtLeast)
{
    const ModelRecord record{'P', '7', '1', '0', 0x05, 0x10, 0xFA, 'B'};
    EXPECT_EQ(FormatLastModel(record), "50:37:31:30:5:10:FA:42");
    EXPECT_EQ(ParseLastModel(FormatLastModel(record)), record);
}

TEST(LastModelTest, AcceptsWhatTheScanfReadingAccepted)
{
    const ModelRecord expected{'P', '7', '1', '0', '0', 0x10, 0xFA, 'B'};
    EXPECT_EQ(ParseLastModel("50:37:31:30:30:10:FA:42"), expected);
    EXPECT_EQ(ParseLastModel("50:37:31:30:30:10:fa:42"), expected);
    EXPECT_EQ(ParseLastModel(" 50: 37:31:30:30:10:FA:42"), expected);
    EXPECT_EQ(ParseLastModel("50:37:31:30:30:10:FA:423 and more"), expected);
}

TEST(LastModelTest, RefusesAnythingShortOfEightFields)
{
    for (const char* text : {"", "50:37:31:30:30:10:FA", "50:37:31:30:30:10:FA:", "50:37:31:30:30:10:FA:G2",
                             "500:37:31:30:30:10:FA:42", "50;37:31:30:30:10:FA:42", "50 :37:31:30:30:10:FA:42",
                             "-1:37:31:30:30:10:FA:42", "0x5:37:31:30:30:10:FA:42"})
        EXPECT_FALSE(ParseLastModel(text)) << text;
}

TEST(StoredNumbersTest, ComPortAndLanguageAreRepairedToOne)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadComPort(store), 1);
    EXPECT_EQ(ReadLanguage(store), 1);
    const auto port = [&store](const char* value) {
        store.WriteText(settings::kBackupSection, settings::kComPort, value);
        return ReadComPort(store);
    };
    EXPECT_EQ(port("5"), 5);
    EXPECT_EQ(port("20"), 20);
    EXPECT_EQ(port("21"), 1);
    EXPECT_EQ(port("0"), 1);
    EXPECT_EQ(port("-3"), 1);
    EXPECT_EQ(port("COM2"), 1);
    const auto language = [&store](const char* value) {
        store.WriteText("BackUp", "language", value);
        return ReadLanguage(store);
    };
    EXPECT_EQ(language("3"), 3);
    EXPECT_EQ(language("7"), 1);
    EXPECT_EQ(language("0"), 1);
    EXPECT_EQ(language("258"), 2) << "only the low byte counts";
    EXPECT_EQ(language("256"), 1);
}

TEST(LastWinPosTest, RoundTripsTenIntegers)
{
    const WindowPlacement placement{2, 3, -1, -1, -8, -31, 100, 50, 1380, 900};
    EXPECT_EQ(FormatLastWinPos(placement), "2:3:-1:-1:-8:-31:100:50:1380:900");
    EXPECT_EQ(ParseLastWinPos(FormatLastWinPos(placement)), placement);
}

TEST(LastWinPosTest, ReadsEachNumberAsPercentIDoes)
{
    const WindowPlacement expected{16, 8, -16, 3, 0, 0, 10, 20, 2147483647, -2147483647 - 1};
    EXPECT_EQ(ParseLastWinPos("0x10:010:-0X10:+3:0:-0: 10:20:2147483647:-2147483648tail"), expected);
}

TEST(LastWinPosTest, RefusesMissingOrOversizedNumbers)
{
    for (const char* text : {"", "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8:9:", "1:2:3:4:5:6:7:8:9:x", "1:2:3:4:5:6:7:8:09:10",
                             "1:2:3:4:5:6:7:8:9:2147483648", "1:2:3:4:5:6:7:8:9:99999999999999999999"})
        EXPECT_FALSE(ParseLastWinPos(text)) << text;
}

} // namespace
} // namespace qtr
