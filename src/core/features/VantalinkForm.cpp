#include "core/features/VantalinkForm.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Vantalink.h"
#include "core/features/FormRows.h"
#include "core/features/VantalinkRules.h"
#include "core/model/RadioState.h"
#include "core/model/VantalinkFields.h"

namespace qtr {

namespace {

using namespace form;

constexpr ImageRange kOwnIdentity{vantalink::kOwnFleet.offset, 3};
constexpr int kNumberWidthTwips = 600;
constexpr int kCellWidthTwips = 1200;

// The own fleet and ID: a code in the fixed-pitch font that writes both fields.
FormRow OwnIdentityRow(int label, ImageField field, std::size_t digits, SpinRange spin,
                       std::string (*text)(unsigned), void (*commit)(RadioState&, const std::string&),
                       void (*step)(RadioState&, int))
{
    FormRow row = SpinEditRow(label, field, {digits, InputClass::Digits}, spin);
    row.bytes = kOwnIdentity;
    row.codeField = true;
    row.commitTextBeforeSpin = true;
    row.display = [field, text](const RadioState& state) { return FieldText::Plain(text(state.Get(field))); };
    row.commitText = [commit](RadioState& state, const std::string& typed) {
        commit(state, typed);
        return kNoEffect;
    };
    row.spinStep = [step](RadioState& state, int direction) {
        step(state, direction);
        return kNoEffect;
    };
    return row;
}

FormRow SteppedNumberRow(int label, ImageField field, std::size_t digits, SpinRange spin,
                         FieldText (*display)(unsigned), unsigned (*value)(long long))
{
    FormRow row = NumberRow(label, field, digits, spin, display, value);
    row.commitTextBeforeSpin = true;
    return row;
}

} // namespace

VantalinkForm::VantalinkForm(RadioState& state, const MessageCatalog& catalog)
    : form_(state, catalog, Describe()), grid_(state, catalog, DescribeFleetIdGrid(catalog))
{
}

FormDescription VantalinkForm::Describe()
{
    FormDescription description{{}, {messages::vantalink::kName, messages::vantalink::kFleetIdList}};
    auto& rows = description.rows;
    rows.resize(kRowCount);
    rows[kOwnFleet] = OwnIdentityRow(messages::vantalink::kOwnFleet, vantalink::kOwnFleet, 3, {1, 250, 1},
                                     features::FleetText, features::CommitOwnFleet, features::StepOwnFleet);
    rows[kOwnFleet].affects = {kOwnId};
    rows[kOwnId] = OwnIdentityRow(messages::vantalink::kOwnId, vantalink::kOwnId, 4, {1, 4000, 1}, features::IdText,
                                  features::CommitOwnId, features::StepOwnId);
    rows[kOwnId].affects = {kOwnFleet};
    rows[kModulationDelayTime] = SteppedNumberRow(messages::vantalink::kDataDelayTime,
                                                  vantalink::kDataTxModulationDelayTime, 4, {0, 6000, 1},
                                                  features::ModulationDelayText, features::ModulationDelayValue);
    rows[kBaudRate] = ListRow(messages::vantalink::kBaudRate, vantalink::kBaudRate,
                              {{messages::vantalink::kBaud1200, 0}, {messages::vantalink::kBaud2400, 1}});
    rows[kMessageModeTimer] = SteppedNumberRow(messages::vantalink::kMessageModeTimer, vantalink::kMessageModeTimer, 3,
                                               {0, 300, 1}, features::MessageModeText, features::MessageModeSeconds);
    rows[kPttIdSideTone] = CheckRow(messages::vantalink::kPttIdSideTone, vantalink::kPttIdSideTone);
    rows[kPttIdSideTone].checked = [](const RadioState& state) { return state.Get(vantalink::kPttIdSideTone) == 1; };
    return description;
}

GridDescription VantalinkForm::DescribeFleetIdGrid(const MessageCatalog& catalog)
{
    GridDescription grid;
    grid.helpTopic = kGridHelpTopic;
    grid.rowCount = 8;
    grid.columns = {{messages::common::kNumberHeader, kNumberWidthTwips, {}},
                    {messages::vantalink::kFleet, kCellWidthTwips, {3, InputClass::DigitsOrWildcard}},
                    {messages::vantalink::kId, kCellWidthTwips, {4, InputClass::DigitsOrWildcard}}};
    grid.enterMovesRight = true;
    grid.text = [](const RadioState& state, GridCell cell) {
        return features::FleetIdCellText(state.Reader(), static_cast<std::size_t>(cell.row - 1),
                                         static_cast<features::FleetIdColumn>(cell.column));
    };
    grid.commit = [wildcard = catalog.MessageText(messages::vantalink::kAll)](RadioState& state, GridCell cell,
                                                                              const std::string& text) {
        features::CommitFleetIdCell(state.View(), static_cast<std::size_t>(cell.row - 1),
                                    static_cast<features::FleetIdColumn>(cell.column), text, wildcard);
    };
    grid.rowBytes = [](int row) { return vantalink::ListEntry(static_cast<std::size_t>(row - 1)); };
    return grid;
}

} // namespace qtr
