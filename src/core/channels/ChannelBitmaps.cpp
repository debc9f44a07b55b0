#include "core/channels/ChannelBitmaps.h"

namespace qtr {

namespace {

constexpr int kSlotsPerByte = 8;

std::size_t ByteOf(std::size_t bitmap, int slot)
{
    return bitmap + static_cast<std::size_t>(slot / kSlotsPerByte);
}

unsigned BitOf(int slot)
{
    return static_cast<unsigned>(slot % kSlotsPerByte);
}

} // namespace

void ChannelBitmaps::CopySlot(int target, int source)
{
    SetProgrammed(target, Programmed(source));
    SetScanAdd(target, ScanAdd(source));
}

bool ChannelBitmaps::Bit(std::size_t bitmap, int slot) const
{
    return image_.Bit(ByteOf(bitmap, slot), BitOf(slot));
}

void ChannelBitmaps::SetBit(std::size_t bitmap, int slot, bool on)
{
    image_.SetBit(ByteOf(bitmap, slot), BitOf(slot), on);
}

} // namespace qtr
