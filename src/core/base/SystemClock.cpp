#include "core/base/SystemClock.h"

namespace qtr {

std::tm SystemClock::Now() const
{
    const std::time_t now = std::time(nullptr);
    return *std::localtime(&now); // single-threaded program: the shared buffer is safe
}

} // namespace qtr
