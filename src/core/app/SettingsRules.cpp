#include "core/app/SettingsRules.h"

#include <array>
#include <climits>
#include <cstdio>
#include <string_view>

#include "core/base/SettingsStore.h"

namespace qtr {

namespace {

constexpr int kNotADigit = 36;
// Large enough for the magnitude of INT_MIN, small enough that one more digit cannot
// overflow while accumulating.
constexpr long long kMagnitudeLimit = 1LL << 31;

constexpr std::array<int WindowPlacement::*, 10> kPlacementFields{
    &WindowPlacement::flags, &WindowPlacement::showState, &WindowPlacement::minX, &WindowPlacement::minY,
    &WindowPlacement::maxX,  &WindowPlacement::maxY,      &WindowPlacement::left, &WindowPlacement::top,
    &WindowPlacement::right, &WindowPlacement::bottom};

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return kNotADigit;
}

// Numeric fields skip leading white space, as the scanf reading of these values did.
void SkipBlanks(std::string_view& text)
{
    while (!text.empty() && std::string_view(" \t\n\v\f\r").find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
}

std::optional<long long> TakeDigits(std::string_view& text, int base, std::size_t maxDigits)
{
    long long value = 0;
    std::size_t count = 0;
    for (; count < maxDigits && count < text.size() && DigitValue(text[count]) < base; ++count) {
        value = value * base + DigitValue(text[count]);
        if (value > kMagnitudeLimit)
            return std::nullopt;
    }
    if (count == 0)
        return std::nullopt;
    text.remove_prefix(count);
    return value;
}

bool TakeSeparator(std::string_view& text)
{
    if (text.empty() || text.front() != ':')
        return false;
    text.remove_prefix(1);
    return true;
}

std::optional<std::uint8_t> TakeHexByte(std::string_view& text)
{
    SkipBlanks(text);
    const std::optional<long long> value = TakeDigits(text, 16, 2);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

// "0x" followed by a hexadecimal digit selects base 16, a leading 0 base 8 (the 0 itself
// is an octal digit, so it stays), anything else base 10.
int TakeBase(std::string_view& text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && DigitValue(text[2]) < 16) {
        text.remove_prefix(2);
        return 16;
    }
    return !text.empty() && text.front() == '0' ? 8 : 10;
}

bool TakeSign(std::string_view& text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return negative;
}

std::optional<int> TakeInteger(std::string_view& text)
{
    SkipBlanks(text);
    const bool negative = TakeSign(text);
    const int base = TakeBase(text);
    const std::optional<long long> magnitude = TakeDigits(text, base, text.size());
    if (!magnitude)
        return std::nullopt;
    const long long value = negative ? -*magnitude : *magnitude;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::string FormatLastModel(const ModelRecord& record)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%01X:%02X:%02X:%02X", record[0], record[1], record[2],
                  record[3], record[4], record[5], record[6], record[7]);
    return text;
}

std::optional<ModelRecord> ParseLastModel(const std::string& text)
{
    std::string_view rest = text;
    ModelRecord record{};
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0 && !TakeSeparator(rest))
            return std::nullopt;
        const std::optional<std::uint8_t> byte = TakeHexByte(rest);
        if (!byte)
            return std::nullopt;
        record[i] = *byte;
    }
    return record;
}

int ReadComPort(const SettingsStore& store)
{
    const std::optional<long long> port = store.ReadInteger(settings::kBackupSection, settings::kComPort);
    if (!port || *port < settings::kFirstComPort || *port > settings::kLastComPort)
        return settings::kFirstComPort;
    return static_cast<int>(*port);
}

int ReadLanguage(const SettingsStore& store)
{
    const std::optional<long long> stored = store.ReadInteger(settings::kBackupSection, settings::kLanguage);
    const int language = static_cast<int>(stored.value_or(settings::kDefaultLanguage) & 0xFF);
    return language == 0 || language > settings::kLastLanguage ? settings::kDefaultLanguage : language;
}

std::optional<WindowPlacement> ParseLastWinPos(const std::string& text)
{
    std::string_view rest = text;
    WindowPlacement placement;
    for (std::size_t i = 0; i < kPlacementFields.size(); ++i) {
        if (i > 0 && !TakeSeparator(rest))
            return std::nullopt;
        const std::optional<int> value = TakeInteger(rest);
        if (!value)
            return std::nullopt;
        placement.*kPlacementFields[i] = *value;
    }
    return placement;
}

std::string FormatLastWinPos(const WindowPlacement& placement)
{
    std::string text;
    for (const auto field : kPlacementFields) {
        if (!text.empty())
            text += ':';
        text += std::to_string(placement.*field);
    }
    return text;
}

} // namespace qtr
