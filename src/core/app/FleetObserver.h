#pragma once

#include "core/app/FleetPortState.h"
#include "core/app/FleetRecord.h"
#include "core/app/FleetSummary.h"

#include <string>

namespace qtr {

// Hears a fleet run. Called from the ports' own threads, several at a time: a window
// passes each call on to its own thread.
class FleetObserver {
public:
    virtual ~FleetObserver() = default;
    virtual void PortChanged(const FleetPortState& state) = 0;
    // After the radio's log row reached the disk.
    virtual void RadioDone(const FleetRecord& record) = 0;
    // A radio whose serial was already programmed in this run answered again: nothing written.
    virtual void RadioSkipped(const FleetPortState& state, const std::string& serial) = 0;
    virtual void Finished(const FleetSummary& summary) = 0;
};

} // namespace qtr
