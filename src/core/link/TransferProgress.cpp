#include "core/link/TransferProgress.h"

#include <algorithm>

namespace qtr {

namespace {

long long Share(int position, int low, int high, long long whole)
{
    if (high <= low)
        return 0;
    const long long done = std::clamp(position, low, high) - static_cast<long long>(low);
    return done * whole / (static_cast<long long>(high) - low);
}

} // namespace

std::string TransferProgress::PercentText(int position, int low, int high)
{
    return std::to_string(Share(position, low, high, 100)) + "%";
}

int TransferProgress::FilledWidth(int position, int low, int high, int width)
{
    return static_cast<int>(Share(position, low, high, std::max(width, 0)));
}

} // namespace qtr
