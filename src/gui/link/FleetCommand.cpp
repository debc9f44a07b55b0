#include "gui/link/FleetCommand.h"

#include "core/app/CommandIds.h"
#include "gui/widgets/CommandWindow.h"
#include "gui/link/FleetWindow.h"

namespace qtr::gui {

FleetCommand& FleetCommand::Register(CommandWindow& frame, SettingsStore& settings)
{
    auto* command = new FleetCommand(frame, settings);
    frame.RegisterCommand(command::kFleetProgramming, [command](CommandWindow&) { command->Open(); });
    return *command;
}

FleetCommand::FleetCommand(CommandWindow& frame, SettingsStore& settings)
    : QObject(&frame), frame_(frame), settings_(settings), devices_(&settings)
{
}

void FleetCommand::UsePorts(const SettingsStore& devices, std::set<unsigned> simulated)
{
    Close();
    devices_ = &devices;
    simulated_ = std::move(simulated);
}

void FleetCommand::Open()
{
    if (!window_)
        window_ = new FleetWindow(frame_.App(), frame_.Help(), settings_, *devices_, simulated_, &frame_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

FleetWindow* FleetCommand::Window() const
{
    return window_;
}

void FleetCommand::Close()
{
    delete window_;
}

} // namespace qtr::gui
