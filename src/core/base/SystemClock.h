#pragma once

#include "core/base/Clock.h"

namespace qtr {

// The local time of the computer.
class SystemClock : public Clock {
public:
    std::tm Now() const override;
};

} // namespace qtr
