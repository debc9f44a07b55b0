#pragma once

#include "core/testmode/TestModeBytes.h"
#include "core/testmode/TuningLine.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace qtr {
class Prompter;
}

namespace qtr::testmode {

// How a tuning procedure ended: the adjusted values kept, the values of its start
// restored, or the user gave up after a failed exchange and the radio left test mode.
enum class TuningOutcome { Kept, Restored, Failed };

// The tuning commands. Every command that the radio confirms is repeated while the user
// answers Retry to the communication failure; Cancel ends test mode and the command fails.
class TuningCommands {
public:
    static constexpr std::uint32_t kMeasureReplyMs = 300;

    TuningCommands(TuningLine& line, Prompter& prompter) : line_(line), prompter_(prompter) {}

    bool Select(std::uint8_t code);
    bool SetValue(std::uint8_t code, int value);
    bool End(std::uint8_t code, std::uint8_t endByte = wire::kLeave);
    // The transmitter off as a tuning command (0x08, 0x0E), confirmed like the others.
    bool TransmitterOff();
    // Keys or unkeys the transmitter with its own longer wait for the acknowledgement.
    bool SetTransmit(bool on);
    // The radio's values of every point of the selected item, in tab order.
    std::optional<std::vector<std::uint8_t>> ReadPointValues(std::size_t count);
    // The value the radio measures now; nothing when it did not answer in time. Not retried:
    // the caller stops its poll before it asks.
    std::optional<std::uint8_t> ReadMeasured(std::uint8_t code);
    // The communication failure question; Cancel ends test mode. True for Retry.
    bool AskRetry();

private:
    bool Confirmed(std::span<const std::uint8_t> command);
    // Runs the exchange until it succeeds; false when the user cancelled.
    bool Retried(const std::function<bool()>& exchange);

    TuningLine& line_;
    Prompter& prompter_;
};

// The end command of a cancelled procedure: the squelch points end restoring while wide.
std::uint8_t EndByteAfterRestore(std::uint8_t code, bool wide);

} // namespace qtr::testmode
