#pragma once

#include "core/app/FleetObserver.h"
#include "core/app/FleetPlan.h"
#include "core/link/RadioLink.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace qtr {

class FleetRun;
class MessageCatalog;
class SettingsStore;

// Makes the link of one port of the plan, not yet open; tests and the demo give simulated ones.
using FleetLinkOpener = std::function<std::unique_ptr<RadioLink>(const std::string& port)>;
// Without waiting for radios: asked after each radio of a port whether another one follows.
using FleetNextRadio = std::function<bool(const FleetPortState& state)>;

// Programs one configuration into many radios on several ports at once, a thread per
// port: each radio is identified and asked its serial number, turned away when a plain
// write would refuse it, given its unit IDs in a copy of the image, optionally backed up,
// written, optionally read back, and logged before the port takes the next radio.
class FleetStation {
public:
    FleetStation(FleetPlan plan, FleetObserver& observer, FleetLinkOpener opener, const MessageCatalog& catalog);
    ~FleetStation(); // stops taking radios and waits for the ports
    FleetStation(const FleetStation&) = delete;
    FleetStation& operator=(const FleetStation&) = delete;

    // Without it, a port that does not wait for radios programs one radio and is done.
    void UseNextRadio(FleetNextRadio next) { next_ = std::move(next); }
    // Checks the plan and starts every port; nothing starts when reasons come back.
    std::vector<FleetReason> Start();
    // Each port finishes the radio under way and takes no new one.
    void RequestStop();
    // Until every port is done; the observer has heard Finished by then.
    void Wait();
    FleetSummary Summary() const;

    // Serial ports: a number through the Ports/COMn settings of `settings`, else a device
    // path. `settings` must outlive the links.
    static FleetLinkOpener DevicePorts(const SettingsStore& settings, const LinkTiming& timing = LinkTiming{});

private:
    FleetPlan plan_;
    FleetObserver& observer_;
    FleetLinkOpener opener_;
    const MessageCatalog& catalog_;
    FleetNextRadio next_;
    std::unique_ptr<FleetRun> run_;
    std::vector<std::thread> ports_;
};

} // namespace qtr
