#pragma once

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// Why a plan cannot start, a port cannot be used or a radio was refused or failed, in the
// catalogue's words: the message and the values for its "%s", in order.
struct FleetReason {
    int messageId = 0; // 0: no reason
    std::vector<std::string> values;

    bool operator==(const FleetReason&) const = default;
    explicit operator bool() const { return messageId != 0; }
};

// The message with its values put in; empty for no reason.
std::string FleetReasonText(const FleetReason& reason, const MessageCatalog& catalog);

} // namespace qtr
