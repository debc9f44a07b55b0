#pragma once

#include "core/app/Workspace.h"
#include "gui/app/QtHelpViewer.h"
#include "core/app/ShellRelay.h"
#include "core/link/RadioLink.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qtr {
class Clock;
class SettingsStore;
} // namespace qtr

namespace qtr::gui {

class MainWindow;

// The desktop program from start-up to exit: the program's state, its help, its one
// radio link and its main window, with the seams it asks the user through.
class ProgrammerApplication {
public:
    ProgrammerApplication(Prompter& prompter, FilePicker& picker, SettingsStore& settings, const Clock& clock);
    ~ProgrammerApplication();

    // Settings, model, language file, then the main window, shown and asked for the
    // channel information; a data file named in the arguments is opened as Open does.
    // Nothing while the program runs on, otherwise its exit status.
    std::optional<int> Start(const std::string& executablePath, const std::vector<std::string>& arguments);
    // The main window has closed: its client area keeps its settings, then the program's.
    void Exit();

    Workspace& App() { return app_; }
    QtHelpViewer& Help() { return help_; }
    RadioLink& Link() { return link_; }
    MainWindow* Window() const { return frame_.get(); }

private:
    SettingsStore& settings_;
    const Clock& clock_;
    ShellRelay shell_;
    Workspace app_;
    QtHelpViewer help_;
    RadioLink link_;
    std::unique_ptr<MainWindow> frame_;
};

} // namespace qtr::gui
