#pragma once

#include "sim/SimFault.h"

#include <map>
#include <optional>
#include <vector>

namespace qtr::sim {

// Which answer gets which fault: counts the occurrences of every step.
class FaultPlan {
public:
    FaultPlan() = default;
    explicit FaultPlan(std::vector<Fault> faults) : faults_(std::move(faults)) {}

    // Counts one more occurrence of the step and returns the fault it gets, if any.
    std::optional<Fault> Next(Step step);

private:
    std::vector<Fault> faults_;
    std::map<Step, int> seen_;
};

} // namespace qtr::sim
