#include "core/testmode/TuningCommands.h"

#include "core/base/CommonMessages.h"
#include "core/base/Prompter.h"

#include <algorithm>
#include <array>

namespace qtr::testmode {

bool TuningCommands::Select(std::uint8_t code)
{
    const std::array<std::uint8_t, 2> command{code, kSelect};
    return Confirmed(command);
}

bool TuningCommands::SetValue(std::uint8_t code, int value)
{
    const std::array<std::uint8_t, 3> command{code, kValue, static_cast<std::uint8_t>(std::clamp(value, 0, 255))};
    return Confirmed(command);
}

bool TuningCommands::End(std::uint8_t code, std::uint8_t endByte)
{
    const std::array<std::uint8_t, 2> command{code, endByte};
    return Confirmed(command);
}

bool TuningCommands::TransmitterOff()
{
    const std::array<std::uint8_t, 2> command{kTransmitter, kEnd};
    return Confirmed(command);
}

bool TuningCommands::SetTransmit(bool on)
{
    while (!line_.SetTransmit(on)) {
        if (!AskRetry())
            return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> TuningCommands::ReadPointValues(std::size_t count)
{
    const std::array<std::uint8_t, 1> command{kPointValues};
    std::vector<std::uint8_t> reply(count);
    while (!line_.Send(command) || !line_.Receive(reply)) {
        if (!AskRetry())
            return std::nullopt;
    }
    line_.Acknowledge();
    return reply;
}

std::optional<std::uint8_t> TuningCommands::ReadMeasured(std::uint8_t code)
{
    const std::array<std::uint8_t, 2> command{code, kMeasure};
    if (!line_.Send(command))
        return std::nullopt;
    const auto value = line_.ReadByte(kMeasureReplyMs);
    if (value)
        line_.Acknowledge();
    return value;
}

bool TuningCommands::AskRetry()
{
    Prompt prompt;
    prompt.captionId = msg::kErrorCaption;
    prompt.messageId = kCommunicationFailedId;
    prompt.buttons = Buttons::RetryCancel;
    prompt.icon = Icon::Error;
    prompt.defaultAnswer = Answer::Retry;
    if (prompter_.Ask(prompt) == Answer::Retry)
        return true;
    line_.LeaveTestMode();
    return false;
}

bool TuningCommands::Confirmed(std::span<const std::uint8_t> command)
{
    while (!line_.Send(command) || !line_.WaitConfirmation()) {
        if (!AskRetry())
            return false;
    }
    return true;
}

std::uint8_t EndByteAfterRestore(std::uint8_t code, bool wide)
{
    constexpr std::array<std::uint8_t, 4> kSquelchPoints{12, 114, 115, 116};
    const bool squelchPoint = std::ranges::find(kSquelchPoints, code) != kSquelchPoints.end();
    return wide && squelchPoint ? TuningCommands::kEndRestored : TuningCommands::kEnd;
}

} // namespace qtr::testmode
