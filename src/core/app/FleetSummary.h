#pragma once

#include "core/app/FleetReason.h"

#include <string>
#include <vector>

namespace qtr {

// What each port did in a fleet run.
struct FleetPortTotals {
    std::string port;
    int written = 0;  // radios that took the image, verified or not
    int verified = 0; // of those, read back and found the same
    int refused = 0;
    int failed = 0;
    FleetReason unusable; // why the port could not be used at all

    FleetPortTotals& operator+=(const FleetPortTotals& other);
};

struct FleetSummary {
    std::vector<FleetPortTotals> ports;
    FleetReason logFailure; // the log could not be written: no radio was taken after it

    FleetPortTotals Total() const;
};

} // namespace qtr
