#include "core/testmode/TuningCommands.h"

#include "core/base/Prompter.h"
#include "core/link/Retry.h"

#include <algorithm>
#include <array>

namespace qtr::testmode {

bool TuningCommands::Select(std::uint8_t code)
{
    const std::array<std::uint8_t, 2> command{code, wire::kEnter};
    return Confirmed(command);
}

bool TuningCommands::SetValue(std::uint8_t code, int value)
{
    const std::array<std::uint8_t, 3> command{code, wire::kSetValue, static_cast<std::uint8_t>(std::clamp(value, 0, 255))};
    return Confirmed(command);
}

bool TuningCommands::End(std::uint8_t code, std::uint8_t endByte)
{
    const std::array<std::uint8_t, 2> command{code, endByte};
    return Confirmed(command);
}

bool TuningCommands::TransmitterOff()
{
    const std::array<std::uint8_t, 2> command{wire::kTransmitCommand, wire::kLeave};
    return Confirmed(command);
}

bool TuningCommands::SetTransmit(bool on)
{
    return Retried([&] { return line_.SetTransmit(on); });
}

std::optional<std::vector<std::uint8_t>> TuningCommands::ReadPointValues(std::size_t count)
{
    const std::array<std::uint8_t, 1> command{wire::kPointValuesRequest};
    std::vector<std::uint8_t> reply(count);
    if (!Retried([&] { return line_.Send(command) && line_.Receive(reply); }))
        return std::nullopt;
    line_.Acknowledge();
    return reply;
}

std::optional<std::uint8_t> TuningCommands::ReadMeasured(std::uint8_t code)
{
    const std::array<std::uint8_t, 2> command{code, wire::kMeasure};
    if (!line_.Send(command))
        return std::nullopt;
    const auto value = line_.ReadByte(kMeasureReplyMs);
    if (value)
        line_.Acknowledge();
    return value;
}

bool TuningCommands::AskRetry()
{
    if (prompter_.Ask(CommunicationFailedQuestion()) == Answer::Retry)
        return true;
    line_.LeaveTestMode();
    return false;
}

bool TuningCommands::Confirmed(std::span<const std::uint8_t> command)
{
    return Retried([&] { return line_.Send(command) && line_.WaitConfirmation(); });
}

bool TuningCommands::Retried(const std::function<bool()>& exchange)
{
    return RetryUntilDone(exchange, [this] { return AskRetry(); });
}

std::uint8_t EndByteAfterRestore(std::uint8_t code, bool wide)
{
    constexpr std::array<std::uint8_t, 4> kSquelchPoints{12, 114, 115, 116};
    const bool squelchPoint = std::ranges::find(kSquelchPoints, code) != kSquelchPoints.end();
    return wide && squelchPoint ? wire::kLeaveRestoring : wire::kLeave;
}

} // namespace qtr::testmode
