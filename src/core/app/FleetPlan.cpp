#include "core/base/messages/Link.h"
#include "core/app/FleetPlan.h"

#include "core/app/FleetLog.h"
#include "core/base/messages/Fleet.h"
#include "core/app/UnitIdPool.h"
#include "core/base/MessageCatalog.h"
#include "core/link/TextFields.h"
#include "core/link/WriteReadiness.h"
#include "core/model/RadioState.h"

#include <set>

namespace qtr {

namespace {

constexpr int kHighestPortNumber = 255;

void CheckPorts(const std::vector<std::string>& ports, std::vector<FleetReason>& problems)
{
    if (ports.empty())
        problems.push_back({messages::fleet::kNoPort, {}});
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        const bool number = !port.empty() && port.find_first_not_of("0123456789") == std::string::npos;
        const auto value = number ? ParseWhole<int>(port) : std::nullopt;
        if (port.empty() || (number && (!value || *value < 1 || *value > kHighestPortNumber)))
            problems.push_back({messages::fleet::kNoSuchPort, {port}});
        else if (!seen.insert(port).second)
            problems.push_back({messages::fleet::kPortTwice, {port}});
    }
}

void CheckReadiness(const ImageBytes& image, const MessageCatalog& catalog, std::vector<FleetReason>& problems)
{
    const auto missing = WriteReadiness::FindMissing(image);
    if (!missing)
        return;
    std::string names;
    for (const int id : missing->nameIds)
        names += (names.empty() ? "\"" : ", \"") + catalog.MessageText(id, 1) + "\"";
    problems.push_back({messages::link::kNotReadyToWrite, {names}});
}

void CheckIdStart(const FleetPlan& plan, std::vector<FleetReason>& problems)
{
    RadioState radio;
    radio.image = plan.image;
    if (plan.idRule != UnitIdRule::None && radio.IsParlane())
        problems.push_back({messages::fleet::kParlaneHasNoIds, {}});
    if (plan.idRule != UnitIdRule::Sequence)
        return;
    const UnitIds& start = plan.idStart;
    if (!start.dtmf.empty() && !UnitIds::IsDtmfId(start.dtmf))
        problems.push_back({messages::fleet::kBadDtmfId, {start.dtmf}});
    if (start.vantalink && !start.vantalink->InRange())
        problems.push_back({messages::fleet::kBadVantalinkId, {std::to_string(start.vantalink->fleet) + ":" +
                                                        std::to_string(start.vantalink->id)}});
}

} // namespace

std::vector<FleetReason> PrepareFleet(const FleetPlan& plan, const MessageCatalog& catalog, FleetLog& log,
                                      UnitIdPool& ids)
{
    std::vector<FleetReason> problems;
    CheckPorts(plan.ports, problems);
    CheckReadiness(plan.image, catalog, problems);
    CheckIdStart(plan, problems);
    if (const FleetReason problem = log.Open(plan.logPath, catalog))
        problems.push_back(problem);
    if (problems.empty())
        ids.Prepare(plan, log.Issued(), catalog, problems);
    return problems;
}

std::vector<FleetReason> CheckFleetPlan(const FleetPlan& plan, const MessageCatalog& catalog)
{
    FleetLog log;
    UnitIdPool ids;
    return PrepareFleet(plan, catalog, log, ids);
}

} // namespace qtr
