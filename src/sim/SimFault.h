#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qtr::sim {

// The radio's answers, each a step at which a fault can be injected.
enum class Step {
    Handshake,       // ACK (after 0x16 at rates other than 9600) to "PROGRAM"
    Identity,        // the 8 identity bytes
    IdentityConfirm, // ACK to the program's ACK of the identity
    ReadBlock,       // the 68-byte reply to 'R'
    ReadConfirm,     // ACK to the program's ACK of a block
    WriteBlock,      // ACK to a 'W' block
    End,             // ACK to 'E'
    Serial,          // the 34-byte serial number reply
    SerialConfirm,
    Info,            // the 10 version bytes
    InfoConfirm,
    // Test mode.
    Tuning,             // ACK to "TUNING "
    TestData,           // the 62 adjustment bytes
    TestDataConfirm,
    TestChannel,        // a test channel's 8 bytes
    TestChannelConfirm, // ACK, or NAK for a channel that is not set
    TestSignalling,     // ACK to 0x11 n
    Wide,               // ACK to 'F' or 'G'
    Transmit,           // ACK to 0x08 0x0D or 0x0E
    CodeEnter,          // ACK to code 0x0D
    CodeValue,          // ACK to code 0x20 value
    PointValues,        // the 4 or 6 per-point bytes
    Measure,            // the measured byte
    CodeEnd,            // ACK to code 0x0E or 0x0F
};

enum class FaultKind {
    Silence,     // no answer at all
    WrongByte,   // the first byte of the answer altered
    Nak,         // a NAK instead of the answer
    ShortReply,  // the last byte left out
    LongReply,   // one byte too many at the end
    StrayByte,   // one byte too many before the answer
    BadChecksum, // the serial number's sum byte altered (other answers are left alone)
    HangUp,      // the line hung up after `hangUpAfter` bytes of the answer
    StoresOther, // a written block is acknowledged, but the radio keeps other bytes
};

// A fault at a step: the first `skip` occurrences of the step are answered properly,
// the next `count` (0: all the rest) get the fault.
struct Fault {
    Step step = Step::Handshake;
    FaultKind kind = FaultKind::Silence;
    int skip = 0;
    int count = 1;
    std::size_t hangUpAfter = 0;
};

// "step:kind[:skip[:count[:bytes]]]" with the names below, e.g. "read-block:nak:3".
std::optional<Fault> ParseFault(const std::string& text);
std::string StepName(Step step);
std::string FaultKindName(FaultKind kind);

} // namespace qtr::sim
