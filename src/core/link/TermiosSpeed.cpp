#include "core/link/TermiosSpeed.h"

namespace qtr {

namespace {

struct SpeedEntry {
    unsigned baud;
    speed_t speed;
};

constexpr SpeedEntry kSpeeds[] = {{110, B110},     {300, B300},     {600, B600},     {1200, B1200},
                                  {2400, B2400},   {4800, B4800},   {9600, B9600},   {19200, B19200},
                                  {38400, B38400}, {57600, B57600}, {115200, B115200}};

} // namespace

std::optional<speed_t> SpeedOfBaud(unsigned baud)
{
    for (const auto& entry : kSpeeds) {
        if (entry.baud == baud)
            return entry.speed;
    }
    return std::nullopt;
}

std::optional<unsigned> BaudOfSpeed(speed_t speed)
{
    for (const auto& entry : kSpeeds) {
        if (entry.speed == speed)
            return entry.baud;
    }
    return std::nullopt;
}

} // namespace qtr
