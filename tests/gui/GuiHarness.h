#pragma once

#include "gui/app/MainWindow.h"
#include "core/base/Clock.h"
#include "core/base/MemorySettingsStore.h"
#include "gui/program/DesktopApplication.h"
#include "core/base/FilePicker.h"
#include "FakeSoundPlayer.h"
#include "ProgramFolder.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>

namespace qtr::test {

class FixedClock : public Clock {
public:
    std::tm Now() const override { return now; }
    std::tm now{};
};

// File dialogs answered from queues of paths; an empty queue cancels.
class ScriptedFilePicker : public FilePicker {
public:
    std::optional<std::string> ChooseOpenPath(const std::string& folder) override
    {
        folders.push_back(folder);
        return Take(openPaths);
    }
    std::optional<std::string> ChooseSavePath(const std::string& folder, const std::string& name) override
    {
        folders.push_back(folder);
        saveNames.push_back(name);
        return Take(savePaths);
    }

    std::deque<std::string> openPaths;
    std::deque<std::string> savePaths;
    std::vector<std::string> folders;
    std::vector<std::string> saveNames;

private:
    static std::optional<std::string> Take(std::deque<std::string>& paths)
    {
        if (paths.empty())
            return std::nullopt;
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
};

// Runs `answer` on the next modal window once it is open, as a user would answer it.
inline void WhenModal(std::function<void(QWidget&)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            answer(*modal);
        else
            WhenModal(answer);
    });
}

// Runs `answer` on the next pop-up (a menu, a list) once it is open.
inline void WhenPopup(std::function<void(QWidget&)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup)
            answer(*popup);
        else
            WhenPopup(answer);
    });
}

// The desktop program with scripted seams, started from the build folder where the
// language files and the help lie.
class GuiHarness {
public:
    GuiHarness() { clock.now.tm_year = 111; }
    ~GuiHarness() { Program().Exit(); }

    gui::MainWindow& Start(const std::vector<std::string>& arguments = {},
                           const std::string& folder = ProgramFolder())
    {
        const auto status = Program().Start(folder + "/qtr31x", arguments);
        if (status)
            throw std::runtime_error("the program did not start");
        QCoreApplication::processEvents(); // the posted Channel Information
        return Frame();
    }
    // Every window of the program, as the program registers them.
    void RegisterWindows() { program_.RegisterWindows(); }
    gui::DesktopApplication& Program() { return program_; }
    gui::MainWindow& Frame() { return *program_.Window(); }
    Workspace& App() { return program_.App(); }
    // The main window's title as shown, with the unsaved-changes mark filled in.
    QString ShownTitle() { return Frame().windowHandle()->title(); }

    QMenu* MenuTitled(const QString& title)
    {
        for (QAction* action : Frame().menuBar()->actions())
            if (action->text() == title)
                return action->menu();
        return nullptr;
    }
    QStringList MenuTitles()
    {
        QStringList titles;
        for (QAction* action : Frame().menuBar()->actions())
            titles << action->text();
        return titles;
    }
    // Item texts of a menu, "-" for a separator.
    QStringList ItemsOf(const QString& title)
    {
        QStringList items;
        for (QAction* action : MenuTitled(title)->actions())
            items << (action->isSeparator() ? QString("-") : action->text());
        return items;
    }

    ScriptedPrompter prompter;
    ScriptedFilePicker picker;
    MemorySettingsStore settings;
    FixedClock clock;
    FakeSoundPlayer sound;

private:
    gui::DesktopApplication program_{prompter, picker, settings, clock, sound};
};

} // namespace qtr::test
