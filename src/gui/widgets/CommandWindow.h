#pragma once

#include <QMainWindow>

#include <functional>

namespace qtr {
class Clock;
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class MdiClientArea;

// The main window as the parts of the program see it: where their commands register, where
// their editors open, and the program's state, help and clock they work with. The main
// window of the program implements it, so a part never depends on the program's wiring.
class CommandWindow : public QMainWindow {
    Q_OBJECT
public:
    using CommandAction = std::function<void(CommandWindow&)>;

    CommandWindow(Workspace& app, HelpViewer& help, const Clock& clock) : app_(app), help_(help), clock_(clock) {}

    // A command that is not an editor (a dialog, a transfer); until it registers, the
    // command is shown disabled.
    virtual void RegisterCommand(int commandId, CommandAction action) = 0;
    // Activates the editor's window when it is open, otherwise opens it beside the window
    // the user works in; nothing for a command without a registered editor. Returns the
    // editor's view.
    virtual QWidget* OpenEditorWindow(int commandId) = 0;
    // The open editor's view; null when closed.
    virtual QWidget* EditorView(int commandId) const = 0;
    virtual void OnCommand(int commandId) = 0;
    virtual void ShowPortInStatusBar() = 0;
    virtual void RebuildMenus() = 0;
    // The area the editor windows are placed in.
    virtual MdiClientArea* ClientArea() const = 0;

    Workspace& App() { return app_; }
    HelpViewer& Help() { return help_; }
    const Clock& TimeOfDay() const { return clock_; }

signals:
    void CommandHandled(int commandId);
    // Close All Windows and every replacement of the image closed the editors.
    void AllEditorsClosed();
    // The menus were made anew: texts and states that follow the document must be set again.
    void MenusRebuilt();

private:
    Workspace& app_;
    HelpViewer& help_;
    const Clock& clock_;
};

} // namespace qtr::gui
