#include "ChannelTestRadio.h"

#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

class ChannelTableParlaneTest : public testing::Test {
protected:
    ChannelTestRadio radio{ChannelTestRadio::kParlaneVhf, 0x15};
};

TEST_F(ChannelTableParlaneTest, SecondDuplicateEntrySurvivesChannelCreation)
{
    EXPECT_EQ(radio.table.SetParlaneFrequency(0, "(24) 154.60000"), ChannelTable::kStored);
    EXPECT_EQ(radio.Text(0, kReceive), "154.60000");
    EXPECT_EQ(radio.Text(0, kTransmit), "154.60000");
    EXPECT_EQ(radio.Byte(0, 13) & 0x80, 0x80);
    EXPECT_EQ(radio.texts.DecoratedFrequency(0, kReceive), "(24) 154.60000");
    EXPECT_EQ(radio.texts.DecoratedFrequency(0, kTransmit), "(24) 154.60000");

    radio.table.SetParlaneFrequency(0, "(04) 154.60000");
    EXPECT_EQ(radio.Byte(0, 13) & 0x80, 0x00);
    EXPECT_EQ(radio.texts.DecoratedFrequency(0, kReceive), "(04) 154.60000");
}

TEST_F(ChannelTableParlaneTest, NewChannelStartsWithToneNumberOff)
{
    radio.table.SetParlaneFrequency(0, "(01) 151.62500");
    EXPECT_EQ(radio.Byte(0, 15), 0x00);
}

TEST_F(ChannelTableParlaneTest, OffEntryEmptiesTheChannel)
{
    radio.table.SetParlaneFrequency(0, "(01) 151.62500");
    EXPECT_EQ(radio.table.SetParlaneFrequency(0, "(0) Off"), ChannelTable::kCleared);
    EXPECT_FALSE(radio.table.IsProgrammed(0));
    EXPECT_EQ(radio.state.image[380], 0x00);
    EXPECT_EQ(radio.texts.DecoratedFrequency(0, kReceive), "(0) Off");
}

TEST_F(ChannelTableParlaneTest, RestrictedFrequencyFixesTxPowerLow)
{
    radio.table.SetParlaneFrequency(0, "(07) 151.82000");
    EXPECT_EQ(radio.Byte(0, 13) & 0x20, 0x00);
    EXPECT_TRUE(radio.table.HasRestrictedPower(0));
    EXPECT_EQ(radio.table.ValueList(ChannelField::TxPower, 0), (ValueList{{messages::common::kLow, 0}}));
    EXPECT_EQ(radio.texts.FormatField(0, ChannelField::TxPower).messageId, messages::common::kLow);

    radio.table.SetParlaneFrequency(0, "(06) 151.76000");
    EXPECT_FALSE(radio.table.HasRestrictedPower(0));
    EXPECT_EQ(radio.table.ValueList(ChannelField::TxPower, 0),
              (ValueList{{messages::common::kHigh, 1}, {messages::common::kLow, 0}}));
}

TEST_F(ChannelTableParlaneTest, ToneNumberByteFollowsTheListEntry)
{
    radio.table.SetParlaneFrequency(0, "(01) 151.62500");
    radio.table.SetToneNumber(0, 39);
    EXPECT_EQ(radio.Byte(0, 15), 39);
    radio.table.SetToneNumber(0, 40);
    EXPECT_EQ(radio.Byte(0, 15), 0x81);
    radio.table.SetToneNumber(0, 123);
    EXPECT_EQ(radio.Byte(0, 15), 0xFF);
    radio.table.SetListField(0, ChannelField::AutodialMemory, 0); // not a Parlane field
    EXPECT_EQ(radio.Byte(0, 15), 0xFF);
}

TEST(ChannelTableLmrTest, ParlaneOnlyRulesLeaveLmrChannelsAlone)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    radio.Store(0, "151.82");
    radio.table.ApplyPowerRestriction(0, "151.82000");
    radio.table.SelectDuplicateEntry(0, "(24) 154.60000");
    radio.table.SetToneNumber(0, 5);
    EXPECT_EQ(radio.Byte(0, 13), 0x3F);
    EXPECT_EQ(radio.Byte(0, 15), 0xF8);
    EXPECT_FALSE(radio.table.HasRestrictedPower(0));
}

TEST(ChannelTableParlaneUhfTest, FourthUhfEntryIsNotMistakenForTheDuplicate)
{
    ChannelTestRadio radio(ChannelTestRadio::kParlaneUhf, 0x85);
    radio.table.SetParlaneFrequency(0, "(04) 467.81250");
    EXPECT_EQ(radio.Byte(0, 13), 0xAF); // a new UHF channel keeps the selector bit set
    EXPECT_EQ(radio.texts.DecoratedFrequency(0, kReceive), "(04) 467.81250");
}

} // namespace
} // namespace qtr
