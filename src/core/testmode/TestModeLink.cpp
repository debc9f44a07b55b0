#include "core/testmode/TestModeLink.h"

#include "core/testmode/TestModeBytes.h"

namespace qtr::testmode {

int TestModeLink::EnterTuning()
{
    if (link_.WriteText(wire::kTuningCommand) == 0)
        return 1;
    return link_.ExpectAck();
}

int TestModeLink::SelectTestChannel(std::uint8_t channel, TestChannelRecord& record)
{
    const std::uint8_t command[] = {wire::kTestChannelCommand, channel};
    if (link_.WriteBytes(command, sizeof command) == 0)
        return 1;
    return link_.ReceiveData(record.data(), static_cast<std::uint16_t>(record.size()), true);
}

int TestModeLink::SetTestSignalling(std::uint8_t number)
{
    const std::uint8_t command[] = {wire::kTestSignallingCommand, number};
    return link_.SendExpectingAck(command, sizeof command);
}

int TestModeLink::SetWide(bool wide)
{
    const std::uint8_t command = wide ? wire::kWideCommand : wire::kNarrowCommand;
    return link_.SendExpectingAck(&command, 1);
}

int TestModeLink::ReadTestData(std::uint8_t* buffer, std::uint16_t count)
{
    if (link_.WriteByte(wire::kTestDataRequest) == 0)
        return 1;
    return link_.ReceiveData(buffer, count, false);
}

int TestModeLink::SetTransmit(bool on)
{
    const std::uint8_t command[] = {wire::kTransmitCommand, on ? wire::kEnter : wire::kLeave};
    if (link_.WriteBytes(command, sizeof command) == 0)
        return 1;
    link_.SetReadTimeout(link_.Timing().transmitAckMs);
    const int acknowledged = link_.ExpectAck();
    link_.SetReadTimeout(link_.Timing().afterTransmitMs);
    return acknowledged;
}

int TestModeLink::SendCodeEnter(std::uint8_t code)
{
    const std::uint8_t command[] = {code, wire::kEnter};
    return link_.SendExpectingAck(command, sizeof command);
}

} // namespace qtr::testmode
