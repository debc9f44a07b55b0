#pragma once

#include <cstdint>

namespace qtr::testmode {

// The repeating timer that drives a measuring poll: a window timer in the program, a
// switch in tests, which call the tick themselves.
class PollTimer {
public:
    virtual ~PollTimer() = default;
    virtual void Start(std::uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
};

} // namespace qtr::testmode
