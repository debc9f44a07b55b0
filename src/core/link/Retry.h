#pragma once

#include "core/base/Prompter.h"
#include "core/base/messages/Link.h"

#include <functional>

namespace qtr {

inline constexpr int kCommunicationFailedId = messages::link::kCommunicationFailed;

// What the user is asked after a failed exchange with the radio: Retry, the default, or Cancel.
Prompt CommunicationFailedQuestion();

// Runs the exchange until it succeeds; after each failure `again` decides (and does what
// giving up needs). False once it says no.
bool RetryUntilDone(const std::function<bool()>& exchange, const std::function<bool()>& again);

} // namespace qtr
