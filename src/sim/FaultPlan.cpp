#include "sim/FaultPlan.h"

namespace qtr::sim {

std::optional<Fault> FaultPlan::Next(Step step)
{
    const int occurrence = seen_[step]++;
    for (const Fault& fault : faults_) {
        if (fault.step != step || occurrence < fault.skip)
            continue;
        if (fault.count == 0 || occurrence < fault.skip + fault.count)
            return fault;
    }
    return std::nullopt;
}

} // namespace qtr::sim
