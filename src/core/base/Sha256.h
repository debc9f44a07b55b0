#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qtr {

// The SHA-256 digest of the bytes as 64 lower-case hexadecimal digits: what a fleet log
// records to name exactly the image that went into a radio.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

} // namespace qtr
