#include "GuiHarness.h"
#include "TempFolder.h"

#include "core/app/CommandIds.h"
#include "core/base/HelpFile.h"
#include "gui/widgets/MdiClientArea.h"
#include "gui/program/QtHelpViewer.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"

#include <QAccessible>
#include <QLabel>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

using test::GuiHarness;

// An editor window as later parts of the program register them.
QWidget* TestEditor(const QString& title)
{
    auto* editor = new QLabel(title);
    editor->setWindowTitle(title);
    return editor;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Start(); }
    gui::MainWindow& Frame() { return harness.Frame(); }
    void Trigger(int commandId) { Frame().Action(commandId)->trigger(); }
    void RegisterFeatures()
    {
        Frame().RegisterEditor(command::kOptionalFeatures, [](gui::MainWindow&) { return TestEditor("Features"); });
    }

    GuiHarness harness;
};

TEST_F(MainWindowTest, MenusHoldTheCommandsInCatalogueTexts)
{
    EXPECT_EQ(harness.ItemsOf("&File"),
              QStringList({"&New", "&Open...", "&Save", "Save &As...", "-", "&Export Channels...",
                           "&Import Channels...", "Co&mpare with File...", "-", "&Print...", "Print Pre&view",
                           "Export P&DF...", "-", "E&xit"}));
    EXPECT_EQ(harness.ItemsOf("&Program"),
              QStringList({"&Read from Radio...", "&Write to Radio...", "&Test Mode...", "&Memory Map...", "-",
                           "&Fleet Programming..."}));
    EXPECT_EQ(harness.ItemsOf("&Setup"), QStringList({"&Communication Port...", "-", "&Verify after Writing",
                                                     "&Back Up Radio before Writing"}));
    EXPECT_EQ(harness.ItemsOf("&Help"), QStringList({"&Help Topics", "-", "&About QTR-31X..."}));
    EXPECT_EQ(Frame().Action(command::kReadFromRadio)->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(Frame().Action(command::kMemoryMap)->shortcut(), QKeySequence("Ctrl+M"));
}

TEST_F(MainWindowTest, ParlaneEditMenuHasNoDtmfOrVantalink)
{
    EXPECT_EQ(harness.ItemsOf("&Edit"), QStringList({"&Undo", "&Redo", "-", "&Channel Information", "-", "&Optional Features",
                                                    "&Key Assignment", "&Scan Information", "-", "&Test Frequency",
                                                    "Embedded &Message"}));
}

TEST_F(MainWindowTest, CommandsWithoutARegisteredWindowAreShownDisabled)
{
    for (const int id : {command::kChannelInformation, command::kOptionalFeatures, command::kReadFromRadio,
                         command::kWriteToRadio, command::kTestMode, command::kMemoryMap, command::kRadioInformation,
                         command::kCommunicationPort, command::kPrint, command::kPrintPreview, command::kTreeView})
        EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
    for (const int id : {command::kNew, command::kOpen, command::kSave, command::kSaveAs, command::kModelInformation,
                         command::kAbout, command::kHelpTopics, command::kLanguageFileSetup})
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
}

TEST_F(MainWindowTest, ToolbarTipsComeFromTheCatalogue)
{
    QStringList tips;
    for (QAction* action : Frame().ToolBar()->actions())
        if (!action->isSeparator())
            tips << action->toolTip();
    EXPECT_EQ(tips, QStringList({"New", "Open", "Save", "Read from Radio", "Write to Radio", "Print", "About QTR-31X"}));
}

TEST_F(MainWindowTest, AnEditorOpensOnceAndItsCommandActivatesIt)
{
    RegisterFeatures();
    Frame().RegisterEditor(command::kKeyAssignment, [](gui::MainWindow&) { return TestEditor("Keys"); });
    ASSERT_TRUE(Frame().Action(command::kOptionalFeatures)->isEnabled());
    Trigger(command::kOptionalFeatures);
    Trigger(command::kKeyAssignment);
    EXPECT_EQ(Frame().ClientArea()->activeSubWindow()->windowTitle(), "Keys");
    Trigger(command::kOptionalFeatures);
    EXPECT_EQ(Frame().ChildWindowCount(), 2);
    EXPECT_EQ(Frame().ClientArea()->subWindowList().size(), 2);
    EXPECT_EQ(Frame().ClientArea()->activeSubWindow()->windowTitle(), "Features");
    EXPECT_EQ(Frame().EditorWindow(command::kOptionalFeatures), Frame().ClientArea()->activeSubWindow()->widget());
}

TEST_F(MainWindowTest, TheWindowMenuExistsWhileChildWindowsAreOpen)
{
    RegisterFeatures();
    EXPECT_EQ(harness.MenuTitled("&Window"), nullptr);
    Trigger(command::kOptionalFeatures);
    ASSERT_NE(harness.MenuTitled("&Window"), nullptr);
    EXPECT_EQ(harness.ItemsOf("&Window"), QStringList({"&Cascade", "Tile &Horizontally", "Tile &Vertically",
                                                      "&Arrange Icons", "C&lose All Windows", "-", "&1 Features"}));
    Frame().ClientArea()->activeSubWindow()->showMaximized();
    EXPECT_EQ(harness.ItemsOf("&Setup"), QStringList({"&Communication Port...", "-", "&Verify after Writing",
                                                     "&Back Up Radio before Writing"}));

    harness.App().state.image[768] ^= 1;
    Frame().RefreshTitle();
    Trigger(command::kCloseAllWindows);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed windows go
    EXPECT_EQ(Frame().ChildWindowCount(), 0);
    EXPECT_EQ(Frame().EditorWindow(command::kOptionalFeatures), nullptr);
    EXPECT_EQ(harness.MenuTitled("&Window"), nullptr);
    EXPECT_TRUE(harness.ShownTitle().contains('*')); // the changes remain
}

// A screen reader walks the menu bar, each menu and each item; every item must be found
// under its own menu after editors opened and closed, as the menus then change.
TEST_F(MainWindowTest, AScreenReaderReachesEveryMenuItemAfterEditorsOpenAndClose)
{
    RegisterFeatures();
    Trigger(command::kOptionalFeatures);
    Trigger(command::kCloseAllWindows);
    Trigger(command::kOptionalFeatures);
    QStringList shown;
    for (QAction* title : Frame().menuBar()->actions())
        for (QAction* item : title->menu()->actions())
            shown << QString(title->text() + "/" + item->text()).remove('&');
    QStringList reached;
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(Frame().menuBar());
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* title = bar->child(i);
        ASSERT_EQ(title->childCount(), 1) << title->text(QAccessible::Name).toStdString();
        QAccessibleInterface* menu = title->child(0);
        for (int j = 0; j < menu->childCount(); ++j) {
            QAccessibleInterface* item = menu->child(j);
            EXPECT_EQ(item->parent(), menu) << item->text(QAccessible::Name).toStdString();
            reached << title->text(QAccessible::Name) + "/" + item->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(reached, shown);
    EXPECT_TRUE(shown.contains("Window/1 Features"));
}

TEST_F(MainWindowTest, TheStartUpChannelInformationOpensOnceItsEditorIsRegistered)
{
    Frame().RegisterEditor(command::kChannelInformation, [](gui::MainWindow&) { return TestEditor("Channels"); });
    Frame().PostChannelInformation();
    EXPECT_EQ(Frame().ChildWindowCount(), 0); // posted, not yet handled
    QCoreApplication::processEvents();
    ASSERT_EQ(Frame().ChildWindowCount(), 1);
    EXPECT_NE(Frame().EditorWindow(command::kChannelInformation), nullptr);
}

TEST_F(MainWindowTest, TilingPutsWindowsSideBySideOrAboveEachOther)
{
    RegisterFeatures();
    Frame().RegisterEditor(command::kKeyAssignment, [](gui::MainWindow&) { return TestEditor("Keys"); });
    Trigger(command::kOptionalFeatures);
    Trigger(command::kKeyAssignment);
    const QSize area = Frame().ClientArea()->viewport()->size();
    Trigger(command::kTileVertically);
    const auto windows = Frame().ClientArea()->subWindowList();
    EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(windows[1]->geometry().left(), area.width() / 2);
    Trigger(command::kTileHorizontally);
    EXPECT_EQ(windows[1]->geometry(), QRect(0, area.height() / 2, area.width(), area.height() - area.height() / 2));
}

TEST_F(MainWindowTest, ToolbarAndStatusBarCommandsHideAndCheck)
{
    EXPECT_TRUE(Frame().Action(command::kToolbar)->isChecked());
    Trigger(command::kToolbar);
    EXPECT_TRUE(Frame().ToolBar()->isHidden());
    EXPECT_FALSE(Frame().Action(command::kToolbar)->isChecked());
    Trigger(command::kStatusBar);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_FALSE(Frame().Action(command::kStatusBar)->isChecked());
}

TEST_F(MainWindowTest, NoInTheExitQuestionKeepsTheProgramRunning)
{
    harness.prompter.answers = {Answer::No};
    Trigger(command::kExit);
    QCoreApplication::processEvents();
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::app::kExitQuestion});
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(harness.settings.ReadText("Backup", "LastWinPos"));
}

TEST_F(MainWindowTest, CancelInTheSaveChangesQuestionKeepsTheProgramRunning)
{
    harness.App().state.image[20] ^= 0xFF;
    harness.prompter.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::app::kExitQuestion, messages::common::kSaveChangesQuestion}));
    EXPECT_EQ(harness.prompter.asked[1].detail, "Untitled");
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(MainWindowTest, ClosingWithYesStoresThePlacement)
{
    harness.prompter.answers = {Answer::Yes};
    Frame().showNormal();
    Frame().setGeometry(30, 40, 700, 500);
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(harness.settings.ReadText("Backup", "LastWinPos"), "0:1:-1:-1:-1:-1:30:40:730:540");
}

TEST_F(MainWindowTest, AboutShowsVersionAndReleaseDate)
{
    QStringList shown;
    test::WhenModal([&shown](QWidget& about) {
        for (const QLabel* label : about.findChildren<QLabel*>())
            shown << label->text();
        shown << about.windowTitle();
        QTest::keyClick(&about, Qt::Key_Return);
    });
    Trigger(command::kAbout);
    EXPECT_TRUE(shown.contains("Version 1.33"));
    EXPECT_TRUE(shown.contains("Release Date JUL/01/2011"));
    EXPECT_TRUE(shown.contains("About QTR-31X"));
    EXPECT_TRUE(shown.contains("All rights reserved."));
}

class MainFrameHelpTest : public MainWindowTest {
protected:
    QString ShownPage() { return QFileInfo(harness.Program().Help().Window()->ShownPage()).fileName(); }
};

TEST_F(MainFrameHelpTest, F1OnTheMainWindowShowsItsTopic)
{
    QTest::keyClick(&Frame(), Qt::Key_F1);
    ASSERT_NE(harness.Program().Help().Window(), nullptr);
    EXPECT_EQ(ShownPage(), "128.html");
    EXPECT_TRUE(harness.Program().Help().Window()->ShownText().contains("main window"));
}

TEST_F(MainFrameHelpTest, F1InAMenuShowsTheHighlightedCommandOrItsSubstitute)
{
    QMenu* view = harness.MenuTitled("&View");
    view->popup(QPoint(0, 0));
    view->setActiveAction(Frame().Action(command::kToolbar));
    QTest::keyClick(view, Qt::Key_F1);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(ShownPage(), "32902.html");

    QMenu* file = harness.MenuTitled("&File");
    file->popup(QPoint(0, 0));
    file->setActiveAction(Frame().Action(command::kNew));
    QTest::keyClick(file, Qt::Key_F1);
    EXPECT_EQ(ShownPage(), "32788.html");
}

TEST_F(MainFrameHelpTest, F1InAnEditorShowsTheEditorsTopic)
{
    // The topic is the editor table's: the test frequencies have a page, the embedded message has none.
    Frame().RegisterEditor(command::kTestFrequency, [](gui::MainWindow&) { return TestEditor("Test"); });
    Frame().RegisterEditor(command::kEmbeddedMessage, [](gui::MainWindow&) { return TestEditor("Message"); });
    Trigger(command::kTestFrequency);
    QTest::keyClick(&Frame(), Qt::Key_F1);
    EXPECT_EQ(ShownPage(), "157.html");
    // The embedded message has a page now: help pages without it stand for an editor without one.
    const test::TempFolder folder;
    const std::filesystem::path built = std::filesystem::path(harness.App().help.PageFolder()).parent_path();
    const std::filesystem::path pages = folder.File(built.filename().string());
    std::filesystem::copy(built, pages);
    std::filesystem::remove(pages / "159.html");
    harness.App().help = HelpFile(folder.File("qtr31x"), 'e', harness.App().state.LineLetter());
    Trigger(command::kEmbeddedMessage);
    QTest::keyClick(&Frame(), Qt::Key_F1);
    EXPECT_EQ(ShownPage(), "128.html"); // no page of its own: the main window's
}

TEST_F(MainFrameHelpTest, HelpTopicsAndTheExitQuestionCloseHelp)
{
    Trigger(command::kHelpTopics);
    ASSERT_NE(harness.Program().Help().Window(), nullptr);
    EXPECT_EQ(ShownPage(), "index.html");
    EXPECT_TRUE(harness.Program().Help().Window()->isVisible());
    harness.prompter.answers = {Answer::Yes};
    Frame().close();
    QCoreApplication::processEvents();
    EXPECT_EQ(harness.Program().Help().Window(), nullptr);
}

} // namespace
} // namespace qtr
