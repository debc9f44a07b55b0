#pragma once

#include "core/model/ImageField.h"

#include <cstddef>
#include <cstdint>

namespace qtr::channels {

// Sixteen 16-byte channel records; slot n (0 to 15) is channel n + 1.
constexpr int kSlotCount = 16;
constexpr std::size_t kRecordSize = 16;
constexpr ImageRange kRecords{16, kSlotCount * kRecordSize};
constexpr std::uint8_t kUnset = 0xFF;

constexpr ImageRange RecordOf(int slot)
{
    return kRecords.Entry(static_cast<std::size_t>(slot), kRecordSize);
}

// The layout of one record; `At(RecordOf(slot).offset)` places a field in the image.
namespace record {
constexpr ImageRange kReceiveFrequency{0, 4}; // 0xFF x 4: the slot is empty
constexpr ImageRange kTransmitFrequency{4, 4}; // 0xFF x 4: receive only
constexpr ImageField kDecodeTone = WordAt(8);
constexpr ImageField kEncodeTone = WordAt(10);
constexpr ImageField kSignallingByte = ByteAt(12);
constexpr ImageField kCompander = BitsAt(12, 0, 1);
constexpr ImageField kOptionSignalling = BitsAt(12, 1, 2);
constexpr ImageField kBusyChannelLockout = BitsAt(12, 3, 2);
constexpr ImageField kSpUnmute = BitsAt(12, 5, 3);
constexpr ImageField kAudioByte = ByteAt(13);
constexpr ImageField kWideNarrow = BitsAt(13, 4, 1);
constexpr ImageField kTxPower = BitsAt(13, 5, 1);
constexpr ImageField kBeatShift = BitsAt(13, 6, 1);
// Which of the two equal Parlane list entries (04 or 24) the channel's 154.60000 MHz is.
constexpr ImageField kDuplicateEntry = BitsAt(13, 7, 1);
constexpr ImageField kStepByte = ByteAt(14);
constexpr ImageField kPttId = BitsAt(14, 0, 4);
constexpr ImageField kTransmitStep = BitsAt(14, 4, 2);
constexpr ImageField kReceiveStep = BitsAt(14, 6, 2);
// Autodial memory (bits 2-0) on LMR models, the tone number of the channel's tone on
// Parlane models.
constexpr ImageField kLastByte = ByteAt(15);
constexpr ImageField kAutodialMemory = BitsAt(15, 0, 3);
} // namespace record

// Bit n is slot n: the slots that hold a channel, and the channels that are scanned.
constexpr ImageField kProgrammedMap = WordAt(380);
constexpr ImageField kScanAddMap = WordAt(382);
constexpr ImageRange kChannelMaps{380, 4};

} // namespace qtr::channels
