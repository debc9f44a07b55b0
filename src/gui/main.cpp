#include "core/base/SystemClock.h"
#include "gui/app/DesktopApplication.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/document/QtFilePicker.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qtr::gui::QtSettingsStore settings;
    qtr::SystemClock clock;
    qtr::gui::QtPrompter prompter;
    qtr::gui::QtFilePicker picker;
    qtr::gui::DesktopApplication program(prompter, picker, settings, clock);
    prompter.UseCatalog(program.App().catalog);
    picker.UseCatalog(program.App().catalog);
    return program.Run(qt.arguments());
}
