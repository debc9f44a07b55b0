#pragma once

#include "core/app/Workspace.h"
#include "core/base/ShellHooks.h"
#include "core/link/RadioLink.h"
#include "gui/program/QtHelpViewer.h"
#include "gui/program/QtTranslations.h"

#include <QSocketNotifier>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qtr {
class Clock;
class SettingsStore;
class SoundPlayer;
} // namespace qtr

namespace qtr::gui {

class DemoRadio;
class FleetCommand;
class MainWindow;
class RecoveryKeeper;
struct DesktopSeams;

// The desktop program from start-up to exit: the program's state, its help, its one radio
// link, its main window with every window registered, and the demo radio when asked for,
// on the seams it is given to ask the user through. It carries out the window steps of
// replacing the image on the main window once there is one.
class DesktopApplication : private ShellHooks {
public:
    DesktopApplication(Prompter& prompter, FilePicker& picker, SettingsStore& settings, const Clock& clock,
                       SoundPlayer& sound);
    // On the desktop's own seams, which then speak the program's language.
    explicit DesktopApplication(DesktopSeams& seams);
    ~DesktopApplication() override;

    // The program as the user starts it, from the command line as the application has it
    // (the program's own path first; "--demo" adds a simulated radio on port 1): Start,
    // every window registered, and the demo radio. Nothing while the program runs on,
    // otherwise its exit status.
    std::optional<int> StartProgram(const QStringList& commandLine);
    // The event loop, then Exit; the exit status.
    int Run();

    // Settings, model, language file, then the main window, shown and asked for the
    // channel information; a data file named in the arguments is opened as Open does.
    // Nothing while the program runs on, otherwise its exit status.
    std::optional<int> Start(const std::string& executablePath, const std::vector<std::string>& arguments);
    // Every editor and dialog of the program, with the main window.
    void RegisterWindows();
    // The main window has closed: its client area keeps its settings, then the program's.
    void Exit();

    Workspace& App() { return app_; }
    QtHelpViewer& Help() { return help_; }
    RadioLink& Link() { return link_; }
    MainWindow* Window() const { return window_.get(); }

private:
    void StartDemoRadio();
    // SIGTERM and SIGHUP (a logout) end the program without questions: a radio operation
    // under way finishes its block and ends programming mode, unsaved changes stay in the
    // recovery copy for the next start.
    void CatchEndSignals();
    void EndOnSignal();

    void CloseAllEditors() override;
    void RefreshTitle() override;
    void RebuildMenus() override;
    void PostChannelInformation() override;
    void CloseHelpWindows() override;

    SettingsStore& settings_;
    const Clock& clock_;
    SoundPlayer& sound_;
    Workspace app_;
    QtTranslations qtTranslations_{app_};
    QtHelpViewer help_;
    RadioLink link_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<DemoRadio> demo_;
    FleetCommand* fleet_ = nullptr; // owned by the main window
    std::unique_ptr<RecoveryKeeper> recovery_;
    StopRequest stop_;
    int wakePipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> wake_;
};

} // namespace qtr::gui
