#pragma once

#include "core/link/LinkStep.h"

#include <string>

namespace qtr::cli {

// The one line a transfer that a signal stopped leaves: where it stopped and what the radio
// holds now, from the last step the transfer began (its block was finished).
std::string StopReport(const LinkStep& step, bool writing);

} // namespace qtr::cli
