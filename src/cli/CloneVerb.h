#pragma once

#include "cli/CliArguments.h"
#include "core/app/FleetObserver.h"
#include "core/app/FleetPlan.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

namespace qtr {
class FleetStation;
}

namespace qtr::cli {

class CliProgram;

// "clone": one file into many radios, on every --port at once. Each radio is identified and
// asked its serial number; one that a plain write would refuse or ask about is turned away
// with nothing written, and one already programmed in this run is skipped. With --wait each
// port looks for the next radio by itself; otherwise one port goes on after Enter (the end of
// the input stops), several ports program one radio each. A signal lets each port finish
// its radio and take no other.
class CloneVerb : private FleetObserver {
public:
    explicit CloneVerb(CliProgram& program) : program_(program) {}
    int Run(const CliArguments& arguments);

private:
    // The plan of the arguments; the reason (a message of the catalogue or the tool's own
    // words) when they are wrong.
    std::optional<std::string> MakePlan(const CliArguments& arguments, FleetPlan& plan) const;
    std::optional<std::string> ReadIdRule(const CliArguments& arguments, FleetPlan& plan) const;
    int Refuse(const std::vector<FleetReason>& problems) const;
    // Between two radios of one port, asked on the port's thread, answered on this one.
    bool NextRadioWanted();
    // Until the station is done: stop signals, and Enter when a port asks for it.
    void Serve(FleetStation& station);
    void AnswerNextRadio(bool wanted);
    int Conclude(const FleetSummary& summary);

    void PortChanged(const FleetPortState& state) override;
    void RadioDone(const FleetRecord& record) override;
    void RadioSkipped(const FleetPortState& state, const std::string& serial) override;
    void Finished(const FleetSummary& summary) override;
    // "PORT: " when there are several ports; nothing with one.
    std::string PortPrefix(const std::string& port) const;

    CliProgram& program_;
    bool severalPorts_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool asked_ = false;
    std::optional<bool> answer_;
    bool finished_ = false;
};

} // namespace qtr::cli
