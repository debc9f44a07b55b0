#include "core/testmode/RadioTuningLine.h"

#include "core/testmode/TestModeLink.h"

namespace qtr::testmode {

bool RadioTuningLine::Send(std::span<const std::uint8_t> bytes)
{
    return link_.Port().WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size())) == LinkResult::Done;
}

bool RadioTuningLine::WaitConfirmation()
{
    return link_.WaitConfirmation();
}

bool RadioTuningLine::Receive(std::span<std::uint8_t> reply)
{
    const auto count = static_cast<std::uint16_t>(reply.size());
    return link_.WaitForBytes(count) && link_.Port().ReadBytes(reply.data(), count) == LinkResult::Done;
}

std::optional<std::uint8_t> RadioTuningLine::ReadByte(std::uint32_t timeoutMs)
{
    link_.Port().SetReadTimeout(timeoutMs);
    std::uint8_t byte = 0;
    if (link_.Port().ReadBytes(&byte, 1) != LinkResult::Done)
        return std::nullopt;
    return byte;
}

bool RadioTuningLine::Acknowledge()
{
    return link_.Port().WriteByte(wire::kAck) == LinkResult::Done;
}

void RadioTuningLine::LeaveTestMode()
{
    link_.Port().WriteByte(wire::kEnd);
}

bool RadioTuningLine::SetTransmit(bool on)
{
    return TestModeLink(link_).SetTransmit(on) == LinkResult::Done;
}

} // namespace qtr::testmode
