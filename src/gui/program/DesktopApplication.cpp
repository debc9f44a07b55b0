#include "gui/program/DesktopApplication.h"

#include "core/app/SettingsRules.h"
#include "core/base/SettingsStore.h"
#include "gui/program/DesktopSeams.h"
#include "gui/app/MainWindow.h"
#include "gui/document/DefaultDataFolder.h"
#include "gui/program/WindowRegistry.h"
#include "gui/link/DemoRadio.h"
#include "gui/link/FleetCommand.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/document/SafetyFolders.h"
#include "gui/link/SafetyCommands.h"

#include <QApplication>
#include <QFile>

#include <csignal>
#include <iostream>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace qtr::gui {

namespace {

constexpr int kFailedStart = 1;

} // namespace

DesktopApplication::DesktopApplication(Prompter& prompter, FilePicker& picker, SettingsStore& settings,
                                       const Clock& clock, SoundPlayer& sound)
    : settings_(settings), clock_(clock), sound_(sound), app_(prompter, picker, *this), help_(app_.help, app_.catalog, prompter)
{
}

DesktopApplication::DesktopApplication(DesktopSeams& seams)
    : DesktopApplication(seams.prompter, seams.picker, seams.settings, seams.clock, seams.sound)
{
    seams.prompter.UseCatalog(app_.catalog);
    seams.picker.UseCatalog(app_.catalog);
}

DesktopApplication::~DesktopApplication()
{
    wake_.reset();
    for (const int fd : wakePipe_) {
        if (fd >= 0)
            ::close(fd);
    }
}

void DesktopApplication::CatchEndSignals()
{
    if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    stop_.Catch({SIGTERM, SIGHUP}, wakePipe_[1], true);
    link_.UseStopRequest(&stop_);
    wake_ = std::make_unique<QSocketNotifier>(wakePipe_[0], QSocketNotifier::Read);
    QObject::connect(wake_.get(), &QSocketNotifier::activated, [this] { EndOnSignal(); });
}

// Every event loop ends, a dialog's too; a transfer under way sees the request itself.
void DesktopApplication::EndOnSignal()
{
    char drained[16];
    while (::read(wakePipe_[0], drained, sizeof drained) > 0) {
    }
    if (recovery_)
        recovery_->Copy().Update();
    QCoreApplication::exit(stop_.ExitStatus());
}

std::optional<int> DesktopApplication::StartProgram(const QStringList& commandLine)
{
    QStringList rest = commandLine.mid(1);
    const bool demo = DemoRadio::TakeSwitch(rest);
    std::vector<std::string> arguments;
    for (const QString& argument : rest)
        arguments.push_back(QFile::encodeName(argument).toStdString());
    if (const auto status = Start(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(), arguments))
        return status;
    RegisterWindows();
    if (demo)
        StartDemoRadio();
    return std::nullopt;
}

int DesktopApplication::Run()
{
    const int status = QApplication::exec();
    Exit();
    return status;
}

std::optional<int> DesktopApplication::Start(const std::string& executablePath,
                                             const std::vector<std::string>& arguments)
{
    app_.document.SetDefaultDataFolder(DefaultDataFolder());
    if (app_.Start(settings_, executablePath) != MessageCatalog::kLoaded)
        return kFailedStart;
    qtTranslations_.FollowLanguage();
    app_.safety = ReadSafetySettings(settings_, BackupFolder());
    // The port stays closed until a radio operation opens it.
    link_.Port().UseDeviceSettings(&settings_);
    link_.Port().SetPort(static_cast<std::uint8_t>(app_.comPort));
    window_ = std::make_unique<MainWindow>(app_, help_, settings_, clock_);
    window_->ShowWithPlacement(settings_.ReadText(settings::kBackupSection, settings::kLastWinPos));
    window_->CloseAllEditors();
    recovery_ = std::make_unique<RecoveryKeeper>(app_, ProgramDataFolder());
    recovery_->Copy().OfferAtStart(clock_.Now());
    CatchEndSignals();
    // Opened once the window shows, so that a refusal has a window to stand on.
    if (!arguments.empty())
        app_.document.OpenPath(arguments.front());
    window_->PostChannelInformation();
    return std::nullopt;
}

void DesktopApplication::RegisterWindows()
{
    RegisterAllWindows(*window_, app_, help_, link_, sound_);
    SafetyCommands::Register(*window_, settings_);
    fleet_ = &FleetCommand::Register(*window_, settings_);
}

// Without a pseudo-terminal the program runs on without the simulated radio.
void DesktopApplication::StartDemoRadio()
{
    try {
        demo_ = std::make_unique<DemoRadio>(app_, link_, settings_);
        demo_->MarkPortPane(window_->Panes());
        if (fleet_)
            fleet_->UsePorts(demo_->Ports(), demo_->FleetPorts());
        window_->ShowPortInStatusBar();
    } catch (const std::runtime_error& failure) {
        std::cerr << "qtr31x: no demo radio: " << failure.what() << '\n';
    }
}

void DesktopApplication::Exit()
{
    if (recovery_ && !stop_.Raised())
        recovery_->Copy().RemoveAtExit(); // a normal exit: nothing to recover
    if (fleet_)
        fleet_->Close(); // its radios under way are done while their ports are still there
    demo_.reset(); // before the settings are written: they keep the user's own port
    fleet_ = nullptr;
    window_.reset();
    app_.WriteSettings(settings_);
}

void DesktopApplication::CloseAllEditors()
{
    if (window_)
        window_->CloseAllEditors();
}

void DesktopApplication::RefreshTitle()
{
    if (window_)
        window_->RefreshTitle();
}

void DesktopApplication::RebuildMenus()
{
    if (window_)
        window_->RebuildMenus();
}

void DesktopApplication::PostChannelInformation()
{
    if (window_)
        window_->PostChannelInformation();
}

void DesktopApplication::CloseHelpWindows()
{
    help_.CloseHelpWindows();
}

} // namespace qtr::gui
