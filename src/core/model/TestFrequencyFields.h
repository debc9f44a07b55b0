#pragma once

#include "core/model/ImageField.h"

#include <cstddef>
#include <cstdint>

namespace qtr::testfreq {

// Sixteen test channels of 8 bytes, each a receive and a transmit frequency field,
// and one step byte per test channel.
constexpr int kEntryCount = 16;
constexpr std::size_t kEntrySize = 8;
constexpr ImageRange kEntries{640, kEntryCount * kEntrySize};
constexpr ImageRange kStepBytes{480, kEntryCount};
// The byte of an entry or step that is not set.
constexpr std::uint8_t kUnset = 0xFF;

constexpr ImageRange EntryOf(int entry)
{
    return kEntries.Entry(static_cast<std::size_t>(entry), kEntrySize);
}

constexpr ImageField StepByteOf(int entry)
{
    return kStepBytes.ByteOf(static_cast<std::size_t>(entry));
}

// The layout of one entry, and the step codes in its step byte.
namespace entry {
constexpr ImageRange kReceiveFrequency{0, 4};
constexpr ImageRange kTransmitFrequency{4, 4};
constexpr ImageField kReceiveStep = BitsAt(0, 4, 4);
constexpr ImageField kTransmitStep = BitsAt(0, 0, 4);
} // namespace entry

} // namespace qtr::testfreq
