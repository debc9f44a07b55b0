#include "core/testmode/TestModeLink.h"

#include "core/testmode/TestModeBytes.h"

namespace qtr::testmode {

LinkResult TestModeLink::EnterTuning()
{
    if (link_.Port().WriteText(wire::kTuningCommand) != LinkResult::Done)
        return LinkResult::Failed;
    return link_.ExpectAck();
}

LinkResult TestModeLink::SelectTestChannel(std::uint8_t channel, TestChannelRecord& record)
{
    const std::uint8_t command[] = {wire::kTestChannelCommand, channel};
    if (link_.Port().WriteBytes(command, sizeof command) != LinkResult::Done)
        return LinkResult::Failed;
    return link_.ReceiveData(record.data(), static_cast<std::uint16_t>(record.size()), true);
}

LinkResult TestModeLink::SetTestSignalling(std::uint8_t number)
{
    const std::uint8_t command[] = {wire::kTestSignallingCommand, number};
    return link_.SendExpectingAck(command, sizeof command);
}

LinkResult TestModeLink::SetWide(bool wide)
{
    const std::uint8_t command = wide ? wire::kWideCommand : wire::kNarrowCommand;
    return link_.SendExpectingAck(&command, 1);
}

LinkResult TestModeLink::ReadTestData(std::uint8_t* buffer, std::uint16_t count)
{
    if (link_.Port().WriteByte(wire::kTestDataRequest) != LinkResult::Done)
        return LinkResult::Failed;
    return link_.ReceiveData(buffer, count, false);
}

LinkResult TestModeLink::SetTransmit(bool on)
{
    const std::uint8_t command[] = {wire::kTransmitCommand, on ? wire::kEnter : wire::kLeave};
    if (link_.Port().WriteBytes(command, sizeof command) != LinkResult::Done)
        return LinkResult::Failed;
    link_.Port().SetReadTimeout(link_.Timing().transmitAckMs);
    const LinkResult acknowledged = link_.ExpectAck();
    link_.Port().SetReadTimeout(link_.Timing().afterTransmitMs);
    return acknowledged;
}

LinkResult TestModeLink::SendCodeEnter(std::uint8_t code)
{
    const std::uint8_t command[] = {code, wire::kEnter};
    return link_.SendExpectingAck(command, sizeof command);
}

} // namespace qtr::testmode
