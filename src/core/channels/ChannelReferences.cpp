#include "core/channels/ChannelReferences.h"

#include "core/channels/ChannelRecord.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

namespace qtr {

namespace {

constexpr std::uint8_t kPriorityModeOn = 1;

std::uint8_t ChannelNumber(int slot)
{
    return static_cast<std::uint8_t>(slot + 1);
}

} // namespace

ChannelReferences::ChannelReferences(RadioState& state) : state_(state) {}

bool ChannelReferences::CanBePriorityChannel(int slot) const
{
    return IsProgrammed(slot) && ImageByte(scan::kPriority) == kPriorityModeOn;
}

bool ChannelReferences::IsPriorityChannel(int slot) const
{
    return ImageByte(scan::kPriorityChannel) == ChannelNumber(slot);
}

void ChannelReferences::SetPriorityChannel(int slot, bool checked)
{
    if (checked && CanBePriorityChannel(slot))
        SetReference(scan::kPriorityChannel, ChannelNumber(slot));
    else if (!checked && IsPriorityChannel(slot))
        SetReference(scan::kPriorityChannel, scan::kNoChannel);
}

void ChannelReferences::ReleaseReferences(int slot)
{
    if (!ChannelRecord::IsSlot(slot))
        return;
    if (IsPriorityChannel(slot))
        SetReference(scan::kPriorityChannel, scan::kNoChannel);
    if (ImageByte(scan::kFixedChannel) == ChannelNumber(slot))
        SetReference(scan::kFixedChannel, LowestProgrammedChannel());
}

void ChannelReferences::AssignFixedChannelWhenNone()
{
    constexpr int kFifteenChannels = 15;
    if (state_.ChannelCount() == kFifteenChannels && ImageByte(scan::kFixedChannel) == scan::kNoChannel)
        SetReference(scan::kFixedChannel, LowestProgrammedChannel());
}

void ChannelReferences::ClearPriorityChannel()
{
    SetReference(scan::kPriorityChannel, scan::kNoChannel);
}

int ChannelReferences::ProgrammedFixedSlot() const
{
    const int slot = ImageByte(scan::kFixedChannel) - 1;
    return ChannelRecord::IsSlot(slot) && IsProgrammed(slot) ? slot : kNoSlot;
}

// When the fixed channel named an empty slot or its own channel was deleted, the lowest
// programmed channel takes over; "none" stays none.
void ChannelReferences::FollowFixedChannel(int slotAfter)
{
    if (slotAfter != kNoSlot)
        SetReference(scan::kFixedChannel, ChannelNumber(slotAfter));
    else if (ChannelRecord::IsSlot(ImageByte(scan::kFixedChannel) - 1))
        SetReference(scan::kFixedChannel, LowestProgrammedChannel());
}

bool ChannelReferences::IsProgrammed(int slot) const
{
    return ChannelRecord::IsSlot(slot) && ChannelRecord(state_.image, slot).IsProgrammed();
}

std::uint8_t ChannelReferences::ImageByte(const ImageField& field) const
{
    return static_cast<std::uint8_t>(state_.Get(field));
}

void ChannelReferences::SetReference(const ImageField& reference, std::uint8_t channel)
{
    if (ImageByte(reference) == channel)
        return;
    state_.Set(reference, channel);
    // An open Scan window shows the priority and the fixed channel.
    state_.notices.Notify({ImageNotice::Kind::Changed, ImageReason::ScanChannelsMoved});
}

std::uint8_t ChannelReferences::LowestProgrammedChannel() const
{
    for (int slot = 0; slot < state_.SlotCount(); ++slot)
        if (IsProgrammed(slot))
            return ChannelNumber(slot);
    return scan::kNoChannel;
}

} // namespace qtr
