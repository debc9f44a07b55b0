#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace qtr {

class MessageCatalog;

// The date in the pattern of the loaded language, for the status bar and printed pages:
// "07/01/11" in English, "01/07/11" in Spanish, "2011/07/01" in Chinese.
std::string LanguageDate(const std::tm& time, const MessageCatalog& catalog);
// "%d", "%m", "%y" and "%Y" give the day, the month, the two- and four-digit year, "%%"
// a percent sign; everything else is copied.
std::string FormatDate(const std::tm& time, std::string_view pattern);

} // namespace qtr
