#include "core/app/StatusBarText.h"

#include <cstdio>

namespace qtr {

namespace {

constexpr int kHoursPerHalfDay = 12;

} // namespace

std::string PortPaneText(int port)
{
    return "COM" + std::to_string(port);
}

std::string TimePaneText(const std::tm& time)
{
    const int hour = time.tm_hour % kHoursPerHalfDay == 0 ? kHoursPerHalfDay : time.tm_hour % kHoursPerHalfDay;
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour, time.tm_min, time.tm_sec,
                  time.tm_hour < kHoursPerHalfDay ? "AM" : "PM");
    return text;
}

} // namespace qtr
