#include "core/app/FleetPortRun.h"

#include "core/app/BackupFiles.h"
#include "core/base/messages/Fleet.h"
#include "core/base/PrintableText.h"
#include "core/base/Sha256.h"
#include "core/base/SystemClock.h"
#include "core/link/PortFailure.h"
#include "core/link/RadioInformation.h"
#include "core/link/RadioSession.h"
#include "core/link/RadioTransfer.h"
#include "core/model/IdentityFields.h"
#include "core/model/RadioState.h"

#include <chrono>

namespace qtr {

namespace {

using Phase = FleetPortState::Phase;
using FleetClock = std::chrono::steady_clock;

// What the radio sent goes into the log only as printable ASCII.
std::string ModelCodeText(const RadioIdentity& identity)
{
    return PrintableText(std::string(identity.begin(), identity.begin() + identity::kCodeLength));
}

std::string SerialText(const RadioIdentity& identity, const RadioSerial& serial)
{
    const std::string text = RadioInformation(identity, serial, RadioVersion{}).SerialNumberText();
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : PrintableText(text.substr(first, last - first + 1));
}

std::string Number(int value)
{
    return std::to_string(value);
}

} // namespace

FleetPortRun::FleetPortRun(FleetRun& run, std::size_t index, std::unique_ptr<RadioLink> link,
                           const std::function<bool(const FleetPortState&)>& next)
    : run_(run), plan_(run.Plan()), link_(std::move(link)), next_(next)
{
    state_.index = index;
    state_.port = plan_.ports[index];
}

void FleetPortRun::Go()
{
    Tell(Phase::Opening);
    if (PortOpens()) {
        while (!run_.Stopping()) {
            if (plan_.waitForRadios && !WaitForRadio())
                break;
            Radio radio = CloneOne();
            if (radio.skipped) {
                Skip(radio.record.serial);
            } else {
                lastSkipped_.reset();
                lastHandled_ = radio.record.serial;
                state_.reason = radio.record.reason;
                ++state_.radios;
                Tell(radio.record.result == FleetResult::Failed ? Phase::Failed : Phase::Done);
                run_.Finish(state_.index, radio.record);
            }
            if (plan_.waitForRadios)
                continue;
            if (run_.Stopping() || !next_ || !next_(state_))
                break;
        }
        Tell(Phase::Done);
    }
    run_.PortEnded();
}

bool FleetPortRun::PortOpens()
{
    FleetReason problem{messages::fleet::kNoSuchPort, {state_.port}};
    if (link_ && link_->Port().SetOpen(1) == LinkResult::Done)
        problem = {};
    else if (link_)
        problem = {messages::fleet::kCannotOpenPort, {PortFailureText(link_->Port().OpenFailure(), run_.Catalog())}};
    if (link_)
        link_->Port().SetOpen(0);
    if (!problem)
        return true;
    state_.reason = problem;
    run_.PortUnusable(state_.index, problem);
    Tell(Phase::Unusable);
    return false;
}

bool FleetPortRun::WaitForRadio()
{
    for (;;) {
        Tell(Phase::Waiting);
        const auto start = FleetClock::now();
        if (run_.Stopping())
            return false;
        if (RadioAnswers())
            return true;
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(FleetClock::now() - start);
        if (!run_.Pause(std::max(plan_.waitInterval - spent, std::chrono::milliseconds(0))))
            return false;
    }
}

bool FleetPortRun::RadioAnswers()
{
    if (link_->Port().SetOpen(1) == LinkResult::Failed) {
        link_->Port().SetOpen(0);
        return false;
    }
    RadioIdentity identity{};
    const bool programming = link_->Handshake() == LinkResult::Done;
    const bool answered = programming && link_->Identify(identity) == LinkResult::Done;
    if (programming)
        link_->EndProgramming();
    link_->Port().SetOpen(0);
    return answered;
}

FleetPortRun::Radio FleetPortRun::CloneOne()
{
    const auto start = FleetClock::now();
    Radio radio;
    FleetRecord& record = radio.record;
    record.port = state_.port;
    record.file = plan_.fileName;
    RadioState state;
    state.image = plan_.image;
    state.AdoptImageModel();
    prompter_.SetRetries(plan_.retries);
    writing_ = false;
    RadioSession session(*link_, prompter_, run_.Catalog(), this);
    RadioTransfer transfer(session, state, *this);
    TransferGuards guards;
    guards.readSerial = true;
    guards.verify = plan_.verify;
    guards.admit = [&](const RadioIdentity& identity) { return Admit(identity, transfer, radio, state.image); };
    if (plan_.backup)
        guards.keepPrevious = [&](const ImageBytes& memory) { return KeepPrevious(memory, transfer, radio); };
    transfer.UseGuards(guards);
    RadioIdentity identity{};
    const bool done = transfer.WriteToRadio(identity);
    record.time = FleetLog::LocalTimeStamp();
    record.seconds = std::chrono::duration<double>(FleetClock::now() - start).count();
    record.verified = done && plan_.verify;
    if (done)
        record.result = plan_.verify ? FleetResult::Verified : FleetResult::Written;
    else if (transfer.Outcome() == TransferOutcome::TurnedAway)
        record.result = FleetResult::Refused;
    else if (!record.reason)
        record.reason = FailureReason(transfer);
    return radio;
}

bool FleetPortRun::Admit(const RadioIdentity& identity, const RadioTransfer& transfer, Radio& radio,
                         ImageBytes& image)
{
    FleetRecord& record = radio.record;
    record.radioModel = ModelCodeText(identity);
    if (transfer.Serial())
        record.serial = SerialText(identity, *transfer.Serial());
    const bool sameRadioAgain = plan_.waitForRadios && lastHandled_ == record.serial;
    radio.skipped = run_.WasProgrammed(record.serial) || sameRadioAgain;
    if (radio.skipped)
        return false;
    if (const CloneRefusal refusal = CheckCloneTarget(identity, plan_.image); refusal != CloneRefusal::None) {
        record.reason = RefusalReason(refusal, identity);
        return false;
    }
    // Waiting for radios, a radio that keeps its serial to itself would be programmed again and again.
    if (plan_.waitForRadios && record.serial.empty()) {
        record.reason = {messages::fleet::kNoSerial, {}};
        return false;
    }
    const auto ids = run_.Ids().Take(record.serial, record.reason);
    if (!ids)
        return false;
    image = WithUnitIds(plan_.image, *ids);
    record.sha256 = Sha256Hex(image);
    record.dtmfId = ids->dtmf;
    if (ids->vantalink) {
        record.vantalinkFleet = Number(ids->vantalink->fleet);
        record.vantalinkId = Number(ids->vantalink->id);
    }
    return true;
}

bool FleetPortRun::KeepPrevious(const ImageBytes& memory, const RadioTransfer& transfer, Radio& radio)
{
    const backup::Kept kept = backup::Keep(plan_.backupFolder, memory, transfer.Serial(), SystemClock().Now());
    if (kept.failure)
        radio.record.reason = {messages::fleet::kBackupFailed, {kept.path, *kept.failure}};
    return !kept.failure;
}

FleetReason FleetPortRun::RefusalReason(CloneRefusal refusal, const RadioIdentity& identity) const
{
    const auto code = plan_.image.begin() + identity::kModelCode.offset;
    switch (refusal) {
    case CloneRefusal::UnknownModel:
        return {messages::fleet::kUnknownModel, {ModelCodeText(identity)}};
    case CloneRefusal::OtherModel:
        return {messages::fleet::kOtherModel, {ModelCodeText(identity), std::string(code, code + identity::kCodeLength)}};
    case CloneRefusal::OtherLine:
        return {messages::fleet::kOtherLine, {}};
    case CloneRefusal::OtherChannelClass:
        return {messages::fleet::kOtherChannelClass, {}};
    case CloneRefusal::OtherBand:
        return {messages::fleet::kOtherBand, {}};
    case CloneRefusal::None:
        break;
    }
    return {};
}

// Says what the radio holds now: nothing written yet, or part of the image.
FleetReason FleetPortRun::FailureReason(const RadioTransfer& transfer) const
{
    if (const auto mismatch = transfer.Mismatch())
        return {messages::fleet::kMismatch, {Number(static_cast<int>(mismatch->count)), HexAddress(mismatch->firstAddress)}};
    if (transfer.Outcome() == TransferOutcome::CheckFailed)
        return {messages::fleet::kReadBackFailed, {}};
    return {writing_ ? messages::fleet::kFailedPartial : messages::fleet::kFailedUnchanged, {LinkStepText(step_, run_.Catalog())}};
}

// The radio still on the cable answers again and again: the port says so once.
void FleetPortRun::Skip(const std::string& serial)
{
    if (lastSkipped_ != serial)
        run_.Observer().RadioSkipped(state_, serial);
    lastSkipped_ = serial;
    if (plan_.waitForRadios)
        run_.Pause(plan_.waitInterval);
}

void FleetPortRun::ShowStep(const LinkStep& step)
{
    step_ = step;
    switch (step.phase) {
    case LinkStep::Phase::ReadingBlock:
        Tell(Phase::BackingUp, step.number, step.count);
        break;
    case LinkStep::Phase::WritingBlock:
        writing_ = true;
        Tell(Phase::Writing, step.number, step.count);
        break;
    case LinkStep::Phase::VerifyingBlock:
        Tell(Phase::Verifying, step.number, step.count);
        break;
    default:
        Tell(Phase::Identifying);
        break;
    }
}

void FleetPortRun::Tell(Phase phase, int block, int blocks)
{
    state_.phase = phase;
    state_.block = block;
    state_.blocks = blocks;
    run_.Observer().PortChanged(state_);
}

} // namespace qtr
