#pragma once

#include "app/ProgrammerApplication.h"
#include "app/QtPrompter.h"
#include "app/QtSettingsStore.h"
#include "app/SystemClock.h"
#include "document/QtFilePicker.h"

#include <QStringList>

namespace qtr::gui {

// The program as the user starts it: message boxes, file dialogs, the settings store and
// the computer's clock, with every editor window registered with the main window.
class DesktopProgram {
public:
    DesktopProgram();

    // The command line as the application has it, the program's own path first. Nothing
    // while the program runs on, otherwise its exit status.
    std::optional<int> Start(const QStringList& commandLine);
    // The event loop, then the settings; the exit status.
    int Run();

    CMainFrame& MainFrame() { return *program_.MainFrame(); }

private:
    QtSettingsStore settings_;
    SystemClock clock_;
    QtPrompter prompter_;
    QtFilePicker picker_;
    ProgrammerApplication program_;
};

} // namespace qtr::gui
