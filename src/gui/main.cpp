#include "gui/app/DesktopApplication.h"
#include "gui/app/DesktopSeams.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    if (const auto status = program.StartProgram(qt.arguments()))
        return *status;
    return program.Run();
}
