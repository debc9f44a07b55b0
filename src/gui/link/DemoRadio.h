#pragma once

#include "sim/RadioSimulator.h"
#include "core/base/ImageNotifier.h"
#include "core/base/OverlaySettingsStore.h"
#include "core/model/ModelTable.h"

#include <QStringList>

#include <memory>
#include <set>
#include <vector>

namespace qtr {
class Workspace;
class RadioLink;
} // namespace qtr

namespace qtr::gui {

class StatusPanes;

// Demo mode: a simulated radio, fresh from the factory as the program's model, on port 1
// for this run only, and for Fleet Programming four more ports, each with a line of such
// radios that come one after the other; on the last of them every third radio fails while
// it is written. The settings never see their devices, and keep the user's own port. They
// stand for "the radios of this model": when the data takes another model, radios of that
// model, fresh from the factory, take their place.
class DemoRadio {
public:
    static constexpr char kSwitch[] = "--demo";
    static constexpr int kPort = 1;
    static constexpr unsigned kFirstFleetPort = 2;
    static constexpr unsigned kFleetPortCount = 4;
    static constexpr std::size_t kRadiosPerFleetPort = 30;

    // Takes the switch out of the command line; true when it was there.
    static bool TakeSwitch(QStringList& arguments);

    // Starts the radio and selects its port. Throws std::runtime_error when no
    // pseudo-terminal can be had.
    DemoRadio(Workspace& app, RadioLink& link, const SettingsStore& settings);
    // Stops the radio; unless the user chose another port meanwhile, the one from the
    // settings is selected again, so that it is the one saved at exit.
    ~DemoRadio();
    DemoRadio(const DemoRadio&) = delete;
    DemoRadio& operator=(const DemoRadio&) = delete;

    const sim::RadioSimulator& Radio() const { return *radio_; }
    // The devices of the simulated ports, for this run only.
    const SettingsStore& Ports() const { return ports_; }
    std::set<unsigned> FleetPorts() const;
    // The status bar says so while its port is the one chosen.
    void MarkPortPane(StatusPanes& panes) const;

private:
    void StartRadio();
    void StartFleet();
    void FollowTheModel(const ImageNotice& notice);

    Workspace& app_;
    RadioLink& link_;
    const SettingsStore& settings_;
    OverlaySettingsStore ports_;
    ModelRecord model_;
    std::unique_ptr<sim::RadioSimulator> radio_;
    std::vector<std::unique_ptr<sim::RadioSimulator>> fleet_;
    int usersPort_;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
