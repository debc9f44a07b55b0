#pragma once

#include <string>

namespace qtr {

// A channel number typed or stepped in a channel window (the edit form and Channel Copy):
// limited to 1..count, stepping wraps round at both ends.
class ChannelNumberRange {
public:
    explicit ChannelNumberRange(int channelCount);

    // Characters of the number edit: 2 on the 15- and 16-channel models, 1 otherwise.
    int Digits() const;
    // The slot of a typed channel number; the text is rewritten to the number used.
    int SlotFromText(std::string& text) const;
    // The next slot up (direction > 0) or down (direction < 0).
    int Step(int slot, int direction) const;

private:
    int count_;
};

} // namespace qtr
