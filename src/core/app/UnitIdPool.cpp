#include "core/app/UnitIdPool.h"

#include "core/base/messages/Fleet.h"
#include "core/base/RegularFile.h"
#include "core/link/TextFields.h"

#include <algorithm>

namespace qtr {

namespace {

// An ID file of a few thousand radios is a few hundred kilobytes.
constexpr std::size_t kIdFileLimit = 4 * 1024 * 1024;
constexpr std::size_t kMostIdRows = 100000;

std::string Field(const CsvTable& table, const CsvTable::Row& row, const char* column)
{
    const int at = table.Column(column);
    if (at < 0 || static_cast<std::size_t>(at) >= row.fields.size())
        return {};
    std::string text = row.fields[static_cast<std::size_t>(at)];
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Fleet and ID go together; both missing is fine, one of them is not.
bool ReadVantalink(const std::string& fleet, const std::string& id, std::optional<VantalinkIdentity>& identity)
{
    if (fleet.empty() && id.empty())
        return true;
    const auto fleetNumber = ParseWhole<int>(fleet);
    const auto idNumber = ParseWhole<int>(id);
    if (!fleetNumber || !idNumber)
        return false;
    identity = VantalinkIdentity{*fleetNumber, *idNumber};
    return identity->InRange();
}

std::string Padded(unsigned long long value, std::size_t width)
{
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

} // namespace

void UnitIdPool::Prepare(const FleetPlan& plan, const Issued& issued, const MessageCatalog& catalog,
                         std::vector<FleetReason>& problems)
{
    rule_ = plan.idRule;
    if (rule_ == UnitIdRule::Sequence)
        PrepareSequence(plan, issued);
    if (rule_ != UnitIdRule::BySerial)
        return;
    const std::size_t before = problems.size();
    ReadIdFile(plan.idFile, catalog, problems);
    if (problems.size() == before)
        CheckAgainstLog(issued, plan.idFile, plan.logPath, problems);
}

// A sequence starts where asked, or after the highest ID the log holds when that is higher.
void UnitIdPool::PrepareSequence(const FleetPlan& plan, const Issued& issued)
{
    if (UnitIds::IsDtmfId(plan.idStart.dtmf)) {
        dtmfWidth_ = plan.idStart.dtmf.size();
        unsigned long long next = std::stoull(plan.idStart.dtmf);
        for (const auto& [id, holder] : issued.dtmf)
            if (UnitIds::IsDtmfId(id))
                next = std::max(next, std::stoull(id) + 1);
        nextDtmf_ = next;
    }
    if (const auto start = plan.idStart.vantalink) {
        VantalinkIdentity next = *start;
        for (const auto& [identity, holder] : issued.vantalink)
            if (identity.first == next.fleet)
                next.id = std::max(next.id, identity.second + 1);
        nextVantalink_ = next;
    }
}

void UnitIdPool::ReadIdFile(const std::string& path, const MessageCatalog& catalog,
                            std::vector<FleetReason>& problems)
{
    const FileContents file = ReadRegularFile(path, kIdFileLimit);
    if (file.fault != FileFault::None) {
        problems.push_back({messages::fleet::kCannotReadIdFile, {path, FileFaultText(file, catalog)}});
        return;
    }
    const CsvTable table = CsvTable::Parse(file.bytes, kMostIdRows);
    if (!table.problems.empty()) {
        problems.push_back({messages::fleet::kIdFileBadRow, {path, std::to_string(table.problems.front().line)}});
        return;
    }
    if (table.Column("serial") < 0) {
        problems.push_back({messages::fleet::kIdFileNoSerial, {path}});
        return;
    }
    for (const CsvTable::Row& row : table.rows)
        AddFileRow(path, table, row, problems);
}

void UnitIdPool::AddFileRow(const std::string& path, const CsvTable& table, const CsvTable::Row& row,
                            std::vector<FleetReason>& problems)
{
    const std::string serial = Field(table, row, "serial");
    UnitIds ids;
    ids.dtmf = Field(table, row, "dtmf_id");
    const std::string line = std::to_string(row.line);
    if (serial.empty() || (!ids.dtmf.empty() && !UnitIds::IsDtmfId(ids.dtmf)) ||
        !ReadVantalink(Field(table, row, "vantalink_fleet"), Field(table, row, "vantalink_id"), ids.vantalink)) {
        problems.push_back({messages::fleet::kIdFileBadRow, {path, line}});
        return;
    }
    const bool taken = std::any_of(bySerial_.begin(), bySerial_.end(), [&](const auto& entry) {
        const UnitIds& other = entry.second;
        return entry.first == serial || (!ids.dtmf.empty() && other.dtmf == ids.dtmf) ||
               (ids.vantalink && other.vantalink == ids.vantalink);
    });
    if (taken) {
        problems.push_back({messages::fleet::kIdFileTwice, {path, line}});
        return;
    }
    bySerial_[serial] = ids;
    fileLines_[serial] = row.line;
}

void UnitIdPool::CheckAgainstLog(const Issued& issued, const std::string& path, const std::string& logPath,
                                 std::vector<FleetReason>& problems) const
{
    for (const auto& [serial, ids] : bySerial_) {
        const auto dtmf = issued.dtmf.find(ids.dtmf);
        const bool dtmfElsewhere = !ids.dtmf.empty() && dtmf != issued.dtmf.end() && dtmf->second.serial != serial;
        const auto vantalink =
            ids.vantalink ? issued.vantalink.find({ids.vantalink->fleet, ids.vantalink->id}) : issued.vantalink.end();
        const bool vantalinkElsewhere = vantalink != issued.vantalink.end() && vantalink->second.serial != serial;
        if (dtmfElsewhere || vantalinkElsewhere) {
            const Holder& holder = dtmfElsewhere ? dtmf->second : vantalink->second;
            problems.push_back({messages::fleet::kIdInLogElsewhere,
                                {path, std::to_string(fileLines_.at(serial)), logPath, std::to_string(holder.line)}});
        }
    }
}

std::optional<UnitIds> UnitIdPool::Take(const std::string& serial, FleetReason& refusal)
{
    std::lock_guard lock(mutex_);
    if (rule_ == UnitIdRule::None)
        return UnitIds{};
    if (const auto known = bySerial_.find(serial); known != bySerial_.end() && !serial.empty())
        return known->second;
    if (rule_ == UnitIdRule::BySerial) {
        refusal = serial.empty() ? FleetReason{messages::fleet::kNoSerial, {}}
                                 : FleetReason{messages::fleet::kSerialNotInIdFile, {serial}};
        return std::nullopt;
    }
    const auto ids = NextInSequence(refusal);
    if (ids && !serial.empty())
        bySerial_[serial] = *ids;
    return ids;
}

std::optional<UnitIds> UnitIdPool::NextInSequence(FleetReason& refusal)
{
    UnitIds ids;
    if (nextDtmf_)
        ids.dtmf = Padded(*nextDtmf_, dtmfWidth_);
    ids.vantalink = nextVantalink_;
    if (!ids.dtmf.empty() && !UnitIds::IsDtmfId(ids.dtmf)) {
        refusal = {messages::fleet::kSequenceUsedUp, {ids.dtmf}};
        return std::nullopt;
    }
    if (ids.vantalink && !ids.vantalink->InRange()) {
        refusal = {messages::fleet::kSequenceUsedUp, {std::to_string(ids.vantalink->fleet) + ":" +
                                               std::to_string(ids.vantalink->id)}};
        return std::nullopt;
    }
    if (nextDtmf_)
        ++*nextDtmf_;
    if (nextVantalink_)
        ++nextVantalink_->id;
    return ids;
}

} // namespace qtr
