#include "core/app/LanguageSetup.h"

#include "NoFilePicker.h"
#include "ProgramFolder.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "core/app/CloseSequence.h"
#include "core/app/Workspace.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/ShellHooks.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Menu.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

// Records the shell's hooks in the order they are called.
class RecordingShell : public ShellHooks {
public:
    void CloseAllEditors() override { calls.push_back("editors"); }
    void RefreshTitle() override { calls.push_back("title"); }
    void RebuildMenus() override { calls.push_back("menus"); }
    void PostChannelInformation() override { calls.push_back("channels"); }
    void CloseHelpWindows() override { calls.push_back("help"); }
    std::vector<std::string> calls;
};

class ShellRulesTest : public ::testing::Test {
protected:
    void Start(const std::string& folder, int language)
    {
        MemorySettingsStore store;
        store.WriteInteger("Backup", "Language", language);
        ASSERT_EQ(app.Start(store, folder + "/qtr31x"), 0);
        app.BuildFirstImage();
        shell.calls.clear();
    }

    test::ScriptedPrompter prompter;
    test::NoFilePicker picker;
    RecordingShell shell;
    Workspace app{prompter, picker, shell};
};

TEST_F(ShellRulesTest, LanguageSetupOffersEnglishAndSpanishAndSelectsTheCurrentOne)
{
    EXPECT_EQ(LanguageSetup::Entries(), (std::vector<int>{messages::app::kEnglish, messages::app::kSpanish}));
    Start(test::ProgramFolder(), 2);
    EXPECT_EQ(LanguageSetup(app).SelectedRow(), 1);
    app.language = 3;
    EXPECT_EQ(LanguageSetup(app).SelectedRow(), std::nullopt);
}

TEST_F(ShellRulesTest, LanguageSetupOkWithoutSelectionDoesNothing)
{
    Start(test::ProgramFolder(), 3);
    EXPECT_EQ(LanguageSetup(app).Ok(std::nullopt), LanguageSetup::Outcome::StayOpen);
    EXPECT_EQ(app.language, 3);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShellRulesTest, SwitchingToSpanishReloadsTextsAndRebuildsTheShell)
{
    Start(test::ProgramFolder(), 1);
    const std::string english = app.catalog.MessageText(messages::menu::kFile);
    EXPECT_EQ(LanguageSetup(app).Ok(1), LanguageSetup::Outcome::Closed);
    EXPECT_EQ(app.language, 2);
    EXPECT_NE(app.catalog.MessageText(messages::menu::kFile), english);
    EXPECT_EQ(app.help.LanguageLetter(), 's');
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"editors", "title", "menus", "help", "channels"}));
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(ShellRulesTest, ADamagedLanguageFileKeepsThePreviousLanguage)
{
    test::TempFolder folder;
    std::filesystem::copy_file(test::ProgramFolder() + "/qtr31x_e.lng", folder.File("qtr31x_e.lng"));
    test::TempFolder::WriteBytes(folder.File("qtr31x_s.lng"), {'^', '#', '0'});
    Start(folder.Path(), 1);
    const std::string english = app.catalog.MessageText(messages::menu::kFile);
    EXPECT_EQ(LanguageSetup(app).Ok(1), LanguageSetup::Outcome::Closed);
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::app::kDamagedLanguage});
    EXPECT_EQ(app.language, 1);
    EXPECT_EQ(app.catalog.MessageText(messages::menu::kFile), english);
    EXPECT_EQ(app.help.LanguageLetter(), 'e');
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShellRulesTest, NoInTheExitQuestionKeepsTheProgramRunning)
{
    Start(test::ProgramFolder(), 1);
    prompter.answers = {Answer::No};
    EXPECT_FALSE(RunCloseSequence(app));
    ASSERT_EQ(prompter.AskedIds(), std::vector<int>{messages::app::kExitQuestion});
    EXPECT_EQ(prompter.asked[0].captionId, messages::common::kQuestionCaption);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.asked[0].icon, Icon::Question);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShellRulesTest, ClosingAsksToSaveChangesAfterClosingHelp)
{
    Start(test::ProgramFolder(), 1);
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(RunCloseSequence(app)); // unmodified: only the exit question
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::app::kExitQuestion});

    app.state.image[100] ^= 1;
    prompter.asked.clear();
    shell.calls.clear();
    prompter.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_FALSE(RunCloseSequence(app));
    EXPECT_EQ(prompter.AskedIds(),
              (std::vector<int>{messages::app::kExitQuestion, messages::common::kSaveChangesQuestion}));
    EXPECT_EQ(shell.calls, std::vector<std::string>{"help"});

    prompter.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(RunCloseSequence(app));
}

} // namespace
} // namespace qtr
