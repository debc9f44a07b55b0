#include "ChannelWindowTest.h"

#include "core/app/CommandTable.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>

#include <set>

namespace qtr {
namespace {

// The editor windows in the main window: their keys, their scrolling and where they open.
class EditorWindowTest : public test::ChannelWindowTest {
protected:
    QMdiSubWindow& WindowOf(int commandId)
    {
        return *static_cast<QMdiSubWindow*>(Frame().EditorWindow(commandId)->parentWidget());
    }
    QScrollArea& ScrollOf(int commandId) { return *static_cast<QScrollArea*>(Frame().EditorWindow(commandId)); }
    void OpenThreeEditors()
    {
        OpenGrid();
        OpenForm();
        Frame().OnCommand(command::kTestFrequency);
    }
    // Every action and shortcut that the main window or one of its windows holds.
    std::set<QObject*> KeyHolders()
    {
        std::set<QObject*> holders;
        for (QAction* action : Frame().findChildren<QAction*>())
            holders.insert(action);
        for (QWidget* widget : Frame().findChildren<QWidget*>())
            for (QAction* action : widget->actions())
                holders.insert(action);
        for (QMdiSubWindow* window : Frame().ClientArea()->subWindowList())
            for (QAction* action : window->systemMenu()->actions())
                holders.insert(action);
        for (QShortcut* shortcut : Frame().findChildren<QShortcut*>())
            holders.insert(shortcut);
        return holders;
    }
    static bool Holds(QObject* holder, const QKeySequence& keys)
    {
        if (auto* action = qobject_cast<QAction*>(holder))
            return action->shortcuts().contains(keys);
        return static_cast<QShortcut*>(holder)->keys().contains(keys);
    }
};

// Qt ignores a key that two actions of a window claim ("Ambiguous shortcut overload"):
// no editor window, nor its window menu, may claim a command's key.
TEST_F(EditorWindowTest, NoCommandKeyIsClaimedTwiceWithEditorsOpen)
{
    OpenThreeEditors();
    const std::set<QObject*> holders = KeyHolders();
    for (const CommandInfo& info : CommandTable()) {
        if (*info.shortcut == '\0')
            continue;
        const QKeySequence keys(QString::fromLatin1(info.shortcut));
        for (QObject* holder : holders) {
            if (holder != Frame().Action(info.id)) {
                EXPECT_FALSE(Holds(holder, keys)) << info.shortcut << " also held by a " << holder->metaObject()->className();
            }
        }
    }
}

TEST_F(EditorWindowTest, CtrlWInAnEditorStartsWriteToRadio)
{
    int writes = 0;
    Frame().RegisterCommand(command::kWriteToRadio, [&writes](gui::CommandWindow&) { ++writes; });
    QSignalSpy handled(&Frame(), &gui::MainWindow::CommandHandled);
    OpenGrid();
    Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(writes, 1);
    OpenForm();
    Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(writes, 2);
    EXPECT_TRUE(Frame().EditorView(command::kChannelEdit)->isVisible()); // not closed instead
    int handledWrites = 0;
    for (const auto& arguments : handled)
        handledWrites += arguments.at(0).toInt() == command::kWriteToRadio;
    EXPECT_EQ(handledWrites, 2);
}

// Tiled into a small area an editor scrolls, so that its buttons can still be reached.
TEST_F(EditorWindowTest, TiledEditorsScrollToTheirButtons)
{
    Frame().showNormal();
    Frame().resize(640, 480);
    OpenThreeEditors();
    Frame().OnCommand(command::kTileHorizontally);
    for (const int id : {command::kChannelInformation, command::kChannelEdit, command::kTestFrequency}) {
        QScrollArea& scroll = ScrollOf(id);
        EXPECT_GT(scroll.verticalScrollBar()->maximum(), 0) << id;
        QPushButton* close = nullptr;
        for (QPushButton* button : Frame().EditorView(id)->findChildren<QPushButton*>())
            if (button->text().remove('&') == "Close")
                close = button;
        ASSERT_NE(close, nullptr) << id;
        scroll.ensureWidgetVisible(close);
        const QRect shown(close->mapTo(scroll.viewport(), QPoint(0, 0)), close->size());
        EXPECT_TRUE(scroll.viewport()->rect().contains(shown)) << id;
    }
}

// Channel Edit opens beside the grid, not over its last columns and the Free Area field,
// scrolling where the room beside the grid is smaller than the form.
// Without room beside the grid the form is moved over part of it, never cut to fit: it
// shows whole, Close and Help in view, and the grid's top left stays free.
TEST_F(EditorWindowTest, ChannelEditOpensWholeWhereTheAreaAllows)
{
    Frame().showNormal();
    Frame().resize(1024, 720); // no room for the whole form beside the grid
    OpenGrid();
    OpenForm();
    const QMdiSubWindow& form = WindowOf(command::kChannelEdit);
    EXPECT_EQ(form.size(), form.sizeHint());
    EXPECT_TRUE(Frame().ClientArea()->viewport()->rect().contains(form.geometry()));
    EXPECT_FALSE(form.geometry().contains(WindowOf(command::kChannelInformation).geometry().topLeft()));
}

// The title marks unsaved changes as soon as an editor stores one.
TEST_F(EditorWindowTest, TheTitleMarksAChangeTypedIntoAnEditor)
{
    OpenGrid();
    Frame().RefreshTitle();
    EXPECT_FALSE(Frame().isWindowModified());
    TypeChannel(1, "150");
    EXPECT_TRUE(Frame().isWindowModified());
    EXPECT_TRUE(harness.ShownTitle().endsWith("Untitled* ]")) << harness.ShownTitle().toStdString();
}

} // namespace
} // namespace qtr
