#include "core/features/DtmfForm.h"

#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/features/DtmfRules.h"
#include "core/features/FormRows.h"
#include "core/features/OptionalFeaturesRules.h"
#include "core/model/DtmfFields.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

using namespace form;
using Self = DtmfForm;

constexpr unsigned kTranspondOff = 0;
constexpr int kEntryNumberWidthTwips = 600;
constexpr int kEntryWidthTwips = 2250;

// The timing fields: every spin step starts from the typed number.
FormRow TimingRow(int label, ImageField field, std::size_t digits, SpinRange spin, FieldText (*display)(unsigned),
                  unsigned (*value)(long long))
{
    FormRow row = NumberRow(label, field, digits, spin, display, value);
    row.commitTextBeforeSpin = true;
    return row;
}

// A code shown in the fixed-pitch font, stored by `commit`, which may refuse it.
FormRow CodeRow(int label, ImageRange code, InputClass characters, TextCommit commit)
{
    FormRow row = EditRow(label, code, {code.length, characters});
    row.codeField = true;
    row.refusalMessage = messages::dtmf::kCodeTooShort;
    row.display = [code](const RadioState& state) {
        return FieldText::Plain(features::PttCodeText(state.Reader(), code));
    };
    row.commitText = std::move(commit);
    return row;
}

Effects CommitIdCode(RadioState& state, const std::string& text)
{
    return features::StoreIdCode(state.View(), text) ? kNoEffect : kRefused;
}

// A stored stun code hands the focus to Stun Type, which stores the type it shows.
Effects CommitStunCode(RadioState& state, const std::string& text)
{
    if (!features::StoreStunCode(state.View(), text))
        return kRefused;
    if (!features::HasStunCode(state.Reader()))
        return kNoEffect;
    state.Set(dtmf::kStunType, features::ShownStunType(state.Get(dtmf::kStunType)));
    return kFocusMoves;
}

void AddTimingPage(std::vector<FormRow>& rows)
{
    rows[Self::kDtmfSpeed] = TimingRow(messages::dtmf::kSpeed, dtmf::kDtmfSpeed, 2, {0, 3, 1}, features::DtmfSpeedText,
                                       features::DtmfSpeedCode);
    rows[Self::kFirstDigitTime] = TimingRow(messages::dtmf::kFirstDigitTime, dtmf::kFirstDigitTime, 4, {0, 3, 1},
                                            features::DigitTimeText, features::DigitTimeCode);
    rows[Self::kFirstDigitDelay] = TimingRow(messages::dtmf::kFirstDigitDelay, dtmf::kFirstDigitDelay, 4, {10, 100, 5},
                                             features::FirstDigitDelayText, features::FirstDigitDelayUnits);
    rows[Self::kStarAndHashTone] = TimingRow(messages::dtmf::kStarAndHashTone, dtmf::kStarAndHashTone, 4, {0, 3, 1},
                                             features::DigitTimeText, features::DigitTimeCode);
    rows[Self::kDCodeAssignment] = TimingRow(messages::dtmf::kDCodeAssignment, dtmf::kDCodeAssignment, 2, {0, 16, 1},
                                             features::DCodeText, features::DCodeValue);
    rows[Self::kDCodeAssignment].keyText = {'D', messages::dtmf::kDCodeDigit};
    rows[Self::kDtmfSideTone] = CheckRow(messages::dtmf::kSideTone, dtmf::kDtmfSideTone);
}

void AddIdentityPage(std::vector<FormRow>& rows)
{
    rows[Self::kIdCode] = CodeRow(messages::dtmf::kIdCode, dtmf::kIdCode, InputClass::Digits, CommitIdCode);
    rows[Self::kGroupCode] = ListRow(messages::dtmf::kGroupCode, dtmf::kGroupCode,
                                     {{messages::common::kOff, 0},
                                      {messages::dtmf::kDigitA, 'A'},
                                      {messages::dtmf::kDigitB, 'B'},
                                      {messages::dtmf::kDigitC, 'C'},
                                      {messages::dtmf::kDigitD, 'D'},
                                      {messages::dtmf::kDigitHash, '#'},
                                      {messages::dtmf::kDigitStar, '*'}});
    rows[Self::kAutoResetTimer] = TimingRow(messages::dtmf::kAutoResetTimer, dtmf::kAutoResetTimer, 2, {0, 15, 1},
                                            features::AutoResetText, features::AutoResetSeconds);
    rows[Self::kCallAlert] =
        ListRow(messages::dtmf::kCallAlert, dtmf::kCallAlert,
                {{messages::common::kOff, 2}, {messages::common::kNormal, 0}, {messages::dtmf::kContinuous, 1}});
    rows[Self::kTranspond] =
        ListRow(messages::dtmf::kTranspond, dtmf::kTranspond,
                {{messages::common::kOff, 0}, {messages::dtmf::kTone, 1}, {messages::dtmf::kIdCode, 2}});
    rows[Self::kTranspond].affects = {Self::kClearToTranspond};
    rows[Self::kClearToTranspond] = CheckRow(messages::dtmf::kClearToTranspond, dtmf::kClearToTranspond);
    rows[Self::kClearToTranspond].checked = [](const RadioState& state) { return state.Get(dtmf::kClearToTranspond) == 1; };
    rows[Self::kClearToTranspond].enabled = [](const RadioState& state) {
        return state.Get(dtmf::kTranspond) != kTranspondOff;
    };
    rows[Self::kStunGroup] = GroupRow(messages::dtmf::kStun);
    rows[Self::kStunCode] =
        CodeRow(messages::dtmf::kStunCode, dtmf::kStunCode, InputClass::DtmfCharacters, CommitStunCode);
    rows[Self::kStunCode].bytes = {dtmf::kStunCode.offset, dtmf::kStunType.offset + 1 - dtmf::kStunCode.offset};
    rows[Self::kStunCode].affects = {Self::kStunType};
    rows[Self::kStunCode].focusAfter = Self::kStunType;
    rows[Self::kStunType] = ListRow(messages::dtmf::kStunType, dtmf::kStunType,
                                    {{messages::dtmf::kTxInhibit, 0}, {messages::dtmf::kTxRxInhibit, 1}});
    rows[Self::kStunType].shownCode = [](const RadioState& state) { return features::ShownStunType(state.Get(dtmf::kStunType)); };
    rows[Self::kStunType].enabled = [](const RadioState& state) { return features::HasStunCode(state.Reader()); };
    for (int row = Self::kIdCode; row < Self::kRowCount; ++row)
        rows[static_cast<std::size_t>(row)].page = Self::kIdentityPage;
}

} // namespace

DtmfForm::DtmfForm(RadioState& state, const MessageCatalog& catalog)
    : form_(state, catalog, Describe()), grid_(state, catalog, DescribeAutodialGrid())
{
}

FormDescription DtmfForm::Describe()
{
    FormDescription description{{}, {messages::common::kEncode, messages::common::kDecode, messages::dtmf::kAutodialMemory}};
    description.rows.resize(kRowCount);
    AddTimingPage(description.rows);
    AddIdentityPage(description.rows);
    return description;
}

GridDescription DtmfForm::DescribeAutodialGrid()
{
    GridDescription grid;
    grid.helpTopic = kGridHelpTopic;
    grid.rowCount = static_cast<int>(dtmf::kAutodialEntryCount);
    grid.columns = {
        {messages::common::kNumberHeader, kEntryNumberWidthTwips, {}},
        {messages::dtmf::kAutodialMemory, kEntryWidthTwips, {dtmf::kAutodialEntrySize, InputClass::DtmfCharacters}}};
    grid.text = [](const RadioState& state, GridCell cell) {
        return FieldText::Plain(features::AutodialEntryText(state.Reader(), static_cast<std::size_t>(cell.row - 1)));
    };
    grid.commit = [](RadioState& state, GridCell cell, const std::string& text) {
        features::StoreAutodialEntry(state.View(), static_cast<std::size_t>(cell.row - 1), text);
    };
    grid.rowBytes = [](int row) { return dtmf::AutodialEntry(static_cast<std::size_t>(row - 1)); };
    return grid;
}

} // namespace qtr
