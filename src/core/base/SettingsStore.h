#pragma once

#include <optional>
#include <string>

namespace qtr {

// Per-user settings by section and value name; names compare without regard to case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> ReadText(const std::string& section, const std::string& name) const = 0;
    virtual void WriteText(const std::string& section, const std::string& name, const std::string& value) = 0;

    // Integers are kept as decimal text; a text that is not a whole number reads as absent.
    std::optional<long long> ReadInteger(const std::string& section, const std::string& name) const;
    void WriteInteger(const std::string& section, const std::string& name, long long value);
};

} // namespace qtr
