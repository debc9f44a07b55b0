#include "FeatureTestRadio.h"
#include "core/features/DtmfForm.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Form = DtmfForm;

class DtmfFormTest : public test::FeatureTestRadio {
protected:
    DtmfFormTest()
    {
        std::vector<int> ids{1001039, 3010051};
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
        {Form::kDtmfSpeed, 272, "9", "8", 1},          {Form::kDtmfSpeed, 272, "40", "15", 3},
        {Form::kDtmfSpeed, 272, "10", "10", 2},        {Form::kDtmfSpeed, 272, "14", "10", 2},
        {Form::kDtmfSpeed, 272, "7", "6", 0},          {Form::kDtmfSpeed, 272, "", "6", 0},
        {Form::kFirstDigitTime, 273, "99", "0", 0},    {Form::kFirstDigitTime, 273, "100", "100", 1},
        {Form::kFirstDigitTime, 273, "999", "500", 2}, {Form::kFirstDigitTime, 273, "5000", "1000", 3},
        {Form::kStarAndHashTone, 275, "499", "100", 1}, {Form::kStarAndHashTone, 275, "1000", "1000", 3},
        {Form::kFirstDigitDelay, 274, "149", "100", 10}, {Form::kFirstDigitDelay, 274, "150", "150", 15},
        {Form::kFirstDigitDelay, 274, "730", "700", 70}, {Form::kFirstDigitDelay, 274, "5000", "1000", 100},
        {Form::kFirstDigitDelay, 274, "0", "100", 10},  {Form::kFirstDigitDelay, 274, "999", "950", 95},
        {Form::kDCodeAssignment, 276, "5", "5s", 5},    {Form::kDCodeAssignment, 276, "16", "16s", 16},
        {Form::kDCodeAssignment, 276, "17", "D", 0},    {Form::kDCodeAssignment, 276, "0", "D", 0},
        {Form::kAutoResetTimer, 279, "0", "Off", 0},    {Form::kAutoResetTimer, 279, "15", "15", 15},
        {Form::kAutoResetTimer, 279, "16", "15", 15},   {Form::kAutoResetTimer, 279, "99", "15", 15},
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
        {Form::kDtmfSpeed, 272, "", "6", 4},           {Form::kFirstDigitTime, 273, "", "0", 9},
        {Form::kFirstDigitDelay, 274, "", "100", 9},   {Form::kFirstDigitDelay, 274, "", "100", 101},
        {Form::kFirstDigitDelay, 274, "", "100", 12},  {Form::kDCodeAssignment, 276, "", "D", 17},
        {Form::kAutoResetTimer, 279, "", "10", 16},    {Form::kAutoResetTimer, 279, "", "Off", 0},
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
        {Form::kDtmfSpeed, 272, "15", +1, "6", 0},          {Form::kDtmfSpeed, 272, "6", -1, "15", 3},
        {Form::kFirstDigitTime, 273, "500", +1, "1000", 3}, {Form::kStarAndHashTone, 275, "0", -1, "1000", 3},
        {Form::kFirstDigitDelay, 274, "1000", +1, "100", 10}, {Form::kFirstDigitDelay, 274, "100", -1, "1000", 100},
        {Form::kFirstDigitDelay, 274, "730", +1, "750", 75},
        {Form::kDCodeAssignment, 276, "16", +1, "D", 0},    {Form::kDCodeAssignment, 276, "D", -1, "16s", 16},
        {Form::kAutoResetTimer, 279, "15", +1, "Off", 0},   {Form::kAutoResetTimer, 279, "Off", -1, "15", 15},
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
    EXPECT_EQ(Shown(f.Text(Form::kIdCode)), "000");
    const ImageBytes before = state.image;
    for (const char* typed : {"12", "", "1"}) {
        const auto result = f.CommitText(Form::kIdCode, typed);
        EXPECT_EQ(result.refusalMessage, 3003037) << typed;
        EXPECT_EQ(Shown(result.text), "000");
    }
    for (const char* typed : {"1", "A#"}) {
        const auto result = f.CommitText(Form::kStunCode, typed);
        EXPECT_EQ(result.refusalMessage, 3003037) << typed;
        EXPECT_EQ(Shown(result.text), "");
        EXPECT_EQ(result.focusRow, -1);
    }
    EXPECT_EQ(state.image, before);
}

TEST_F(DtmfFormTest, CodesAreStoredLeftAlignedWithFFAndNothingBeyondTheirTenBytes)
{
    const ImageBytes before = state.image;
    EXPECT_EQ(Commit(Form::kIdCode, "1234567890"), "1234567890");
    EXPECT_EQ(Bytes(288, 10), "1234567890");
    EXPECT_EQ(Commit(Form::kIdCode, "123"), "123");
    EXPECT_EQ(Bytes(288, 3), "123");
    EXPECT_TRUE(state.Reader().AllEqual(291, 7, 0xFF));
    // A pasted text keeps only the field's characters, a-d made upper case.
    EXPECT_EQ(Commit(Form::kStunCode, "a*b#c d9x"), "A*B#CD9");
    EXPECT_EQ(Bytes(496, 7), "A*B#CD9");
    EXPECT_TRUE(state.Reader().AllEqual(503, 3, 0xFF));
    EXPECT_EQ(Commit(Form::kIdCode, "1a2b3"), "123");
    ExpectOnlyChanged(before, {ImageRange{288, 10}, ImageRange{496, 11}});
    EXPECT_EQ(Commit(Form::kStunCode, ""), "");
    EXPECT_TRUE(state.Reader().AllEqual(496, 10, 0xFF));
}

TEST_F(DtmfFormTest, AStoredStunCodeEnablesStunTypeHandsItTheFocusAndStoresItsShownType)
{
    auto& f = dtmf.Form();
    state.image[506] = 0xFF;
    EXPECT_FALSE(f.Enabled(Form::kStunType));
    EXPECT_EQ(f.SelectedEntry(Form::kStunType), 0); // 0xFF shows TX Inhibit
    const auto result = f.CommitText(Form::kStunCode, "123");
    EXPECT_EQ(result.focusRow, Form::kStunType);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Form::kStunCode, Form::kStunType}));
    EXPECT_TRUE(f.Enabled(Form::kStunType));
    EXPECT_EQ(state.image[506], 0);
    f.CommitEntry(Form::kStunType, 1);
    EXPECT_EQ(state.image[506], 1);
    const auto cleared = f.CommitText(Form::kStunCode, "");
    EXPECT_EQ(cleared.focusRow, -1);
    EXPECT_FALSE(f.Enabled(Form::kStunType));
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
        {Form::kGroupCode, 278, 0, 0},    {Form::kGroupCode, 278, 1, 'A'}, {Form::kGroupCode, 278, 4, 'D'},
        {Form::kGroupCode, 278, 5, 0x23}, {Form::kGroupCode, 278, 6, 0x2A}, {Form::kCallAlert, 280, 0, 2},
        {Form::kCallAlert, 280, 1, 0},    {Form::kCallAlert, 280, 2, 1},    {Form::kTranspond, 281, 2, 2},
        {Form::kStunType, 506, 1, 1},
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
    f.CommitEntry(Form::kTranspond, 1);
    EXPECT_TRUE(f.Enabled(Form::kClearToTranspond));
    f.CommitCheck(Form::kClearToTranspond, true);
    EXPECT_EQ(state.image[282], 1);
    const auto result = f.CommitEntry(Form::kTranspond, 0);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Form::kTranspond, Form::kClearToTranspond}));
    EXPECT_FALSE(f.Enabled(Form::kClearToTranspond));
    EXPECT_EQ(state.image[282], 1);
    state.image[282] = 2;
    EXPECT_FALSE(f.Checked(Form::kClearToTranspond)); // checked only for 1
}

TEST_F(DtmfFormTest, AutodialEntriesArePaddedWithSpacesOrEmptiedToFF)
{
    auto& grid = dtmf.AutodialGrid();
    const ImageBytes before = state.image;
    grid.Commit({1, Form::kEntryColumn}, "123");
    EXPECT_EQ(Bytes(512, 16), "123             ");
    EXPECT_EQ(grid.Text({1, Form::kEntryColumn}), "123");
    grid.Commit({8, Form::kEntryColumn}, "0123456789abcd*#");
    EXPECT_EQ(Bytes(624, 16), "0123456789ABCD*#");
    grid.Commit({3, Form::kEntryColumn}, "   ");
    EXPECT_TRUE(state.Reader().AllEqual(544, 16, 0xFF));
    grid.Commit({1, Form::kEntryColumn}, "");
    EXPECT_TRUE(state.Reader().AllEqual(512, 16, 0xFF));
    EXPECT_EQ(grid.Text({1, Form::kEntryColumn}), "");
    ExpectOnlyChanged(before, {ImageRange{624, 16}});
    // What a cell shows: up to the first 0xFF, and blanks that reach the end cut off.
    state.View().SetText(ImageRange{528, 16}, "12 4", 0xFF);
    EXPECT_EQ(grid.Text({2, Form::kEntryColumn}), "12 4");
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
