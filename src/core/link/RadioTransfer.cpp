#include "core/link/RadioTransfer.h"

#include "core/link/IdentityCheck.h"
#include "core/link/RadioSession.h"
#include "core/link/Retry.h"
#include "core/link/TransferProgress.h"

#include <algorithm>
#include <vector>

namespace qtr {

namespace {

std::uint8_t High(std::uint16_t address)
{
    return static_cast<std::uint8_t>(address >> 8);
}

std::uint8_t Low(std::uint16_t address)
{
    return static_cast<std::uint8_t>(address & 0xFF);
}

} // namespace

bool RadioTransfer::ReadFromRadio(RadioIdentity& identity)
{
    return Run(Direction::Read, identity);
}

bool RadioTransfer::WriteToRadio(RadioIdentity& identity)
{
    return Run(Direction::Write, identity);
}

bool RadioTransfer::Run(Direction direction, RadioIdentity& identity)
{
    LinkState& bits = session_.Link().State();
    bits.retrying = false;
    bits.reading = direction == Direction::Read;
    bits.writing = direction == Direction::Write;
    outcome_ = TransferOutcome::Failed;
    serial_.reset();
    mismatch_.reset();
    previousKept_ = false;
    if (!session_.OpenRadioPort() || !session_.Connect())
        return false;
    IdentityCheck check(session_, state_.image);
    for (;;) {
        if (!Identify(identity))
            return false;
        if (!Admit(identity))
            return false;
        const IdentityCheck::Verdict verdict = check.Check(identity);
        if (verdict == IdentityCheck::Verdict::Refused)
            return false;
        if (verdict == IdentityCheck::Verdict::IdentifyAgain) {
            bits.retrying = true;
            continue;
        }
        StartProgress(direction);
        outcome_ = TransferBlocks(direction);
        if (outcome_ != TransferOutcome::Done && session_.Link().StopRequested())
            outcome_ = TransferOutcome::Interrupted;
        if (outcome_ == TransferOutcome::Done) {
            End(direction);
            return true;
        }
        if (outcome_ == TransferOutcome::Mismatch || outcome_ == TransferOutcome::NotKept ||
            !AskRetryAfter(outcome_)) {
            End(direction);
            if (mismatch_)
                ReportMismatch(*mismatch_);
            return false;
        }
        progress_.SetPosition(0);
        bits.retrying = true;
    }
}

bool RadioTransfer::Identify(RadioIdentity& identity)
{
    const auto identify = [&] {
        session_.BeginStep({LinkStep::Phase::Identifying});
        return session_.Link().Identify(identity) == LinkResult::Done;
    };
    const auto again = [this] {
        if (!session_.RetryOrFinish())
            return false;
        session_.Link().State().retrying = true;
        return true;
    };
    return RetryUntilDone(identify, again);
}

bool RadioTransfer::Admit(const RadioIdentity& identity)
{
    if (guards_.readSerial)
        ReadSerial();
    if (!guards_.admit || guards_.admit(identity))
        return true;
    outcome_ = TransferOutcome::TurnedAway;
    session_.FinishTransfer();
    return false;
}

// Asked once and only to name the radio: a radio that does not answer is still transferred.
void RadioTransfer::ReadSerial()
{
    session_.BeginStep({LinkStep::Phase::ReadingSerial});
    RadioSerial serial{};
    if (session_.Link().ReadSerial(serial) == LinkResult::Done)
        serial_ = serial;
}

bool RadioTransfer::AskRetryAfter(TransferOutcome outcome)
{
    if (outcome != TransferOutcome::CheckFailed)
        return session_.AskRetry();
    return session_.Ask(RadioSession::kErrorCaptionId, kCheckFailedId, Buttons::RetryCancel, Icon::Error,
                        Answer::Retry) == Answer::Retry;
}

void RadioTransfer::ReportMismatch(const WriteMismatch& mismatch)
{
    Prompt prompt;
    prompt.captionId = RadioSession::kErrorCaptionId;
    prompt.messageId = kMismatchId;
    prompt.icon = Icon::Error;
    prompt.form = PromptForm::DetailOnly;
    const std::string text = session_.Catalog().MessageText(kMismatchId, 1);
    prompt.detail = WithText(WithNumbers(text, {static_cast<int>(mismatch.count)}), HexAddress(mismatch.firstAddress));
    session_.Prompts().Ask(prompt);
}

void RadioTransfer::StartProgress(Direction direction)
{
    if (!session_.Link().State().retrying)
        progress_.SetPosition(0);
    progress_.SetRange(0, direction == Direction::Read ? kReadRange : kWriteRange);
}

TransferOutcome RadioTransfer::TransferBlocks(Direction direction)
{
    progress_.SetButtonsEnabled(false);
    if (direction == Direction::Write)
        return GuardedWrite();
    return ReadBlocks() ? TransferOutcome::Done : TransferOutcome::Failed;
}

TransferOutcome RadioTransfer::GuardedWrite()
{
    if (guards_.keepPrevious && !previousKept_) {
        if (!KeepPrevious())
            return outcome_;
        progress_.SetPosition(0);
        progress_.SetRange(0, kWriteRange);
    }
    if (!WriteBlocks())
        return TransferOutcome::Failed;
    return guards_.verify ? ReadBack() : TransferOutcome::Done;
}

// Read once per write: a Retry after the copy was kept does not make a second one.
bool RadioTransfer::KeepPrevious()
{
    progress_.SetPosition(0);
    progress_.SetRange(0, kReadRange);
    ImageBytes previous{};
    outcome_ = TransferOutcome::Failed;
    if (!ReadMemory(LinkStep::Phase::ReadingBlock, ReadBlockPlan(), previous))
        return false;
    outcome_ = TransferOutcome::NotKept;
    previousKept_ = guards_.keepPrevious(previous);
    return previousKept_;
}

// The read-back is its own phase of the bar, and covers every byte that was sent.
TransferOutcome RadioTransfer::ReadBack()
{
    const std::vector<Block> plan = VerifyBlockPlan();
    progress_.SetPosition(0);
    progress_.SetRange(0, static_cast<int>(plan.size() * wire::kReadBlockLength));
    ImageBytes readBack{};
    if (!ReadMemory(LinkStep::Phase::VerifyingBlock, plan, readBack))
        return TransferOutcome::CheckFailed;
    mismatch_ = CompareWrittenBytes(state_.image, readBack);
    return mismatch_ ? TransferOutcome::Mismatch : TransferOutcome::Done;
}

// The radio wants a pause after a read before it leaves programming mode.
void RadioTransfer::End(Direction direction)
{
    if (direction == Direction::Read)
        SerialPort::DelayMs(session_.Link().Timing().afterReadMs);
    session_.FinishTransfer();
}

void RadioTransfer::BeginBlock(LinkStep::Phase phase, std::size_t index, std::size_t count)
{
    session_.BeginStep({phase, static_cast<int>(index + 1), static_cast<int>(count)});
}

bool RadioTransfer::ReadBlocks()
{
    ImageBytes memory{};
    if (!ReadMemory(LinkStep::Phase::ReadingBlock, ReadBlockPlan(), memory))
        return false;
    std::copy(memory.begin(), memory.end(), state_.snapshot.begin());
    return true;
}

bool RadioTransfer::ReadMemory(LinkStep::Phase phase, const std::vector<Block>& plan, ImageBytes& memory)
{
    progress_.SetPosition(0);
    std::size_t received = 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (session_.Link().StopRequested())
            return false;
        BeginBlock(phase, i, plan.size());
        if (!ReadBlock(plan[i], memory.data() + plan[i].address))
            return false;
        received += plan[i].length;
        progress_.SetPosition(static_cast<int>(received));
    }
    return true;
}

// A reply must be exactly one whole block: 'W', the address, 64 and 64 data bytes. Its
// address is not used: the blocks come in the order asked for.
bool RadioTransfer::ReadBlock(const Block& block, std::uint8_t* data)
{
    RadioLink& link = session_.Link();
    SerialPort& port = link.Port();
    port.PurgeReceive();
    const std::uint8_t request[] = {wire::kReadBlock, High(block.address), Low(block.address), block.length};
    if (port.WriteBytes(request, sizeof request) != LinkResult::Done || !link.WaitForBytes(wire::kReadReplySize))
        return false;
    std::array<std::uint8_t, wire::kReadReplySize> reply{};
    if (port.ReadBytes(reply.data(), reply.size()) != LinkResult::Done || reply[0] != wire::kDataBlock ||
        reply[3] != wire::kReadBlockLength)
        return false;
    std::copy_n(reply.begin() + wire::kBlockHeaderSize, wire::kReadBlockLength, data);
    port.PurgeReceive();
    return port.WriteByte(wire::kAck) == LinkResult::Done && link.WaitConfirmation();
}

bool RadioTransfer::WriteBlocks()
{
    const std::vector<Block> plan = WriteBlockPlan();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (session_.Link().StopRequested())
            return false;
        BeginBlock(LinkStep::Phase::WritingBlock, i, plan.size());
        if (!WriteBlock(plan[i]))
            return false;
        progress_.SetPosition(plan[i].address);
    }
    return true;
}

bool RadioTransfer::WriteBlock(const Block& block)
{
    std::vector<std::uint8_t> bytes{wire::kDataBlock, High(block.address), Low(block.address), block.length};
    const auto first = state_.image.begin() + block.address;
    bytes.insert(bytes.end(), first, first + block.length);
    RadioLink& link = session_.Link();
    return link.Port().WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size())) == LinkResult::Done &&
           link.WaitConfirmation();
}

} // namespace qtr
