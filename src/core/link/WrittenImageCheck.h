#pragma once

#include "core/model/ImageView.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qtr {

// Where a radio's memory, read back after a write, differs from what was sent.
struct WriteMismatch {
    std::uint16_t firstAddress = 0;
    std::size_t count = 0; // differing bytes among those sent

    bool operator==(const WriteMismatch&) const = default;
};

// Compares only the bytes a write sends; the radio's own ranges may hold anything.
std::optional<WriteMismatch> CompareWrittenBytes(const ImageBytes& sent, const ImageBytes& readBack);
// "0x1A0", the image address as the mismatch message shows it.
std::string HexAddress(std::uint16_t address);

} // namespace qtr
