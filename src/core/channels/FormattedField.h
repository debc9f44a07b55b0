#pragma once

#include <string>

namespace qtr {

// What a channel view shows for one field of one channel. The core speaks in message
// identifiers: list fields name the message that shows their value, and only the
// frequency and tone fields carry a text.
struct FormattedField {
    static constexpr int kNoChannel = -1;
    static constexpr int kNoMessage = -1;

    int value = kNoChannel;      // list and check fields: the value shown; text fields: 0
    int messageId = kNoMessage;  // list fields: the message paired with the value
    std::string text;            // frequency and tone fields

    bool HasChannel() const { return value != kNoChannel; }
    bool HasMessage() const { return messageId != kNoMessage; }
};

} // namespace qtr
