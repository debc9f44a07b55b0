#pragma once

#include <array>
#include <cstdint>

namespace qtr {

// The rates the handshake tries, in order.
inline constexpr std::array<unsigned, 5> kHandshakeRates{9600, 19200, 4800, 2400, 1200};

// Every wait of the radio protocol. The defaults are the radio's; tests shorten them so
// that a run over a pseudo-terminal does not sit out seconds of silence.
struct LinkTiming {
    std::uint32_t handshakeReplyMs = 500; // the ACK after "PROGRAM"
    std::uint32_t syncByteMs = 100;       // the 0x16 before it at rates other than 9600
    std::uint32_t identifyDelayMs = 50;   // before the identity request
    std::uint32_t afterReadMs = 250;      // after the last block of a read
    std::uint32_t pollIntervalMs = 5;     // between two looks at the receive queue
    std::uint32_t pollWindowMs = 300;     // how long the radio may take to start a reply
    std::uint32_t transmitAckMs = 800;    // the ACK after switching the transmitter
    std::uint32_t afterTransmitMs = 500;  // read time-out once the transmitter is switched
    std::uint32_t testModeRestartMs = 1000; // after ending test mode, before entering it again
    // Read time-out once the handshake found a rate, by the rate's index in kHandshakeRates.
    std::array<std::uint32_t, kHandshakeRates.size()> rateTimeoutMs{550, 550, 1100, 2200, 4400};
};

} // namespace qtr
