#include "core/channels/TestFrequencyTable.h"

#include "ScriptedPrompter.h"
#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Column = TestFrequencyTable::Column;

class TestFrequencyTableTest : public ::testing::Test {
protected:
    void UseModel(int type, std::uint8_t typeByte) { test::StartWithModel(state, test::RecordFor(type, typeByte)); }

    RadioState state;
    MessageCatalog catalog;
    FrequencyCodec codec{state, catalog};
    test::ScriptedPrompter prompter;
    TestFrequencyTable table{state, codec, prompter};
};

TEST_F(TestFrequencyTableTest, StepRulePrefersTheNearestStepThenTheEarlierOne)
{
    EXPECT_EQ(TestFrequencyTable::TestStepRule(15182130, true).units, 15182250);
    EXPECT_EQ(TestFrequencyTable::TestStepRule(15182130, true).code, 3u);
    EXPECT_EQ(TestFrequencyTable::TestStepRule(15182000, true).code, 1u);
    EXPECT_EQ(TestFrequencyTable::TestStepRule(46256250, false).code, 2u);
    // 5, 7.5 and 2.5 kHz all lie 125 units away (2.5 kHz by rounding an exact half down): 5 kHz comes first.
    EXPECT_EQ(TestFrequencyTable::TestStepRule(15182125, true).units, 15182000);
    EXPECT_EQ(TestFrequencyTable::TestStepRule(15182125, true).code, 1u);
    // 7.5 kHz is never chosen on UHF.
    EXPECT_NE(TestFrequencyTable::TestStepRule(46258125 - 5, false).code, 3u);
}

TEST_F(TestFrequencyTableTest, ReceiveIntoAnEmptyEntryFillsTransmitToo)
{
    UseModel(0, 0x15);
    const auto result = table.Commit(7, Column::Receive, "151.8213", "");
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(table.Text(7, Column::Receive), "151.82250");
    EXPECT_EQ(table.Text(7, Column::Transmit), "151.82250");
    EXPECT_EQ(table.StepByte(7), 0x33);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(TestFrequencyTableTest, TransmitKeepsReceiveAndSetsTheLowNibble)
{
    UseModel(2, 0x80);
    state.image[480] = 0xFF;
    table.Commit(0, Column::Transmit, "462.5625", "460.10000");
    EXPECT_EQ(table.Text(0, Column::Receive), "460.05000");
    EXPECT_EQ(table.Text(0, Column::Transmit), "462.56250");
    EXPECT_EQ(table.StepByte(0) & 0x0F, 2);
}

TEST_F(TestFrequencyTableTest, OutOfBandIsWarnedAndStored)
{
    UseModel(0, 0x10);
    table.Commit(8, Column::Receive, "300", "");
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::common::kOutOfBandWarning});
    EXPECT_EQ(prompter.asked[0].captionId, messages::common::kWarningCaption);
    EXPECT_EQ(table.Text(8, Column::Receive), "174.00000");
}

TEST_F(TestFrequencyTableTest, EmptyingACellClearsTheWholeEntry)
{
    UseModel(0, 0x10);
    const auto result = table.Commit(1, Column::Transmit, "", "150.10000");
    EXPECT_FALSE(result.defaultsRestored);
    EXPECT_EQ(table.Text(1, Column::Receive), "");
    EXPECT_EQ(table.StepByte(1), 0xFF);
}

TEST_F(TestFrequencyTableTest, ClearingTheLastEntryBringsBackTheDefaults)
{
    UseModel(0, 0x10);
    for (int entry = 1; entry < 6; ++entry)
        table.Commit(entry, Column::Receive, "", "x");
    const auto result = table.Commit(0, Column::Receive, "", "162.05000");
    EXPECT_TRUE(result.defaultsRestored);
    EXPECT_EQ(table.Text(0, Column::Receive), "162.05000");
    EXPECT_EQ(table.Text(5, Column::Transmit), "162.40000");
}

TEST_F(TestFrequencyTableTest, UnchangedTextIsNotAChange)
{
    UseModel(0, 0x10);
    EXPECT_FALSE(table.Commit(0, Column::Receive, "162.05000", "162.05000").changed);
}

} // namespace
} // namespace qtr
