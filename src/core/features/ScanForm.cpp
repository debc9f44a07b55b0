#include "core/features/ScanForm.h"

#include "core/base/messages/Scan.h"
#include "core/features/FormRows.h"
#include "core/features/ScanModel.h"
#include "core/features/ScanRules.h"
#include "core/model/IdentityFields.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

namespace qtr {

namespace {

using namespace form;

using identity::kFifteenOrSixteenChannels;
using scan::kPriorityMode1;
using scan::kPriorityOff;

FormRow LmrOnly(FormRow row)
{
    row.visible = ShownOnLmr;
    return row;
}

FormRow LookBackRow(int label, ImageField field)
{
    FormRow row = LmrOnly(SpinEditRow(label, field, {4, InputClass::DecimalNumber}, {1, 91, 1}));
    row.commitTextBeforeSpin = true;
    row.display = [field](const RadioState& state) { return scanrules::LookBackText(state.Get(field)); };
    row.commitText = [field](RadioState& state, const std::string& text) {
        state.Set(field, scanrules::LookBackValue(text));
        return kNoEffect;
    };
    row.enabled = [](const RadioState& state) { return state.Get(scan::kPriority) != kPriorityOff; };
    return row;
}

FormRow DwellRow(int label, ImageField field)
{
    FormRow row = LmrOnly(SpinEditRow(label, field, {3, InputClass::Digits}, {0, 300, 1}));
    row.commitTextBeforeSpin = true;
    row.display = [field](const RadioState& state) { return scanrules::DwellText(state.Get(field)); };
    row.commitText = [field](RadioState& state, const std::string& text) {
        state.Set(field, scanrules::DwellValue(text));
        return kNoEffect;
    };
    return row;
}

FormRow ScanListRow(int label, ImageField field, Entries entries, CodeCommit commit)
{
    FormRow row = CheckRow(label, field);
    row.kind = ControlKind::List;
    row.entries = std::move(entries);
    row.commitCode = std::move(commit);
    return row;
}

} // namespace

ScanForm::ScanForm(RadioState& state, const MessageCatalog& catalog, Prompter& prompter)
    : state_(state), form_(state, catalog, Describe(state, prompter))
{
}

void ScanForm::Open()
{
    const Effects effects = scanrules::DropPriorityChannelUnlessUsed(state_);
    scanrules::ApplyModelAdjustments(state_);
    scanrules::SettleFixedChannel(state_);
    form_.Announce(effects);
}

void ScanForm::Rebuild()
{
    // A Parlane model that turned S-Selector on keeps its priority settings as they are.
    const bool settlePriority = !state_.IsParlane() || !scanmodel::IsSSelectorOn(state_);
    const Effects effects = settlePriority ? scanrules::DropPriorityChannelUnlessUsed(state_) : kNoEffect;
    scanrules::ApplyModelAdjustments(state_);
    scanrules::SettleFixedChannel(state_);
    form_.Announce(effects | kListsChanged);
}

FormDescription ScanForm::Describe(const RadioState& state, Prompter& prompter)
{
    FormDescription description;
    auto& rows = description.rows;
    rows.resize(kRowCount);
    rows[kPriority] =
        ScanListRow(messages::scan::kPriority, scan::kPriority, scanrules::PriorityEntries, scanrules::CommitPriority);
    rows[kPriority].enabled = [](const RadioState& radio) {
        return !radio.IsParlane() || !scanmodel::IsSSelectorOn(radio);
    };
    rows[kPriority].affects = {kPriorityChannel, kLookBackTimeA, kLookBackTimeB, kRevertChannel, kFixedChannel};

    const std::size_t channelDigits = state.ChannelCountCode() == kFifteenOrSixteenChannels ? 2 : 1;
    rows[kPriorityChannel] = LmrOnly(EditRow(messages::scan::kPriorityChannelLabel, BytesOf(scan::kPriorityChannel),
                                             {channelDigits, InputClass::Digits}));
    rows[kPriorityChannel].field = scan::kPriorityChannel;
    rows[kPriorityChannel].display = [](const RadioState& radio) {
        return scanrules::PriorityChannelText(radio.Get(scan::kPriorityChannel));
    };
    rows[kPriorityChannel].commitText = [&prompter](RadioState& radio, const std::string& text) {
        return scanrules::CommitPriorityChannel(radio, text, prompter);
    };
    rows[kPriorityChannel].enabled = [](const RadioState& radio) {
        return radio.Get(scan::kPriority) == kPriorityMode1;
    };

    rows[kLookBackTimeA] = LookBackRow(messages::scan::kLookBackTimeA, scan::kLookBackTimeA);
    rows[kLookBackTimeB] = LookBackRow(messages::scan::kLookBackTimeB, scan::kLookBackTimeB);

    rows[kRevertChannel] = ScanListRow(messages::scan::kRevertChannel, scan::kRevertChannel, scanrules::RevertEntries,
                                       scanrules::CommitRevertChannel);
    rows[kRevertChannel].visible = [](const RadioState& radio) {
        return !radio.IsParlane() || scanmodel::IsFifteenChannelModel(radio);
    };
    rows[kRevertChannel].affects = {kFixedChannel};

    rows[kDropoutDelayTime] = DwellRow(messages::scan::kDropoutDelayTime, scan::kDropoutDelayTime);
    rows[kTxDwellTime] = DwellRow(messages::scan::kTxDwellTime, scan::kTxDwellTime);

    rows[kFixedChannel] =
        ScanListRow(messages::scan::kFixedChannelLabel, scan::kFixedChannel, scanrules::FixedChannelEntries, {});
    rows[kFixedChannel].commitWhenLeft = true;
    rows[kFixedChannel].enabled = [](const RadioState& radio) {
        return radio.Get(scan::kRevertChannel) == scan::kRevertToFixedChannel;
    };
    rows[kFixedChannel].visible = [](const RadioState& radio) {
        return scanmodel::IsFifteenChannelModel(radio) && (!radio.IsParlane() || scanmodel::IsSSelectorOn(radio));
    };
    return description;
}

} // namespace qtr
