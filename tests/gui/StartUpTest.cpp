#include "GuiHarness.h"
#include "core/app/CommandIds.h"
#include "core/base/messages/Document.h"

#include "TempFolder.h"
#include "TestImages.h"
#include "gui/widgets/StatusPanes.h"
#include "core/document/DataFile.h"

#include <QSignalSpy>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qtr {
namespace {

using test::GuiHarness;

TEST(StartUpTest, ShowsTheMainWindowInEnglishMaximizedAndAsksForTheChannels)
{
    GuiHarness harness;
    harness.settings.WriteInteger("Backup", "ComPort", 3);
    harness.clock.now = {.tm_sec = 9, .tm_min = 5, .tm_hour = 13, .tm_mday = 1, .tm_mon = 6, .tm_year = 111};
    const auto status = harness.Program().Start(test::ProgramFolder() + "/qtr31x", {});
    ASSERT_FALSE(status);
    QSignalSpy handled(&harness.Frame(), &gui::MainWindow::CommandHandled);
    QCoreApplication::processEvents();
    ASSERT_EQ(handled.count(), 1);
    EXPECT_EQ(handled.first().first().toInt(), 32780);

    gui::MainWindow& frame = harness.Frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(harness.ShownTitle(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : Untitled ]");
    EXPECT_EQ(harness.MenuTitles(), QStringList({"&File", "&Model", "&Edit", "&Program", "&Tools", "&Setup", "&View",
                                                  "&Help"}));
    EXPECT_EQ(frame.Panes().PortText(), "COM3");
    EXPECT_EQ(frame.Panes().DateText(), "07/01/11");
    EXPECT_EQ(frame.Panes().TimeText(), "01:05:09 PM");
    EXPECT_TRUE(harness.prompter.asked.empty());
}

TEST(StartUpTest, RestoresTheLastPlacementAndModel)
{
    GuiHarness harness;
    harness.settings.WriteText("Backup", "LastWinPos", "0:1:-1:-1:-1:-1:10:20:810:620");
    harness.settings.WriteText("BackUp", "LastModel", "50:38:31:4C:30:8B:FD:4C");
    gui::MainWindow& frame = harness.Start();
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.geometry().size(), QSize(800, 600));
    EXPECT_EQ(harness.ShownTitle(),
              "QTR-31X [RB-8100L  LMR UHF:450-470 MHz(*16 Channels)] [File Name : Untitled ]");
}

TEST(StartUpTest, AMissingLanguageFileEndsTheProgramWithStatusOne)
{
    test::TempFolder empty;
    GuiHarness harness;
    EXPECT_EQ(harness.Program().Start(empty.File("qtr31x"), {}), 1);
    EXPECT_EQ(harness.Program().Window(), nullptr);
    ASSERT_EQ(harness.prompter.asked.size(), 1u);
    EXPECT_EQ(harness.prompter.asked[0].detail, "Can't read language file.\nPlease re-install this software again.");
    EXPECT_EQ(harness.prompter.asked[0].icon, Icon::Error);
}

TEST(StartUpTest, OpensTheDataFileNamedOnTheCommandLine)
{
    test::TempFolder folder;
    RadioState radio;
    test::StartWithModel(radio, test::RecordFor(2, 0x85));
    ASSERT_FALSE(datafile::Write(folder.File("shop.dat"), radio.image, "ZR5816"));
    GuiHarness harness;
    harness.Start({folder.File("shop.dat")});
    EXPECT_EQ(harness.ShownTitle(), "QTR-31X [RB-8100    LMR UHF:450-470 MHz(8 Channels)] [File Name : shop.dat ]");
    EXPECT_EQ(harness.App().state.image, radio.image);
    EXPECT_TRUE(harness.ItemsOf("&Edit").contains("&DTMF"));
}

TEST(StartUpTest, ARefusedCommandLineFileLeavesTheFirstImage)
{
    test::TempFolder folder;
    test::TempFolder::WriteBytes(folder.File("bad.dat"), std::vector<std::uint8_t>(1040, 'Z'));
    GuiHarness harness;
    harness.Start({folder.File("bad.dat")});
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::document::kWrongFile});
    EXPECT_EQ(harness.ShownTitle(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : Untitled ]");
}

TEST(StartUpTest, AMissingCommandLineFileIsNamedInItsMessage)
{
    test::TempFolder folder;
    GuiHarness harness;
    harness.Start({folder.File("gone.dat")});
    ASSERT_EQ(harness.prompter.asked.size(), 1u);
    EXPECT_EQ(harness.prompter.asked[0].detail, "Cannot open file.\n" + folder.File("gone.dat") + "\nNo such file or directory");
}

// The documents folder of the tests' own home.
std::string DocumentsFolder()
{
    return std::string(std::getenv("HOME")) + "/Documents";
}

TEST(StartUpTest, OpenAndSaveAsStartInTheDataFolderOfTheDocumentsFolderMadeOnFirstUse)
{
    const std::string dataFolder = DocumentsFolder() + "/QTR-31X";
    std::filesystem::remove_all(dataFolder);
    for (const std::string saved : {"", "/no/such/folder"}) {
        GuiHarness harness;
        harness.settings.WriteText("Backup", "Directry", saved);
        harness.Start();
        EXPECT_FALSE(std::filesystem::exists(dataFolder)); // not before it is used
        harness.Frame().OnCommand(command::kOpen);
        harness.Frame().OnCommand(command::kSaveAs);
        EXPECT_EQ(harness.picker.folders, std::vector<std::string>(2, dataFolder)) << saved;
        EXPECT_TRUE(std::filesystem::is_directory(dataFolder));
        std::filesystem::remove_all(dataFolder);
    }
}

TEST(StartUpTest, SettingsAreWrittenAtExit)
{
    GuiHarness harness;
    harness.Start();
    harness.App().comPort = 12;
    harness.prompter.answers = {Answer::Yes};
    harness.Frame().close();
    harness.Program().Exit();
    EXPECT_EQ(harness.settings.ReadText("Backup", "LastModel"), "50:37:31:30:30:10:FA:42");
    EXPECT_EQ(harness.settings.ReadText("Backup", "ComPort"), "12");
    EXPECT_EQ(harness.settings.ReadText("Backup", "Language"), "1");
    EXPECT_EQ(harness.settings.ReadText("Backup", "Directry"), DocumentsFolder() + "/QTR-31X");
    const auto placement = harness.settings.ReadText("Backup", "LastWinPos");
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->substr(0, 4), "2:3:"); // maximized, and restored maximized
    EXPECT_EQ(harness.settings.ReadText("MDIClient", "DisplayMode"), "0");
}

} // namespace
} // namespace qtr
