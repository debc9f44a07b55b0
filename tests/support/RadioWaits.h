#pragma once

#include "sim/RadioSimulator.h"

#include <chrono>

namespace qtr::test {

// How long a wait for the simulated radio may take before it counts as a hang: reached by
// nothing else, however loaded the machine.
inline constexpr std::chrono::seconds kHangBound{30};

// Whether the radio leaves test mode, once it has acted on the 'E' it may just have heard.
inline bool LeftTestMode(const sim::RadioSimulator& radio)
{
    return radio.WaitUntil([](const sim::RadioSimulator& r) { return !r.TestMode().active; }, kHangBound);
}

} // namespace qtr::test
