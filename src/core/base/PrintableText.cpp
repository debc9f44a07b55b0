#include "core/base/PrintableText.h"

#include <cstdio>

namespace qtr {

namespace {

constexpr std::string_view kCutMark = "...";

std::string Escaped(unsigned char c)
{
    if (c == '\\')
        return "\\\\";
    if (c >= 0x20 && c < 0x7F)
        return std::string(1, static_cast<char>(c));
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    return hex;
}

} // namespace

std::string PrintableText(std::string_view text, std::size_t limit)
{
    std::string printable;
    for (const char c : text) {
        const std::string part = Escaped(static_cast<unsigned char>(c));
        if (printable.size() + part.size() > limit)
            return printable + std::string(kCutMark);
        printable += part;
    }
    return printable;
}

} // namespace qtr
