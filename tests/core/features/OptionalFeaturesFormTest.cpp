#include "FeatureTestRadio.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/OptionalFeaturesRules.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Form = OptionalFeaturesForm;

class OptionalFeaturesFormTest : public test::FeatureTestRadio {
protected:
    std::string Commit(int row, const std::string& text) { return Shown(features.Form().CommitText(row, text).text); }
    std::string Shown(const form::FieldText& text) { return features.Form().Resolve(text); }
    std::string Spin(int row, int direction) { return Shown(features.Form().Spin(row, direction, "").text); }

    OptionalFeaturesForm features{state, catalog};
};

struct TypedCase {
    int row;
    std::size_t offset;
    const char* typed;
    const char* shown;
    unsigned stored;
};

TEST_F(OptionalFeaturesFormTest, TypedNumbersAreBroughtIntoRangeAndWrittenBack)
{
    const TypedCase cases[] = {
        // Time-out timer: whole 15 s, rounded up, 15 s to 600 s.
        {Form::kTimeOutTimer, 304, "16", "30", 2},
        {Form::kTimeOutTimer, 304, "599", "600", 40},
        {Form::kTimeOutTimer, 304, "0", "15", 1},
        {Form::kTimeOutTimer, 304, "", "15", 1},
        {Form::kTimeOutTimer, 304, "15", "15", 1},
        {Form::kTimeOutTimer, 304, "45", "45", 3},
        {Form::kTimeOutTimer, 304, "999", "600", 40},
        {Form::kTimeOutTimer, 304, "99999999999999999999999", "600", 40},
        // Pre-alert: 0 is off, at most 10.
        {Form::kTotPreAlert, 305, "0", "Off", 0},
        {Form::kTotPreAlert, 305, "25", "10", 10},
        {Form::kTotPreAlert, 305, "7", "7", 7},
        {Form::kSquelchLevel, 308, "9", "9", 9},
        {Form::kSquelchLevel, 308, "", "0", 0},
        // Calling alert level: levels 1 to 10 stored one lower.
        {Form::kCallingAlertLevel, 302, "0", "1", 0},
        {Form::kCallingAlertLevel, 302, "12", "10", 9},
        {Form::kCallingAlertLevel, 302, "3", "3", 2},
        {Form::kVoxGainLevel, 314, "", "Off", 0},
        {Form::kVoxGainLevel, 314, "0", "Off", 0},
        {Form::kVoxGainLevel, 314, "11", "10", 10},
        {Form::kVoxGainLevel, 314, "1", "1", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " typed " + c.typed);
        EXPECT_EQ(Commit(c.row, c.typed), c.shown);
        EXPECT_EQ(state.image[c.offset], c.stored);
    }
}

TEST_F(OptionalFeaturesFormTest, AFieldStillShowingTheOffTextChangesNothing)
{
    state.image[314] = 0;
    EXPECT_EQ(Commit(Form::kVoxGainLevel, "Off"), "Off");
    EXPECT_EQ(state.image[314], 0);
}

TEST_F(OptionalFeaturesFormTest, StoredValuesBeyondTheRangeShowNothing)
{
    const std::pair<int, std::size_t> rows[] = {{Form::kTimeOutTimer, 304}, {Form::kTotPreAlert, 305},
                                                {Form::kSquelchLevel, 308}, {Form::kCallingAlertLevel, 302},
                                                {Form::kVoxGainLevel, 314}};
    for (const auto& [row, offset] : rows) {
        state.image[offset] = 41;
        EXPECT_EQ(Shown(features.Form().Text(row)), "") << row;
    }
    state.image[304] = 0;
    EXPECT_EQ(Shown(features.Form().Text(Form::kTimeOutTimer)), "");
}

TEST_F(OptionalFeaturesFormTest, SpinButtonsWrapRoundBothWays)
{
    struct SpinCase {
        int row;
        std::size_t offset;
        std::uint8_t from;
        int direction;
        const char* shown;
        unsigned stored;
    };
    const SpinCase cases[] = {
        {Form::kTimeOutTimer, 304, 40, +1, "15", 1},     {Form::kTimeOutTimer, 304, 1, -1, "600", 40},
        {Form::kSquelchLevel, 308, 0, -1, "9", 9},       {Form::kSquelchLevel, 308, 9, +1, "0", 0},
        {Form::kTotPreAlert, 305, 10, +1, "Off", 0},     {Form::kTotPreAlert, 305, 0, -1, "10", 10},
        {Form::kCallingAlertLevel, 302, 9, +1, "1", 0},  {Form::kCallingAlertLevel, 302, 0, -1, "10", 9},
        {Form::kVoxGainLevel, 314, 0, +1, "1", 1},       {Form::kVoxGainLevel, 314, 0, -1, "10", 10},
        // From a value the range does not hold, up gives the lowest and down the highest.
        {Form::kSquelchLevel, 308, 0xFF, +1, "0", 0},    {Form::kTimeOutTimer, 304, 0xFF, -1, "600", 40},
        {Form::kTimeOutTimer, 304, 0, -1, "600", 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " from " + std::to_string(c.from));
        state.image[c.offset] = c.from;
        EXPECT_EQ(Spin(c.row, c.direction), c.shown);
        EXPECT_EQ(state.image[c.offset], c.stored);
    }
}

TEST_F(OptionalFeaturesFormTest, PttIdCodesKeepDtmfCharactersLeftAlignedAndFilledWithFF)
{
    EXPECT_EQ(Commit(Form::kEndOfTx, "a1"), "A1");
    EXPECT_EQ(state.image[336], 0x41);
    EXPECT_EQ(state.image[337], 0x31);
    for (std::size_t i = 338; i < 352; ++i)
        ASSERT_EQ(state.image[i], 0xFF) << i;
    // Pasted text is filtered as typing is, and never runs past the sixteen bytes.
    EXPECT_EQ(Commit(Form::kBeginOfTx, "12x3-*#dD 0123456789ABCD"), "123*#DD012345678");
    EXPECT_EQ(state.image[336], 0x41);
    EXPECT_EQ(Commit(Form::kBeginOfTx, ""), "");
    EXPECT_TRUE(state.Reader().AllEqual(320, 16, 0xFF));
}

TEST_F(OptionalFeaturesFormTest, ShownPttIdCodesEndAtFFAndLoseBlanksOnlyWhenTheyFillTheField)
{
    state.View().SetText(ImageRange{320, 16}, "12  ", 0xFF);
    EXPECT_EQ(Shown(features.Form().Text(Form::kBeginOfTx)), "12  ");
    state.View().SetText(ImageRange{320, 16}, "12              ", 0xFF);
    EXPECT_EQ(Shown(features.Form().Text(Form::kBeginOfTx)), "12");
    state.View().SetText(ImageRange{320, 16}, "1234567890ABCD*#", 0xFF);
    EXPECT_EQ(Shown(features.Form().Text(Form::kBeginOfTx)), "1234567890ABCD*#");
}

TEST_F(OptionalFeaturesFormTest, EnableRulesFollowTheFieldsTheyRead)
{
    auto& f = features.Form();
    EXPECT_TRUE(f.Enabled(Form::kScramblerBackup));
    const auto result = f.CommitCheck(Form::kScramblerActivation, true);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Form::kScramblerActivation, Form::kScramblerBackup}));
    EXPECT_FALSE(f.Enabled(Form::kScramblerBackup));
    f.CommitCheck(Form::kScramblerActivation, false);
    EXPECT_TRUE(f.Enabled(Form::kScramblerBackup));

    const std::tuple<int, bool, bool> pttCases[] = {{0, true, false}, {1, false, true}, {2, true, true}};
    for (const auto& [position, begin, end] : pttCases) {
        f.CommitEntry(Form::kPttId, position);
        EXPECT_EQ(f.Enabled(Form::kBeginOfTx), begin) << position;
        EXPECT_EQ(f.Enabled(Form::kEndOfTx), end) << position;
    }
    f.CommitEntry(Form::kPttIdType, 1);
    EXPECT_FALSE(f.Enabled(Form::kBeginOfTx));
    EXPECT_FALSE(f.Enabled(Form::kEndOfTx));

    f.CommitCheck(Form::kVoxFunction, false);
    for (int row = Form::kVoxGainLevel; row <= Form::kTxInhibitOnBusy; ++row)
        EXPECT_FALSE(f.Enabled(row)) << row;
    EXPECT_TRUE(f.Enabled(Form::kCloneMode));
}

TEST_F(OptionalFeaturesFormTest, ListsStoreTheCodeOfTheEntryNotItsPosition)
{
    auto& f = features.Form();
    f.CommitEntry(Form::kVoiceAnnunciation, 1);
    EXPECT_EQ(state.image[303], 2);
    EXPECT_EQ(f.SelectedEntry(Form::kVoiceAnnunciation), 1);
    // A code the list does not offer selects no entry and stays as it is.
    state.image[303] = 1;
    EXPECT_EQ(f.SelectedEntry(Form::kVoiceAnnunciation), form::SettingsForm::kNoEntry);
    f.CommitEntry(Form::kVoiceAnnunciation, form::SettingsForm::kNoEntry);
    EXPECT_EQ(state.image[303], 1);
    f.CommitEntry(Form::kVoxDelayTime, 5);
    EXPECT_EQ(state.image[315], 5);
}

TEST_F(OptionalFeaturesFormTest, ModelLayoutHidesThePttIdGroupOnParlaneAndSelfProgramOnLmr)
{
    auto& f = features.Form();
    for (int row = Form::kPttIdGroup; row <= Form::kEndOfTx; ++row)
        EXPECT_TRUE(f.Visible(row)) << row;
    EXPECT_FALSE(f.Visible(Form::kSelfProgram));
    UseTwoChannelParlane();
    for (int row = Form::kPttIdGroup; row <= Form::kEndOfTx; ++row)
        EXPECT_FALSE(f.Visible(row)) << row;
    EXPECT_TRUE(f.Visible(Form::kSelfProgram));
    EXPECT_EQ(f.HelpTopic(Form::kBeep), 0) << "no topic of its own: the editor's, from the editor table";
}

class PttIdTypeNormalisationTest : public OptionalFeaturesFormTest {
protected:
    void SetPttIds(std::uint8_t value)
    {
        for (int slot = 0; slot < 16; ++slot)
            state.image[16 + 16 * static_cast<std::size_t>(slot) + 14] = value;
    }
    std::uint8_t StepByte(int channel) { return state.image[16 * static_cast<std::size_t>(channel) + 14]; }
};

TEST_F(PttIdTypeNormalisationTest, ChannelValuesTheNewTypeMayNotOfferBecomeOne)
{
    state.image[307] = 1;
    SetPttIds(0xA5);
    state.image[16 * 2 + 14] = 0xA0;
    state.image[16 * 3 + 14] = 0xAF;
    const auto result = features.Form().CommitEntry(Form::kPttIdType, 0);
    EXPECT_TRUE(result.effects & form::kChannelRecordsChanged);
    EXPECT_EQ(StepByte(1), 0xA1);
    EXPECT_EQ(StepByte(2), 0xA0);
    EXPECT_EQ(StepByte(3), 0xAF);
    EXPECT_EQ(StepByte(8), 0xA1);
    // An 8-channel model keeps the records it has no channels for.
    EXPECT_EQ(StepByte(9), 0xA5);
}

TEST_F(PttIdTypeNormalisationTest, FifteenAndSixteenChannelModelsNormaliseEveryChannel)
{
    UseSixteenChannelLmr();
    SetPttIds(0x07);
    features.Form().CommitEntry(Form::kPttIdType, 1);
    for (int channel = 1; channel <= 16; ++channel)
        EXPECT_EQ(StepByte(channel), 0x01) << channel;

    UseFifteenChannelLmr();
    SetPttIds(0x07);
    features.Form().CommitEntry(Form::kPttIdType, 1);
    EXPECT_EQ(StepByte(15), 0x01);
    EXPECT_EQ(StepByte(16), 0x07);
}

TEST_F(PttIdTypeNormalisationTest, ChoosingTheSameTypeAgainChangesNothing)
{
    SetPttIds(0x05);
    const auto before = state.image;
    const auto result = features.Form().CommitEntry(Form::kPttIdType, 0);
    EXPECT_EQ(result.effects, form::kNoEffect);
    EXPECT_EQ(state.image, before);
}

TEST(CallToneFileNameTest, TheLevelTextNamesTheFileInTheProgramFolder)
{
    EXPECT_EQ(features::CallToneFileName("/opt/qtr31x", "3"), "/opt/qtr31x/Call Tone 3.wav");
    EXPECT_EQ(features::CallToneFileName("/opt/qtr31x/", "10"), "/opt/qtr31x/Call Tone 10.wav");
}

} // namespace
} // namespace qtr
