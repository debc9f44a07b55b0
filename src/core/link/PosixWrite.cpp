#include "core/link/PosixWrite.h"

#include <cerrno>
#include <unistd.h>

namespace qtr {

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count)
{
    std::size_t written = 0;
    while (written < count) {
        const ssize_t n = ::write(fd, bytes + written, count - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace qtr
