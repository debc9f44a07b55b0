#include "core/base/SettingsStore.h"

#include <charconv>

namespace qtr {

std::optional<long long> SettingsStore::ReadInteger(const std::string& section, const std::string& name) const
{
    const std::optional<std::string> text = ReadText(section, name);
    if (!text)
        return std::nullopt;
    long long value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

void SettingsStore::WriteInteger(const std::string& section, const std::string& name, long long value)
{
    WriteText(section, name, std::to_string(value));
}

} // namespace qtr
