#include "core/features/KeyAssignmentForm.h"

#include "core/features/FormRows.h"
#include "core/features/ScanModel.h"
#include "core/model/KeyFields.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

using namespace form;

std::vector<ListEntry> KeyEntries(const RadioState& state)
{
    return keyrules::KeyFunctionEntries(state.IsParlane(), scanmodel::IsSSelectorOn(state));
}

FormRow KeyRow(const char* label, ImageField key)
{
    FormRow row = CheckRow(0, key);
    row.kind = ControlKind::List;
    row.labelText = label;
    row.entries = KeyEntries;
    row.entryHelpTopic = keyrules::KeyFunctionHelpTopic;
    row.commitWhenLeft = true;
    return row;
}

} // namespace

KeyAssignmentForm::KeyAssignmentForm(RadioState& state, const MessageCatalog& catalog,
                                     std::function<bool()> scanWindowOpen)
    : state_(state), scanWindowOpen_(std::move(scanWindowOpen)), form_(state, catalog, Describe())
{
}

void KeyAssignmentForm::Open()
{
    keyrules::SettleParlaneKeys(state_);
    remembered_ = keyrules::RememberScan(state_);
    if (scanmodel::IsSSelectorOn(state_))
        keyrules::ClearKeysTakenBySSelector(state_);
    form_.Announce(kNoEffect);
}

FormDescription KeyAssignmentForm::Describe()
{
    FormDescription description;
    auto& rows = description.rows;
    rows.resize(kRowCount);
    rows[kPf1] = KeyRow("PF1", keys::kPf1);
    rows[kPf2] = KeyRow("PF2", keys::kPf2);
    rows[kSSelector] = CheckRow(0, keys::kSSelector);
    rows[kSSelector].labelText = "S-Selector (Scan)";
    rows[kSSelector].helpTopic = kSSelectorHelpTopic;
    rows[kSSelector].checked = scanmodel::IsSSelectorOn;
    rows[kSSelector].visible = scanmodel::IsFifteenChannelModel;
    rows[kSSelector].affects = {kPf1, kPf2};
    rows[kSSelector].commitCode = [this](RadioState& state, unsigned checked) {
        return CommitSSelector(state, checked);
    };
    return description;
}

Effects KeyAssignmentForm::CommitSSelector(RadioState& state, unsigned checked)
{
    const bool on = checked != 0;
    if (on == scanmodel::IsSSelectorOn(state))
        return kNoEffect;
    if (on) {
        remembered_ = keyrules::RememberScan(state);
        keyrules::TurnSSelectorOn(state);
    } else {
        keyrules::TurnSSelectorOff(state, remembered_);
    }
    return kListsChanged | keyrules::ScanFollowUp(state, scanWindowOpen_ && scanWindowOpen_());
}

} // namespace qtr
