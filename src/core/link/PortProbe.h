#pragma once

#include "core/link/PortFailure.h"

#include <string>
#include <vector>

namespace qtr {

class SerialPort;

// One port as the Communication Port dialog offers it.
struct ProbedPort {
    unsigned number = 0;
    std::string device;
    bool usable = false; // it opens and is a serial port
    PortProblem problem = PortProblem::None; // why it is not usable
};

// The label of port n (1 to 20) in the Communication Port dialog: "COM1" to "COM20" in
// the language file, where the numbers run 3015001, 3015003, 3015005, then 3015009 on.
int PortLabelId(unsigned port);

// Tries ports 1 to 20 in turn, each left closed again, and finally selects the port that
// was selected before.
std::vector<ProbedPort> ProbePorts(SerialPort& port);

} // namespace qtr
