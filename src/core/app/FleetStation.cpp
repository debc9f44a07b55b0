#include "core/app/FleetStation.h"

#include "core/app/FleetPortRun.h"
#include "core/app/FleetRun.h"
#include "core/base/OverlaySettingsStore.h"
#include "core/link/PortDirectory.h"
#include "core/link/TextFields.h"

namespace qtr {

namespace {

// A link whose port 1 is a device named by path, for the run alone.
class DevicePathLink : public RadioLink {
public:
    DevicePathLink(const SettingsStore& settings, const std::string& device, const LinkTiming& timing)
        : RadioLink(timing), devices_(settings)
    {
        devices_.WriteText(PortDirectory::kSection, PortDirectory::SettingName(1), device);
        Port().UseDeviceSettings(&devices_);
        Port().SetPort(1);
    }

private:
    OverlaySettingsStore devices_;
};

} // namespace

FleetStation::FleetStation(FleetPlan plan, FleetObserver& observer, FleetLinkOpener opener,
                           const MessageCatalog& catalog)
    : plan_(std::move(plan)), observer_(observer), opener_(std::move(opener)), catalog_(catalog)
{
}

FleetStation::~FleetStation()
{
    RequestStop();
    Wait();
}

std::vector<FleetReason> FleetStation::Start()
{
    if (run_)
        return {};
    run_ = std::make_unique<FleetRun>(plan_, observer_, catalog_);
    std::vector<FleetReason> problems = run_->Prepare();
    if (!problems.empty())
        return problems;
    for (std::size_t index = 0; index < plan_.ports.size(); ++index) {
        auto port = std::make_unique<FleetPortRun>(*run_, index, opener_(plan_.ports[index]), next_);
        ports_.emplace_back([port = std::move(port)] { port->Go(); });
    }
    return {};
}

void FleetStation::RequestStop()
{
    if (run_)
        run_->RequestStop();
}

void FleetStation::Wait()
{
    for (std::thread& port : ports_)
        if (port.joinable())
            port.join();
}

FleetSummary FleetStation::Summary() const
{
    return run_ ? run_->Summary() : FleetSummary{};
}

FleetLinkOpener FleetStation::DevicePorts(const SettingsStore& settings, const LinkTiming& timing)
{
    return [&settings, timing](const std::string& port) -> std::unique_ptr<RadioLink> {
        const auto number = ParseWhole<unsigned>(port);
        if (!number)
            return std::make_unique<DevicePathLink>(settings, port, timing);
        auto link = std::make_unique<RadioLink>(timing);
        link->Port().UseDeviceSettings(&settings);
        link->Port().SetPort(static_cast<std::uint8_t>(*number));
        return link;
    };
}

} // namespace qtr
