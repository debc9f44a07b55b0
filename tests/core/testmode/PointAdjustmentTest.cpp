#include "ScriptedPrompter.h"
#include "ScriptedTuningRadio.h"
#include "core/base/messages/Link.h"
#include "core/testmode/PointAdjustment.h"

#include <gtest/gtest.h>

namespace qtr::testmode {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kTxPowerHigh = 0;
constexpr int kQtDeviation = 3;
constexpr int kSensitivity = 7;
constexpr int kSquelchTight = 8;
constexpr int kSquelchOpen = 9;

// A procedure on a radio whose adjustment values are known, as the panel leaves it.
class PointAdjustmentTest : public testing::Test {
protected:
    PointAdjustment& Open(int item, bool wide = true)
    {
        values_.wide = wide;
        values_.tuningValuesAtStart = values_.tuningValues;
        adjustment_.emplace(commands_, values_, item);
        return *adjustment_;
    }
    int& Value(int entry) { return values_.tuningValues[static_cast<std::size_t>(entry)]; }
    int Start(int entry) const { return values_.tuningValuesAtStart[static_cast<std::size_t>(entry)]; }

    test::ScriptedTuningRadio radio_;
    test::ScriptedPrompter prompter_;
    TuningCommands commands_{radio_, prompter_};
    TestModeValues values_;
    std::optional<PointAdjustment> adjustment_;
};

TEST(MasterRangeTest, KeepsEveryOtherPointWithinItsBounds)
{
    EXPECT_EQ(MasterRange(100, {20, 240}).low, 80);
    EXPECT_EQ(MasterRange(100, {20, 240}).high, 115);
    // Points far from the master cannot push the range past a byte.
    EXPECT_EQ(MasterRange(10, {50, 60}).low, 0);
    EXPECT_EQ(MasterRange(250, {10, 20}).high, 255);
}

TEST_F(PointAdjustmentTest, TheMasterMovesOnlyAsFarAsTheOtherPointsCanFollow)
{
    for (int entry = 10; entry <= 15; ++entry)
        Value(entry) = 100;
    Value(11) = 20;
    Value(15) = 240;
    PointAdjustment& adjustment = Open(kTxPowerHigh);
    EXPECT_EQ(adjustment.Allowed(0), 80);
    EXPECT_EQ(adjustment.Allowed(255), 115);
    ASSERT_TRUE(adjustment.ChangeValue(60));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{18, 0x20, 80}));
    // Only the one command: the radio moves its other points itself, and so does the copy.
    EXPECT_EQ(Value(10), 80);
    EXPECT_EQ(Value(11), 0);
    EXPECT_EQ(Value(12), 80);
    EXPECT_EQ(Value(15), 220);
    EXPECT_EQ(adjustment.PageValue(5), 220);
}

TEST_F(PointAdjustmentTest, InNarrowModeTheMasterIsFreeAndTheShiftStopsAtTheBounds)
{
    Value(45) = 100;
    Value(46) = 250;
    Value(47) = 10;
    Value(48) = 100;
    PointAdjustment& adjustment = Open(kSensitivity, false);
    ASSERT_EQ(adjustment.Tabs().size(), 4u);
    ASSERT_TRUE(adjustment.ChangeValue(200));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{31, 0x20, 200}));
    EXPECT_EQ(Value(46), 255);
    EXPECT_EQ(Value(47), 110);
    ASSERT_TRUE(adjustment.ChangeValue(0));
    EXPECT_EQ(Value(46), 55);
    EXPECT_EQ(Value(47), 0);
}

TEST_F(PointAdjustmentTest, TheMiddlePointBecomesTheMaster)
{
    Value(23) = 50;
    Value(25) = 50;
    radio_.pointValues = {50, 40, 50, 60};
    PointAdjustment& adjustment = Open(kQtDeviation);
    ASSERT_TRUE(adjustment.ChangeTab(2));
    radio_.TakeSent();
    ASSERT_TRUE(adjustment.ChangeValue(90));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{37, 0x20, 90}));
    EXPECT_EQ(Value(25), 90);
    EXPECT_EQ(Value(23), 90);
    EXPECT_EQ(adjustment.PageValue(0), 90);
    EXPECT_EQ(adjustment.PageValue(1), 40); // no shift from the middle
}

TEST_F(PointAdjustmentTest, ATabChangeUnkeysSelectsThePointAndReadsEveryPointBack)
{
    Value(28) = 77;
    radio_.pointValues = {0, 11, 22, 33};
    PointAdjustment& adjustment = Open(2);
    ASSERT_TRUE(adjustment.ToggleTransmit());
    EXPECT_TRUE(values_.transmitting);
    ASSERT_TRUE(adjustment.ChangeTab(3));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{0x08, 0x0D, 0x08, 0x0E, 103, 0x0D, 0x07, 0x06}));
    EXPECT_FALSE(values_.transmitting);
    EXPECT_EQ(adjustment.CurrentCode(), 103);
    EXPECT_EQ(adjustment.PageValue(0), 77); // a master byte of 0 keeps the stored value
    EXPECT_EQ(adjustment.PageValue(3), 33);
    ASSERT_TRUE(adjustment.ChangeValue(34));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{103, 0x20, 34}));
    EXPECT_EQ(Value(31), 34);
}

TEST_F(PointAdjustmentTest, CancelRestoresEveryPointInTabOrderBeforeTheEnd)
{
    for (int entry = 5; entry <= 8; ++entry)
        Value(entry) = entry * 10;
    radio_.pointValues = {50, 60, 70, 80};
    PointAdjustment& adjustment = Open(kSquelchTight);
    ASSERT_TRUE(adjustment.ChangeValue(90));
    ASSERT_TRUE(adjustment.ChangeTab(1));
    ASSERT_TRUE(adjustment.ChangeValue(5));
    radio_.TakeSent();
    ASSERT_TRUE(adjustment.Restore());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{13,  0x0D, 13,  0x20, 50, 117, 0x0D, 117, 0x20, 60, 118, 0x0D,
                                        118, 0x20, 70, 119, 0x0D, 119, 0x20, 80, 119, 0x0E}));
    for (int entry = 5; entry <= 8; ++entry)
        EXPECT_EQ(Value(entry), Start(entry));
}

TEST_F(PointAdjustmentTest, SquelchOpenEndsACancelWith0x0FOnlyWhileWide)
{
    Open(kSquelchOpen).Restore();
    const Bytes wide = radio_.TakeSent();
    EXPECT_EQ(Bytes(wide.end() - 2, wide.end()), (Bytes{116, 0x0F}));
    Value(4) = 33;
    Open(kSquelchOpen, false).Restore();
    EXPECT_EQ(radio_.TakeSent(), (Bytes{12, 0x20, 33, 12, 0x0E}));
}

TEST_F(PointAdjustmentTest, OkKeepsTheValuesAndUnkeysFirst)
{
    PointAdjustment& adjustment = Open(5, false);
    ASSERT_EQ(adjustment.Tabs().size(), 1u);
    ASSERT_TRUE(adjustment.ChangeValue(140));
    ASSERT_TRUE(adjustment.ToggleTransmit());
    radio_.TakeSent();
    ASSERT_TRUE(adjustment.Keep());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{0x08, 0x0E, 26, 0x0E}));
    EXPECT_EQ(Value(42), 140);
    EXPECT_FALSE(values_.transmitting);
}

TEST_F(PointAdjustmentTest, RetryRepeatsTheCommandAndCancelLeavesTestMode)
{
    PointAdjustment& adjustment = Open(6);
    radio_.silentCommands = {0, 2};
    prompter_.answers = {Answer::Retry, Answer::Cancel};
    ASSERT_TRUE(adjustment.ChangeValue(10));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{29, 0x20, 10, 29, 0x20, 10}));
    EXPECT_FALSE(adjustment.ChangeValue(20));
    EXPECT_EQ(radio_.TakeSent(), (Bytes{29, 0x20, 20, 'E'}));
    EXPECT_EQ(Value(43), 10);
    EXPECT_EQ(prompter_.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kCommunicationFailed}));
    EXPECT_EQ(prompter_.asked.front().buttons, Buttons::RetryCancel);
}

TEST_F(PointAdjustmentTest, AFailedStepEndsACancelAtOnce)
{
    radio_.silentCommands = {1};
    prompter_.answers = {Answer::Cancel};
    EXPECT_FALSE(Open(kSquelchTight).Restore());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{13, 0x0D, 13, 0x20, 0, 'E'}));
}

TEST_F(PointAdjustmentTest, TitlesNameTheSpacingAndReceiverItemsHaveNoTransmitButton)
{
    EXPECT_EQ(Open(kTxPowerHigh).TitleSuffixId(), 0);
    EXPECT_TRUE(Open(kTxPowerHigh).OffersTransmitButton());
    EXPECT_EQ(Open(kQtDeviation).TitleSuffixId(), PointAdjustment::kWideSuffixId);
    EXPECT_EQ(Open(10, false).TitleSuffixId(), PointAdjustment::kNarrowSuffixId);
    EXPECT_EQ(Open(kSensitivity).TitleSuffixId(), 0);
    for (const int item : {kSensitivity, kSquelchTight, kSquelchOpen})
        EXPECT_FALSE(Open(item).OffersTransmitButton());
}

} // namespace
} // namespace qtr::testmode
