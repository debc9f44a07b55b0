#include "gui/app/MainWindow.h"

#include "gui/app/AboutDialog.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/CloseSequence.h"
#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/EditorTable.h"
#include "gui/widgets/EditorSubWindow.h"
#include "core/base/HelpViewer.h"
#include "gui/app/LanguageSetupDialog.h"
#include "core/app/MainWindowPlacement.h"
#include "gui/widgets/MdiClientArea.h"
#include "core/app/Workspace.h"
#include "core/app/RefreshTitle.h"
#include "core/base/SettingsStore.h"
#include "gui/widgets/StatusPanes.h"
#include "gui/widgets/ToolbarIcons.h"
#include "gui/model/ModelInformationDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace qtr::gui {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 720;
constexpr int kToolbarIconSize = 24;
const char* const kCommandProperty = "commandId";

QRect ToQRect(const WindowRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

MainWindow::MainWindow(Workspace& app, HelpViewer& help, SettingsStore& settings, const Clock& clock)
    : CommandWindow(app, help, clock), settings_(settings)
{
    setObjectName("MainWindow");
    CreateActions();
    DefineShellCommands();
    CreateToolBar();
    panes_ = new StatusPanes(*statusBar(), clock, App().catalog, App().state.notices);
    CentreOnScreen();
    client_ = new MdiClientArea(settings_, this);
    setCentralWidget(client_);
    RebuildMenus();
    QApplication::setWindowIcon(ApplicationIcon());
    setWindowIcon(ApplicationIcon());
    ShowPortInStatusBar();
    App().BuildFirstImage();
    RefreshTitle();
    imageNotices_ = App().state.notices.Subscribe([this](const ImageNotice& notice) { ImageNoticed(notice); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { Help().ShowContextHelp(ContextHelpId()); });
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateActions()
{
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(this);
        action->setProperty(kCommandProperty, info.id);
        action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        if (*info.otherShortcut)
            action->setShortcuts({action->shortcut(), QKeySequence(QString::fromLatin1(info.otherShortcut))});
        action->setIcon(CommandIcon(info.id));
        connect(action, &QAction::triggered, this, [this, id = info.id] { OnCommand(id); });
        addAction(action); // shortcuts work for commands that no menu shows
        actions_[info.id] = action;
    }
}

void MainWindow::DefineShellCommands()
{
    using namespace command;
    Document& document = App().document;
    shellCommands_ = {
        {kNew, [&document] { document.NewDocument(); }},
        {kOpen, [&document] { document.OpenDataFile(); }},
        {kSave, [&document] { document.SaveDataFile(); }},
        {kSaveAs, [&document] { document.SaveDataFileAs(); }},
        {kExit, [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }},
        {kModelInformation, [this] { RunDialog<ModelInformationDialog>(App(), Help()); }},
        {kLanguageFileSetup, [this] { RunDialog<LanguageSetupDialog>(App(), Help()); }},
        {kAbout, [this] { RunDialog<AboutDialog>(App().catalog); }},
        {kToolbar, [this] { ToggleBar(*toolBar_); }},
        {kStatusBar, [this] { ToggleBar(*statusBar()); }},
        {kCascade, [this] { client_->cascadeSubWindows(); }},
        {kTileHorizontally, [this] { Tile(TileDirection::Horizontally); }},
        {kTileVertically, [this] { Tile(TileDirection::Vertically); }},
        {kArrangeIcons, [this] { ArrangeIcons(); }},
        {kCloseAllWindows, [this] { CloseAllEditors(); }},
        {kHelpTopics, [this] { Help().ShowDefaultTopic(); }},
    };
}

template <class Dialog, class... Arguments> void MainWindow::RunDialog(Arguments&... arguments)
{
    Dialog dialog(arguments..., this);
    dialog.exec();
}

void MainWindow::CreateToolBar()
{
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName("toolBar");
    toolBar_->setMovable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (button.commandId == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_.at(button.commandId));
    }
}

void MainWindow::CentreOnScreen()
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QSize size(std::min(kDefaultWidth, screen.width()), std::min(kDefaultHeight, screen.height()));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen));
}

void MainWindow::RegisterEditor(int commandId, WindowFactory factory)
{
    editors_[commandId] = std::move(factory);
    RebuildMenus();
}

void MainWindow::RegisterCommand(int commandId, CommandAction action)
{
    commands_[commandId] = std::move(action);
    RebuildMenus();
}

std::set<int> MainWindow::RegisteredCommands() const
{
    std::set<int> registered;
    for (const auto& entry : editors_)
        registered.insert(entry.first);
    for (const auto& entry : commands_)
        registered.insert(entry.first);
    return registered;
}

void MainWindow::OnCommand(int commandId)
{
    if (CommitsTypedValue(commandId))
        CommitFocusedField();
    if (const auto shell = shellCommands_.find(commandId); shell != shellCommands_.end())
        shell->second();
    else if (editors_.contains(commandId))
        OpenEditorWindow(commandId);
    else if (const auto other = commands_.find(commandId); other != commands_.end())
        other->second(*this);
    else if (commandId == command::kChannelInformation)
        RebuildMenus(); // every event that replaces the image posts it: the menus follow the model
    setWindowModified(App().document.IsModified());
    emit CommandHandled(commandId);
}

void MainWindow::PostCommand(int commandId)
{
    QMetaObject::invokeMethod(this, [this, commandId] { OnCommand(commandId); }, Qt::QueuedConnection);
}

QWidget* MainWindow::OpenEditorWindow(int commandId)
{
    if (const auto open = openEditors_.find(commandId); open != openEditors_.end()) {
        client_->setActiveSubWindow(open->second);
        return open->second->View();
    }
    const auto editor = editors_.find(commandId);
    if (editor == editors_.end())
        return nullptr;
    // An editor the model does not offer never opens, whoever asks for it.
    if (const EditorInfo* info = FindEditor(commandId); info && !info->OfferedFor(App().state.LineLetter()))
        return nullptr;
    auto* window = new EditorSubWindow(commandId, editor->second(*this));
    client_->addSubWindow(window);
    PlaceEditorWindow(*window);
    openEditors_[commandId] = window;
    connect(window, &EditorSubWindow::Closed, this, &MainWindow::EditorClosed);
    window->show();
    client_->setActiveSubWindow(window);
    RebuildMenus();
    return window->View();
}

// Beside the window the user works in, at its own size where the client area has room.
void MainWindow::PlaceEditorWindow(EditorSubWindow& window)
{
    const QSize size = window.sizeHint();
    window.resize(size);
    const auto rectOf = [](const QWidget& shown) {
        const QRect rect = shown.geometry();
        return WindowRect{rect.x(), rect.y(), rect.width(), rect.height()};
    };
    QMdiSubWindow* active = client_->activeSubWindow();
    std::optional<WindowRect> working;
    if (active && !active->isMinimized())
        working = rectOf(*active);
    std::vector<WindowRect> others;
    for (const QMdiSubWindow* other : client_->subWindowList())
        if (other != active && other != &window && other->isVisible() && !other->isMinimized())
            others.push_back(rectOf(*other));
    const QSize area = client_->viewport()->size();
    window.setGeometry(ToQRect(PlaceNewWindow({area.width(), area.height()}, {size.width(), size.height()}, working, others)));
}

QWidget* MainWindow::EditorWindow(int commandId) const
{
    const auto open = openEditors_.find(commandId);
    return open == openEditors_.end() ? nullptr : open->second->widget();
}

QWidget* MainWindow::EditorView(int commandId) const
{
    const auto open = openEditors_.find(commandId);
    return open == openEditors_.end() ? nullptr : open->second->View();
}

void MainWindow::EditorClosed(int commandId)
{
    openEditors_.erase(commandId);
    if (openEditors_.empty())
        RebuildMenus();
}

void MainWindow::CloseAllEditors()
{
    const auto open = openEditors_;
    for (const auto& entry : open)
        entry.second->close();
    emit AllEditorsClosed();
}

// "[*]" after the document name shows as "*" while the image has unsaved changes.
void MainWindow::RefreshTitle()
{
    setWindowTitle(FromUtf8(qtr::RefreshTitle(App().state, App().catalog, App().document.Name() + "[*]")));
    setWindowModified(App().document.IsModified());
}

// The multiple-document area clears the mark when a maximized window goes (Close All
// Windows); the document alone says whether it has unsaved changes.
void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != App().document.IsModified())
        setWindowModified(App().document.IsModified());
    QMainWindow::changeEvent(event);
}

void MainWindow::ImageNoticed(const ImageNotice& notice)
{
    if (notice.kind == ImageNotice::Kind::Changed)
        RefreshTitle();
}

void MainWindow::PostChannelInformation()
{
    PostCommand(command::kChannelInformation);
}

// An editor stores a field when the field loses the focus; the focus then goes back where
// it was, or to the editor when the field was an in-place editor that has gone.
void MainWindow::CommitFocusedField()
{
    QMdiSubWindow* active = client_->activeSubWindow();
    const QPointer<QWidget> field = active ? active->focusWidget() : nullptr;
    if (!field)
        return;
    field->clearFocus();
    if (field && field->isVisible())
        field->setFocus(Qt::OtherFocusReason);
    else
        static_cast<EditorSubWindow*>(active)->View()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ShowPortInStatusBar()
{
    panes_->ShowPort(App().comPort);
}

// The menus stay and only their items change: a screen reader keeps the item of an action
// under the menu it first saw it in, so a menu made anew would leave its items unreachable.
void MainWindow::RebuildMenus()
{
    const MenuContext context{.lineLetter = App().state.LineLetter(),
                              .childWindowsOpen = !openEditors_.empty(),
                              .toolbarVisible = !toolBar_->isHidden(),
                              .statusBarVisible = !statusBar()->isHidden(),
                              .verifyAfterWrite = App().safety.verifyAfterWrite,
                              .backupBeforeWrite = App().safety.backupBeforeWrite};
    QList<QAction*> shownMenus;
    for (const Menu& menu : qtr::RebuildMenus(context))
        shownMenus << ShowMenu(menu).menuAction();
    if (menuBar()->actions() != shownMenus) {
        for (QAction* shown : menuBar()->actions())
            menuBar()->removeAction(shown);
        menuBar()->addActions(shownMenus);
    }
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.commandId != 0)
            actions_.at(button.commandId)->setToolTip(CatalogText(App().catalog, button.tipId, 1));
    UpdateActionStates();
    emit MenusRebuilt();
}

void MainWindow::UpdateActionStates()
{
    const std::set<int> registered = RegisteredCommands();
    for (const auto& [id, action] : actions_)
        action->setEnabled(CommandAvailable(id, registered));
}

QMenu& MainWindow::ShowMenu(const Menu& menu)
{
    const bool listsWindows = std::ranges::any_of(
        menu.items, [](const MenuItem& item) { return item.kind == MenuItem::Kind::WindowList; });
    QMenu*& shown = menus_[menu.titleId];
    if (!shown) {
        shown = new QMenu(this);
        shown->installEventFilter(this);
        if (listsWindows)
            connect(shown, &QMenu::aboutToShow, this, [this, shown] { FillWindowList(*shown); });
    }
    shown->setTitle(CatalogText(App().catalog, menu.titleId));
    if (ItemsShown(*shown) != ItemsOf(menu)) {
        if (listsWindows)
            DropWindowList(); // before the menu deletes the entries it owns
        ReplaceItems(*shown, ItemsOf(menu));
    }
    for (const MenuItem& item : menu.items)
        if (item.kind == MenuItem::Kind::Command)
            ShowCommandItem(item);
    if (listsWindows)
        FillWindowList(*shown);
    return *shown;
}

void MainWindow::ReplaceItems(QMenu& menu, const QList<QAction*>& items)
{
    menu.clear();
    for (QAction* item : items) {
        if (item)
            menu.addAction(item);
        else
            menu.addSeparator();
    }
}

// The menu's items as actions, null for a separator; the window list is filled apart.
QList<QAction*> MainWindow::ItemsOf(const Menu& menu) const
{
    QList<QAction*> items;
    for (const MenuItem& item : menu.items)
        if (item.kind != MenuItem::Kind::WindowList)
            items << (item.kind == MenuItem::Kind::Separator ? nullptr : actions_.at(item.commandId));
    return items;
}

QList<QAction*> MainWindow::ItemsShown(const QMenu& menu) const
{
    QList<QAction*> items;
    for (QAction* item : menu.actions())
        if (std::ranges::find(windowList_, item) == windowList_.end())
            items << (item->isSeparator() ? nullptr : item);
    return items;
}

void MainWindow::ShowCommandItem(const MenuItem& item)
{
    QAction* action = actions_.at(item.commandId);
    action->setText(CatalogText(App().catalog, item.messageId));
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
}

void MainWindow::DropWindowList()
{
    for (QAction* entry : windowList_)
        delete entry;
    windowList_.clear();
}

// The open windows, numbered, the active one checked.
void MainWindow::FillWindowList(QMenu& menu)
{
    DropWindowList();
    const auto windows = client_->subWindowList();
    for (int i = 0; i < windows.size() && command::kFirstWindowListEntry + i <= command::kLastWindowListEntry; ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = menu.addAction(QString("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setProperty(kCommandProperty, command::kFirstWindowListEntry + i);
        entry->setCheckable(true);
        entry->setChecked(window == client_->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, window] { client_->setActiveSubWindow(window); });
        windowList_.push_back(entry);
    }
}

void MainWindow::ToggleBar(QWidget& bar)
{
    bar.setVisible(bar.isHidden());
    RebuildMenus();
}

void MainWindow::Tile(TileDirection direction)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : client_->subWindowList())
        if (!window->isMinimized())
            windows.push_back(window);
    const QSize area = client_->viewport()->size();
    const auto rects = TileRects(static_cast<int>(windows.size()), {area.width(), area.height()}, direction);
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(ToQRect(rects[static_cast<std::size_t>(i)]));
    }
}

void MainWindow::ArrangeIcons()
{
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* window : client_->subWindowList())
        if (window->isMinimized())
            icons.push_back(window);
    if (icons.isEmpty())
        return;
    const QSize area = client_->viewport()->size();
    const QSize icon = icons.first()->size();
    const auto rects =
        IconRects(static_cast<int>(icons.size()), {area.width(), area.height()}, {icon.width(), icon.height()});
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(rects[static_cast<std::size_t>(i)].left, rects[static_cast<std::size_t>(i)].top);
}

int MainWindow::ContextHelpId() const
{
    const auto* active = dynamic_cast<const EditorSubWindow*>(client_->activeSubWindow());
    const EditorInfo* editor = active ? FindEditor(active->CommandId()) : nullptr;
    return editor ? editor->helpTopic : command::kMainFrame;
}

// F1 while a menu is open asks for the help of the highlighted item. The help belongs to an
// action, not to a widget, so the shared keyboard filter cannot carry it.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QMainWindow::eventFilter(watched, event);
    const QAction* item = menu->activeAction();
    const int id = item ? item->property(kCommandProperty).toInt() : 0;
    menu->close();
    Help().ShowContextHelp(id != 0 ? id : command::kMainFrame);
    return true;
}

void MainWindow::ShowWithPlacement(const std::optional<std::string>& lastWinPos)
{
    const auto placement = lastWinPos ? ParseLastWinPos(*lastWinPos) : std::nullopt;
    const auto rect = placement ? NormalRectOf(*placement) : std::nullopt;
    if (!rect) {
        showMaximized();
        return;
    }
    setGeometry(ToQRect(*rect));
    switch (ShowModeOf(*placement)) {
    case ShowMode::Maximized:
        showMaximized();
        break;
    case ShowMode::Minimized:
        showMinimized();
        break;
    case ShowMode::Normal:
        show();
        break;
    }
}

void MainWindow::StorePlacement()
{
    const QRect normal = normalGeometry();
    const ShowMode mode = isMaximized() ? ShowMode::Maximized : isMinimized() ? ShowMode::Minimized : ShowMode::Normal;
    const WindowPlacement placement = PlacementOf({normal.x(), normal.y(), normal.width(), normal.height()}, mode);
    settings_.WriteText(settings::kBackupSection, settings::kLastWinPos, FormatLastWinPos(placement));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    CommitFocusedField();
    if (!RunCloseSequence(App())) {
        event->ignore();
        return;
    }
    StorePlacement();
    event->accept();
}

} // namespace qtr::gui
