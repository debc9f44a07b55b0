#pragma once

#include "core/model/ImageField.h"

#include <cstdint>

namespace qtr {

class RadioState;

// The priority channel and the fixed channel name channels by number: they follow the
// channels as these are emptied, programmed and moved. A changed reference is announced,
// for an open Scan window shows both. Slots are 0-based, channel numbers 1-based.
class ChannelReferences {
public:
    static constexpr int kNoSlot = -1;

    explicit ChannelReferences(RadioState& state);

    // A programmed channel while the priority mode allows a priority channel.
    bool CanBePriorityChannel(int slot) const;
    bool IsPriorityChannel(int slot) const;
    // The priority check box of a channel: checking it names the channel, clearing it
    // names none (only when it named this one).
    void SetPriorityChannel(int slot, bool checked);

    // After a slot became empty: the priority and fixed channel no longer name it.
    void ReleaseReferences(int slot);
    // After a slot became programmed on a 15-channel model: a fixed channel of none
    // becomes the lowest programmed channel.
    void AssignFixedChannelWhenNone();
    // After channels moved: the priority channel no longer names the channel it did.
    void ClearPriorityChannel();

    // The slot of the channel the fixed channel names; kNoSlot when it names no programmed one.
    int ProgrammedFixedSlot() const;
    // After a move: the fixed channel names the channel's new slot, or (kNoSlot) the lowest
    // programmed channel when its channel is gone.
    void FollowFixedChannel(int slotAfter);

private:
    bool IsProgrammed(int slot) const;
    std::uint8_t ImageByte(const ImageField& field) const;
    void SetReference(const ImageField& reference, std::uint8_t channel);
    std::uint8_t LowestProgrammedChannel() const;

    RadioState& state_;
};

} // namespace qtr
