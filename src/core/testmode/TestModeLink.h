#pragma once

#include "core/link/RadioLink.h"

#include <array>
#include <cstdint>

namespace qtr::testmode {

using TestChannelRecord = std::array<std::uint8_t, 8>;

// The radio's test-mode commands over the program's link.
class TestModeLink {
public:
    explicit TestModeLink(RadioLink& link) : link_(link) {}

    // "TUNING ": the radio answers ACK and is in test mode.
    LinkResult EnterTuning();
    // A test channel's record; a channel that is not set is confirmed by NAK.
    LinkResult SelectTestChannel(std::uint8_t channel, TestChannelRecord& record);
    LinkResult SetTestSignalling(std::uint8_t number);
    LinkResult SetWide(bool wide);
    LinkResult ReadTestData(std::uint8_t* buffer, std::uint16_t count);
    // Keys or unkeys the transmitter, with its own longer wait for the acknowledgement.
    LinkResult SetTransmit(bool on);
    // A tuning code and Enter: the radio selects the item or point.
    LinkResult SendCodeEnter(std::uint8_t code);

private:
    RadioLink& link_;
};

} // namespace qtr::testmode
