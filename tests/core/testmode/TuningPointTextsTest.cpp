#include "core/testmode/TuningPointTexts.h"

#include <gtest/gtest.h>

namespace qtr::testmode {
namespace {

TEST(TuningPointTextsTest, FrequenciesComeFromTheBandCodeOfTheTypeByte)
{
    const auto vhfMaster = TuningPointFrequencies(0x1B, TuningTab::Master);
    EXPECT_EQ(vhfMaster.rx, "162.05000");
    EXPECT_EQ(vhfMaster.tx, "162.10000");
    EXPECT_EQ(TuningPointFrequencies(0x1B, TuningTab::Middle).rx, "162.05000");
    EXPECT_EQ(TuningPointFrequencies(0x05, TuningTab::LowMiddle).rx, "145.55000");
    const auto uhfHigh = TuningPointFrequencies(0x85, TuningTab::High);
    EXPECT_EQ(uhfHigh.rx, "469.95000");
    EXPECT_EQ(uhfHigh.tx, "469.90000");
    EXPECT_EQ(TuningPointFrequencies(0x70, TuningTab::HighMiddle).tx, "501.60000");
    EXPECT_EQ(TuningPointFrequencies(0x40, TuningTab::Low).tx, "400.10000");
}

TEST(TuningPointTextsTest, FrequenciesAreEmptyForBandsTheTableDoesNotKnow)
{
    for (const std::uint8_t type : {0x90, 0x9B, 0xA0, 0xF5}) {
        const auto points = TuningPointFrequencies(type, TuningTab::Master);
        EXPECT_TRUE(points.rx.empty());
        EXPECT_TRUE(points.tx.empty());
    }
}

} // namespace
} // namespace qtr::testmode
