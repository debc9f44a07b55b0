#pragma once

#include "core/channels/ChannelField.h"
#include "core/model/FieldRoutines.h"

#include <cstdint>

namespace qtr {

// The (message, value) pairs that a channel's list fields offer. They depend on the
// model and on other fields of the channel, so they are built afresh each time.
class ChannelValueLists {
public:
    // What the lists of one channel depend on. An empty slot has neither a decode tone
    // nor option signalling.
    struct Conditions {
        bool decodeSet = false;
        bool optionSignalling = false; // option signalling other than none
        bool restrictedPower = false;
        std::uint8_t pttIdType = 0xFF;
    };

    // Fields that are not list fields have an empty list.
    static ValueList For(ChannelField field, const Conditions& channel);
    // Whether a list has an entry that carries the value.
    static bool Offers(const ValueList& list, int value);

private:
    static ValueList SpUnmute(const Conditions& channel);
    static ValueList BusyChannelLockout(const Conditions& channel);
    static ValueList TxPower(const Conditions& channel);
    static ValueList PttId(const Conditions& channel);
    static ValueList AutodialMemory();
};

} // namespace qtr
