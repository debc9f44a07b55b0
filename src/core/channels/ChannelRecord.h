#pragma once

#include "core/model/ImageView.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qtr {

// One 16-byte channel record in the image. Slot n (0 to 15) is channel n + 1; a slot
// is programmed when the first byte of its record is not 0xFF.
class ChannelRecord {
public:
    static constexpr int kSlotCount = 16;
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kFirstOffset = 16;
    static constexpr std::uint8_t kUnset = 0xFF;

    // Byte positions inside the record.
    static constexpr std::size_t kReceiveFrequency = 0;
    static constexpr std::size_t kTransmitFrequency = 4;
    static constexpr std::size_t kFrequencyLength = 4;
    static constexpr std::size_t kDecodeTone = 8;
    static constexpr std::size_t kEncodeTone = 10;
    static constexpr std::size_t kSignallingByte = 12;
    static constexpr std::size_t kAudioByte = 13;
    static constexpr std::size_t kStepByte = 14;
    // Autodial memory on LMR models, tone number of the channel's tone on Parlane models.
    static constexpr std::size_t kLastByte = 15;

    struct BitField {
        std::size_t byte;
        unsigned firstBit;
        unsigned width;
    };
    static constexpr BitField kCompander{kSignallingByte, 0, 1};
    static constexpr BitField kOptionSignalling{kSignallingByte, 1, 2};
    static constexpr BitField kBusyChannelLockout{kSignallingByte, 3, 2};
    static constexpr BitField kSpUnmute{kSignallingByte, 5, 3};
    static constexpr BitField kWideNarrow{kAudioByte, 4, 1};
    static constexpr BitField kTxPower{kAudioByte, 5, 1};
    static constexpr BitField kBeatShift{kAudioByte, 6, 1};
    // Which of the two equal Parlane list entries (04 or 24) the channel's 154.60000 MHz is.
    static constexpr BitField kDuplicateEntry{kAudioByte, 7, 1};
    static constexpr BitField kPttId{kStepByte, 0, 4};
    static constexpr BitField kTransmitStep{kStepByte, 4, 2};
    static constexpr BitField kReceiveStep{kStepByte, 6, 2};
    static constexpr BitField kAutodialMemory{kLastByte, 0, 3};

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // The slot must satisfy IsSlot.
    ChannelRecord(ImageBytes& image, int slot);

    bool IsProgrammed() const { return Byte(kReceiveFrequency) != kUnset; }
    bool HasTransmit() const { return Byte(kTransmitFrequency) != kUnset; }

    std::uint8_t Byte(std::size_t position) const { return image_.Byte(base_ + position); }
    void SetByte(std::size_t position, std::uint8_t value) { image_.SetByte(base_ + position, value); }
    std::uint16_t Word(std::size_t position) const { return image_.Word(base_ + position); }
    void SetWord(std::size_t position, std::uint16_t value) { image_.SetWord(base_ + position, value); }
    unsigned Get(const BitField& field) const;
    void Set(const BitField& field, unsigned value);

    const std::uint8_t* Frequency(std::size_t position) const { return image_.Data(base_ + position); }
    void SetFrequency(std::size_t position, const std::array<std::uint8_t, kFrequencyLength>& field);

    // Sixteen 0xFF bytes: the record of an empty slot.
    void Clear() { image_.Fill(base_, kSize, kUnset); }
    void CopyFrom(const ChannelRecord& source) { image_.Copy(base_, source.base_, kSize); }

private:
    ImageView image_;
    std::size_t base_;
};

} // namespace qtr
