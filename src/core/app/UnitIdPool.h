#pragma once

#include "core/app/FleetPlan.h"
#include "core/app/FleetReason.h"
#include "core/app/UnitIds.h"
#include "core/channels/CsvTable.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qtr {

class MessageCatalog;

// Hands each radio of a fleet its unit IDs by the plan's rule, never one ID to two radios:
// a sequence continues after the highest ID a log already holds, and a radio that comes
// again gets the IDs it got before. Safe to use from every port at once.
class UnitIdPool {
public:
    // The IDs a log gave out before, with the serial of the radio that got each.
    struct Holder {
        std::string serial;
        int line = 0; // of the log
    };
    struct Issued {
        std::map<std::string, Holder> dtmf;
        std::map<std::pair<int, int>, Holder> vantalink; // fleet and ID
    };

    UnitIdPool() = default;
    UnitIdPool(const UnitIdPool&) = delete;
    UnitIdPool& operator=(const UnitIdPool&) = delete;

    // Reads the plan's ID rule (and its file); what is wrong goes into `problems`.
    void Prepare(const FleetPlan& plan, const Issued& issued, const MessageCatalog& catalog,
                 std::vector<FleetReason>& problems);
    // The IDs of the radio with `serial`; without, `refusal` says why it gets none.
    std::optional<UnitIds> Take(const std::string& serial, FleetReason& refusal);

private:
    void PrepareSequence(const FleetPlan& plan, const Issued& issued);
    void ReadIdFile(const std::string& path, const MessageCatalog& catalog, std::vector<FleetReason>& problems);
    void AddFileRow(const std::string& path, const CsvTable& table, const CsvTable::Row& row,
                    std::vector<FleetReason>& problems);
    void CheckAgainstLog(const Issued& issued, const std::string& path, const std::string& logPath,
                         std::vector<FleetReason>& problems) const;
    std::optional<UnitIds> NextInSequence(FleetReason& refusal);

    std::mutex mutex_;
    UnitIdRule rule_ = UnitIdRule::None;
    std::optional<unsigned long long> nextDtmf_; // none: the rule gives no DTMF ID
    std::size_t dtmfWidth_ = 0;                  // leading zeros of the start are kept
    std::optional<VantalinkIdentity> nextVantalink_;
    std::map<std::string, UnitIds> bySerial_; // the file's, or those given in this run
    std::map<std::string, int> fileLines_;
};

} // namespace qtr
