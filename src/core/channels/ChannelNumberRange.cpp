#include "core/channels/ChannelNumberRange.h"

#include "core/model/FieldRoutines.h"

namespace qtr {

ChannelNumberRange::ChannelNumberRange(int channelCount) : count_(channelCount)
{
}

int ChannelNumberRange::Digits() const
{
    return count_ >= 10 ? 2 : 1;
}

int ChannelNumberRange::SlotFromText(std::string& text) const
{
    return ClampNumberText(text, count_, 1, 1) - 1;
}

int ChannelNumberRange::Step(int slot, int direction) const
{
    return SpinStep(slot, count_ - 1, 0, 1, direction);
}

} // namespace qtr
