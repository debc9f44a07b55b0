#include "core/app/FleetSummary.h"

namespace qtr {

FleetPortTotals& FleetPortTotals::operator+=(const FleetPortTotals& other)
{
    written += other.written;
    verified += other.verified;
    refused += other.refused;
    failed += other.failed;
    return *this;
}

FleetPortTotals FleetSummary::Total() const
{
    FleetPortTotals total;
    for (const FleetPortTotals& port : ports)
        total += port;
    return total;
}

} // namespace qtr
