#pragma once

#include "core/base/MemorySettingsStore.h"

namespace qtr {

// Values that hold for this run only, in front of a settings store: they are read before
// the store's own and never reach it.
class OverlaySettingsStore : public SettingsStore {
public:
    explicit OverlaySettingsStore(const SettingsStore& base) : base_(base) {}

    std::optional<std::string> ReadText(const std::string& section, const std::string& name) const override;
    void WriteText(const std::string& section, const std::string& name, const std::string& value) override;

private:
    const SettingsStore& base_;
    MemorySettingsStore own_;
};

} // namespace qtr
