#pragma once

#include <string>

namespace qtr {

class SettingsStore;

// Which device a port number opens. On Windows port n is "COMn", or "\\.\COMn" from 10
// on; here it is the device the setting Ports/COMn names, else /dev/ttyUSB{n-1}.
class PortDirectory {
public:
    static constexpr char kSection[] = "Ports";

    explicit PortDirectory(const SettingsStore* store = nullptr) : store_(store) {}

    std::string DeviceFor(unsigned port) const;
    static std::string WindowsName(unsigned port);
    static std::string SettingName(unsigned port) { return "COM" + std::to_string(port); }

private:
    const SettingsStore* store_;
};

} // namespace qtr
