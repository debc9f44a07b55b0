#include "core/testmode/RadioTuningLine.h"

#include "core/testmode/TestModeLink.h"

namespace qtr::testmode {

bool RadioTuningLine::Send(std::span<const std::uint8_t> bytes)
{
    return link_.WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size())) != 0;
}

bool RadioTuningLine::WaitConfirmation()
{
    return link_.WaitConfirmation();
}

bool RadioTuningLine::Receive(std::span<std::uint8_t> reply)
{
    const auto count = static_cast<std::uint16_t>(reply.size());
    return link_.WaitForBytes(count) && link_.ReadBytes(reply.data(), count) != 0;
}

std::optional<std::uint8_t> RadioTuningLine::ReadByte(std::uint32_t timeoutMs)
{
    link_.SetReadTimeout(timeoutMs);
    std::uint8_t byte = 0;
    if (link_.ReadBytes(&byte, 1) == 0)
        return std::nullopt;
    return byte;
}

bool RadioTuningLine::Acknowledge()
{
    return link_.WriteByte(wire::kAck) != 0;
}

void RadioTuningLine::LeaveTestMode()
{
    link_.WriteByte(wire::kEnd);
}

bool RadioTuningLine::SetTransmit(bool on)
{
    return TestModeLink(link_).SetTransmit(on) == 0;
}

} // namespace qtr::testmode
