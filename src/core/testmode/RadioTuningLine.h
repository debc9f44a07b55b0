#pragma once

#include "core/link/RadioLink.h"
#include "core/testmode/TuningLine.h"

namespace qtr::testmode {

// The tuning procedures' exchanges over the program's serial link.
class RadioTuningLine : public TuningLine {
public:
    explicit RadioTuningLine(RadioLink& link) : link_(link) {}

    bool Send(std::span<const std::uint8_t> bytes) override;
    bool WaitConfirmation() override;
    bool Receive(std::span<std::uint8_t> reply) override;
    std::optional<std::uint8_t> ReadByte(std::uint32_t timeoutMs) override;
    bool Acknowledge() override;
    void LeaveTestMode() override;
    bool SetTransmit(bool on) override;

private:
    RadioLink& link_;
};

} // namespace qtr::testmode
