#include "FeatureTestRadio.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/features/DtmfForm.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Dtmf = DtmfForm;

class DtmfFormTest : public test::FeatureTestRadio {
protected:
    DtmfFormTest()
    {
        std::vector<int> ids{messages::common::kOff, messages::dtmf::kDCodeDigit};
        catalog.LoadText(ids, "^#001001039\nOff\n^#003010051\nD\n");
    }
    std::string Shown(const form::FieldText& text) { return dtmf.Form().Resolve(text); }
    std::string Commit(int row, const std::string& text) { return Shown(dtmf.Form().CommitText(row, text).text); }
    std::string Spin(int row, int direction, const std::string& typed)
    {
        return Shown(dtmf.Form().Spin(row, direction, typed).text);
    }

    DtmfForm dtmf{state, catalog};
};

struct TimingCase {
    int row;
    std::size_t offset;
    const char* typed;
    const char* shown;
    unsigned stored;
};

TEST_F(DtmfFormTest, TypedTimingNumbersAreRoundedToTheirCodes)
{
    const TimingCase cases[] = {
        {Dtmf::kDtmfSpeed, 272, "9", "8", 1},          {Dtmf::kDtmfSpeed, 272, "40", "15", 3},
        {Dtmf::kDtmfSpeed, 272, "10", "10", 2},        {Dtmf::kDtmfSpeed, 272, "14", "10", 2},
        {Dtmf::kDtmfSpeed, 272, "7", "6", 0},          {Dtmf::kDtmfSpeed, 272, "", "6", 0},
        {Dtmf::kFirstDigitTime, 273, "99", "0", 0},    {Dtmf::kFirstDigitTime, 273, "100", "100", 1},
        {Dtmf::kFirstDigitTime, 273, "999", "500", 2}, {Dtmf::kFirstDigitTime, 273, "5000", "1000", 3},
        {Dtmf::kStarAndHashTone, 275, "499", "100", 1}, {Dtmf::kStarAndHashTone, 275, "1000", "1000", 3},
        {Dtmf::kFirstDigitDelay, 274, "149", "100", 10}, {Dtmf::kFirstDigitDelay, 274, "150", "150", 15},
        {Dtmf::kFirstDigitDelay, 274, "730", "700", 70}, {Dtmf::kFirstDigitDelay, 274, "5000", "1000", 100},
        {Dtmf::kFirstDigitDelay, 274, "0", "100", 10},  {Dtmf::kFirstDigitDelay, 274, "999", "950", 95},
        {Dtmf::kDCodeAssignment, 276, "5", "5s", 5},    {Dtmf::kDCodeAssignment, 276, "16", "16s", 16},
        {Dtmf::kDCodeAssignment, 276, "17", "D", 0},    {Dtmf::kDCodeAssignment, 276, "0", "D", 0},
        {Dtmf::kAutoResetTimer, 279, "0", "Off", 0},    {Dtmf::kAutoResetTimer, 279, "15", "15", 15},
        {Dtmf::kAutoResetTimer, 279, "16", "15", 15},   {Dtmf::kAutoResetTimer, 279, "99", "15", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " typed " + c.typed);
        const ImageBytes before = state.image;
        EXPECT_EQ(Commit(c.row, c.typed), c.shown);
        EXPECT_EQ(state.image[c.offset], c.stored);
        ExpectOnlyChanged(before, {ImageRange{c.offset, 1}});
    }
}

TEST_F(DtmfFormTest, StoredCodesOutsideTheTablesShowTheirFallbacks)
{
    const TimingCase cases[] = {
        {Dtmf::kDtmfSpeed, 272, "", "6", 4},           {Dtmf::kFirstDigitTime, 273, "", "0", 9},
        {Dtmf::kFirstDigitDelay, 274, "", "100", 9},   {Dtmf::kFirstDigitDelay, 274, "", "100", 101},
        {Dtmf::kFirstDigitDelay, 274, "", "100", 12},  {Dtmf::kDCodeAssignment, 276, "", "D", 17},
        {Dtmf::kAutoResetTimer, 279, "", "10", 16},    {Dtmf::kAutoResetTimer, 279, "", "Off", 0},
    };
    for (const auto& c : cases) {
        state.image[c.offset] = static_cast<std::uint8_t>(c.stored);
        EXPECT_EQ(Shown(dtmf.Form().Text(c.row)), c.shown) << c.row << " stored " << c.stored;
    }
}

TEST_F(DtmfFormTest, SpinStepsStartFromTheTypedNumberAndWrapRound)
{
    struct SpinCase {
        int row;
        std::size_t offset;
        const char* typed;
        int direction;
        const char* shown;
        unsigned stored;
    };
    const SpinCase cases[] = {
        {Dtmf::kDtmfSpeed, 272, "15", +1, "6", 0},          {Dtmf::kDtmfSpeed, 272, "6", -1, "15", 3},
        {Dtmf::kFirstDigitTime, 273, "500", +1, "1000", 3}, {Dtmf::kStarAndHashTone, 275, "0", -1, "1000", 3},
        {Dtmf::kFirstDigitDelay, 274, "1000", +1, "100", 10}, {Dtmf::kFirstDigitDelay, 274, "100", -1, "1000", 100},
        {Dtmf::kFirstDigitDelay, 274, "730", +1, "750", 75},
        {Dtmf::kDCodeAssignment, 276, "16", +1, "D", 0},    {Dtmf::kDCodeAssignment, 276, "D", -1, "16s", 16},
        {Dtmf::kAutoResetTimer, 279, "15", +1, "Off", 0},   {Dtmf::kAutoResetTimer, 279, "Off", -1, "15", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " from " + c.typed);
        EXPECT_EQ(Spin(c.row, c.direction, c.typed), c.shown);
        EXPECT_EQ(state.image[c.offset], c.stored);
    }
}

TEST_F(DtmfFormTest, ShortIdAndStunCodesAreRefusedAndKeepTheStoredCode)
{
    auto& f = dtmf.Form();
    EXPECT_EQ(Shown(f.Text(Dtmf::kIdCode)), "000");
    const ImageBytes before = state.image;
    for (const char* typed : {"12", "", "1"}) {
        const auto result = f.CommitText(Dtmf::kIdCode, typed);
        EXPECT_EQ(result.refusalMessage, messages::dtmf::kCodeTooShort) << typed;
        EXPECT_EQ(Shown(result.text), "000");
    }
    for (const char* typed : {"1", "A#"}) {
        const auto result = f.CommitText(Dtmf::kStunCode, typed);
        EXPECT_EQ(result.refusalMessage, messages::dtmf::kCodeTooShort) << typed;
        EXPECT_EQ(Shown(result.text), "");
        EXPECT_EQ(result.focusRow, -1);
    }
    EXPECT_EQ(state.image, before);
}

TEST_F(DtmfFormTest, CodesAreStoredLeftAlignedWithFFAndNothingBeyondTheirTenBytes)
{
    const ImageBytes before = state.image;
    EXPECT_EQ(Commit(Dtmf::kIdCode, "1234567890"), "1234567890");
    EXPECT_EQ(Bytes(288, 10), "1234567890");
    EXPECT_EQ(Commit(Dtmf::kIdCode, "123"), "123");
    EXPECT_EQ(Bytes(288, 3), "123");
    EXPECT_TRUE(state.Reader().AllEqual(291, 7, 0xFF));
    // A pasted text keeps only the field's characters, a-d made upper case.
    EXPECT_EQ(Commit(Dtmf::kStunCode, "a*b#c d9x"), "A*B#CD9");
    EXPECT_EQ(Bytes(496, 7), "A*B#CD9");
    EXPECT_TRUE(state.Reader().AllEqual(503, 3, 0xFF));
    EXPECT_EQ(Commit(Dtmf::kIdCode, "1a2b3"), "123");
    ExpectOnlyChanged(before, {ImageRange{288, 10}, ImageRange{496, 11}});
    EXPECT_EQ(Commit(Dtmf::kStunCode, ""), "");
    EXPECT_TRUE(state.Reader().AllEqual(496, 10, 0xFF));
}

TEST_F(DtmfFormTest, AStoredStunCodeEnablesStunTypeHandsItTheFocusAndStoresItsShownType)
{
    auto& f = dtmf.Form();
    state.image[506] = 0xFF;
    EXPECT_FALSE(f.Enabled(Dtmf::kStunType));
    EXPECT_EQ(f.SelectedEntry(Dtmf::kStunType), 0); // 0xFF shows TX Inhibit
    const auto result = f.CommitText(Dtmf::kStunCode, "123");
    EXPECT_EQ(result.focusRow, Dtmf::kStunType);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Dtmf::kStunCode, Dtmf::kStunType}));
    EXPECT_TRUE(f.Enabled(Dtmf::kStunType));
    EXPECT_EQ(state.image[506], 0);
    f.CommitEntry(Dtmf::kStunType, 1);
    EXPECT_EQ(state.image[506], 1);
    const auto cleared = f.CommitText(Dtmf::kStunCode, "");
    EXPECT_EQ(cleared.focusRow, -1);
    EXPECT_FALSE(f.Enabled(Dtmf::kStunType));
    EXPECT_EQ(state.image[506], 1);
}

TEST_F(DtmfFormTest, ListsStoreTheCodesOfTheirEntries)
{
    struct ListCase {
        int row;
        std::size_t offset;
        int position;
        unsigned stored;
    };
    const ListCase cases[] = {
        {Dtmf::kGroupCode, 278, 0, 0},    {Dtmf::kGroupCode, 278, 1, 'A'}, {Dtmf::kGroupCode, 278, 4, 'D'},
        {Dtmf::kGroupCode, 278, 5, 0x23}, {Dtmf::kGroupCode, 278, 6, 0x2A}, {Dtmf::kCallAlert, 280, 0, 2},
        {Dtmf::kCallAlert, 280, 1, 0},    {Dtmf::kCallAlert, 280, 2, 1},    {Dtmf::kTranspond, 281, 2, 2},
        {Dtmf::kStunType, 506, 1, 1},
    };
    for (const auto& c : cases) {
        const ImageBytes before = state.image;
        dtmf.Form().CommitEntry(c.row, c.position);
        EXPECT_EQ(state.image[c.offset], c.stored) << c.row << " entry " << c.position;
        EXPECT_EQ(dtmf.Form().SelectedEntry(c.row), c.position);
        ExpectOnlyChanged(before, {ImageRange{c.offset, 1}});
    }
}

TEST_F(DtmfFormTest, TranspondOffDisablesClearToTranspondWithoutChangingIt)
{
    auto& f = dtmf.Form();
    f.CommitEntry(Dtmf::kTranspond, 1);
    EXPECT_TRUE(f.Enabled(Dtmf::kClearToTranspond));
    f.CommitCheck(Dtmf::kClearToTranspond, true);
    EXPECT_EQ(state.image[282], 1);
    const auto result = f.CommitEntry(Dtmf::kTranspond, 0);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Dtmf::kTranspond, Dtmf::kClearToTranspond}));
    EXPECT_FALSE(f.Enabled(Dtmf::kClearToTranspond));
    EXPECT_EQ(state.image[282], 1);
    state.image[282] = 2;
    EXPECT_FALSE(f.Checked(Dtmf::kClearToTranspond)); // checked only for 1
}

TEST_F(DtmfFormTest, AutodialEntriesArePaddedWithSpacesOrEmptiedToFF)
{
    auto& grid = dtmf.AutodialGrid();
    const ImageBytes before = state.image;
    grid.Commit({1, Dtmf::kEntryColumn}, "123");
    EXPECT_EQ(Bytes(512, 16), "123             ");
    EXPECT_EQ(grid.Text({1, Dtmf::kEntryColumn}), "123");
    grid.Commit({8, Dtmf::kEntryColumn}, "0123456789abcd*#");
    EXPECT_EQ(Bytes(624, 16), "0123456789ABCD*#");
    grid.Commit({3, Dtmf::kEntryColumn}, "   ");
    EXPECT_TRUE(state.Reader().AllEqual(544, 16, 0xFF));
    grid.Commit({1, Dtmf::kEntryColumn}, "");
    EXPECT_TRUE(state.Reader().AllEqual(512, 16, 0xFF));
    EXPECT_EQ(grid.Text({1, Dtmf::kEntryColumn}), "");
    ExpectOnlyChanged(before, {ImageRange{624, 16}});
    // What a cell shows: up to the first 0xFF, and blanks that reach the end cut off.
    state.View().SetText(ImageRange{528, 16}, "12 4", 0xFF);
    EXPECT_EQ(grid.Text({2, Dtmf::kEntryColumn}), "12 4");
}

TEST_F(DtmfFormTest, NoRowWritesOutsideItsBytes)
{
    ExpectEveryRowWritesOnlyItsBytes(dtmf.Form(), {"9999", "1234567890ABCD*#", "", "12", "0", "abc"});
}

TEST_F(DtmfFormTest, OnlyCharactersTheColumnTakesStartAnEdit)
{
    const auto& grid = dtmf.AutodialGrid();
    for (const char typed : {'0', '9', 'A', 'd', '*', '#'})
        EXPECT_TRUE(grid.StartsEditing({1, 1}, typed)) << typed;
    for (const char typed : {'e', 'E', ' ', '-', '+'})
        EXPECT_FALSE(grid.StartsEditing({1, 1}, typed)) << typed;
    EXPECT_EQ(grid.AfterEnter({1, 1}), (GridCell{2, 1}));
    EXPECT_EQ(grid.AfterEnter({8, 1}), (GridCell{8, 1}));
}

} // namespace
} // namespace qtr
