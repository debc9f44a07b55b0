#include "app/DesktopProgram.h"

#include "channels/ChannelWindows.h"

#include <QApplication>
#include <QFile>

namespace qtr::gui {

DesktopProgram::DesktopProgram() : program_(prompter_, picker_, settings_, clock_)
{
    prompter_.UseCatalog(program_.App().catalog);
    picker_.UseCatalog(program_.App().catalog);
}

std::optional<int> DesktopProgram::Start(const QStringList& commandLine)
{
    std::vector<std::string> arguments;
    for (const QString& argument : commandLine.mid(1))
        arguments.push_back(QFile::encodeName(argument).toStdString());
    const auto status =
        program_.Start(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(), arguments);
    if (!status)
        ChannelWindows::Register(MainFrame());
    return status;
}

int DesktopProgram::Run()
{
    const int status = QApplication::exec();
    program_.Exit();
    return status;
}

} // namespace qtr::gui
