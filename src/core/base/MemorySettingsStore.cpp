#include "core/base/MemorySettingsStore.h"

#include <algorithm>

namespace qtr {

namespace {

// Section and value names are plain ASCII, so an ASCII fold is enough.
std::string Lower(std::string text)
{
    std::ranges::transform(text, text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

} // namespace

MemorySettingsStore::Key MemorySettingsStore::MakeKey(const std::string& section, const std::string& name)
{
    return {Lower(section), Lower(name)};
}

std::optional<std::string> MemorySettingsStore::ReadText(const std::string& section, const std::string& name) const
{
    const auto found = values_.find(MakeKey(section, name));
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void MemorySettingsStore::WriteText(const std::string& section, const std::string& name, const std::string& value)
{
    values_[MakeKey(section, name)] = value;
}

} // namespace qtr
