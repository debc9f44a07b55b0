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
    std::string stableName; // the device's name under /dev/serial/by-id/, when it has one
};

// The link in `byIdFolder` that leads to `device`, e.g.
// "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0" for "/dev/ttyUSB0": a
// name that stays the same for one cable whatever order the cables were plugged in.
// Empty when there is none, or when `device` is that name already.
std::string StableDeviceName(const std::string& device, const std::string& byIdFolder = "/dev/serial/by-id");

// The label of port n (1 to 20) in the Communication Port dialog: "COM1" to "COM20" in
// the language file, where the ids of COM1 to COM3 run two apart and COM4 skips one.
int PortLabelId(unsigned port);

// Tries ports 1 to 20 in turn, each left closed again, and finally selects the port that
// was selected before.
std::vector<ProbedPort> ProbePorts(SerialPort& port);

} // namespace qtr
