#include "core/channels/ChannelRecord.h"

namespace qtr {

ChannelRecord::ChannelRecord(ImageBytes& image, int slot)
    : image_(image), base_(kFirstOffset + kSize * static_cast<std::size_t>(slot))
{
}

unsigned ChannelRecord::Get(const BitField& field) const
{
    return image_.Bits(base_ + field.byte, field.firstBit, field.width);
}

void ChannelRecord::Set(const BitField& field, unsigned value)
{
    image_.SetBits(base_ + field.byte, field.firstBit, field.width, value);
}

void ChannelRecord::SetFrequency(std::size_t position, const std::array<std::uint8_t, kFrequencyLength>& field)
{
    for (std::size_t i = 0; i < kFrequencyLength; ++i)
        SetByte(position + i, field[i]);
}

} // namespace qtr
