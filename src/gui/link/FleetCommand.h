#pragma once

#include <QObject>
#include <QPointer>

#include <set>

namespace qtr {
class SettingsStore;
} // namespace qtr

namespace qtr::gui {

class FleetWindow;
class CommandWindow;

// Program, Fleet Programming: opens the window, or brings the open one to the front.
class FleetCommand : public QObject {
    Q_OBJECT
public:
    static FleetCommand& Register(CommandWindow& frame, SettingsStore& settings);

    FleetCommand(CommandWindow& frame, SettingsStore& settings);

    // Demo mode: the devices of the ports from `devices`, simulated radios on `simulated`.
    void UsePorts(const SettingsStore& devices, std::set<unsigned> simulated);
    void Open();
    // At once, with the run it holds: before the ports it was given go.
    void Close();
    FleetWindow* Window() const;

private:
    CommandWindow& frame_;
    SettingsStore& settings_;
    const SettingsStore* devices_;
    std::set<unsigned> simulated_;
    QPointer<FleetWindow> window_;
};

} // namespace qtr::gui
