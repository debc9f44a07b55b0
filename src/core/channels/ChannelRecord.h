#pragma once

#include "core/model/ChannelFields.h"
#include "core/model/ImageView.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qtr {

// One 16-byte channel record in the image. Slot n (0 to 15) is channel n + 1; a slot
// is programmed when the first byte of its record is not 0xFF. Fields are those of
// channels::record, given relative to the record.
class ChannelRecord {
public:
    static constexpr int kSlotCount = channels::kSlotCount;
    static constexpr std::size_t kSize = channels::kRecordSize;
    static constexpr std::uint8_t kUnset = channels::kUnset;
    static constexpr std::size_t kFrequencyLength = channels::record::kReceiveFrequency.length;

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // The slot must satisfy IsSlot.
    ChannelRecord(ImageBytes& image, int slot);

    bool IsProgrammed() const { return Get(channels::record::kReceiveFrequency.ByteOf(0)) != kUnset; }
    bool HasTransmit() const { return Get(channels::record::kTransmitFrequency.ByteOf(0)) != kUnset; }

    unsigned Get(const ImageField& field) const { return image_.Get(field.At(base_)); }
    void Set(const ImageField& field, unsigned value) { image_.Set(field.At(base_), value); }

    const std::uint8_t* Frequency(const ImageRange& field) const { return image_.Data(field.At(base_)); }
    void SetFrequency(const ImageRange& field, const std::array<std::uint8_t, kFrequencyLength>& bytes)
    {
        image_.SetBytes(field.At(base_), bytes.data());
    }

    // Sixteen 0xFF bytes: the record of an empty slot.
    void Clear() { image_.Fill(channels::RecordOf(slot_), kUnset); }
    void CopyFrom(const ChannelRecord& source)
    {
        image_.Copy(channels::RecordOf(slot_), channels::RecordOf(source.slot_));
    }

private:
    ImageView image_;
    int slot_;
    std::size_t base_;
};

} // namespace qtr
