#include "sim/RadioProtocol.h"

#include "core/link/WireBytes.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace qtr::sim {

namespace {

constexpr std::size_t kProgramLength = sizeof wire::kProgramCommand - 1;
constexpr std::size_t kSerialCommandLength = sizeof wire::kSerialCommand - 1;
constexpr std::uint8_t kExtraByte = 0x00;
constexpr std::uint8_t kStoredAlteration = 0x5A;

void ApplyFault(const Fault& fault, Step step, Reply& reply)
{
    auto& bytes = reply.bytes;
    switch (fault.kind) {
    case FaultKind::Silence:
        bytes.clear();
        break;
    case FaultKind::WrongByte:
        if (!bytes.empty())
            bytes.front() = static_cast<std::uint8_t>(bytes.front() ^ 0xFF);
        break;
    case FaultKind::Nak:
        bytes.assign(1, wire::kNak);
        break;
    case FaultKind::ShortReply:
        if (!bytes.empty())
            bytes.pop_back();
        break;
    case FaultKind::LongReply:
        bytes.push_back(kExtraByte);
        break;
    case FaultKind::StrayByte:
        bytes.insert(bytes.begin(), kExtraByte);
        break;
    case FaultKind::BadChecksum:
        if (step == Step::Serial)
            bytes.back() = static_cast<std::uint8_t>(bytes.back() + 1);
        break;
    case FaultKind::HangUp:
        reply.hangUpAfter = std::min(fault.hangUpAfter, bytes.size());
        break;
    case FaultKind::StoresOther:
        reply.storesOther = step == Step::WriteBlock;
        break;
    }
}

} // namespace

RadioProtocol::RadioProtocol(const RadioProfile& profile, std::vector<RadioProfile> following)
    : identity_(profile.identity), rate_(profile.rate), memory_(profile.memory), serial_(profile.serial),
      version_(profile.version), faults_(profile.faults), following_(following.begin(), following.end())
{
}

// Every radio of one cable listens at the first one's rate.
void RadioProtocol::TakeOn(const RadioProfile& profile)
{
    takenOff_.push_back(memory_);
    identity_ = profile.identity;
    memory_ = profile.memory;
    serial_ = profile.serial;
    version_ = profile.version;
    faults_ = FaultPlan(profile.faults);
    serialTold_ = false;
}

std::vector<ImageBytes> RadioProtocol::Memories() const
{
    std::vector<ImageBytes> memories = takenOff_;
    memories.push_back(memory_);
    return memories;
}

void RadioProtocol::Receive(const std::uint8_t* bytes, std::size_t count)
{
    pending_.insert(pending_.end(), bytes, bytes + count);
}

bool RadioProtocol::StartsWith(const std::string& text) const
{
    return pending_.size() >= text.size() && std::equal(text.begin(), text.end(), pending_.begin());
}

bool RadioProtocol::IsStartOf(const std::string& text) const
{
    return pending_.size() < text.size() && std::equal(pending_.begin(), pending_.end(), text.begin());
}

void RadioProtocol::Consume(std::size_t count)
{
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(count));
}

Reply RadioProtocol::Answer(Step step, std::vector<std::uint8_t> bytes)
{
    Reply reply{std::move(bytes), std::nullopt};
    if (const auto fault = faults_.Next(step))
        ApplyFault(*fault, step, reply);
    return reply;
}

std::optional<Reply> RadioProtocol::Next(bool lineQuiet)
{
    waitingForMore_ = false;
    while (!pending_.empty()) {
        if (programming_)
            return NextInProgrammingMode(lineQuiet);
        if (testMode_.Active())
            return NextInTestMode(lineQuiet);
        if (StartsWith(wire::kProgramCommand)) {
            Consume(kProgramLength);
            return Handshake();
        }
        if (StartsWith(wire::kTuningCommand)) {
            Consume(sizeof wire::kTuningCommand - 1);
            testMode_.Enter();
            return Answer(Step::Tuning, {wire::kAck});
        }
        if (IsStartOf(wire::kProgramCommand) || IsStartOf(wire::kTuningCommand)) {
            waitingForMore_ = true;
            return std::nullopt;
        }
        Consume(1);
    }
    return std::nullopt;
}

Reply RadioProtocol::Handshake()
{
    if (serialTold_ && !following_.empty()) {
        TakeOn(following_.front());
        following_.pop_front();
    }
    programming_ = true;
    confirmStep_.reset();
    std::vector<std::uint8_t> bytes;
    if (rate_ != 9600)
        bytes.push_back(wire::kSync);
    bytes.push_back(wire::kAck);
    return Answer(Step::Handshake, std::move(bytes));
}

std::optional<Reply> RadioProtocol::NextInTestMode(bool lineQuiet)
{
    bool needsMore = false;
    auto answer = testMode_.Take(pending_, needsMore);
    waitingForMore_ = needsMore;
    if (answer)
        return Answer(answer->step, std::move(answer->bytes));
    return needsMore ? std::nullopt : Next(lineQuiet);
}

std::optional<Reply> RadioProtocol::NextInProgrammingMode(bool lineQuiet)
{
    const std::uint8_t command = pending_.front();
    const auto confirmStep = std::exchange(confirmStep_, std::nullopt);
    if (command == wire::kAck && confirmStep) {
        Consume(1);
        return Answer(*confirmStep, {wire::kAck});
    }
    switch (command) {
    case wire::kIdentityRequest:
        Consume(1);
        confirmStep_ = Step::IdentityConfirm;
        return Answer(Step::Identity, std::vector<std::uint8_t>(identity_.begin(), identity_.end()));
    case wire::kReadBlock:
        return ReadRequest();
    case wire::kDataBlock:
        return WriteBlock();
    case wire::kEnd:
        Consume(1);
        programming_ = false;
        return Answer(Step::End, {wire::kAck});
    case wire::kSerialReply:
        return SerialRequest();
    case wire::kInfoRequest:
        return InfoOrProgram(lineQuiet);
    default:
        Consume(1);
        return Next(lineQuiet);
    }
}

std::optional<Reply> RadioProtocol::ReadRequest()
{
    if (pending_.size() < wire::kBlockHeaderSize) {
        waitingForMore_ = true;
        return std::nullopt;
    }
    const std::size_t address = pending_[1] * 256U + pending_[2];
    const std::size_t length = pending_[3];
    Consume(wire::kBlockHeaderSize);
    std::vector<std::uint8_t> bytes{wire::kDataBlock, static_cast<std::uint8_t>(address >> 8),
                                    static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)};
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(address + i < kImageSize ? memory_[address + i] : 0xFF);
    confirmStep_ = Step::ReadConfirm;
    return Answer(Step::ReadBlock, std::move(bytes));
}

std::optional<Reply> RadioProtocol::WriteBlock()
{
    if (pending_.size() < wire::kBlockHeaderSize || pending_.size() < wire::kBlockHeaderSize + pending_[3]) {
        waitingForMore_ = true;
        return std::nullopt;
    }
    const std::size_t address = pending_[1] * 256U + pending_[2];
    const std::size_t length = pending_[3];
    Reply reply = Answer(Step::WriteBlock, {wire::kAck});
    const std::uint8_t alteration = reply.storesOther ? kStoredAlteration : 0;
    for (std::size_t i = 0; i < length && address + i < kImageSize; ++i)
        memory_[address + i] = static_cast<std::uint8_t>(pending_[wire::kBlockHeaderSize + i] ^ alteration);
    Consume(wire::kBlockHeaderSize + length);
    return reply;
}

std::optional<Reply> RadioProtocol::SerialRequest()
{
    if (IsStartOf(wire::kSerialCommand)) {
        waitingForMore_ = true;
        return std::nullopt;
    }
    if (!StartsWith(wire::kSerialCommand)) {
        Consume(1);
        return Next(false);
    }
    Consume(kSerialCommandLength);
    std::vector<std::uint8_t> bytes{wire::kSerialReply};
    bytes.insert(bytes.end(), serial_.begin(), serial_.end());
    bytes.push_back(static_cast<std::uint8_t>(std::accumulate(serial_.begin(), serial_.end(), 0U) & 0xFF));
    confirmStep_ = Step::SerialConfirm;
    serialTold_ = true;
    return Answer(Step::Serial, std::move(bytes));
}

// 'P' alone asks for the version; "PROGRAM" is a new handshake.
std::optional<Reply> RadioProtocol::InfoOrProgram(bool lineQuiet)
{
    if (StartsWith(wire::kProgramCommand)) {
        Consume(kProgramLength);
        return Handshake();
    }
    if (IsStartOf(wire::kProgramCommand) && (pending_.size() > 1 || !lineQuiet)) {
        waitingForMore_ = true;
        return std::nullopt;
    }
    Consume(1);
    confirmStep_ = Step::InfoConfirm;
    return Answer(Step::Info, std::vector<std::uint8_t>(version_.begin(), version_.end()));
}

} // namespace qtr::sim
