#include "ChannelTestRadio.h"
#include "core/channels/ChannelGridRules.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;
using Edit = ChannelGridRules::Edit;

class ChannelGridRulesTest : public testing::Test {
protected:
    // Slot 0 without and slot 1 with a transmit frequency; slot 2 stays empty.
    void ProgramTwoChannels()
    {
        radio.Store(0, "151.8");
        radio.Program(1);
    }

    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
    ChannelGridRules rules{radio.table, radio.state};
};

class ParlaneGridRulesTest : public testing::Test {
protected:
    ChannelTestRadio radio{ChannelTestRadio::kParlaneVhf, 0x15};
    ChannelGridRules rules{radio.table, radio.state};
};

TEST_F(ChannelGridRulesTest, LeftAndRightWrapBetweenRowsAndStopAtTheEnds)
{
    EXPECT_EQ(rules.LastColumn(), 9);
    EXPECT_EQ(rules.LastRow(), 8);
    EXPECT_EQ(rules.Right({1, 2}), (GridCell{1, 3}));
    EXPECT_EQ(rules.Right({1, 9}), (GridCell{2, 1}));
    EXPECT_EQ(rules.Left({2, 1}), (GridCell{1, 9}));
    EXPECT_EQ(rules.Left({1, 1}), (GridCell{1, 1}));
    EXPECT_EQ(rules.Right({8, 9}), (GridCell{8, 9}));
}

TEST_F(ParlaneGridRulesTest, MovesSkipTheMirroredColumns)
{
    EXPECT_EQ(rules.LastColumn(), 7);
    EXPECT_EQ(rules.Right({1, 1}), (GridCell{1, 3}));
    EXPECT_EQ(rules.Right({1, 3}), (GridCell{1, 5}));
    EXPECT_EQ(rules.Right({1, 7}), (GridCell{2, 1}));
    EXPECT_EQ(rules.Left({1, 5}), (GridCell{1, 3}));
    EXPECT_EQ(rules.Left({1, 3}), (GridCell{1, 1}));
    EXPECT_EQ(rules.Left({2, 1}), (GridCell{1, 7}));
    EXPECT_EQ(rules.FieldOf(7), ChannelField::ScanAdd);
}

TEST_F(ChannelGridRulesTest, AnEmptySlotOnlyTakesAReceiveFrequency)
{
    for (int column = 1; column <= 9; ++column)
        EXPECT_EQ(rules.StartEdit({3, column}), (Edit{{3, 1}, GridEditor::FrequencyEdit})) << column;
}

TEST_F(ChannelGridRulesTest, CellsThatNeedATransmitFrequencyOpenTheTransmitCell)
{
    ProgramTwoChannels();
    for (int column : {4, 5, 9})
        EXPECT_EQ(rules.StartEdit({1, column}), (Edit{{1, 2}, GridEditor::FrequencyEdit})) << column;
    EXPECT_EQ(rules.StartEdit({1, 3}), (Edit{{1, 3}, GridEditor::LmrToneList}));
    EXPECT_EQ(rules.StartEdit({1, 8}), (Edit{{1, 8}, GridEditor::FieldList}));

    EXPECT_EQ(rules.StartEdit({2, 4}), (Edit{{2, 4}, GridEditor::LmrToneList}));
    EXPECT_EQ(rules.StartEdit({2, 5}), (Edit{{2, 5}, GridEditor::FieldList}));
    EXPECT_EQ(rules.StartEdit({2, 9}), (Edit{{2, 9}, GridEditor::FieldList}));
}

TEST_F(ParlaneGridRulesTest, MirroredCellsEditTheirSourceAndRestrictedPowerOpensNothing)
{
    EXPECT_EQ(rules.StartEdit({1, 5}), (Edit{{1, 1}, GridEditor::ParlaneFrequencyList}));
    radio.table.SetParlaneFrequency(0, "(06) 151.76000");
    EXPECT_EQ(rules.StartEdit({1, 2}), (Edit{{1, 1}, GridEditor::ParlaneFrequencyList}));
    EXPECT_EQ(rules.StartEdit({1, 4}), (Edit{{1, 3}, GridEditor::ParlaneToneList}));
    EXPECT_EQ(rules.StartEdit({1, 5}), (Edit{{1, 5}, GridEditor::FieldList}));

    radio.table.SetParlaneFrequency(0, "(07) 151.82000");
    EXPECT_EQ(rules.StartEdit({1, 5}), (Edit{{1, 5}, GridEditor::None}));
    EXPECT_EQ(rules.StartEdit({1, 6}), (Edit{{1, 6}, GridEditor::FieldList}));

    // A Parlane channel read without transmit frequency shows the off entry there, so its
    // TX power stays where it is.
    radio.table.SetParlaneFrequency(1, "(01) 151.62500");
    radio.Store(1, "", ChannelField::TransmitFrequency);
    EXPECT_EQ(rules.StartEdit({2, 5}), (Edit{{2, 5}, GridEditor::FieldList}));
}

TEST_F(ChannelGridRulesTest, EnterAfterAFrequencyGoesRightOnAChannelAndDownOnAnEmptySlot)
{
    ProgramTwoChannels();
    EXPECT_EQ(rules.AfterEnter(GridEditor::FrequencyEdit, {1, 1}), (GridCell{1, 2}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FrequencyEdit, {2, 2}), (GridCell{2, 3}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FrequencyEdit, {3, 1}), (GridCell{4, 1}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FrequencyEdit, {8, 1}), (GridCell{8, 1}));
}

TEST_F(ChannelGridRulesTest, EnterAfterAListSkipsCellsThatNeedATransmitFrequency)
{
    ProgramTwoChannels();
    EXPECT_EQ(rules.AfterEnter(GridEditor::LmrToneList, {1, 3}), (GridCell{1, 6}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::LmrToneList, {2, 3}), (GridCell{2, 4}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FieldList, {1, 8}), (GridCell{1, 2}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FieldList, {2, 8}), (GridCell{2, 9}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FieldList, {2, 9}), (GridCell{3, 1}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::None, {2, 6}), (GridCell{2, 6}));
}

TEST_F(ParlaneGridRulesTest, EnterAfterAParlaneListMovesToTheNextEditableCell)
{
    radio.table.SetParlaneFrequency(0, "(01) 151.62500");
    EXPECT_EQ(rules.AfterEnter(GridEditor::ParlaneFrequencyList, {1, 1}), (GridCell{1, 3}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::ParlaneToneList, {1, 3}), (GridCell{1, 5}));
    EXPECT_EQ(rules.AfterEnter(GridEditor::FieldList, {1, 7}), (GridCell{2, 1}));
    radio.Store(0, "", ChannelField::TransmitFrequency);
    EXPECT_EQ(rules.AfterEnter(GridEditor::ParlaneToneList, {1, 3}), (GridCell{1, 3}));
}

TEST(ChannelGridKeysTest, TypedCharactersStartAnEditOnlyWhereTheEditorTakesThem)
{
    EXPECT_TRUE(ChannelGridRules::StartsEditing(1, '1'));
    EXPECT_TRUE(ChannelGridRules::StartsEditing(2, '.'));
    EXPECT_FALSE(ChannelGridRules::StartsEditing(1, 'D'));
    EXPECT_TRUE(ChannelGridRules::StartsEditing(3, 'd'));
    EXPECT_TRUE(ChannelGridRules::StartsEditing(4, '7'));
    EXPECT_FALSE(ChannelGridRules::StartsEditing(3, 'x'));
    EXPECT_FALSE(ChannelGridRules::StartsEditing(5, '1'));
}

TEST(ChannelGridKeysTest, HelpTopicFollowsTheColumn)
{
    const int topics[] = {150, 1195, 1197, 1199, 1201, 1207, 1209, 1210, 1203, 1215, 150};
    for (int column = 0; column <= 10; ++column)
        EXPECT_EQ(ChannelGridRules::HelpTopic(column), topics[column]) << column;
}

} // namespace
} // namespace qtr
