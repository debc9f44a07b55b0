#include "ChannelTestRadio.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelCommits.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

class ChannelCommitsTest : public testing::Test {
protected:
    std::uint8_t Image(std::size_t offset) const { return radio.state.image[offset]; }
    std::uint16_t Word(int slot, std::size_t position) const
    {
        return static_cast<std::uint16_t>(radio.Byte(slot, position) | radio.Byte(slot, position + 1) << 8);
    }

    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
    ChannelCommits commits{radio.table, radio.codec, radio.prompter};
};

TEST_F(ChannelCommitsTest, ReceiveFrequencyCreatingAGridChannelMakesItSimplex)
{
    EXPECT_EQ(radio.table.FreeBytes(), 128);
    EXPECT_EQ(commits.StoreFrequency(0, kReceive, "151.8", true), ChannelTable::kStored);
    EXPECT_EQ(radio.Text(0, kReceive), "151.80000");
    EXPECT_EQ(radio.Text(0, kTransmit), "151.80000");
    EXPECT_EQ(Image(380) & 1, 1);
    EXPECT_EQ(Image(382) & 1, 1);
    EXPECT_EQ(radio.table.FreeBytes(), 112);

    // An existing channel keeps its transmit frequency.
    commits.StoreFrequency(0, kReceive, "152", true);
    EXPECT_EQ(radio.Text(0, kTransmit), "151.80000");

    // The edit form creates receive-only channels.
    commits.StoreFrequency(1, kReceive, "153", false);
    EXPECT_FALSE(radio.table.HasTransmit(1));
    EXPECT_TRUE(radio.prompter.asked.empty());
}

TEST_F(ChannelCommitsTest, ClearingThePriorityChannelReleasesItAndMovesTheFixedChannel)
{
    radio.Program(0);
    radio.Program(1);
    radio.state.image[ChannelTable::kPriorityChannelOffset] = 2;
    radio.state.image[ChannelTable::kFixedChannelOffset] = 2;
    EXPECT_EQ(commits.StoreFrequency(1, kReceive, "", true), ChannelTable::kCleared);
    EXPECT_FALSE(radio.table.IsProgrammed(1));
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 1);
}

TEST(ChannelCommitsFixedChannelTest, AChannelOnAFifteenChannelModelBecomesTheFixedChannelWhenThereIsNone)
{
    ChannelTestRadio radio{ChannelTestRadio::kLmrUhfL, 0x8B, true};
    ChannelCommits commits{radio.table, radio.codec, radio.prompter};
    radio.state.image[ChannelTable::kFixedChannelOffset] = 0xFF;
    commits.StoreFrequency(4, kReceive, "462.5625", true);
    EXPECT_EQ(radio.state.image[ChannelTable::kFixedChannelOffset], 5);
}

TEST_F(ChannelCommitsTest, RemovingTheTransmitFrequencyDropsPttIdAndEncodeTone)
{
    radio.Program(0);
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 1;
    radio.table.SetListField(0, ChannelField::PttId, 3);
    commits.StoreToneText(0, kEncode, "D023N");
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 3);

    EXPECT_EQ(commits.StoreFrequency(0, kTransmit, "", false), ChannelTable::kCleared);
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 0);
    EXPECT_EQ(radio.Text(0, kEncode), "None");
    EXPECT_EQ(Word(0, 10), 0xFFFF);
}

TEST_F(ChannelCommitsTest, ToneTextsAreCutToSixCharactersButTheOffTextStaysOff)
{
    radio.Program(0);
    commits.StoreToneText(0, kDecode, "88.55");
    EXPECT_EQ(Word(0, 8), 885);
    commits.StoreToneText(0, kDecode, "D023N");
    EXPECT_EQ(Word(0, 8), 0x2813);

    std::vector<int> ids{messages::common::kNone, messages::common::kOff};
    radio.catalog.LoadText(ids, "^#001001023\nNinguno\n^#001001039\nApagado\n");
    EXPECT_EQ(commits.ToneToStore("Ninguno"), "Ninguno");
    commits.StoreToneText(0, kDecode, "Ninguno");
    EXPECT_EQ(Word(0, 8), 0xFFFF);
}

TEST(ParlaneCommitsTest, ParlaneEntriesStoreBothTonesAndTheToneNumber)
{
    ChannelTestRadio radio{ChannelTestRadio::kParlaneVhf, 0x15};
    ChannelCommits commits{radio.table, radio.codec, radio.prompter};
    EXPECT_EQ(commits.StoreParlaneFrequency(0, "(24) 154.60000"), ChannelTable::kStored);
    EXPECT_EQ(radio.Byte(0, 13) & 0x80, 0x80);

    const struct {
        int entry;
        std::uint16_t word;
        std::uint8_t number;
    } cases[] = {{39, 693, 39}, {40, 0x2813, 0x81}, {123, 0xA813, 0xFF}, {0, 0xFFFF, 0}};
    for (const auto& c : cases) {
        commits.StoreParlaneTone(0, c.entry);
        EXPECT_EQ(radio.Byte(0, 8) | radio.Byte(0, 9) << 8, c.word) << c.entry;
        EXPECT_EQ(radio.Byte(0, 10) | radio.Byte(0, 11) << 8, c.word) << c.entry;
        EXPECT_EQ(radio.Byte(0, 15), c.number) << c.entry;
    }
    EXPECT_EQ(commits.ToneToStore("(01) D023N"), "D023N");
    EXPECT_EQ(commits.ToneToStore("D023I"), "D023I");
    EXPECT_EQ(commits.ToneToStore("Off"), "Off");
}

TEST_F(ChannelCommitsTest, InsertResetsThePriorityChannelOnlyWhenChannelsMoved)
{
    for (int slot = 0; slot < 8; ++slot)
        radio.Program(slot);
    radio.state.image[ChannelTable::kPriorityChannelOffset] = 3;
    EXPECT_FALSE(commits.InsertChannel(0));
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 3);

    radio.Store(7, "");
    EXPECT_TRUE(commits.InsertChannel(0));
    EXPECT_FALSE(radio.table.IsProgrammed(0));
    EXPECT_EQ(radio.Text(1, kReceive), "150.00000");
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);
}

TEST_F(ChannelCommitsTest, DeleteAsksFirstAndRenumbersTheChannelsAfterIt)
{
    for (int slot = 0; slot < 4; ++slot)
        radio.Program(slot);
    radio.state.image[ChannelTable::kPriorityChannelOffset] = 1;

    radio.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(commits.DeleteChannel(1));
    EXPECT_EQ(radio.table.ProgrammedCount(), 4);
    ASSERT_EQ(radio.prompter.asked.size(), 1u);
    const Prompt& asked = radio.prompter.asked[0];
    EXPECT_EQ(asked.messageId, messages::channels::kDeleteQuestion);
    EXPECT_EQ(asked.captionId, messages::common::kWarningCaption);
    EXPECT_EQ(asked.buttons, Buttons::OkCancel);
    EXPECT_EQ(asked.icon, Icon::Warning);
    EXPECT_EQ(asked.defaultAnswer, Answer::Cancel);

    EXPECT_TRUE(commits.DeleteChannel(1));
    EXPECT_EQ(radio.table.ProgrammedCount(), 3);
    EXPECT_EQ(radio.Text(1, kReceive), "152.00000");
    EXPECT_EQ(radio.Text(2, kReceive), "153.00000");
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);

    EXPECT_FALSE(commits.DeleteChannel(5)); // an empty slot is not even asked about
    EXPECT_EQ(radio.prompter.asked.size(), 2u);
}

} // namespace
} // namespace qtr
