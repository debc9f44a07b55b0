#pragma once

#include <optional>
#include <termios.h>

namespace qtr {

// Line rates in bits per second and the terminal interface's speed codes.
std::optional<speed_t> SpeedOfBaud(unsigned baud);
std::optional<unsigned> BaudOfSpeed(speed_t speed);

} // namespace qtr
