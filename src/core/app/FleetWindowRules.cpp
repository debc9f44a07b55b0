#include "core/app/FleetWindowRules.h"

#include "core/base/messages/Fleet.h"
#include "core/base/messages/FleetWindow.h"
#include "core/base/MessageCatalog.h"
#include "core/link/LinkStep.h"
#include "core/link/LinkTexts.h"
#include "core/link/TextFields.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

namespace qtr {

namespace {

namespace text = messages::fleetwindow;

// A failed exchange is tried again before the radio counts as failed: nobody is there
// to press Retry.
constexpr int kFleetRetries = 2;

// "FLEET:ID", both within the radio's ranges.
std::optional<VantalinkIdentity> VantalinkStart(const std::string& typed)
{
    const auto identity = VantalinkIdentity::Parse(typed);
    return identity && identity->InRange() ? identity : std::nullopt;
}

void ReadSequenceStart(const FleetChoices& choices, FleetPlanDraft& draft)
{
    if (!choices.dtmfStart.empty()) {
        if (UnitIds::IsDtmfId(choices.dtmfStart))
            draft.plan.idStart.dtmf = choices.dtmfStart;
        else
            draft.reasons.push_back({messages::fleet::kBadDtmfId, {choices.dtmfStart}});
    }
    if (!choices.vantalinkStart.empty()) {
        draft.plan.idStart.vantalink = VantalinkStart(choices.vantalinkStart);
        if (!draft.plan.idStart.vantalink)
            draft.reasons.push_back({messages::fleet::kBadVantalinkId, {choices.vantalinkStart}});
    }
}

std::string Text(const MessageCatalog& catalog, int id)
{
    return catalog.MessageText(id, 1);
}

std::string TextWithReason(const MessageCatalog& catalog, int id, const FleetReason& reason)
{
    return WithText(Text(catalog, id), FleetReasonText(reason, catalog));
}

// "Opening COM3"; a port given by its device is named by it alone.
std::string OpeningText(const std::string& port, const MessageCatalog& catalog)
{
    const auto number = ParseWhole<int>(port);
    return number ? LinkStepText({LinkStep::Phase::Opening, *number}, catalog) : port;
}

int ResultTextId(FleetResult result)
{
    switch (result) {
    case FleetResult::Written:
        return text::kWritten;
    case FleetResult::Verified:
        return text::kVerified;
    case FleetResult::Refused:
        return text::kRefused;
    case FleetResult::Failed:
        break;
    }
    return text::kFailedResult;
}

std::string Seconds(double seconds)
{
    char formatted[32];
    std::snprintf(formatted, sizeof formatted, "%.1f", seconds);
    return formatted;
}

} // namespace

FleetPlanDraft MakeFleetPlan(const FleetChoices& choices, const ImageBytes& image, const std::string& fileName,
                             const std::string& backupFolder)
{
    FleetPlanDraft draft;
    FleetPlan& plan = draft.plan;
    plan.image = image;
    plan.fileName = fileName;
    for (const unsigned port : choices.ports)
        plan.ports.push_back(std::to_string(port));
    plan.verify = choices.verify;
    plan.backup = choices.backup;
    plan.backupFolder = backupFolder;
    plan.waitForRadios = true;
    plan.retries = kFleetRetries;
    plan.idRule = choices.idRule;
    plan.logPath = choices.logPath;
    if (choices.idRule == UnitIdRule::Sequence)
        ReadSequenceStart(choices, draft);
    if (choices.idRule == UnitIdRule::BySerial)
        plan.idFile = choices.idFile;
    return draft;
}

FleetControls FleetControlStates(FleetRunState run, const FleetChoices& choices, bool modelTakesIds)
{
    const bool idle = run == FleetRunState::Idle;
    return {
        .choices = idle,
        .idRules = idle && modelTakesIds,
        .sequenceFields = idle && modelTakesIds && choices.idRule == UnitIdRule::Sequence,
        .idFileButton = idle && modelTakesIds && choices.idRule == UnitIdRule::BySerial,
        .start = idle && !choices.ports.empty() && !choices.logPath.empty(),
        .stop = run == FleetRunState::Running,
    };
}

std::string FleetPortName(const std::string& port, const MessageCatalog& catalog)
{
    const auto number = ParseWhole<int>(port);
    return number ? PortNameText(static_cast<unsigned>(*number), catalog) : port;
}

std::string FleetPortStateText(const FleetPortState& state, const MessageCatalog& catalog)
{
    using Phase = FleetPortState::Phase;
    switch (state.phase) {
    case Phase::Opening:
        return OpeningText(state.port, catalog);
    case Phase::Waiting:
        return state.reason ? TextWithReason(catalog, text::kWaitingAfterRadio, state.reason) : Text(catalog, text::kWaiting);
    case Phase::Identifying:
        return LinkStepText({LinkStep::Phase::Identifying}, catalog);
    case Phase::BackingUp:
        return WithNumbers(Text(catalog, text::kBackingUp), {state.block, state.blocks});
    case Phase::Writing:
        return LinkStepText({LinkStep::Phase::WritingBlock, state.block, state.blocks}, catalog);
    case Phase::Verifying:
        return LinkStepText({LinkStep::Phase::VerifyingBlock, state.block, state.blocks}, catalog);
    case Phase::Done:
        return Text(catalog, text::kFinished);
    case Phase::Failed:
        return TextWithReason(catalog, text::kFailed, state.reason);
    case Phase::Unusable:
        break;
    }
    return TextWithReason(catalog, text::kUnusable, state.reason);
}

std::string FleetSkippedText(const std::string& serial, const MessageCatalog& catalog)
{
    return WithText(Text(catalog, text::kSkipped), serial);
}

FleetProgress FleetPortProgress(const FleetPortState& state)
{
    using Phase = FleetPortState::Phase;
    const bool transferring = state.phase == Phase::BackingUp || state.phase == Phase::Writing || state.phase == Phase::Verifying;
    if (transferring && state.blocks > 0)
        return {state.block, state.blocks};
    if (state.phase == Phase::Done)
        return {1, 1};
    return {};
}

const std::vector<int>& FleetRecordColumnIds()
{
    static const std::vector<int> columns{
        text::kTimeColumn,    text::kPortColumn,     text::kRadioModelColumn,     text::kSerialColumn,
        text::kFileColumn,    text::kSha256Column,   text::kResultColumn,         text::kReasonColumn,
        text::kDtmfIdColumn,  text::kVantalinkFleetColumn, text::kVantalinkIdColumn, text::kVerifiedColumn,
        text::kSecondsColumn,
    };
    return columns;
}

std::vector<std::string> FleetRecordCells(const FleetRecord& record, const MessageCatalog& catalog)
{
    return {record.time,
            FleetPortName(record.port, catalog),
            record.radioModel,
            record.serial,
            record.file,
            record.sha256,
            Text(catalog, ResultTextId(record.result)),
            FleetReasonText(record.reason, catalog),
            record.dtmfId,
            record.vantalinkFleet,
            record.vantalinkId,
            Text(catalog, record.verified ? text::kYes : text::kNo),
            Seconds(record.seconds)};
}

bool IsFleetFailure(const FleetRecord& record)
{
    return record.result == FleetResult::Failed || record.result == FleetResult::Refused;
}

std::string FleetSummaryText(const FleetSummary& summary, const MessageCatalog& catalog)
{
    const FleetPortTotals total = summary.Total();
    std::string shown =
        WithNumbers(Text(catalog, text::kSummary), {total.written, total.verified, total.refused, total.failed});
    if (summary.logFailure)
        shown += "\n" + FleetReasonText(summary.logFailure, catalog);
    return shown;
}

} // namespace qtr
