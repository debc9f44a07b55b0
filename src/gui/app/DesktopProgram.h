#pragma once

#include "gui/app/ProgrammerApplication.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/QtSettingsStore.h"
#include "core/base/SystemClock.h"
#include "gui/document/QtFilePicker.h"
#include "gui/link/DemoRadio.h"

#include <QStringList>

#include <memory>

namespace qtr::gui {

// The program as the user starts it: message boxes, file dialogs, the settings store and
// the computer's clock, with every editor window registered with the main window.
class DesktopProgram {
public:
    DesktopProgram();

    // The command line as the application has it, the program's own path first; "--demo"
    // adds a simulated radio on port 1. Nothing while the program runs on, otherwise its
    // exit status.
    std::optional<int> Start(const QStringList& commandLine);
    // The event loop, then the settings; the exit status.
    int Run();

    MainWindow& Window() { return *program_.Window(); }

private:
    void StartDemoRadio();

    QtSettingsStore settings_;
    SystemClock clock_;
    QtPrompter prompter_;
    QtFilePicker picker_;
    ProgrammerApplication program_;
    std::unique_ptr<DemoRadio> demo_;
};

} // namespace qtr::gui
