#include "core/link/PortFailure.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Link.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

namespace qtr {

namespace {

std::string GroupOf(const std::string& device)
{
    struct stat info {};
    if (stat(device.c_str(), &info) != 0)
        return {};
    group entry{};
    group* found = nullptr;
    char buffer[1024];
    if (getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || found == nullptr)
        return std::to_string(info.st_gid);
    return found->gr_name;
}

} // namespace

PortProblem ProblemOfError(int error)
{
    switch (error) {
    case 0:
        return PortProblem::None;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortProblem::NoDevice;
    case EACCES:
    case EPERM:
        return PortProblem::NoPermission;
    case ENOTTY:
    case EINVAL:
        return PortProblem::NotSerial;
    case EBUSY:
    case EWOULDBLOCK:
        return PortProblem::Busy;
    default:
        return PortProblem::Other;
    }
}

PortFailure FailureOf(const std::string& device, int error)
{
    return {device, ProblemOfError(error), error};
}

int PortProblemTextId(PortProblem problem)
{
    switch (problem) {
    case PortProblem::NoDevice:
        return messages::link::kNoDevice;
    case PortProblem::NoPermission:
        return messages::link::kNoPermission;
    case PortProblem::NotSerial:
        return messages::link::kNotASerialDevice;
    case PortProblem::Busy:
        return messages::link::kInUse;
    case PortProblem::None:
    case PortProblem::Other:
        break;
    }
    return messages::link::kCannotBeOpened;
}

std::string PortFailureText(const PortFailure& failure, const MessageCatalog& catalog)
{
    std::string text = failure.device + ":";
    if (const std::string problem = catalog.MessageText(PortProblemTextId(failure.problem), 1); !problem.empty())
        text += " " + problem;
    if (failure.problem != PortProblem::NotSerial && failure.error != 0)
        text += std::string(" (") + std::strerror(failure.error) + ")";
    return text;
}

std::string PermissionHint(const PortFailure& failure)
{
    if (failure.problem != PortProblem::NoPermission)
        return {};
    const std::string group = GroupOf(failure.device);
    return failure.device + " may only be opened by members of the group \"" + group +
           "\": add your user to it (sudo usermod -aG " + group + " $USER) and log in again.";
}

} // namespace qtr
