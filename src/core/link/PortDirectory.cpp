#include "core/link/PortDirectory.h"

#include "core/base/SettingsStore.h"

namespace qtr {

std::string PortDirectory::DeviceFor(unsigned port) const
{
    if (store_ != nullptr) {
        if (const auto device = store_->ReadText(kSection, SettingName(port)); device && !device->empty())
            return *device;
    }
    return "/dev/ttyUSB" + std::to_string(port == 0 ? 0 : port - 1);
}

std::string PortDirectory::WindowsName(unsigned port)
{
    return (port >= 10 ? "\\\\.\\" : "") + SettingName(port);
}

} // namespace qtr
