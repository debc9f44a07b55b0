#pragma once

#include <string>

namespace qtr {

class MessageCatalog;

// Why a port cannot be used, as the user can act on it.
enum class PortProblem { None, NoDevice, NoPermission, NotSerial, Busy, Other };

// The last failed attempt to open a port: its device and the system's error.
struct PortFailure {
    std::string device;
    PortProblem problem = PortProblem::None;
    int error = 0;
};

PortProblem ProblemOfError(int error);
PortFailure FailureOf(const std::string& device, int error);
// The catalogue text of a problem: "no device", "no permission", ...
int PortProblemTextId(PortProblem problem);
// "/dev/ttyUSB0: no device (No such file or directory)"; the system's words are left out
// where they would mislead, as "Inappropriate ioctl for device" for a file that is no tty.
std::string PortFailureText(const PortFailure& failure, const MessageCatalog& catalog);
// For a permission problem: the group that may open the device and how to join it;
// empty otherwise.
std::string PermissionHint(const PortFailure& failure);

} // namespace qtr
