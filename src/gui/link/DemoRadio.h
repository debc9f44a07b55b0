#pragma once

#include "sim/RadioSimulator.h"
#include "core/base/ImageNotifier.h"
#include "core/base/OverlaySettingsStore.h"
#include "core/model/ModelTable.h"

#include <QStringList>

#include <memory>

namespace qtr {
class Workspace;
class RadioLink;
} // namespace qtr

namespace qtr::gui {

class StatusPanes;

// Demo mode: a simulated radio, fresh from the factory as the program's model, on port 1
// for this run only. The settings never see its device, and keep the user's own port. It
// stands for "the radio of this model": when the data takes another model, a radio of that
// model, fresh from the factory, takes its place.
class DemoRadio {
public:
    static constexpr char kSwitch[] = "--demo";
    static constexpr int kPort = 1;

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
    // The status bar says so while its port is the one chosen.
    void MarkPortPane(StatusPanes& panes) const;

private:
    void StartRadio();
    void FollowTheModel(const ImageNotice& notice);

    Workspace& app_;
    RadioLink& link_;
    const SettingsStore& settings_;
    OverlaySettingsStore ports_;
    ModelRecord model_;
    std::unique_ptr<sim::RadioSimulator> radio_;
    int usersPort_;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
