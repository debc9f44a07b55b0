#include "core/base/OverlaySettingsStore.h"

namespace qtr {

std::optional<std::string> OverlaySettingsStore::ReadText(const std::string& section, const std::string& name) const
{
    if (auto value = own_.ReadText(section, name))
        return value;
    return base_.ReadText(section, name);
}

void OverlaySettingsStore::WriteText(const std::string& section, const std::string& name, const std::string& value)
{
    own_.WriteText(section, name, value);
}

} // namespace qtr
