#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/base/SettingsStore.h"

namespace qtr {

// A settings store held in memory: for tests and the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> ReadText(const std::string& section, const std::string& name) const override;
    void WriteText(const std::string& section, const std::string& name, const std::string& value) override;

private:
    using Key = std::pair<std::string, std::string>; // lower-case section and name
    static Key MakeKey(const std::string& section, const std::string& name);

    std::map<Key, std::string> values_;
};

} // namespace qtr
