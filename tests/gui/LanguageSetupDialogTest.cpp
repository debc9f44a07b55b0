#include "GuiHarness.h"
#include "TempFolder.h"

#include "core/app/CommandIds.h"
#include "core/base/messages/Document.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/Menu.h"
#include "gui/app/LanguageSetupDialog.h"
#include "gui/program/QtHelpViewer.h"
#include "gui/widgets/StatusPanes.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

using test::GuiHarness;

class LanguageSetupDialogTest : public ::testing::Test {
protected:
    void Start(int language)
    {
        harness.settings.WriteInteger("Backup", "Language", language);
        harness.Start();
    }
    static QPushButton* Ok(QWidget& dialog)
    {
        return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

    GuiHarness harness;
};

TEST_F(LanguageSetupDialogTest, CtrlLSwitchesToSpanishAtOnce)
{
    Start(1);
    QStringList entries;
    test::WhenModal([&entries](QWidget& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        EXPECT_EQ(list->currentRow(), 0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
    });
    harness.Frame().Panes().NotePort(1, messages::link::kSimulatedRadio);
    harness.Frame().ShowPortInStatusBar();
    harness.Frame().activateWindow();
    QTest::keySequence(&harness.Frame(), QKeySequence("Ctrl+L"));
    QCoreApplication::processEvents();

    EXPECT_EQ(entries, QStringList({"English", "Spanish (Español)"}));
    EXPECT_EQ(harness.App().language, 2);
    EXPECT_EQ(harness.MenuTitles().first(),
              QString::fromUtf8(harness.App().catalog.MessageText(messages::menu::kFile)));
    EXPECT_NE(harness.MenuTitles().first(), "&File");
    EXPECT_TRUE(harness.Frame().windowTitle().contains(
        QString::fromUtf8(harness.App().catalog.MessageText(messages::document::kFileName))));
    EXPECT_EQ(harness.App().help.LanguageLetter(), 's');
    // The port's note follows, and the help window's title (the pages are English).
    EXPECT_EQ(harness.Frame().Panes().PortText(), "COM1 (radio simulada)");
    harness.Frame().Action(command::kHelpTopics)->trigger();
    ASSERT_NE(harness.Program().Help().Window(), nullptr);
    EXPECT_TRUE(harness.Program().Help().Window()->windowTitle().startsWith("Ayuda de QTR-31X - "));
    harness.Program().Exit();
    EXPECT_EQ(harness.settings.ReadText("Backup", "Language"), "2");
}

TEST_F(LanguageSetupDialogTest, WithChineseNothingIsSelectedAndOkDoesNothing)
{
    Start(3);
    gui::LanguageSetupDialog dialog(harness.App(), harness.Program().Help());
    dialog.show();
    EXPECT_TRUE(dialog.List()->selectedItems().isEmpty());
    QTest::mouseClick(Ok(dialog), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(harness.App().language, 3);
}

TEST_F(LanguageSetupDialogTest, ChineseTextsComeFromTheChineseFile)
{
    Start(3);
    EXPECT_EQ(harness.MenuTitles().first(),
              QString::fromUtf8(harness.App().catalog.MessageText(messages::menu::kFile)));
    EXPECT_NE(harness.MenuTitles().first(), "&File");
}

TEST_F(LanguageSetupDialogTest, SpanishHelpShowsTheEnglishPagesOfTheLine)
{
    Start(2);
    harness.Frame().Action(command::kHelpTopics)->trigger();
    EXPECT_TRUE(harness.prompter.asked.empty());
    ASSERT_NE(harness.Program().Help().Window(), nullptr);
    EXPECT_EQ(harness.Program().Help().Window()->ShownPage().toStdString(),
              test::ProgramFolder() + "/qtr31x_e_BRS/index.html");
}

TEST_F(LanguageSetupDialogTest, WithoutAnyHelpTheMessageNamesTheLanguagesOwnFolder)
{
    const test::TempFolder folder;
    for (const char* name : {"qtr31x_e.lng", "qtr31x_s.lng"})
        std::filesystem::copy_file(test::ProgramFolder() + "/" + name, folder.File(name));
    harness.settings.WriteInteger("Backup", "Language", 2);
    harness.Start({}, folder.Path());
    harness.Frame().Action(command::kHelpTopics)->trigger();
    ASSERT_EQ(harness.prompter.asked.size(), 1u);
    const std::string text = harness.prompter.asked[0].detail;
    EXPECT_EQ(text, "Html Help File Does Not Exist\n\n   File Path [ " + folder.Path() + "/qtr31x_s_BRS/ ]");
    EXPECT_EQ(harness.Program().Help().Window(), nullptr);
}

} // namespace
} // namespace qtr
