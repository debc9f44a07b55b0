#pragma once

#include "sim/SimFault.h"
#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"

#include <optional>
#include <string>
#include <vector>

namespace qtr::sim {

// Everything a simulated radio is: its identity, the rate it listens at, its memory,
// serial number and firmware version, and how it misbehaves.
struct RadioProfile {
    RadioIdentity identity{};
    unsigned rate = 9600;
    ImageBytes memory{};
    RadioSerial serial{};
    RadioVersion version{};
    bool paced = false; // bytes take their real time on the line
    std::vector<Fault> faults;

    // A radio fresh from the factory: the factory image of the nearest model, and the
    // radio's own ranges (384-439, 832-1023) filled with a pattern of its own.
    static RadioProfile Factory(const RadioIdentity& identity);
    // The identity of a model code with its usual type and option byte; `typeByte`
    // chooses another channel class.
    static std::optional<RadioIdentity> IdentityOf(const std::string& code, std::optional<std::uint8_t> typeByte = {},
                                                   std::optional<std::uint8_t> lineLetter = {});
    // The pattern of the radio's own ranges, so tests can see that nothing wrote them.
    static std::uint8_t OwnByte(std::size_t offset);
    // `count` radios like this one, one after another on a cable: the last digits of the
    // serial number count up from this radio's.
    std::vector<RadioProfile> Series(std::size_t count) const;
};

} // namespace qtr::sim
