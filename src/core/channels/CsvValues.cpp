#include "core/channels/CsvValues.h"

#include "core/model/FrequencyCodec.h"

#include <cstdio>

namespace qtr::csvvalue {

long long TenHertzUnits(const std::string& gridText)
{
    long long units = 0;
    for (const char c : gridText)
        if (c >= '0' && c <= '9')
            units = units * 10 + (c - '0');
    return units;
}

std::string Megahertz(long long tenHertzUnits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", tenHertzUnits / 100000, (tenHertzUnits % 100000) * 10);
    return text;
}

std::string GridFrequency(long long hertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld", hertz / kHertzPerMegahertz, (hertz % kHertzPerMegahertz) / 10);
    return text;
}

std::optional<long long> Millionths(const std::string& text)
{
    constexpr int kDecimals = 6;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    const auto digitsOnly = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if (whole.empty() || whole.size() > 6 || fraction.size() > kDecimals || !digitsOnly(whole) ||
        !digitsOnly(fraction) || (point != std::string::npos && fraction.empty()))
        return std::nullopt;
    long long value = std::stoll(whole);
    for (int i = 0; i < kDecimals; ++i)
        value = value * 10 + (i < static_cast<int>(fraction.size()) ? fraction[static_cast<std::size_t>(i)] - '0' : 0);
    return value;
}

std::string StepText(unsigned stepCode)
{
    switch (stepCode) {
    case step::k2500Hz:
        return "2.50";
    case step::k5000Hz:
        return "5.00";
    case step::k6250Hz:
        return "6.25";
    default:
        return "";
    }
}

} // namespace qtr::csvvalue
