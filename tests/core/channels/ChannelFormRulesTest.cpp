#include "ChannelTestRadio.h"
#include "core/base/messages/Channels.h"
#include "core/channels/ChannelFormRules.h"
#include "core/channels/ChannelNumberRange.h"

#include <gtest/gtest.h>

#include <set>

namespace qtr {
namespace {

using test::ChannelTestRadio;
using Control = ChannelFormRules::Control;

std::set<int> EnabledRows(const ChannelFormRules& rules, int slot)
{
    std::set<int> rows;
    for (int row = 0; row < ChannelFormRules::kRowCount; ++row)
        if (rules.RowEnabled(row, slot))
            rows.insert(row);
    return rows;
}

class ChannelFormRulesTest : public testing::Test {
protected:
    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
    ChannelFormRules rules{radio.table, radio.state};
};

TEST_F(ChannelFormRulesTest, RowsOpenUpAsTheChannelGetsItsFrequencies)
{
    EXPECT_EQ(EnabledRows(rules, 0), (std::set<int>{0, 1}));
    radio.Store(0, "151.8");
    EXPECT_EQ(EnabledRows(rules, 0), (std::set<int>{0, 1, 2, 3, 5, 6, 8, 12, 13, 15}));
    radio.Store(0, "151.8", ChannelField::TransmitFrequency);
    EXPECT_EQ(EnabledRows(rules, 0), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15}));
}

TEST_F(ChannelFormRulesTest, PriorityChannelNeedsPriorityModeOneAndAChannel)
{
    radio.state.image[ChannelTable::kPriorityModeOffset] = 1;
    EXPECT_FALSE(rules.RowEnabled(14, 0));
    radio.Store(0, "151.8");
    EXPECT_TRUE(rules.RowEnabled(14, 0));
    for (std::uint8_t mode : {0, 2, 0xFF}) {
        radio.state.image[ChannelTable::kPriorityModeOffset] = mode;
        EXPECT_FALSE(rules.RowEnabled(14, 0)) << int(mode);
    }
}

TEST_F(ChannelFormRulesTest, LmrLayoutShowsEveryRowWithEditsAndToneLists)
{
    for (int row = 0; row < ChannelFormRules::kRowCount; ++row)
        EXPECT_TRUE(rules.RowShown(row)) << row;
    EXPECT_EQ(rules.ControlOf(0), Control::ChannelNumber);
    EXPECT_EQ(rules.ControlOf(2), Control::FrequencyEdit);
    EXPECT_EQ(rules.ControlOf(4), Control::LmrToneList);
    EXPECT_EQ(rules.ControlOf(11), Control::FieldList);
    EXPECT_EQ(rules.ControlOf(14), Control::CheckBox);
    EXPECT_EQ(ChannelFormRules::LabelMessage(5), messages::channels::kOptionSignalling);
    EXPECT_EQ(ChannelFormRules::LabelMessage(15), messages::channels::kCompander);
}

TEST(ParlaneFormRulesTest, ParlaneLayoutHidesLmrRowsAndMirrorsTransmitAndEncode)
{
    ChannelTestRadio radio{ChannelTestRadio::kParlaneVhf, 0x15};
    const ChannelFormRules rules{radio.table, radio.state};
    std::set<int> hidden;
    for (int row = 0; row < ChannelFormRules::kRowCount; ++row)
        if (!rules.RowShown(row))
            hidden.insert(row);
    EXPECT_EQ(hidden, (std::set<int>{5, 6, 10, 11, 14}));
    EXPECT_EQ(rules.ControlOf(1), Control::ParlaneFrequencyList);
    EXPECT_EQ(rules.ControlOf(2), Control::Mirror);
    EXPECT_EQ(rules.ControlOf(3), Control::ParlaneToneList);
    EXPECT_EQ(rules.ControlOf(4), Control::Mirror);
}

TEST_F(ChannelFormRulesTest, EnterStaysOnAReceiveFrequencyThatLeftTheSlotEmpty)
{
    EXPECT_FALSE(rules.EnterMovesOn(1, 0));
    EXPECT_TRUE(rules.EnterMovesOn(0, 0));
    radio.Store(0, "151.8");
    EXPECT_TRUE(rules.EnterMovesOn(1, 0));
}

TEST(ChannelNumberRangeTest, TypedNumbersAreClampedAndSpinningWraps)
{
    const ChannelNumberRange eight(8);
    std::string text = "20";
    EXPECT_EQ(eight.SlotFromText(text), 7);
    EXPECT_EQ(text, "8");
    text = "";
    EXPECT_EQ(eight.SlotFromText(text), 0);
    EXPECT_EQ(text, "1");
    EXPECT_EQ(eight.Step(0, -1), 7);
    EXPECT_EQ(eight.Step(7, 1), 0);
    EXPECT_EQ(eight.Step(3, 1), 4);

    EXPECT_EQ(ChannelNumberRange(2).Digits(), 1);
    EXPECT_EQ(ChannelNumberRange(8).Digits(), 1);
    EXPECT_EQ(ChannelNumberRange(15).Digits(), 2);
    EXPECT_EQ(ChannelNumberRange(16).Digits(), 2);
}

} // namespace
} // namespace qtr
