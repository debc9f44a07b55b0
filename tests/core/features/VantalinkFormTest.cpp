#include "FeatureTestRadio.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Vantalink.h"
#include "core/features/VantalinkForm.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Vantalink = VantalinkForm;

class VantalinkFormTest : public test::FeatureTestRadio {
protected:
    VantalinkFormTest()
    {
        std::vector<int> ids{messages::common::kOff, messages::vantalink::kAll};
        catalog.LoadText(ids, "^#001001039\nOff\n^#003010183\nAll\n");
    }
    std::string Shown(const form::FieldText& text) { return vantalink.Form().Resolve(text); }
    std::string Commit(int row, const std::string& text) { return Shown(vantalink.Form().CommitText(row, text).text); }
    std::string Spin(int row, int direction, const std::string& typed)
    {
        return Shown(vantalink.Form().Spin(row, direction, typed).text);
    }
    std::string ShownRow(int row) { return Shown(vantalink.Form().Text(row)); }
    unsigned Word(std::size_t offset) const { return state.image[offset] | (state.image[offset + 1] << 8); }
    void CommitCell(int row, int column, const std::string& text) { vantalink.FleetIdGrid().Commit({row, column}, text); }
    std::string Cell(int row, int column) { return vantalink.FleetIdGrid().Text({row, column}); }

    VantalinkForm vantalink{state, catalog};
};

TEST_F(VantalinkFormTest, OwnFleetAndIdAreSetAndClearedTogether)
{
    struct OwnCase {
        int row;
        const char* typed;
        unsigned fleetBefore;
        unsigned idBefore;
        unsigned fleet;
        unsigned id;
    };
    const OwnCase cases[] = {
        {Vantalink::kOwnFleet, "50", 0xFF, 0, 1, 1},       // limited to 100; the ID gets 1000
        {Vantalink::kOwnFleet, "349", 0xFF, 0, 250, 1},    {Vantalink::kOwnFleet, "999", 5, 77, 250, 77},
        {Vantalink::kOwnFleet, "", 5, 77, 0xFF, 0},        // clearing one clears both
        {Vantalink::kOwnId, "4999", 0xFF, 0, 1, 4000},     {Vantalink::kOwnId, "1", 9, 0, 9, 1},
        {Vantalink::kOwnId, "9999", 9, 3, 9, 4000},        {Vantalink::kOwnId, "", 9, 3, 0xFF, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " typed " + c.typed);
        state.image[368] = static_cast<std::uint8_t>(c.fleetBefore);
        state.View().SetWord(369, static_cast<std::uint16_t>(c.idBefore));
        const ImageBytes before = state.image;
        const auto result = vantalink.Form().CommitText(c.row, c.typed);
        EXPECT_EQ(state.image[368], c.fleet);
        EXPECT_EQ(Word(369), c.id);
        EXPECT_EQ(result.refreshRows.size(), 2U); // both fields are shown again
        ExpectOnlyChanged(before, {ImageRange{368, 3}});
    }
    EXPECT_EQ(ShownRow(Vantalink::kOwnFleet), "");
    EXPECT_EQ(ShownRow(Vantalink::kOwnId), "");
    Commit(Vantalink::kOwnId, "4999");
    EXPECT_EQ(state.image[369], 0xA0);
    EXPECT_EQ(state.image[370], 0x0F);
    EXPECT_EQ(ShownRow(Vantalink::kOwnFleet), "100");
    EXPECT_EQ(ShownRow(Vantalink::kOwnId), "4999");
}

TEST_F(VantalinkFormTest, OwnSpinStepsWrapAndStartFromLowestWhenNotSet)
{
    struct StepCase {
        int row;
        unsigned fleetBefore;
        unsigned idBefore;
        int direction;
        unsigned fleet;
        unsigned id;
    };
    const StepCase cases[] = {
        {Vantalink::kOwnFleet, 0xFF, 0, -1, 1, 1},    {Vantalink::kOwnFleet, 0xFF, 0, +1, 1, 1},
        {Vantalink::kOwnFleet, 250, 7, +1, 1, 7},     {Vantalink::kOwnFleet, 1, 7, -1, 250, 7},
        {Vantalink::kOwnId, 0xFF, 0, -1, 1, 1},       {Vantalink::kOwnId, 3, 4000, +1, 3, 1},
        {Vantalink::kOwnId, 3, 1, -1, 3, 4000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + std::to_string(c.direction));
        state.image[368] = static_cast<std::uint8_t>(c.fleetBefore);
        state.View().SetWord(369, static_cast<std::uint16_t>(c.idBefore));
        vantalink.Form().Spin(c.row, c.direction, ShownRow(c.row));
        EXPECT_EQ(state.image[368], c.fleet);
        EXPECT_EQ(Word(369), c.id);
    }
}

TEST_F(VantalinkFormTest, TimingFieldsAreLimitedAndShownAsStored)
{
    const ImageBytes before = state.image;
    EXPECT_EQ(ShownRow(Vantalink::kModulationDelayTime), "400");
    EXPECT_EQ(Commit(Vantalink::kModulationDelayTime, "9999"), "6000");
    EXPECT_EQ(state.image[371], 0x70);
    EXPECT_EQ(state.image[372], 0x17);
    EXPECT_EQ(Spin(Vantalink::kModulationDelayTime, +1, "6000"), "0");
    EXPECT_EQ(Commit(Vantalink::kMessageModeTimer, "301"), "300");
    EXPECT_EQ(Word(374), 300U);
    EXPECT_EQ(Commit(Vantalink::kMessageModeTimer, "0"), "Off");
    EXPECT_EQ(Word(374), 0U);
    EXPECT_EQ(Spin(Vantalink::kMessageModeTimer, -1, "Off"), "300");
    ExpectOnlyChanged(before, {ImageRange{371, 2}, ImageRange{374, 2}});
    state.View().SetWord(371, 6001);
    EXPECT_EQ(ShownRow(Vantalink::kModulationDelayTime), "400");
    state.View().SetWord(374, 999);
    EXPECT_EQ(ShownRow(Vantalink::kMessageModeTimer), "300");
    state.image[376] = 2;
    EXPECT_FALSE(vantalink.Form().Checked(Vantalink::kPttIdSideTone));
}

TEST_F(VantalinkFormTest, GridCellsStoreWildcardsLimitsAndPairTheOtherCell)
{
    struct CellCase {
        int row;
        int column;
        const char* typed;
        std::size_t offset; // the entry's first byte
        unsigned fleet;
        unsigned id;
        const char* fleetShown;
        const char* idShown;
    };
    // Each case starts from empty entries.
    const CellCase cases[] = {
        {1, Vantalink::kFleetColumn, "A", 448, 0, 0, "All", "All"},
        {5, Vantalink::kIdColumn, "120", 464, 0, 1, "All", "1000"},
        {4, Vantalink::kFleetColumn, "200", 457, 101, 0, "200", "All"},
        {8, Vantalink::kIdColumn, "4999", 473, 0, 4000, "All", "4999"},
        {2, Vantalink::kFleetColumn, "050", 451, 0, 0, "All", "All"},
        {3, Vantalink::kIdColumn, "All", 454, 0, 0, "All", "All"},
        {6, Vantalink::kFleetColumn, "999", 467, 250, 0, "349", "All"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " typed " + c.typed);
        for (std::size_t offset : {448, 464})
            state.View().Fill(ImageRange{offset, 12}, 0xFF);
        const ImageBytes before = state.image;
        CommitCell(c.row, c.column, c.typed);
        EXPECT_EQ(state.image[c.offset], c.fleet);
        EXPECT_EQ(Word(c.offset + 1), c.id);
        EXPECT_EQ(Cell(c.row, Vantalink::kFleetColumn), c.fleetShown);
        EXPECT_EQ(Cell(c.row, Vantalink::kIdColumn), c.idShown);
        ExpectOnlyChanged(before, {ImageRange{c.offset, 3}});
    }
}

TEST_F(VantalinkFormTest, AnEmptyCellEmptiesItsEntryAndTheGapBetweenTheRunsIsNeverWritten)
{
    state.View().Fill(ImageRange{460, 4}, 0x5A);
    for (int row = 1; row <= 8; ++row) {
        CommitCell(row, Vantalink::kFleetColumn, "300");
        CommitCell(row, Vantalink::kIdColumn, "2000");
    }
    EXPECT_EQ(state.image[457], 201);
    EXPECT_EQ(Word(458), 1001U);
    EXPECT_EQ(state.image[464], 201);
    EXPECT_TRUE(state.Reader().AllEqual(460, 4, 0x5A));
    CommitCell(4, Vantalink::kIdColumn, "");
    EXPECT_TRUE(state.Reader().AllEqual(457, 3, 0xFF));
    EXPECT_EQ(Cell(4, Vantalink::kFleetColumn), "");
    EXPECT_EQ(Cell(4, Vantalink::kIdColumn), "");
    CommitCell(5, Vantalink::kFleetColumn, "");
    EXPECT_TRUE(state.Reader().AllEqual(464, 3, 0xFF));
    EXPECT_TRUE(state.Reader().AllEqual(460, 4, 0x5A));
    // A stored value beyond the range shows nothing; 0 shows the wildcard text.
    state.image[448] = 251;
    EXPECT_EQ(Cell(1, Vantalink::kFleetColumn), "");
}

TEST_F(VantalinkFormTest, NoRowWritesOutsideItsBytes)
{
    ExpectEveryRowWritesOnlyItsBytes(vantalink.Form(), {"99999", "", "0", "150", "A"});
}

TEST_F(VantalinkFormTest, TheWildcardLetterStandsAloneInACell)
{
    const auto& grid = vantalink.FleetIdGrid();
    EXPECT_TRUE(grid.StartsEditing({1, Vantalink::kFleetColumn}, 'a'));
    EXPECT_TRUE(grid.StartsEditing({1, Vantalink::kIdColumn}, '7'));
    EXPECT_FALSE(grid.StartsEditing({1, Vantalink::kIdColumn}, 'B'));
    struct FilterCase {
        char typed;
        const char* remaining;
        std::size_t maxLength;
        char accepted; // 0: refused
    };
    const FilterCase cases[] = {
        {'a', "", 3, 'A'}, {'A', "", 3, 'A'}, {'A', "1", 3, 0}, {'1', "A", 3, 0},
        {'1', "All", 3, 0}, {'1', "12", 3, '1'}, {'1', "123", 3, 0}, {'b', "", 3, 0},
    };
    for (const auto& c : cases) {
        const auto accepted = FilterTypedCharacter(InputClass::DigitsOrWildcard, c.typed, c.remaining, c.maxLength);
        EXPECT_EQ(accepted.value_or(0), c.accepted) << c.typed << " after " << c.remaining;
    }
    EXPECT_EQ(grid.AfterEnter({1, Vantalink::kFleetColumn}), (GridCell{1, Vantalink::kIdColumn}));
    EXPECT_EQ(grid.AfterEnter({1, Vantalink::kIdColumn}), (GridCell{2, Vantalink::kFleetColumn}));
    EXPECT_EQ(grid.AfterEnter({8, Vantalink::kIdColumn}), (GridCell{8, Vantalink::kIdColumn}));
}

} // namespace
} // namespace qtr
