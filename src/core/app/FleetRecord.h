#pragma once

#include "core/app/FleetReason.h"

#include <string>

namespace qtr {

enum class FleetResult { Written, Verified, Refused, Failed };

// "written", "verified", "refused", "failed": as the log writes them.
const char* FleetResultWord(FleetResult result);

// One radio of a fleet run: a row of the log.
struct FleetRecord {
    std::string time; // local time, ISO 8601 with the offset
    std::string port;
    int number = 0;          // the radio's place in the run, from 1
    std::string radioModel;  // the model code the radio said; empty when it never said
    std::string serial;
    std::string file;
    std::string sha256;      // of the image written to this radio, its unit IDs included
    FleetResult result = FleetResult::Failed;
    FleetReason reason;
    std::string dtmfId;
    std::string vantalinkFleet;
    std::string vantalinkId;
    bool verified = false;
    double seconds = 0;
};

} // namespace qtr
