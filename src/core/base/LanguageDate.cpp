#include "core/base/LanguageDate.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"

#include <cstdio>

namespace qtr {

namespace {

constexpr int kYearsPerCentury = 100;
constexpr int kTmYearBase = 1900;

int FullYear(const std::tm& time)
{
    return time.tm_year + kTmYearBase;
}

std::string TwoDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

} // namespace

// Built by hand rather than with strftime: the user's locale must not change the
// panes, and "%p" is empty in many locales.
std::string FormatDate(const std::tm& time, std::string_view pattern)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        const char conversion = pattern[++i];
        switch (conversion) {
        case 'd':
            text += TwoDigits(time.tm_mday);
            break;
        case 'm':
            text += TwoDigits(time.tm_mon + 1);
            break;
        case 'y':
            text += TwoDigits(FullYear(time) % kYearsPerCentury);
            break;
        case 'Y':
            text += std::to_string(FullYear(time));
            break;
        case '%':
            text += '%';
            break;
        default:
            text += '%';
            text += conversion;
        }
    }
    return text;
}

std::string LanguageDate(const std::tm& time, const MessageCatalog& catalog)
{
    return FormatDate(time, catalog.MessageText(messages::common::kDateFormat));
}

} // namespace qtr
