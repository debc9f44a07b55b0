#include "core/base/ProgramVersion.h"
#include "gui/program/DesktopApplication.h"
#include "gui/program/DesktopSeams.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "Usage: qtr31x [--demo] [FILE]\n"
    "       qtr31x --help | --version\n"
    "Opens the main window; a data file named on the command line is opened as File Open\n"
    "opens it. --demo puts a simulated radio on port 1.\n";

// Answered before the window toolkit starts, so that they work without a display.
bool AnswersInformationSwitch(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << qtr::VersionLine("qtr31x") << '\n';
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (AnswersInformationSwitch(argc, argv))
        return 0;
    QApplication qt(argc, argv);
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    if (const auto status = program.StartProgram(qt.arguments()))
        return *status;
    return program.Run();
}
