#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace qtr::testmode {

// The few byte exchanges a tuning procedure has with the radio. The program's serial
// link stands behind it; tests put a scripted radio there.
class TuningLine {
public:
    virtual ~TuningLine() = default;
    // Sends the bytes after discarding whatever was received and not yet read.
    virtual bool Send(std::span<const std::uint8_t> bytes) = 0;
    // One byte arrives within the poll window, and it is an acknowledgement.
    virtual bool WaitConfirmation() = 0;
    // Exactly `reply.size()` bytes arrive within the poll window.
    virtual bool Receive(std::span<std::uint8_t> reply) = 0;
    // Sets the read time-out (it stays set) and reads one byte.
    virtual std::optional<std::uint8_t> ReadByte(std::uint32_t timeoutMs) = 0;
    // Discards the receive queue and acknowledges what the radio sent.
    virtual bool Acknowledge() = 0;
    // Ends the radio's test mode without waiting for an answer.
    virtual void LeaveTestMode() = 0;
    // Keys or unkeys the transmitter; true when the radio acknowledged in time.
    virtual bool SetTransmit(bool on) = 0;
};

} // namespace qtr::testmode
