#include "core/channels/ChannelBitmaps.h"

namespace qtr {

namespace {

ImageField SlotBit(const ImageField& bitmap, int slot)
{
    const unsigned bit = static_cast<unsigned>(slot);
    return {bitmap.offset + bit / 8, bit % 8, 1};
}

} // namespace

void ChannelBitmaps::CopySlot(int target, int source)
{
    SetProgrammed(target, Programmed(source));
    SetScanAdd(target, ScanAdd(source));
}

bool ChannelBitmaps::Bit(const ImageField& bitmap, int slot) const
{
    return image_.IsSet(SlotBit(bitmap, slot));
}

void ChannelBitmaps::SetBit(const ImageField& bitmap, int slot, bool on)
{
    image_.Set(SlotBit(bitmap, slot), on ? 1U : 0U);
}

} // namespace qtr
