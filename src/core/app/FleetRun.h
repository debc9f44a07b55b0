#pragma once

#include "core/app/FleetLog.h"
#include "core/app/FleetObserver.h"
#include "core/app/FleetPlan.h"
#include "core/app/UnitIdPool.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// What the ports of one fleet run share: the plan, the log, the unit IDs, the serials
// programmed so far, the totals, and the request to stop.
class FleetRun {
public:
    FleetRun(const FleetPlan& plan, FleetObserver& observer, const MessageCatalog& catalog);

    const FleetPlan& Plan() const { return plan_; }
    const MessageCatalog& Catalog() const { return catalog_; }
    FleetObserver& Observer() { return observer_; }
    UnitIdPool& Ids() { return ids_; }
    std::vector<FleetReason> Prepare() { return PrepareFleet(plan_, catalog_, log_, ids_); }

    void RequestStop();
    bool Stopping() const;
    // Waits for `interval` unless a stop comes first; false when it came.
    bool Pause(std::chrono::milliseconds interval);

    bool WasProgrammed(const std::string& serial) const;
    // Numbers the radio, logs it, counts it for its port and tells the observer. A row that
    // does not reach the log stops the run: no radio is programmed without its row.
    void Finish(std::size_t port, FleetRecord& record);
    void PortUnusable(std::size_t port, const FleetReason& reason);
    // The last port to end tells the observer that the run is over.
    void PortEnded();
    FleetSummary Summary() const;

private:
    const FleetPlan& plan_;
    FleetObserver& observer_;
    const MessageCatalog& catalog_;
    FleetLog log_;
    UnitIdPool ids_;
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::set<std::string> programmed_;
    int radios_ = 0;
    std::size_t portsRunning_;
    FleetSummary summary_;
};

} // namespace qtr
