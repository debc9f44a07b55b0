#include "cli/CloneVerb.h"

#include "cli/CliContext.h"
#include "cli/Verb.h"
#include "core/base/messages/Fleet.h"
#include "core/app/FleetStation.h"
#include "core/link/TextFields.h"

#include <algorithm>
#include <csignal>
#include <istream>
#include <ostream>

#include <pthread.h>

namespace qtr::cli {

namespace {

constexpr auto kServeInterval = std::chrono::milliseconds(100);

// While it lives, threads started leave the stop signals to this one, so that a signal
// ends its wait for Enter.
class StopSignalsToThisThread {
public:
    StopSignalsToThisThread()
    {
        sigset_t signals;
        sigemptyset(&signals);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&signals, signal);
        pthread_sigmask(SIG_BLOCK, &signals, &before_);
    }
    ~StopSignalsToThisThread() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    StopSignalsToThisThread(const StopSignalsToThisThread&) = delete;
    StopSignalsToThisThread& operator=(const StopSignalsToThisThread&) = delete;

private:
    sigset_t before_;
};

std::string Totals(const FleetPortTotals& totals)
{
    return std::to_string(totals.written) + " written, " + std::to_string(totals.verified) + " verified, " +
           std::to_string(totals.refused) + " refused, " + std::to_string(totals.failed) + " failed";
}

} // namespace

int CloneVerb::Run(const CliArguments& arguments)
{
    if (!context_.Accepts(arguments,
                          {"port", "log", "verify", "retries", "wait", "backup", "dtmf-id", "vantalink-id", "ids"}, 1,
                          "exactly one FILE"))
        return 1;
    FleetPlan plan;
    if (const auto problem = MakePlan(arguments, plan))
        return problem->empty() ? 1 : context_.Fail(*problem);
    severalPorts_ = plan.ports.size() > 1;
    const bool enterBetweenRadios = !severalPorts_ && !plan.waitForRadios;
    FleetStation station(std::move(plan), *this, FleetStation::DevicePorts(context_.PortSettings()), context_.App().catalog);
    if (enterBetweenRadios)
        station.UseNextRadio([this](const FleetPortState&) { return NextRadioWanted(); });
    std::vector<FleetReason> problems;
    {
        const StopSignalsToThisThread signals;
        problems = station.Start();
    }
    if (!problems.empty())
        return Refuse(problems);
    Serve(station);
    station.Wait();
    return Conclude(station.Summary());
}

std::optional<std::string> CloneVerb::MakePlan(const CliArguments& arguments, FleetPlan& plan) const
{
    plan.ports = arguments.Options("port");
    if (plan.ports.empty())
        return "clone needs --port with a port number or a device";
    const auto retries = ParseWhole<int>(arguments.Option("retries").value_or("0"));
    if (!retries || *retries > 999)
        return "--retries needs a whole number";
    plan.retries = *retries;
    plan.fileName = arguments.Plain().front();
    if (!context_.LoadImage(plan.fileName))
        return std::string(); // already said
    plan.image = context_.App().state.image;
    plan.verify = arguments.Flag("verify");
    plan.waitForRadios = arguments.Flag("wait");
    plan.backupFolder = arguments.Option("backup").value_or("");
    plan.backup = !plan.backupFolder.empty();
    plan.logPath = arguments.Option("log").value_or("");
    return ReadIdRule(arguments, plan);
}

std::optional<std::string> CloneVerb::ReadIdRule(const CliArguments& arguments, FleetPlan& plan) const
{
    const MessageCatalog& catalog = context_.App().catalog;
    const auto dtmf = arguments.Option("dtmf-id");
    const auto vantalink = arguments.Option("vantalink-id");
    const auto file = arguments.Option("ids");
    if (file && (dtmf || vantalink))
        return FleetReasonText({messages::fleet::kSequenceAndFile, {}}, catalog);
    if (file) {
        plan.idRule = UnitIdRule::BySerial;
        plan.idFile = *file;
    } else if (dtmf || vantalink) {
        plan.idRule = UnitIdRule::Sequence;
        plan.idStart.dtmf = dtmf.value_or("");
        if (dtmf && dtmf->empty())
            return FleetReasonText({messages::fleet::kBadDtmfId, {*dtmf}}, catalog);
        if (vantalink && !(plan.idStart.vantalink = VantalinkIdentity::Parse(*vantalink)))
            return FleetReasonText({messages::fleet::kBadVantalinkId, {*vantalink}}, catalog);
    }
    return std::nullopt;
}

int CloneVerb::Refuse(const std::vector<FleetReason>& problems) const
{
    for (const FleetReason& problem : problems)
        context_.Fail(FleetReasonText(problem, context_.App().catalog));
    return 1;
}

bool CloneVerb::NextRadioWanted()
{
    std::unique_lock lock(mutex_);
    asked_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return answer_.has_value(); });
    const bool wanted = *answer_;
    answer_.reset();
    return wanted;
}

void CloneVerb::AnswerNextRadio(bool wanted)
{
    std::lock_guard lock(mutex_);
    asked_ = false;
    answer_ = wanted;
    changed_.notify_all();
}

void CloneVerb::Serve(FleetStation& station)
{
    for (;;) {
        bool asked = false;
        {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, kServeInterval, [this] { return finished_ || asked_; });
            if (finished_)
                return;
            asked = asked_;
        }
        if (context_.Stopped()) {
            station.RequestStop();
            if (asked)
                AnswerNextRadio(false);
            continue;
        }
        if (!asked)
            continue;
        context_.Out() << "Connect the next radio and press Enter, or end the input to stop." << std::endl;
        std::string line;
        const bool wanted = static_cast<bool>(std::getline(context_.In(), line));
        if (!wanted && context_.Stopped())
            context_.Fail("stopped between two radios: none was being written");
        AnswerNextRadio(wanted);
    }
}

int CloneVerb::Conclude(const FleetSummary& summary)
{
    const MessageCatalog& catalog = context_.App().catalog;
    std::ostream& out = context_.Out();
    for (const FleetPortTotals& port : summary.ports)
        out << PortPrefix(port.port)
            << (port.unusable ? "not used: " + FleetReasonText(port.unusable, catalog) : Totals(port)) << '\n';
    const FleetPortTotals total = summary.Total();
    if (severalPorts_)
        out << "all ports: " << Totals(total) << '\n';
    out.flush();
    if (summary.logFailure)
        context_.Fail(FleetReasonText(summary.logFailure, catalog));
    const bool unusablePort = std::any_of(summary.ports.begin(), summary.ports.end(),
                                          [](const FleetPortTotals& port) { return bool(port.unusable); });
    return total.refused == 0 && total.failed == 0 && !unusablePort && !summary.logFailure ? 0 : 1;
}

std::string CloneVerb::PortPrefix(const std::string& port) const
{
    return severalPorts_ ? port + ": " : std::string();
}

void CloneVerb::PortChanged(const FleetPortState& state)
{
    if (state.phase != FleetPortState::Phase::Unusable)
        return;
    std::lock_guard lock(mutex_);
    context_.Fail(PortPrefix(state.port) + FleetReasonText(state.reason, context_.App().catalog));
}

void CloneVerb::RadioDone(const FleetRecord& record)
{
    std::string ids;
    if (!record.dtmfId.empty())
        ids += ", DTMF ID " + record.dtmfId;
    if (!record.vantalinkId.empty())
        ids += ", Vantalink " + record.vantalinkFleet + ":" + record.vantalinkId;
    const std::string reason = FleetReasonText(record.reason, context_.App().catalog);
    std::lock_guard lock(mutex_);
    context_.Out() << PortPrefix(record.port) << "radio " << record.number << ": "
                  << (record.radioModel.empty() ? "?" : record.radioModel)
                  << (record.serial.empty() ? "" : " " + record.serial) << ": " << FleetResultWord(record.result)
                  << ids << (reason.empty() ? "" : " (" + reason + ")") << std::endl;
}

void CloneVerb::RadioSkipped(const FleetPortState& state, const std::string& serial)
{
    std::lock_guard lock(mutex_);
    context_.Out() << PortPrefix(state.port) << "skipped: " << (serial.empty() ? "a radio without serial number" : serial)
                  << " was handled already in this run; connect the next radio" << std::endl;
}

void CloneVerb::Finished(const FleetSummary&)
{
    std::lock_guard lock(mutex_);
    finished_ = true;
    changed_.notify_all();
}

Verb verbs::Clone()
{
    return {"clone",
            "  qtr31x-cli clone --port <n|device> [--port ...] FILE [--log LOG.csv] [--verify] [--wait]\n"
            "                   [--backup DIR] [--retries N] [--dtmf-id START] [--vantalink-id FLEET:START]\n"
            "                   [--ids IDS.csv]\n"
            "      Writes the file to many radios, on every port at once. One port goes on after Enter\n"
            "      (end of input stops); with --wait each port looks for the next radio every second by\n"
            "      itself until Ctrl+C, which lets each port finish its radio. Refuses a radio of another\n"
            "      model, line, band or channel class and skips one already programmed in this run.\n"
            "      --dtmf-id and --vantalink-id give each radio the next DTMF ID and Vantalink ID; --ids\n"
            "      takes them by serial number from a CSV file (serial,dtmf_id,vantalink_fleet,\n"
            "      vantalink_id). --log appends a CSV row per radio and continues after its highest IDs.\n",
            [](CliContext& context, const CliArguments& arguments) { return CloneVerb(context).Run(arguments); }};
}

} // namespace qtr::cli
