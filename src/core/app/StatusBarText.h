#pragma once

#include <ctime>
#include <string>

namespace qtr {

// Texts of the main window's status bar panes.
std::string PortPaneText(int port);              // "COM3"
std::string TimePaneText(const std::tm& time);   // 12-hour clock, "01:05:09 PM"

} // namespace qtr
