#pragma once

#include "core/app/FleetPlan.h"
#include "core/app/FleetPortState.h"
#include "core/app/FleetRecord.h"
#include "core/app/FleetSummary.h"

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// What the user chose in the Fleet Programming window, as typed.
struct FleetChoices {
    std::vector<unsigned> ports; // the ports checked
    bool verify = true;
    bool backup = true;
    UnitIdRule idRule = UnitIdRule::None;
    std::string dtmfStart;      // the first DTMF ID; empty: the radios keep the configuration's
    std::string vantalinkStart; // "FLEET:ID"; empty: the radios keep the configuration's
    std::string idFile;
    std::string logPath;
};

// The plan the choices make of the open document: each port waits for one radio after
// another until Stop. IDs typed so that they cannot be read come back as reasons.
struct FleetPlanDraft {
    FleetPlan plan;
    std::vector<FleetReason> reasons;
};
FleetPlanDraft MakeFleetPlan(const FleetChoices& choices, const ImageBytes& image, const std::string& fileName,
                             const std::string& backupFolder);

enum class FleetRunState { Idle, Running, Stopping };

// Which controls of the window the user can touch.
struct FleetControls {
    bool choices = false;      // ports, options, the ID rules and the log while nothing runs
    bool idRules = false;      // only a model that takes unit IDs offers the two rules
    bool sequenceFields = false;
    bool idFileButton = false;
    bool start = false;        // a port and a log chosen
    bool stop = false;

    bool operator==(const FleetControls&) const = default;
};
FleetControls FleetControlStates(FleetRunState run, const FleetChoices& choices, bool modelTakesIds);

// "COM3" for a port number, the device otherwise.
std::string FleetPortName(const std::string& port, const MessageCatalog& catalog);
// "Waiting for a radio", "Writing block 12 of 49", "Checking block 3 of 13", ...
std::string FleetPortStateText(const FleetPortState& state, const MessageCatalog& catalog);
// The port waits on: the radio that answered was programmed already in this run.
std::string FleetSkippedText(const std::string& serial, const MessageCatalog& catalog);

struct FleetProgress {
    int value = 0;
    int maximum = 1;

    bool operator==(const FleetProgress&) const = default;
};
// The blocks of the transfer under way; full once the port is finished.
FleetProgress FleetPortProgress(const FleetPortState& state);

// The log's columns in its order: their titles, and the cells of one radio.
const std::vector<int>& FleetRecordColumnIds();
std::vector<std::string> FleetRecordCells(const FleetRecord& record, const MessageCatalog& catalog);
// The radio took nothing or may hold a partial image: the window shows its row in red.
bool IsFleetFailure(const FleetRecord& record);

// "12 written, 12 verified, 1 refused, 0 failed" over all ports.
std::string FleetSummaryText(const FleetSummary& summary, const MessageCatalog& catalog);

namespace settings {
// The fleet log is chosen once and kept.
inline constexpr char kFleetSection[] = "Fleet";
inline constexpr char kFleetLogFile[] = "LogFile";
} // namespace settings

} // namespace qtr
