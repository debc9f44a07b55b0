#include "core/app/Workspace.h"

#include "NoFilePicker.h"
#include "ProgramFolder.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "TestImages.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/ShellHooks.h"
#include "core/base/messages/App.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class WorkspaceTest : public ::testing::Test {
protected:
    int Start(const std::string& folder) { return app.Start(store, folder + "/qtr31x"); }

    MemorySettingsStore store;
    test::ScriptedPrompter prompter;
    test::NoFilePicker picker;
    ShellHooks shell;
    Workspace app{prompter, picker, shell};
};

TEST_F(WorkspaceTest, RestoresTheLastModel)
{
    store.WriteText("BackUp", "LastModel", "50:38:31:4C:30:8B:FD:4C");
    ASSERT_EQ(Start(test::ProgramFolder()), 0);
    EXPECT_EQ(app.state.currentModel, test::RecordFor(3, 0x8B));
    EXPECT_TRUE(prompter.asked.empty());
    app.BuildFirstImage();
    EXPECT_EQ(app.state.ChannelCount(), 16);
    EXPECT_EQ(app.help.Path(), test::ProgramFolder() + "/qtr31x_e_LMR.chm");
}

TEST_F(WorkspaceTest, FallsBackToTheDefaultModelSilently)
{
    for (const char* text : {"50:37:31:30:30:10:FA", "50:37:31:30:30:20:FA:42", "51:37:31:30:30:10:FA:58", ""}) {
        MemorySettingsStore settings;
        settings.WriteText("Backup", "LastModel", text);
        test::ScriptedPrompter quiet;
        Workspace fresh{quiet, picker, shell};
        ASSERT_EQ(fresh.Start(settings, test::ProgramFolder() + "/qtr31x"), 0) << text;
        EXPECT_EQ(fresh.state.currentModel, DefaultModelRecord()) << text;
        EXPECT_TRUE(quiet.asked.empty());
    }
}

TEST_F(WorkspaceTest, RepairsPortAndLanguageAndDefaultsTheDataFolder)
{
    store.WriteInteger("Backup", "ComPort", 21);
    store.WriteInteger("Backup", "Language", 7);
    ASSERT_EQ(Start(test::ProgramFolder()), 0);
    EXPECT_EQ(app.comPort, 1);
    EXPECT_EQ(app.language, 1);
    EXPECT_EQ(app.document.DataFolder(), test::ProgramFolder() + "/DATA/");
}

TEST_F(WorkspaceTest, AMissingLanguageFileIsReportedWithTheBuiltInText)
{
    test::TempFolder empty;
    EXPECT_EQ(Start(empty.Path()), MessageCatalog::kCannotOpen);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].detail, "Can't read language file.\nPlease re-install this software again.");
    EXPECT_EQ(prompter.asked[0].captionText, "QTR-31X");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Error);
}

TEST_F(WorkspaceTest, ADamagedReloadUsesTheLoadedMessage)
{
    test::TempFolder folder;
    std::filesystem::copy_file(test::ProgramFolder() + "/qtr31x_e.lng", folder.File("qtr31x_e.lng"));
    ASSERT_EQ(Start(folder.Path()), 0);
    test::TempFolder::WriteBytes(folder.File("qtr31x_s.lng"), {'^', '#', '0', '0', '1', '\n'});
    app.language = MessageCatalog::kSpanish;
    EXPECT_EQ(app.ReloadLanguage(), MessageCatalog::kDamaged);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].messageId, messages::app::kDamagedLanguage);
}

TEST_F(WorkspaceTest, AnInstalledProgramFindsItsTextsAndHelpInShare)
{
    test::TempFolder prefix;
    const std::string shared = prefix.File("share/qtr31x");
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(shared);
    std::filesystem::copy_file(test::ProgramFolder() + "/qtr31x_e.lng", shared + "/qtr31x_e.lng");
    ASSERT_EQ(Start(prefix.File("bin")), 0);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(app.catalog.MessageText(messages::app::kProgramName), "QTR-31X");
    EXPECT_EQ(app.programFolder, shared);
    EXPECT_EQ(app.help.PageFolder(), shared + "/qtr31x_e_BRS/");
}

TEST_F(WorkspaceTest, WritesTheSettingsAtExit)
{
    store.WriteText("Backup", "Directry", "/home/tech/radios");
    ASSERT_EQ(Start(test::ProgramFolder()), 0);
    app.comPort = 12;
    MemorySettingsStore written;
    app.WriteSettings(written);
    EXPECT_EQ(written.ReadText("backup", "directry"), "/home/tech/radios");
    EXPECT_EQ(written.ReadText("Backup", "LastModel"), "50:37:31:30:30:10:FA:42");
    EXPECT_EQ(written.ReadInteger("Backup", "ComPort"), 12);
    EXPECT_EQ(written.ReadInteger("Backup", "Language"), 1);

    // What was written restores the same model and port.
    test::ScriptedPrompter quiet;
    Workspace next{quiet, picker, shell};
    ASSERT_EQ(next.Start(written, test::ProgramFolder() + "/qtr31x"), 0);
    EXPECT_EQ(next.state.currentModel, app.state.currentModel);
    EXPECT_EQ(next.comPort, 12);
}

} // namespace
} // namespace qtr
