#include "core/link/PortProbe.h"

#include "core/base/messages/Link.h"
#include "core/link/SerialPort.h"

#include <filesystem>

namespace qtr {

namespace {

constexpr unsigned kFirstPort = 1;
constexpr unsigned kLastPort = 20;
constexpr std::uint32_t kSettleMs = 50;
constexpr unsigned kPortsBeforeTheGap = 3;

} // namespace

int PortLabelId(unsigned port)
{
    const unsigned step = port <= kPortsBeforeTheGap ? port - 1 : port;
    return messages::link::kCom1 + 2 * static_cast<int>(step);
}

std::string StableDeviceName(const std::string& device, const std::string& byIdFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator(byIdFolder, error)) {
        std::error_code differs;
        if (link.path() != fs::path(device) && fs::equivalent(link.path(), device, differs))
            return link.path().string();
    }
    return {};
}

// A port that failed to open still counts as open; it is closed at once, so that the
// next port is not reached through a reopen and the last one is not left open.
std::vector<ProbedPort> ProbePorts(SerialPort& port)
{
    const std::uint8_t remembered = port.Port();
    std::vector<ProbedPort> ports;
    for (unsigned number = kFirstPort; number <= kLastPort; ++number) {
        port.SetPort(static_cast<std::uint8_t>(number));
        SerialPort::DelayMs(kSettleMs);
        const bool opened = port.SetOpen(1) == LinkResult::Done;
        const bool serial = opened && port.IsRs232();
        const PortProblem problem = opened ? PortProblem::NotSerial : port.OpenFailure().problem;
        ports.push_back({number, port.DeviceName(), serial, serial ? PortProblem::None : problem,
                         StableDeviceName(port.DeviceName())});
        port.SetOpen(0);
    }
    port.SetPort(remembered);
    return ports;
}

} // namespace qtr
