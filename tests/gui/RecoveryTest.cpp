#include "GuiHarness.h"
#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/RecoveryCopy.h"
#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/document/SafetyFolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

namespace qtr {
namespace {

namespace fs = std::filesystem;

// The desktop program on scripted seams. Left without its Exit, it ends as a crash does.
struct Program {
    Program()
    {
        clock.now.tm_year = 126;
        clock.now.tm_mon = 11;
        clock.now.tm_mday = 7;
    }
    void Start(const std::vector<std::string>& arguments = {})
    {
        if (app.Start(test::ProgramFolder() + "/qtr31x", arguments))
            throw std::runtime_error("the program did not start");
        QCoreApplication::processEvents();
    }
    Workspace& App() { return app.App(); }

    test::ScriptedPrompter prompter;
    test::ScriptedFilePicker picker;
    MemorySettingsStore settings;
    test::FixedClock clock;
    test::FakeSoundPlayer sound;
    gui::DesktopApplication app{prompter, picker, settings, clock, sound};
};

class RecoveryTest : public testing::Test {
protected:
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(gui::ProgramDataFolder(), ignored);
    }
    static std::string CopyPath() { return gui::ProgramDataFolder() + "/recovery.dat"; }
    // Events are handled until `done` says so, or the time (a few looks at the copy) is up.
    static bool Eventually(const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(3 * RecoveryCopy::kWriteDelayMs);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return done();
    }
    static bool CopyAppears() { return Eventually([] { return fs::exists(CopyPath()); }); }
    // Runs a program, changes its image, and leaves it as a crash would once the copy is kept.
    ImageBytes CrashWithUnsavedChanges()
    {
        Program crashed;
        crashed.Start();
        ImageView(crashed.App().state.image).SetText(768, "UNSAVED WORK");
        EXPECT_FALSE(fs::exists(CopyPath())); // not at once: within a few seconds of the change
        EXPECT_TRUE(CopyAppears());
        return crashed.App().state.image;
    }
};

TEST_F(RecoveryTest, AfterACrashTheUnsavedChangesAreOfferedBackAsAModifiedUntitledDocument)
{
    const ImageBytes unsaved = CrashWithUnsavedChanges();
    EXPECT_EQ(datafile::Read(CopyPath()).image, unsaved);

    Program next;
    next.prompter.answers = {Answer::Yes};
    next.Start();
    EXPECT_EQ(next.prompter.AskedIds(), std::vector<int>{messages::document::kRecoveryOffer});
    EXPECT_EQ(next.prompter.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(next.App().state.image, unsaved);
    EXPECT_TRUE(next.App().document.IsUntitled());
    EXPECT_TRUE(next.App().document.IsModified());

    // A save makes the copy unneeded.
    test::TempFolder folder;
    next.picker.savePaths = {folder.File("saved.dat")};
    next.App().document.SaveDataFileAs();
    EXPECT_FALSE(next.App().document.IsModified());
    EXPECT_FALSE(fs::exists(CopyPath()));
    next.app.Exit();
}

// A file opened from the command line after a crash (a double-click) comes after the
// restored work, which only a button saying so lets go; until then the copy stays.
TEST_F(RecoveryTest, RestoredWorkIsLetGoOnlyByTheButtonThatSaysSo)
{
    const ImageBytes unsaved = CrashWithUnsavedChanges();
    test::TempFolder folder;
    RadioState shop;
    test::StartWithModel(shop, test::RecordFor(2, 0x85));
    ASSERT_FALSE(datafile::Write(folder.File("shop.dat"), shop.image, "ZR5816"));

    Program kept;
    kept.prompter.answers = {Answer::Yes, Answer::Cancel};
    kept.Start({folder.File("shop.dat")});
    EXPECT_EQ(kept.prompter.AskedIds(),
              (std::vector<int>{messages::document::kRecoveryOffer, messages::document::kSaveRestoredWorkQuestion}));
    EXPECT_EQ(kept.prompter.asked[1].noTextId, messages::document::kDiscardRestoredWork);
    EXPECT_EQ(kept.App().state.image, unsaved);
    kept.app.Exit();
    EXPECT_TRUE(fs::exists(CopyPath()));

    Program discarded;
    discarded.prompter.answers = {Answer::Yes, Answer::No};
    discarded.Start({folder.File("shop.dat")});
    EXPECT_EQ(discarded.App().state.image, shop.image);
    EXPECT_TRUE(Eventually([] { return !fs::exists(CopyPath()); }));
    discarded.app.Exit();
}

// A logout or a kill ends the program without questions; the next start offers the changes.
TEST_F(RecoveryTest, ASignalToEndKeepsTheUnsavedChangesAndAsksNothing)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        Program ended;
        ended.Start();
        ImageView(ended.App().state.image).SetText(768, "UNSAVED WORK");
        std::raise(signal);
        EXPECT_EQ(ended.app.Run(), 128 + signal);
        EXPECT_TRUE(ended.prompter.asked.empty());
        EXPECT_EQ(datafile::Read(CopyPath()).image, ended.App().state.image);
        EXPECT_EQ(fs::status(CopyPath()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        fs::remove(CopyPath());
    }
}

TEST_F(RecoveryTest, ANormalExitOrADeclinedOfferLeavesNoCopy)
{
    CrashWithUnsavedChanges();
    Program declined;
    declined.prompter.answers = {Answer::No};
    declined.Start();
    EXPECT_EQ(declined.prompter.AskedIds(), std::vector<int>{messages::document::kRecoveryOffer});
    EXPECT_FALSE(declined.App().document.IsModified());
    EXPECT_FALSE(fs::exists(CopyPath()));

    ImageView(declined.App().state.image).SetText(768, "MORE WORK");
    ASSERT_TRUE(CopyAppears());
    declined.app.Exit();
    EXPECT_FALSE(fs::exists(CopyPath()));

    Program after;
    after.Start();
    EXPECT_TRUE(after.prompter.asked.empty());
    after.app.Exit();
}

TEST_F(RecoveryTest, TheCopyFollowsLaterChangesAndGoesWhenTheyAreUndone)
{
    Program program;
    program.Start();
    RadioState& state = program.App().state;
    ImageView(state.image).SetText(768, "FIRST");
    ASSERT_TRUE(CopyAppears());
    ImageView(state.image).SetText(768, "SECOND");
    EXPECT_TRUE(Eventually([&state] { return datafile::Read(CopyPath()).image == state.image; }));

    state.image = state.saved;
    EXPECT_TRUE(Eventually([] { return !fs::exists(CopyPath()); }));
    program.app.Exit();
}

TEST_F(RecoveryTest, ADamagedCopyIsSetAsideAndTheProgramStartsAsUsual)
{
    fs::create_directories(gui::ProgramDataFolder());
    test::TempFolder::WriteBytes(CopyPath(), std::vector<std::uint8_t>(100, 0x5A));
    Program program;
    program.Start();
    ASSERT_EQ(program.prompter.AskedIds(), std::vector<int>{messages::document::kRecoveryDamaged});
    const std::string aside = gui::ProgramDataFolder() + "/recovery-damaged-20261207-000000.dat";
    EXPECT_EQ(program.prompter.asked[0].detail,
              "The recovery copy " + CopyPath() + " is damaged and was set aside as " + aside + ".");
    EXPECT_FALSE(fs::exists(CopyPath()));
    EXPECT_EQ(test::TempFolder::ReadBytes(aside), std::vector<std::uint8_t>(100, 0x5A));
    EXPECT_FALSE(program.App().document.IsModified());
    ASSERT_NE(program.app.Window(), nullptr);
    program.app.Exit();

    // A second damaged copy the same second does not replace the first one set aside.
    test::TempFolder::WriteBytes(CopyPath(), std::vector<std::uint8_t>(1040, 0));
    Program again;
    again.Start();
    EXPECT_TRUE(fs::exists(gui::ProgramDataFolder() + "/recovery-damaged-20261207-000000-2.dat"));
    EXPECT_EQ(test::TempFolder::ReadBytes(aside).size(), 100u);
    again.app.Exit();
}

} // namespace
} // namespace qtr
