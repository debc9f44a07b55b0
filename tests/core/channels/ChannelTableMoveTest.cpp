#include "ChannelTestRadio.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

class ChannelTableMoveTest : public testing::Test {
protected:
    // Slots 0 to count - 1 programmed on an 8-channel LMR VHF model; slot 2 is not scanned.
    void ProgramSlots(int count)
    {
        for (int slot = 0; slot < count; ++slot)
            radio.Program(slot);
        radio.table.SetScanAdd(2, false);
    }
    std::uint8_t Image(std::size_t offset) const { return radio.state.image[offset]; }

    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
};
using ChannelTableReferenceTest = ChannelTableMoveTest;

TEST_F(ChannelTableMoveTest, InsertMovesRecordsAndBothBitsUp)
{
    ProgramSlots(7);
    const auto second = radio.RecordOf(1);
    radio.table.InsertChannel(1);

    EXPECT_TRUE(radio.state.View().AllEqual(16 + 16, 16, 0xFF));
    EXPECT_EQ(radio.RecordOf(2), second);
    EXPECT_EQ(radio.Text(7, kReceive), "156.00000");
    EXPECT_EQ(Image(380), 0xFD);
    EXPECT_EQ(Image(382), 0xF5); // slot 2's missing scan-add bit moved to slot 3
}

TEST_F(ChannelTableMoveTest, InsertDoesNothingWithoutRoomOrWithNothingToMove)
{
    ProgramSlots(8);
    ImageBytes before = radio.state.image;
    radio.table.InsertChannel(0);
    EXPECT_EQ(radio.state.image, before);

    radio.Store(7, "");
    radio.Store(6, "");
    before = radio.state.image;
    radio.table.InsertChannel(6);
    EXPECT_EQ(radio.state.image, before);
}

TEST_F(ChannelTableMoveTest, DeleteClosesTheGapWithBothBits)
{
    ProgramSlots(5);
    const auto fourth = radio.RecordOf(3);
    radio.table.DeleteChannel(1);

    EXPECT_EQ(radio.RecordOf(2), fourth);
    EXPECT_EQ(radio.Text(1, kReceive), "152.00000");
    EXPECT_FALSE(radio.table.IsProgrammed(4));
    EXPECT_EQ(Image(380), 0x0F);
    EXPECT_EQ(Image(382), 0x0D); // old slot 2, unscanned, is now slot 1
}

// The fixed channel follows the channel it names through a move.
TEST_F(ChannelTableMoveTest, DeleteAndInsertKeepTheFixedChannelOnItsChannel)
{
    ProgramSlots(4);
    radio.state.image[ChannelTable::kFixedChannelOffset] = 4;
    radio.table.DeleteChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 3);

    radio.table.InsertChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 4);

    radio.state.image[ChannelTable::kFixedChannelOffset] = 3;
    radio.table.DeleteChannel(3);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 3);
}

TEST_F(ChannelTableMoveTest, TheFixedChannelFollowsItsChannelAcrossDeleteAndInsert)
{
    ProgramSlots(3);
    radio.state.image[ChannelTable::kFixedChannelOffset] = 3;
    radio.table.DeleteChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 2); // the old channel 3
    radio.table.InsertChannel(1);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 3);
    radio.table.DeleteChannel(5); // beyond it
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 3);
    radio.table.DeleteChannel(1); // an empty slot before it
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 2);
}

TEST_F(ChannelTableMoveTest, DeletingTheFixedChannelsOwnChannelGivesTheLowestProgrammedOne)
{
    ProgramSlots(3);
    radio.state.image[ChannelTable::kFixedChannelOffset] = 1;
    radio.table.DeleteChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 1); // the old channel 2 is now first

    radio.table.ClearChannel(0);
    radio.state.image[ChannelTable::kFixedChannelOffset] = 2;
    radio.table.DeleteChannel(1);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 0xFF); // no channel left
}

TEST_F(ChannelTableMoveTest, AFixedChannelOnAnEmptySlotBecomesTheLowestAndNoneStaysNone)
{
    radio.Program(2);
    radio.Program(4);
    radio.state.image[ChannelTable::kFixedChannelOffset] = 2; // slot 1 is empty
    radio.table.InsertChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 4); // the old channel 3, now 4

    radio.state.image[ChannelTable::kFixedChannelOffset] = 0xFF;
    radio.table.DeleteChannel(0);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 0xFF);
}

TEST_F(ChannelTableMoveTest, CopyTakesRecordAndScanAddButNotOntoItself)
{
    ProgramSlots(5);
    const ImageBytes before = radio.state.image;
    EXPECT_EQ(radio.table.CopyChannel(2, 2), ChannelTable::kRefused);
    EXPECT_EQ(radio.table.CopyChannel(2, 8), ChannelTable::kRefused); // beyond the model
    EXPECT_EQ(radio.state.image, before);

    EXPECT_EQ(radio.table.CopyChannel(2, 4), ChannelTable::kStored);
    EXPECT_EQ(radio.RecordOf(4), radio.RecordOf(2));
    EXPECT_FALSE(radio.table.ScanAdd(4));

    EXPECT_EQ(radio.table.CopyChannel(1, 6), ChannelTable::kStored);
    EXPECT_TRUE(radio.table.IsProgrammed(6));
    EXPECT_TRUE(radio.table.ScanAdd(6));
}

TEST_F(ChannelTableReferenceTest, ReleaseReferencesFreesPriorityAndMovesFixedToLowestChannel)
{
    ProgramSlots(3);
    int scanRefreshes = 0;
    const auto listening = radio.state.notices.Subscribe([&](const ImageNotice& notice) {
        scanRefreshes += notice.reason == ImageReason::ScanChannelsMoved;
    });
    radio.state.image[ChannelTable::kPriorityChannelOffset] = 2;
    radio.state.image[ChannelTable::kFixedChannelOffset] = 1;

    radio.table.ClearChannel(0);
    radio.table.References().ReleaseReferences(0);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 2);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 2);
    EXPECT_EQ(scanRefreshes, 1);

    radio.table.ClearChannel(1);
    radio.table.ClearChannel(2);
    radio.table.References().ReleaseReferences(1);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);
    EXPECT_EQ(Image(ChannelTable::kFixedChannelOffset), 0xFF);
}

TEST(ChannelTableReferenceModelTest, NewChannelOnFifteenChannelModelBecomesFixedWhenThereIsNone)
{
    ChannelTestRadio fifteen(ChannelTestRadio::kLmrUhfL, 0x8B, true);
    fifteen.Program(2);
    fifteen.Program(5);
    fifteen.table.References().AssignFixedChannelWhenNone();
    EXPECT_EQ(fifteen.state.image[ChannelTable::kFixedChannelOffset], 3);
    fifteen.Program(0);
    fifteen.table.References().AssignFixedChannelWhenNone();
    EXPECT_EQ(fifteen.state.image[ChannelTable::kFixedChannelOffset], 3);

    ChannelTestRadio sixteen(ChannelTestRadio::kLmrUhfL, 0x8B);
    sixteen.Program(2);
    sixteen.table.References().AssignFixedChannelWhenNone();
    EXPECT_EQ(sixteen.state.image[ChannelTable::kFixedChannelOffset], 0xFF);
}

TEST_F(ChannelTableReferenceTest, PriorityChannelCheckNeedsPriorityModeAndUnchecksOnlyItself)
{
    ProgramSlots(3);
    radio.state.image[ChannelTable::kPriorityModeOffset] = 0;
    radio.table.SetCheckField(1, ChannelField::PriorityChannel, true);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);

    radio.state.image[ChannelTable::kPriorityModeOffset] = 1;
    int scanRefreshes = 0;
    const auto listening = radio.state.notices.Subscribe([&](const ImageNotice& notice) {
        scanRefreshes += notice.reason == ImageReason::ScanChannelsMoved;
    });
    radio.table.SetCheckField(1, ChannelField::PriorityChannel, true);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 2);
    EXPECT_EQ(radio.texts.FormatField(1, ChannelField::PriorityChannel).value, 1);
    EXPECT_EQ(scanRefreshes, 1);

    radio.table.SetCheckField(0, ChannelField::PriorityChannel, false);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 2);
    radio.table.SetCheckField(1, ChannelField::PriorityChannel, false);
    EXPECT_EQ(Image(ChannelTable::kPriorityChannelOffset), 0xFF);
    EXPECT_EQ(scanRefreshes, 2);
}

} // namespace
} // namespace qtr
