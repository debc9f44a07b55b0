#pragma once

#include "core/app/FleetReason.h"
#include "core/app/FleetRecord.h"
#include "core/app/UnitIdPool.h"

#include <mutex>
#include <string>

namespace qtr {

class MessageCatalog;

// The CSV log of a fleet run, appended to: a row per radio, each on the disk before the
// port takes the next radio, the header with the first row of a new log.
class FleetLog {
public:
    static constexpr const char* kHeader = "time,port,radio_model,serial,file,sha256,result,reason,dtmf_id,"
                                           "vantalink_fleet,vantalink_id,verified,seconds";

    FleetLog() = default;
    ~FleetLog();
    FleetLog(const FleetLog&) = delete;
    FleetLog& operator=(const FleetLog&) = delete;

    // Reads what the log holds and opens it for appending; the reason when it cannot be
    // used. An empty path is no log.
    FleetReason Open(const std::string& path, const MessageCatalog& catalog);
    // The unit IDs the rows hold.
    const UnitIdPool::Issued& Issued() const { return issued_; }
    // The row on the disk; the reason when it did not get there. Safe from every port at once.
    FleetReason Append(const FleetRecord& record, const MessageCatalog& catalog);

    // ISO 8601 local time with the offset written "+01:00".
    static std::string LocalTimeStamp();

private:
    FleetReason ReadIssued(const std::string& text);
    FleetReason Failure() const;

    std::mutex mutex_;
    std::string path_;
    int fd_ = -1;
    bool needsHeader_ = false;
    UnitIdPool::Issued issued_;
};

} // namespace qtr
