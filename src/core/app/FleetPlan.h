#pragma once

#include "core/app/FleetReason.h"
#include "core/app/UnitIds.h"
#include "core/model/ImageView.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace qtr {

class FleetLog;
class MessageCatalog;
class UnitIdPool;

// How the radios of a fleet get their unit IDs.
enum class UnitIdRule {
    None,     // every radio gets the configuration as it is
    Sequence, // the next free DTMF ID and/or Vantalink ID from a start
    BySerial, // from a CSV file: serial,dtmf_id,vantalink_fleet,vantalink_id (any of the last three)
};

// One configuration for many radios on several ports at once.
struct FleetPlan {
    ImageBytes image{};
    std::string fileName; // the data file the image came from, as the log names it
    // Each port as the user gave it: a port number ("3", through the desktop program's
    // settings) or a device path.
    std::vector<std::string> ports;
    bool verify = false;
    bool backup = false;        // keep each radio's memory before writing it
    std::string backupFolder;
    bool waitForRadios = false; // each port asks for the next radio's identity by itself
    std::chrono::milliseconds waitInterval{1000};
    int retries = 0; // a failed exchange is tried again this many times
    UnitIdRule idRule = UnitIdRule::None;
    UnitIds idStart;    // Sequence: the first IDs, each optional
    std::string idFile; // BySerial
    std::string logPath; // empty: no log
};

// Everything that keeps the plan from starting, found without opening any port: a
// configuration that may not be written, IDs the model cannot take or out of range, an
// ID file that cannot be read or is wrong, a log that cannot be written.
std::vector<FleetReason> CheckFleetPlan(const FleetPlan& plan, const MessageCatalog& catalog);
// The same, leaving the log open and the IDs ready for the run.
std::vector<FleetReason> PrepareFleet(const FleetPlan& plan, const MessageCatalog& catalog, FleetLog& log,
                                      UnitIdPool& ids);

} // namespace qtr
