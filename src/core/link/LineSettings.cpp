#include "core/link/LineSettings.h"

#include "core/link/TextFields.h"

#include <algorithm>
#include <cctype>

namespace qtr {

namespace {

constexpr const char* kDefaultFieldsAfterRate = ",N,8,2";

std::optional<unsigned> Number(const std::string& field)
{
    return ParseWhole<unsigned>(field);
}

} // namespace

std::optional<LineSettings> LineSettings::Parse(const std::string& text)
{
    const auto fields = SplitFields(WithoutBlanks(text), ',');
    if (fields.size() != 4 || fields[1].size() != 1)
        return std::nullopt;
    LineSettings settings;
    settings.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(fields[1][0])));
    const auto baud = Number(fields[0]);
    const auto dataBits = Number(fields[2]);
    const auto stopBits = Number(fields[3]);
    if (!baud || !dataBits || !stopBits || std::string("NEOMS").find(settings.parity) == std::string::npos)
        return std::nullopt;
    if (*dataBits < 5 || *dataBits > 8 || (*stopBits != 1 && *stopBits != 2))
        return std::nullopt;
    settings.baud = *baud;
    settings.dataBits = *dataBits;
    settings.stopBits = *stopBits;
    return settings;
}

std::string LineSettings::WithoutBlanks(const std::string& text)
{
    std::string stripped = text;
    std::erase_if(stripped, [](char c) { return c == ' ' || c == '\t'; });
    return stripped;
}

std::string LineSettings::WithRate(const std::string& text, unsigned baud)
{
    const auto comma = text.find(',');
    return std::to_string(baud) + (comma == std::string::npos ? kDefaultFieldsAfterRate : text.substr(comma));
}

} // namespace qtr
