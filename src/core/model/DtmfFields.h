#pragma once

#include "core/model/ImageField.h"

#include <cstddef>

namespace qtr::dtmf {

// Transmit timing.
constexpr ImageField kDtmfSpeed = ByteAt(272);
constexpr ImageField kFirstDigitTime = ByteAt(273);
constexpr ImageField kFirstDigitDelay = ByteAt(274); // units of 10 ms
constexpr ImageField kStarAndHashTone = ByteAt(275);
constexpr ImageField kDCodeAssignment = ByteAt(276);
constexpr ImageField kDtmfSideTone = ByteAt(277);
// Identity and selective calling.
constexpr ImageField kGroupCode = ByteAt(278);
constexpr ImageField kAutoResetTimer = ByteAt(279);
constexpr ImageField kCallAlert = ByteAt(280);
constexpr ImageField kTranspond = ByteAt(281);
constexpr ImageField kClearToTranspond = ByteAt(282);
// Codes: characters left-aligned, unused bytes 0xFF.
constexpr ImageRange kIdCode{288, 10};
constexpr ImageRange kStunCode{496, 10};
constexpr ImageField kStunType = ByteAt(506);
// Autodial memory: eight entries of up to 16 characters padded with spaces, or 0xFF x 16.
constexpr std::size_t kAutodialEntrySize = 16;
constexpr std::size_t kAutodialEntryCount = 8;
constexpr ImageRange kAutodialMemory{512, kAutodialEntrySize * kAutodialEntryCount};

constexpr ImageRange AutodialEntry(std::size_t index)
{
    return kAutodialMemory.Entry(index, kAutodialEntrySize);
}

} // namespace qtr::dtmf
