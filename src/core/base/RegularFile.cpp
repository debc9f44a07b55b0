#include "core/base/RegularFile.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Document.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qtr {

namespace {

FileFault FaultOfKind(const struct stat& info, std::size_t limit)
{
    if (S_ISDIR(info.st_mode))
        return FileFault::Folder;
    if (!S_ISREG(info.st_mode))
        return FileFault::NotRegular;
    return static_cast<std::uintmax_t>(info.st_size) > limit ? FileFault::TooLarge : FileFault::None;
}

FileContents SystemFault(int error)
{
    return FileContents{.fault = FileFault::CannotOpen, .error = error};
}

// Reads up to one byte past `limit`, which tells a file that grew after it was measured.
FileContents ReadOpened(int fd, std::size_t limit)
{
    FileContents file;
    std::string bytes(limit + 1, '\0');
    std::size_t received = 0;
    while (received < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + received, bytes.size() - received);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return SystemFault(errno);
        if (n == 0)
            break;
        received += static_cast<std::size_t>(n);
    }
    file.size = received;
    if (received > limit)
        file.fault = FileFault::TooLarge;
    else
        file.bytes = bytes.substr(0, received);
    return file;
}

} // namespace

FileContents ReadRegularFile(const std::string& path, std::size_t limit)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return SystemFault(errno);
    if (const FileFault fault = FaultOfKind(info, limit); fault != FileFault::None)
        return FileContents{.fault = fault, .size = static_cast<std::uintmax_t>(info.st_size)};
    // Not blocking: the name may have been given to a pipe since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return SystemFault(errno);
    FileContents file;
    if (::fstat(fd, &info) != 0)
        file = SystemFault(errno);
    else if (const FileFault fault = FaultOfKind(info, limit); fault != FileFault::None)
        file = FileContents{.fault = fault, .size = static_cast<std::uintmax_t>(info.st_size)};
    else
        file = ReadOpened(fd, limit);
    ::close(fd);
    return file;
}

int FileFaultMessage(FileFault fault)
{
    switch (fault) {
    case FileFault::Folder:
        return messages::document::kIsAFolder;
    case FileFault::NotRegular:
        return messages::document::kNotARegularFile;
    case FileFault::TooLarge:
        return messages::document::kTooLarge;
    case FileFault::None:
    case FileFault::CannotOpen:
        break;
    }
    return 0;
}

std::string FileFaultText(const FileContents& file, const MessageCatalog& catalog)
{
    if (file.fault == FileFault::CannotOpen)
        return std::strerror(file.error);
    return catalog.MessageText(FileFaultMessage(file.fault), 1);
}

} // namespace qtr
