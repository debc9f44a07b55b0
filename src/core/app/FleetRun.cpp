#include "core/app/FleetRun.h"

namespace qtr {

FleetRun::FleetRun(const FleetPlan& plan, FleetObserver& observer, const MessageCatalog& catalog)
    : plan_(plan), observer_(observer), catalog_(catalog), portsRunning_(plan.ports.size())
{
    for (const std::string& port : plan.ports)
        summary_.ports.push_back({.port = port});
}

void FleetRun::RequestStop()
{
    std::lock_guard lock(mutex_);
    stopping_ = true;
    stopped_.notify_all();
}

bool FleetRun::Stopping() const
{
    std::lock_guard lock(mutex_);
    return stopping_;
}

bool FleetRun::Pause(std::chrono::milliseconds interval)
{
    std::unique_lock lock(mutex_);
    return !stopped_.wait_for(lock, interval, [this] { return stopping_; });
}

bool FleetRun::WasProgrammed(const std::string& serial) const
{
    std::lock_guard lock(mutex_);
    return !serial.empty() && programmed_.count(serial) != 0;
}

void FleetRun::Finish(std::size_t port, FleetRecord& record)
{
    FleetReason logFailure;
    {
        std::lock_guard lock(mutex_);
        record.number = ++radios_;
        logFailure = log_.Append(record, catalog_);
        FleetPortTotals& totals = summary_.ports[port];
        const bool written = record.result == FleetResult::Written || record.result == FleetResult::Verified;
        totals.written += written ? 1 : 0;
        totals.verified += record.verified ? 1 : 0;
        totals.refused += record.result == FleetResult::Refused ? 1 : 0;
        totals.failed += record.result == FleetResult::Failed ? 1 : 0;
        if (written && !record.serial.empty())
            programmed_.insert(record.serial);
        if (logFailure && !summary_.logFailure)
            summary_.logFailure = logFailure;
    }
    observer_.RadioDone(record);
    if (logFailure)
        RequestStop();
}

void FleetRun::PortUnusable(std::size_t port, const FleetReason& reason)
{
    std::lock_guard lock(mutex_);
    summary_.ports[port].unusable = reason;
}

void FleetRun::PortEnded()
{
    bool last = false;
    {
        std::lock_guard lock(mutex_);
        last = --portsRunning_ == 0;
    }
    if (last)
        observer_.Finished(Summary());
}

FleetSummary FleetRun::Summary() const
{
    std::lock_guard lock(mutex_);
    return summary_;
}

} // namespace qtr
