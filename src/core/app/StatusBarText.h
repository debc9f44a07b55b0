#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace qtr {

class MessageCatalog;

// Texts of the main window's status bar panes.
std::string PortPaneText(int port);              // "COM3"
// The date in the pattern of the loaded language: "07/01/11" in English, "01/07/11" in
// Spanish, "2011/07/01" in Chinese.
std::string DatePaneText(const std::tm& time, const MessageCatalog& catalog);
// "%d", "%m", "%y" and "%Y" give the day, the month, the two- and four-digit year, "%%"
// a percent sign; everything else is copied.
std::string FormatDate(const std::tm& time, std::string_view pattern);
std::string TimePaneText(const std::tm& time);   // 12-hour clock, "01:05:09 PM"

} // namespace qtr
