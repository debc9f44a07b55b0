#include "core/features/DtmfForm.h"

#include "core/base/CommonMessages.h"
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
constexpr int kEntryNumberHeader = 3010181;
constexpr int kEntryHeader = 3010003;

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
    row.refusalMessage = Self::kCodeRefusedMessage;
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
    rows[Self::kDtmfSpeed] =
        TimingRow(3010007, dtmf::kDtmfSpeed, 2, {0, 3, 1}, features::DtmfSpeedText, features::DtmfSpeedCode);
    rows[Self::kFirstDigitTime] =
        TimingRow(3010009, dtmf::kFirstDigitTime, 4, {0, 3, 1}, features::DigitTimeText, features::DigitTimeCode);
    rows[Self::kFirstDigitDelay] = TimingRow(3010011, dtmf::kFirstDigitDelay, 4, {10, 100, 5},
                                             features::FirstDigitDelayText, features::FirstDigitDelayUnits);
    rows[Self::kStarAndHashTone] =
        TimingRow(3010013, dtmf::kStarAndHashTone, 4, {0, 3, 1}, features::DigitTimeText, features::DigitTimeCode);
    rows[Self::kDCodeAssignment] =
        TimingRow(3010015, dtmf::kDCodeAssignment, 2, {0, 16, 1}, features::DCodeText, features::DCodeValue);
    rows[Self::kDCodeAssignment].keyText = {'D', features::kDCodeOffText};
    rows[Self::kDtmfSideTone] = CheckRow(3420060, dtmf::kDtmfSideTone);
}

void AddIdentityPage(std::vector<FormRow>& rows)
{
    rows[Self::kIdCode] = CodeRow(3010029, dtmf::kIdCode, InputClass::Digits, CommitIdCode);
    rows[Self::kGroupCode] = ListRow(3010031, dtmf::kGroupCode,
                                     {{msg::kOffText, 0}, {3010067, 'A'}, {3010069, 'B'}, {3010071, 'C'},
                                      {3010073, 'D'}, {3010075, '#'}, {3010077, '*'}});
    rows[Self::kAutoResetTimer] = TimingRow(3010035, dtmf::kAutoResetTimer, 2, {0, 15, 1}, features::AutoResetText,
                                            features::AutoResetSeconds);
    rows[Self::kCallAlert] = ListRow(3010037, dtmf::kCallAlert, {{msg::kOffText, 2}, {3010055, 0}, {3010053, 1}});
    rows[Self::kTranspond] = ListRow(3010039, dtmf::kTranspond, {{msg::kOffText, 0}, {3010059, 1}, {3010029, 2}});
    rows[Self::kTranspond].affects = {Self::kClearToTranspond};
    rows[Self::kClearToTranspond] = CheckRow(3010045, dtmf::kClearToTranspond);
    rows[Self::kClearToTranspond].checked = [](const RadioState& state) { return state.Get(dtmf::kClearToTranspond) == 1; };
    rows[Self::kClearToTranspond].enabled = [](const RadioState& state) {
        return state.Get(dtmf::kTranspond) != kTranspondOff;
    };
    rows[Self::kStunGroup] = GroupRow(3010087);
    rows[Self::kStunCode] = CodeRow(3010043, dtmf::kStunCode, InputClass::DtmfCharacters, CommitStunCode);
    rows[Self::kStunCode].bytes = {dtmf::kStunCode.offset, dtmf::kStunType.offset + 1 - dtmf::kStunCode.offset};
    rows[Self::kStunCode].affects = {Self::kStunType};
    rows[Self::kStunCode].focusAfter = Self::kStunType;
    rows[Self::kStunType] = ListRow(3010041, dtmf::kStunType, {{3010083, 0}, {3010085, 1}});
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
    FormDescription description{kTitleMessage, kHelpTopic, {}, {3010047, 3010049, 3010003}};
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
    grid.columns = {{kEntryNumberHeader, kEntryNumberWidthTwips, {}},
                    {kEntryHeader, kEntryWidthTwips, {dtmf::kAutodialEntrySize, InputClass::DtmfCharacters}}};
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
