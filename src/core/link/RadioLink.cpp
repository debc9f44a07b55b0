#include "core/link/RadioLink.h"

#include "core/link/LineSettings.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <thread>

namespace qtr {

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

unsigned RadioLink::LineRate() const
{
    const auto line = LineSettings::Parse(port_.Settings());
    return line ? line->baud : kHandshakeRates.front();
}

LinkResult RadioLink::Handshake()
{
    const std::uint32_t remembered = port_.ReadTimeout();
    const std::string settings = port_.Settings();
    for (std::size_t index = 0; index < kHandshakeRates.size(); ++index) {
        port_.SetSettings(LineSettings::WithRate(settings, kHandshakeRates[index]));
        if (port_.WriteText(wire::kProgramCommand) != LinkResult::Done)
            break;
        if (AnswerAt(index)) {
            port_.SetReadTimeout(timing_.rateTimeoutMs[index]);
            return LinkResult::Done;
        }
    }
    port_.SetReadTimeout(remembered);
    return LinkResult::Failed;
}

// At 9600 the radio may send one other byte before its ACK; at the other rates it
// always sends the synchronisation byte first.
bool RadioLink::AnswerAt(std::size_t rateIndex)
{
    std::uint8_t byte = 0;
    if (rateIndex == 0) {
        if (!ReadByteWithin(timing_.handshakeReplyMs, byte))
            return false;
        if (byte == wire::kAck)
            return true;
    } else if (!ReadByteWithin(timing_.syncByteMs, byte) || byte != wire::kSync) {
        return false;
    }
    return ReadByteWithin(timing_.handshakeReplyMs, byte) && byte == wire::kAck;
}

bool RadioLink::ReadByteWithin(std::uint32_t milliseconds, std::uint8_t& byte)
{
    port_.SetReadTimeout(milliseconds);
    return port_.ReadBytes(&byte, 1) == LinkResult::Done;
}

LinkResult RadioLink::Identify(RadioIdentity& identity)
{
    SerialPort::DelayMs(timing_.identifyDelayMs);
    if (port_.WriteByte(wire::kIdentityRequest) != LinkResult::Done)
        return LinkResult::Failed;
    return ReceiveData(identity.data(), static_cast<std::uint16_t>(identity.size()), false);
}

LinkResult RadioLink::ReadInfo(RadioVersion& version)
{
    if (port_.WriteByte(wire::kInfoRequest) != LinkResult::Done)
        return LinkResult::Failed;
    return ReceiveData(version.data(), static_cast<std::uint16_t>(version.size()), false);
}

LinkResult RadioLink::ReadSerial(RadioSerial& data)
{
    std::array<std::uint8_t, wire::kSerialReplySize> reply{};
    if (port_.WriteText(wire::kSerialCommand) != LinkResult::Done ||
        ReceiveData(reply.data(), reply.size(), false) != LinkResult::Done)
        return LinkResult::Failed;
    const auto first = reply.begin() + 1;
    const auto sum = std::accumulate(first, first + wire::kSerialDataSize, 0U) & 0xFFU;
    if (reply.front() != wire::kSerialReply || sum != reply.back())
        return LinkResult::Failed;
    std::copy_n(first, data.size(), data.begin());
    return LinkResult::Done;
}

LinkResult RadioLink::EndProgramming()
{
    return SendExpectingAck(&wire::kEnd, 1);
}

LinkResult RadioLink::SendExpectingAck(const std::uint8_t* bytes, std::uint16_t count)
{
    if (port_.WriteBytes(bytes, count) != LinkResult::Done)
        return LinkResult::Failed;
    return ExpectAck();
}

LinkResult RadioLink::ExpectAck()
{
    std::uint8_t answer = 0;
    return ResultOf(port_.ReadBytes(&answer, 1) == LinkResult::Done && answer == wire::kAck);
}

LinkResult RadioLink::ReceiveData(std::uint8_t* buffer, std::uint16_t count, bool nakConfirms)
{
    if (port_.ReadBytes(buffer, count) != LinkResult::Done || port_.WriteByte(wire::kAck) != LinkResult::Done)
        return LinkResult::Failed;
    std::uint8_t answer = 0;
    if (port_.ReadBytes(&answer, 1) != LinkResult::Done)
        return LinkResult::Failed;
    return ResultOf(answer == wire::kAck || (nakConfirms && answer == wire::kNak));
}

// The radio gets the same time to start its answer at every rate; the time the answer
// itself needs on the line comes on top, so that slow rates can deliver a whole block.
bool RadioLink::WaitForBytes(int count)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timing_.pollWindowMs + WireTimeMs(count));
    for (;;) {
        const int waiting = port_.BytesWaiting();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        state_.dataReady = waiting == count;
        state_.timedOut = !state_.dataReady && left <= 0;
        if (state_.dataReady || state_.timedOut)
            return state_.dataReady;
        PauseBeforeNextPoll(waiting, count, static_cast<std::uint32_t>(left));
    }
}

// Before the first byte, wake as it arrives; while bytes trickle in, look again when
// the rest could be there; never wait longer than the poll interval.
void RadioLink::PauseBeforeNextPoll(int waiting, int count, std::uint32_t leftMs) const
{
    const auto limit = std::chrono::milliseconds(std::min(timing_.pollIntervalMs, leftMs));
    if (waiting == 0) {
        port_.WaitForInput(static_cast<std::uint32_t>(limit.count()));
        return;
    }
    if (waiting > 0 && waiting < count) {
        const auto rest = std::chrono::microseconds(1'000'000LL * wire::kBitsPerByte * (count - waiting) / LineRate());
        std::this_thread::sleep_for(std::min<std::chrono::microseconds>(rest, limit));
        return;
    }
    std::this_thread::sleep_for(limit);
}

std::uint32_t RadioLink::WireTimeMs(int bytes) const
{
    return static_cast<std::uint32_t>(1000ULL * wire::kBitsPerByte * static_cast<unsigned>(std::max(bytes, 0)) /
                                      LineRate());
}

bool RadioLink::WaitConfirmation()
{
    if (!WaitForBytes(1))
        return false;
    std::uint8_t answer = 0;
    const bool confirmed = port_.ReadBytes(&answer, 1) == LinkResult::Done &&
                           (answer == wire::kAck || (answer == wire::kNak && state_.acceptNak));
    state_.dataReady = confirmed;
    return confirmed;
}

} // namespace qtr
