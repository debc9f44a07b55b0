#include "gui/app/DesktopProgram.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qtr::gui::DesktopProgram program;
    if (const auto status = program.Start(qt.arguments()))
        return *status;
    return program.Run();
}
