#include "ChannelTestRadio.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

TEST(ChannelTableFrequencyTest, ReceiveFrequencyCreatesVhfChannelWithDefaultsAndBothBits)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    std::string text = "151.8225";
    EXPECT_EQ(radio.table.SetFrequency(2, kReceive, text), ChannelTable::kStored);
    EXPECT_EQ(text, "151.82250");
    const ChannelTestRadio::Record expected{0x50, 0x22, 0x18, 0x15, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x3F, 0x30, 0xF8};
    EXPECT_EQ(radio.RecordOf(2), expected); // receive step 0 (2.5 kHz), transmit step 3 (none)
    EXPECT_EQ(radio.state.image[380], 0x04);
    EXPECT_EQ(radio.state.image[382], 0x04);
    EXPECT_TRUE(radio.prompter.asked.empty());
}

TEST(ChannelTableFrequencyTest, ReceiveFrequencyCreatesUhfChannelWithUhfDefaults)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrUhf, 0x85);
    radio.Store(0, "462.5625");
    const ChannelTestRadio::Record expected{0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xAF, 0xB0, 0xF8};
    EXPECT_EQ(radio.RecordOf(0), expected);
}

TEST(ChannelTableFrequencyTest, NewChannelStartsFromAnEmptyRecordWhateverWasLeftInIt)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    radio.SetByte(1, 4, 0x00); // leftovers of a damaged image behind an empty first byte
    radio.SetByte(1, 9, 0x02);
    radio.Store(1, "151.8");
    EXPECT_FALSE(radio.table.HasTransmit(1));
    EXPECT_EQ(radio.Byte(1, 9), 0xFF);
}

TEST(ChannelTableFrequencyTest, TransmitFrequencyStoresItsStepAndEmptyTextRemovesIt)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    radio.Store(0, "151.8225");
    EXPECT_EQ(radio.Store(0, "151.8125", kTransmit), ChannelTable::kStored);
    EXPECT_EQ(radio.Byte(0, 14), 0x20); // receive 0, transmit 2 (6.25 kHz)
    EXPECT_EQ(radio.Store(0, "", kTransmit), ChannelTable::kCleared);
    EXPECT_FALSE(radio.table.HasTransmit(0));
    EXPECT_EQ(radio.Byte(0, 14), 0x30);
    EXPECT_TRUE(radio.table.IsProgrammed(0));
}

TEST(ChannelTableFrequencyTest, RefusesWhatWouldNotBeAChannelOfTheModel)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    const ImageBytes before = radio.state.image;
    std::string text = "151.8";
    EXPECT_EQ(radio.StoreTyped(3, kTransmit, text), ChannelTable::kRefused); // no channel yet
    EXPECT_EQ(radio.StoreTyped(8, kReceive, text), ChannelTable::kRefused);  // beyond 8 channels
    EXPECT_EQ(radio.StoreTyped(255, kReceive, text), ChannelTable::kRefused); // "no current channel"
    EXPECT_EQ(radio.StoreTyped(-1, kReceive, text), ChannelTable::kRefused);
    EXPECT_EQ(radio.StoreTyped(0, ChannelField::DecodeTone, text), ChannelTable::kRefused);
    EXPECT_EQ(radio.state.image, before);
    EXPECT_TRUE(radio.prompter.asked.empty());
}

TEST(ChannelTableFrequencyTest, OutOfBandIsWarnedAndStoredSnappedWhenFarOff)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    std::string text = "175";
    EXPECT_EQ(radio.StoreTyped(0, kReceive, text), ChannelTable::kStored);
    EXPECT_EQ(radio.Text(0, kReceive), "175.00000");
    ASSERT_EQ(radio.prompter.asked.size(), 1U);
    EXPECT_EQ(radio.prompter.asked[0].messageId, messages::common::kOutOfBandWarning);
    EXPECT_EQ(radio.prompter.asked[0].captionId, messages::common::kOutOfBandCaption);
    EXPECT_EQ(radio.prompter.asked[0].icon, Icon::Warning);
    EXPECT_EQ(radio.prompter.asked[0].buttons, Buttons::Ok);

    text = "300";
    radio.StoreTyped(0, kReceive, text);
    EXPECT_EQ(text, "174.00000");
    EXPECT_EQ(radio.prompter.asked.size(), 2U);
}

TEST(ChannelTableFrequencyTest, FirstTransmitFrequencyIsNotWarnedTwice)
{
    // The grid stores a new channel's receive text as its transmit frequency too.
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    radio.Store(0, "175");
    radio.Store(0, "175", kTransmit);
    EXPECT_EQ(radio.prompter.AskedIds(), std::vector<int>{messages::common::kOutOfBandWarning});
    radio.Store(0, "176", kTransmit);
    EXPECT_EQ(radio.prompter.AskedIds(),
              (std::vector<int>{messages::common::kOutOfBandWarning, messages::common::kOutOfBandWarning}));
}

TEST(ChannelTableFrequencyTest, EmptyReceiveEmptiesOnlyThatSlotAndReleasesItsReferences)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    for (int slot = 0; slot < 6; ++slot)
        radio.Program(slot);
    radio.state.image[ChannelTable::kPriorityChannelOffset] = 4;
    radio.state.image[ChannelTable::kFixedChannelOffset] = 4;
    int scanRefreshes = 0;
    const auto listening = radio.state.notices.Subscribe([&](const ImageNotice& notice) {
        scanRefreshes += notice.reason == ImageReason::ScanChannelsMoved;
    });

    EXPECT_EQ(radio.Store(3, ""), ChannelTable::kCleared);

    EXPECT_TRUE(radio.state.View().AllEqual(16 + 16 * 3, 16, 0xFF));
    EXPECT_EQ(radio.state.image[380], 0x37);
    EXPECT_EQ(radio.state.image[382], 0x37);
    EXPECT_EQ(radio.Text(4, kReceive), "154.00000");
    EXPECT_EQ(radio.state.image[ChannelTable::kPriorityChannelOffset], 0xFF);
    EXPECT_EQ(radio.state.image[ChannelTable::kFixedChannelOffset], 1);
    EXPECT_EQ(scanRefreshes, 2);
}

TEST(ChannelTableFrequencyTest, FreeBytesCountsTheModelsEmptySlots)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x10);
    EXPECT_EQ(radio.table.FreeBytes(), 32);
    radio.Program(0);
    EXPECT_EQ(radio.table.FreeBytes(), 16);
    radio.SetByte(5, 0, 0x50); // a record beyond the two channels, as a damaged image may hold
    radio.Program(1);
    EXPECT_EQ(radio.table.ProgrammedCount(), 3);
    EXPECT_EQ(radio.table.FreeBytes(), 0);
}

} // namespace
} // namespace qtr
