#include "core/model/RadioState.h"
#include "core/model/ModelRecordText.h"

#include "TestImages.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class RadioStateTest : public ::testing::Test {
protected:
    void SetIdentity(const std::string& code, std::uint8_t type, std::uint8_t option, std::uint8_t line)
    {
        state.image.fill(0xFF);
        state.View().SetText(440, code);
        state.image[445] = type;
        state.image[446] = option;
        state.image[447] = line;
    }
    RadioState state;
};

// The text that names a radio's and a data's model in a mismatch message.
TEST(ModelRecordTextTest, NamesModelLineBandAndChannelsOrTheBareCode)
{
    const std::pair<ModelRecord, const char*> cases[] = {
        {{'P', '8', '1', 'L', '0', 0x8B, 0xFD, 'L'}, "RB-8100L LMR (UHF), 16 Channels"},
        {{'P', '8', '1', 'L', '1', 0x8B, 0xFD, 'L'}, "RB-8100L LMR (UHF), 15 Channels"},
        {{'P', '7', '1', '0', '0', 0x15, 0xFA, 'B'}, "RB-7100 Parlane (VHF), 8 Channels"},
        {{'B', 'R', 'S', '0', '2', 0x10, 0xFA, 'B'}, "\"BRS02\""},
    };
    for (const auto& [record, text] : cases)
        EXPECT_EQ(ModelRecordText(record), text);
}

TEST_F(RadioStateTest, ChannelClassRowLetsTheModelCodeDecideFifteenOrSixteen)
{
    SetIdentity("P81L1", 0x8B, 0xFD, 'L');
    state.sixteenChannelFlag = true;
    EXPECT_EQ(state.ChannelClassRow(0x8B), 4);
    EXPECT_FALSE(state.sixteenChannelFlag);
    EXPECT_EQ(state.ChannelCount(), 15);

    SetIdentity("P81L0", 0x8B, 0xFD, 'L');
    state.sixteenChannelFlag = false;
    EXPECT_EQ(state.ChannelClassRow(0x8B), 5);
    EXPECT_TRUE(state.sixteenChannelFlag);
    EXPECT_EQ(state.ChannelCount(), 16);
}

TEST_F(RadioStateTest, ChannelClassRowOfOtherClassesSetsTheFlag)
{
    SetIdentity("P7100", 0x15, 0xFA, 'B');
    state.sixteenChannelFlag = false;
    EXPECT_EQ(state.ChannelClassRow(0x15), 1);
    EXPECT_TRUE(state.sixteenChannelFlag);
    EXPECT_EQ(state.ChannelClassRow(0x20), -1);
    EXPECT_TRUE(state.sixteenChannelFlag);
}

TEST_F(RadioStateTest, ValidateModelRecordRejectsUnknownClassesAndLines)
{
    SetIdentity("P7100", 0x10, 0xFA, 'B');
    EXPECT_TRUE(state.ValidateModelRecord(test::RecordFor(4, 0x10)));
    ModelRecord record = test::RecordFor(4, 0x10);
    record[5] = 0x20;
    EXPECT_FALSE(state.ValidateModelRecord(record));
    record = test::RecordFor(2, 0x80);
    record[7] = 'X';
    EXPECT_FALSE(state.ValidateModelRecord(record));
}

TEST_F(RadioStateTest, ModelTypeOfImageFollowsBandLineAndOption)
{
    SetIdentity("P8100", 0x85, 0xFD, 'B');
    EXPECT_EQ(state.ModelTypeOfImage(), 7);
    SetIdentity("P8100", 0x85, 0xFA, 'L');
    EXPECT_EQ(state.ModelTypeOfImage(), 2);
    SetIdentity("P7100", 0x15, 0xFD, 'Q');
    EXPECT_EQ(state.ModelTypeOfImage(), 0);
    SetIdentity("P7100", 0x45, 0xFA, 'L');
    EXPECT_EQ(state.ModelTypeOfImage(), -1);
}

TEST_F(RadioStateTest, ModelTypeOfRecordMapsCodesAndLines)
{
    EXPECT_EQ(state.ModelTypeOfRecord(test::RecordFor(6, 0x80)), 6);
    ModelRecord record = test::RecordFor(6, 0x80);
    record[7] = 'X';
    EXPECT_EQ(state.ModelTypeOfRecord(record), -1);
    state.sixteenChannelFlag = true;
    EXPECT_EQ(state.ModelTypeOfRecord(test::RecordFor(3, 0x8B, true)), 3);
    EXPECT_FALSE(state.sixteenChannelFlag);
}

TEST_F(RadioStateTest, BandFollowsTheCurrentModel)
{
    SetIdentity("P8100", 0x85, 0xFA, 'L');
    state.currentModel = test::RecordFor(2, 0x85);
    state.UpdateBand();
    EXPECT_DOUBLE_EQ(state.band.lower, 450.0);
    EXPECT_DOUBLE_EQ(state.band.upper, 470.0);
    EXPECT_EQ(state.band.flag, 1);
    state.currentModel[5] = 0x20;
    state.UpdateBand();
    EXPECT_DOUBLE_EQ(state.band.lower, 150.0);
    EXPECT_EQ(state.band.flag, -1);
}

TEST_F(RadioStateTest, RestoringASnapshotRewritesOnlyChangedBytes)
{
    state.image.fill(0x11);
    state.TakeSnapshot();
    state.image[100] = 0x22;
    state.image[200] = 0x33;
    state.RestoreSnapshot();
    EXPECT_TRUE(std::all_of(state.image.begin(), state.image.end(), [](auto b) { return b == 0x11; }));
}

TEST_F(RadioStateTest, ModifiedIsAByteComparisonWithTheSavedCopy)
{
    state.image.fill(0xFF);
    state.MarkSaved();
    EXPECT_FALSE(state.IsModified());
    state.image[20] = 0x01;
    EXPECT_TRUE(state.IsModified());
    state.image[20] = 0xFF;
    EXPECT_FALSE(state.IsModified());
}

TEST_F(RadioStateTest, WriteSixteenChannelCodeOnlyTouchesUhfLCodes)
{
    SetIdentity("P81L0", 0x8B, 0xFD, 'L');
    state.sixteenChannelFlag = false;
    state.WriteSixteenChannelCode();
    EXPECT_EQ(state.ImageModelCode(), "P81L1");
    SetIdentity("P8100", 0x85, 0xFA, 'L');
    state.WriteSixteenChannelCode();
    EXPECT_EQ(state.ImageModelCode(), "P8100");
}

} // namespace
} // namespace qtr
