#include "core/link/ProbedPortText.h"

#include "core/link/LinkTexts.h"
#include "core/link/PortProbe.h"

namespace qtr {

std::string ProbedPortDevice(const ProbedPort& port)
{
    if (port.stableName.empty())
        return port.device;
    return port.device + " (" + port.stableName + ")";
}

int ProbedPortNoteId(const ProbedPort& port, bool simulated)
{
    if (simulated)
        return kSimulatedRadioTextId;
    if (port.usable)
        return 0;
    return PortProblemTextId(port.problem);
}

} // namespace qtr
