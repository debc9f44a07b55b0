#include "core/app/FleetLog.h"

#include "core/base/messages/Fleet.h"
#include "core/base/MessageCatalog.h"
#include "core/base/RegularFile.h"
#include "core/base/SafeSave.h"
#include "core/base/SystemClock.h"
#include "core/channels/CsvTable.h"
#include "core/link/PosixWrite.h"
#include "core/link/TextFields.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace qtr {

namespace {

// Some fifty thousand radios; reading takes a buffer of this size.
constexpr std::size_t kLogLimit = 16 * 1024 * 1024;
constexpr std::size_t kMostLogRows = 10000000;

// A stop signal arriving meanwhile must not lose the row; a log on a terminal or a pipe
// has no disk to reach.
bool ReachesDisk(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno == EINVAL)
            return true;
        if (errno != EINTR)
            return false;
    }
    return true;
}

std::string FieldAt(const CsvTable& table, const CsvTable::Row& row, const char* column)
{
    const int at = table.Column(column);
    return at < 0 || static_cast<std::size_t>(at) >= row.fields.size() ? std::string()
                                                                         : row.fields[static_cast<std::size_t>(at)];
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

} // namespace

FleetLog::~FleetLog()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::string FleetLog::LocalTimeStamp()
{
    const std::tm now = SystemClock().Now();
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &now);
    std::string stamp = text;
    if (stamp.size() >= 5)
        stamp.insert(stamp.size() - 2, ":");
    return stamp;
}

FleetReason FleetLog::Failure() const
{
    return {messages::fleet::kCannotWriteLog, {path_, std::strerror(errno)}};
}

FleetReason FleetLog::Open(const std::string& path, const MessageCatalog& catalog)
{
    path_ = path;
    if (path.empty())
        return {};
    // A new log holds nothing, nor does a terminal or a pipe; a log that cannot be read
    // might hold IDs that would be given twice.
    const FileContents before = ReadRegularFile(path, kLogLimit);
    const bool absent = before.fault == FileFault::CannotOpen && before.error == ENOENT;
    if (before.fault == FileFault::TooLarge || (before.fault == FileFault::CannotOpen && !absent))
        return {messages::fleet::kCannotReadLog, {path, FileFaultText(before, catalog)}};
    if (before.fault == FileFault::None) {
        if (const FleetReason problem = ReadIssued(before.bytes))
            return problem;
    }
    fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kNewFileMode);
    if (fd_ < 0)
        return Failure();
    needsHeader_ = ::lseek(fd_, 0, SEEK_END) == 0;
    return {};
}

// Rows go on under the header this program writes and no other, so that the IDs they hold are found.
FleetReason FleetLog::ReadIssued(const std::string& text)
{
    if (text.empty())
        return {};
    const CsvTable table = CsvTable::Parse(text, kMostLogRows);
    const std::string header = CsvTable::Line(table.header);
    if (header.substr(0, header.size() - 2) != kHeader)
        return {messages::fleet::kLogOtherColumns, {path_}};
    for (const CsvTable::Row& row : table.rows) {
        const UnitIdPool::Holder holder{FieldAt(table, row, "serial"), row.line};
        if (const std::string dtmf = FieldAt(table, row, "dtmf_id"); !dtmf.empty())
            issued_.dtmf.emplace(dtmf, holder);
        const auto fleet = ParseWhole<int>(FieldAt(table, row, "vantalink_fleet"));
        const auto id = ParseWhole<int>(FieldAt(table, row, "vantalink_id"));
        if (fleet && id)
            issued_.vantalink.emplace(std::make_pair(*fleet, *id), holder);
    }
    return {};
}

FleetReason FleetLog::Append(const FleetRecord& record, const MessageCatalog& catalog)
{
    if (fd_ < 0)
        return {};
    std::string row = CsvTable::Line({record.time, record.port, record.radioModel, record.serial, record.file,
                                      record.sha256, FleetResultWord(record.result),
                                      FleetReasonText(record.reason, catalog), record.dtmfId, record.vantalinkFleet,
                                      record.vantalinkId, record.verified ? "yes" : "no", Seconds(record.seconds)});
    std::lock_guard lock(mutex_);
    // The header goes with the first row, so a log that cannot be written fails where a row does.
    if (needsHeader_)
        row.insert(0, std::string(kHeader).append("\r\n"));
    if (!WriteAll(fd_, reinterpret_cast<const std::uint8_t*>(row.data()), row.size()) || !ReachesDisk(fd_))
        return Failure();
    needsHeader_ = false;
    return {};
}

} // namespace qtr
