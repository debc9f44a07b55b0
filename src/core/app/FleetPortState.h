#pragma once

#include "core/app/FleetReason.h"

#include <cstddef>
#include <string>

namespace qtr {

// Where one port of a fleet run stands.
struct FleetPortState {
    enum class Phase { Opening, Waiting, Identifying, BackingUp, Writing, Verifying, Done, Failed, Unusable };

    std::size_t index = 0; // the port's place in the plan
    std::string port;      // as the plan gives it
    Phase phase = Phase::Opening;
    int block = 0; // of a transfer, from 1
    int blocks = 0;
    int radios = 0;      // radios this port has handled so far
    FleetReason reason;  // why the port is unusable or the last radio failed

    bool operator==(const FleetPortState&) const = default;
};

} // namespace qtr
