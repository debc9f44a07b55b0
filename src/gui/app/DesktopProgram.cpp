#include "gui/app/DesktopProgram.h"

#include "gui/app/MainWindow.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/link/LinkWindows.h"

#include <QApplication>
#include <QFile>

#include <iostream>
#include <stdexcept>

namespace qtr::gui {

DesktopProgram::DesktopProgram() : program_(prompter_, picker_, settings_, clock_)
{
    prompter_.UseCatalog(program_.App().catalog);
    picker_.UseCatalog(program_.App().catalog);
}

std::optional<int> DesktopProgram::Start(const QStringList& commandLine)
{
    QStringList rest = commandLine.mid(1);
    const bool demo = DemoRadio::TakeSwitch(rest);
    std::vector<std::string> arguments;
    for (const QString& argument : rest)
        arguments.push_back(QFile::encodeName(argument).toStdString());
    const auto status =
        program_.Start(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(), arguments);
    if (status)
        return status;
    ChannelWindows::Register(Window());
    LinkWindows::Register(Window(), program_.Link());
    if (demo)
        StartDemoRadio();
    return std::nullopt;
}

// Without a pseudo-terminal the program runs on without the simulated radio.
void DesktopProgram::StartDemoRadio()
{
    try {
        demo_ = std::make_unique<DemoRadio>(program_.App(), program_.Link(), settings_);
        demo_->MarkPortPane(Window().Panes());
        Window().ShowPortInStatusBar();
    } catch (const std::runtime_error& failure) {
        std::cerr << "qtr31x: no demo radio: " << failure.what() << '\n';
    }
}

int DesktopProgram::Run()
{
    const int status = QApplication::exec();
    demo_.reset(); // before the settings are written: they keep the user's own port
    program_.Exit();
    return status;
}

} // namespace qtr::gui
