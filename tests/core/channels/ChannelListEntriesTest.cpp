#include "ChannelTestRadio.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelListEntries.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

TEST(ChannelListEntriesTest, ParlaneFrequencyListShowsTheEntryTheChannelChose)
{
    ChannelTestRadio radio{ChannelTestRadio::kParlaneVhf, 0x15};
    const ChannelListEntries entries{radio.table, radio.codec};
    const auto list = entries.ParlaneFrequencyEntries();
    ASSERT_EQ(list.size(), 28u);
    EXPECT_EQ(list[0], "(0) Off");
    EXPECT_EQ(list[24], "(24) 154.60000");

    EXPECT_EQ(entries.ParlaneFrequencyEntry(0), 0);
    radio.table.SetParlaneFrequency(0, "(24) 154.60000");
    EXPECT_EQ(entries.ParlaneFrequencyEntry(0), 24);
    radio.table.SetParlaneFrequency(0, "(04) 154.60000");
    EXPECT_EQ(entries.ParlaneFrequencyEntry(0), 4);
    radio.Store(0, "155.5");
    EXPECT_EQ(entries.ParlaneFrequencyEntry(0), ChannelListEntries::kNoEntry);
}

TEST(ChannelListEntriesTest, ToneEntriesFollowTheModelsToneOrder)
{
    ChannelTestRadio lmr{ChannelTestRadio::kLmrVhf, 0x15};
    const ChannelListEntries lmrEntries{lmr.table, lmr.codec};
    EXPECT_EQ(lmrEntries.ToneEntry("None"), 0);
    EXPECT_EQ(lmrEntries.ToneEntry("69.3"), 2);
    EXPECT_EQ(lmrEntries.ToneEntry("D023N"), 40);
    EXPECT_EQ(lmrEntries.ToneEntry("88.6"), ChannelListEntries::kNoEntry);

    ChannelTestRadio parlane{ChannelTestRadio::kParlaneVhf, 0x15};
    const ChannelListEntries parlaneEntries{parlane.table, parlane.codec};
    EXPECT_EQ(parlaneEntries.ToneEntry("Off"), 0);
    EXPECT_EQ(parlaneEntries.ToneEntry("69.3"), 39);
    EXPECT_EQ(parlaneEntries.ToneEntry("D023I"), 123);
}

TEST(ChannelListEntriesTest, ValueEntryFindsTheEntryCarryingTheValue)
{
    const ValueList txPower{{messages::common::kHigh, 1}, {messages::common::kLow, 0}};
    EXPECT_EQ(ChannelListEntries::ValueEntry(txPower, 0), 1);
    EXPECT_EQ(ChannelListEntries::ValueEntry(txPower, 2), ChannelListEntries::kNoEntry);
}

} // namespace
} // namespace qtr
