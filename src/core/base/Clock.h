#pragma once

#include <ctime>

namespace qtr {

// The seam for the time of day: the status bar clock and printed dates.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm Now() const = 0;
};

} // namespace qtr
