#pragma once

#include "core/app/RebuildMenus.h"
#include "core/app/WindowArrangement.h"
#include "core/base/ImageNotifier.h"
#include "gui/widgets/CommandWindow.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QToolBar;

namespace qtr {
class Clock;
class HelpViewer;
class Workspace;
class SettingsStore;
} // namespace qtr

namespace qtr::gui {

class EditorSubWindow;
class MdiClientArea;
class StatusPanes;

// The main window: menus, toolbar and status bar, the editor windows in its client
// area, and the routing of every command. Editors and dialogs of the other parts of
// the program register here by command; until then their commands are shown disabled.
// The title shows the document and whether it has unsaved changes.
class MainWindow : public CommandWindow {
    Q_OBJECT
public:
    // Makes the editor's view; the main window puts it in a window of its own.
    using WindowFactory = std::function<QWidget*(MainWindow&)>;

    MainWindow(Workspace& app, HelpViewer& help, SettingsStore& settings, const Clock& clock);
    ~MainWindow() override;

    // An editor of the editor table in a child window of its own, at most one at a time.
    // A command that is not an editor (a dialog, a transfer) registers an action.
    void RegisterEditor(int commandId, WindowFactory factory);
    void RegisterCommand(int commandId, CommandAction action) override;

    // Activates the editor's window when it is open, otherwise opens it beside the window
    // the user works in; nothing for a command without a registered editor. Returns the
    // editor's view.
    QWidget* OpenEditorWindow(int commandId) override;
    // The widget of the open editor's window, which scrolls the view; null when closed.
    QWidget* EditorWindow(int commandId) const;
    // The open editor's view; null when closed.
    QWidget* EditorView(int commandId) const override;
    int ChildWindowCount() const { return static_cast<int>(openEditors_.size()); }

    void OnCommand(int commandId) override;
    // Carried out once the events waiting now have been handled.
    void PostCommand(int commandId);

    void ShowPortInStatusBar() override;
    // Start-up: the stored placement when it is usable, otherwise maximized.
    void ShowWithPlacement(const std::optional<std::string>& lastWinPos);

    void CloseAllEditors();
    void RefreshTitle();
    void RebuildMenus() override;
    void PostChannelInformation();

    QAction* Action(int commandId) const { return actions_.at(commandId); }
    QToolBar* ToolBar() const { return toolBar_; }
    MdiClientArea* ClientArea() const override { return client_; }
    const StatusPanes& Panes() const { return *panes_; }
    StatusPanes& Panes() { return *panes_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    // Stores the value being typed into the active editor by taking the focus away from it.
    void CommitFocusedField();
    void CreateToolBar();
    void CentreOnScreen();
    void DefineShellCommands();
    void UpdateActionStates();
    QMenu& ShowMenu(const Menu& menu);
    QList<QAction*> ItemsOf(const Menu& menu) const;
    QList<QAction*> ItemsShown(const QMenu& menu) const;
    static void ReplaceItems(QMenu& menu, const QList<QAction*>& items);
    void ShowCommandItem(const MenuItem& item);
    void FillWindowList(QMenu& menu);
    void DropWindowList();
    void EditorClosed(int commandId);
    void PlaceEditorWindow(EditorSubWindow& window);
    void ImageNoticed(const ImageNotice& notice);
    void ToggleBar(QWidget& bar);
    void Tile(TileDirection direction);
    void ArrangeIcons();
    void StorePlacement();
    int ContextHelpId() const;
    std::set<int> RegisteredCommands() const;
    template <class Dialog, class... Arguments> void RunDialog(Arguments&... arguments);

    SettingsStore& settings_;
    std::map<int, QAction*> actions_;
    std::map<int, std::function<void()>> shellCommands_;
    std::map<int, WindowFactory> editors_;
    std::map<int, CommandAction> commands_;
    std::map<int, EditorSubWindow*> openEditors_;
    std::map<int, QMenu*> menus_; // by title, made once
    std::vector<QAction*> windowList_;
    QToolBar* toolBar_ = nullptr;
    StatusPanes* panes_ = nullptr;
    MdiClientArea* client_ = nullptr;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
