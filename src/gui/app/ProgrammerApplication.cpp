#include "gui/app/ProgrammerApplication.h"

#include "gui/app/MainWindow.h"
#include "gui/document/DefaultDataFolder.h"
#include "core/app/SettingsRules.h"
#include "core/base/SettingsStore.h"

namespace qtr::gui {

namespace {

constexpr int kFailedStart = 1;

} // namespace

ProgrammerApplication::ProgrammerApplication(Prompter& prompter, FilePicker& picker, SettingsStore& settings,
                                             const Clock& clock)
    : settings_(settings), clock_(clock), app_(prompter, picker, shell_), help_(app_.help, app_.catalog, prompter)
{
}

ProgrammerApplication::~ProgrammerApplication() = default;

std::optional<int> ProgrammerApplication::Start(const std::string& executablePath,
                                                const std::vector<std::string>& arguments)
{
    app_.document.SetDefaultDataFolder(DefaultDataFolder());
    if (app_.Start(settings_, executablePath) != MessageCatalog::kLoaded)
        return kFailedStart;
    // The port stays closed until a radio operation opens it.
    link_.UseDeviceSettings(&settings_);
    link_.SetPort(static_cast<std::uint8_t>(app_.comPort));
    frame_ = std::make_unique<MainWindow>(app_, help_, settings_, clock_);
    shell_.SetTarget(frame_.get());
    frame_->ShowWithPlacement(settings_.ReadText(settings::kBackupSection, settings::kLastWinPos));
    frame_->CloseAllEditors();
    // Opened once the window shows, so that a refusal has a window to stand on.
    if (!arguments.empty())
        app_.document.OpenPath(arguments.front());
    frame_->PostChannelInformation();
    return std::nullopt;
}

void ProgrammerApplication::Exit()
{
    shell_.SetTarget(nullptr);
    frame_.reset();
    app_.WriteSettings(settings_);
}

} // namespace qtr::gui
