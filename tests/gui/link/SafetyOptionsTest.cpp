#include "LinkWindowTest.h"

#include "TempFolder.h"
#include "core/app/SafetyOptions.h"
#include "core/app/TransferDialogModel.h"
#include "core/app/TransferSafety.h"
#include "core/base/messages/Link.h"
#include "core/document/DataFile.h"
#include "core/link/RadioTransfer.h"
#include "gui/document/DataFileDialog.h"
#include "gui/document/SafetyFolders.h"

#include <QFileDialog>

#include <filesystem>

namespace qtr {
namespace {

// The guards of Write to Radio in the desktop program: on by default, chosen in the Setup
// menu and kept in the settings.
class SafetyOptionsTest : public test::LinkWindowTest {
protected:
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(gui::BackupFolder(), ignored);
    }
    std::vector<std::filesystem::path> Backups() const
    {
        std::vector<std::filesystem::path> found;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(gui::BackupFolder(), ignored))
            found.push_back(entry.path());
        return found;
    }
    std::optional<std::string> Setting(const char* name) const
    {
        return harness.settings.ReadText(settings::kSafetySection, name);
    }
};

TEST_F(SafetyOptionsTest, BothGuardsAreOnByDefaultAndTheSetupMenuTurnsThemOffInTheSettings)
{
    EXPECT_EQ(harness.ItemsOf("&Setup"),
              QStringList({"&Communication Port...", "-", "&Verify after Writing", "&Back Up Radio before Writing"}));
    QAction* verify = Frame().Action(command::kVerifyAfterWrite);
    QAction* backup = Frame().Action(command::kBackupBeforeWrite);
    EXPECT_TRUE(verify->isEnabled() && verify->isCheckable() && verify->isChecked());
    EXPECT_TRUE(backup->isChecked());
    EXPECT_TRUE(App().safety.verifyAfterWrite && App().safety.backupBeforeWrite && App().safety.backupReads);

    verify->trigger();
    EXPECT_FALSE(Frame().Action(command::kVerifyAfterWrite)->isChecked());
    EXPECT_FALSE(App().safety.verifyAfterWrite);
    EXPECT_EQ(Setting(settings::kVerifyAfterWrite), "0");
    EXPECT_EQ(Setting(settings::kBackupBeforeWrite), "1");
    EXPECT_FALSE(ReadSafetySettings(harness.settings, "").verifyAfterWrite); // what the next start reads

    backup->trigger();
    verify->trigger();
    EXPECT_EQ(Setting(settings::kVerifyAfterWrite), "1");
    EXPECT_EQ(Setting(settings::kBackupBeforeWrite), "0");
    EXPECT_TRUE(Frame().Action(command::kVerifyAfterWrite)->isChecked());
    EXPECT_FALSE(Frame().Action(command::kBackupBeforeWrite)->isChecked());
}

TEST_F(SafetyOptionsTest, AWriteKeepsTheRadiosImageFirstAndAMismatchIsToldWithItsAddress)
{
    auto profile = LmrUhfRadio();
    profile.faults.push_back({sim::Step::WriteBlock, sim::FaultKind::StoresOther, 2});
    sim::RadioSimulator& radio = StartRadio(profile);
    Read();
    ASSERT_EQ(Backups().size(), 1u); // the read is kept
    ImageView(App().state.image).SetText(768, "CHANGED");

    Write();
    EXPECT_EQ(harness.prompter.AskedIds(), (std::vector<int>{messages::link::kReadDone, RadioTransfer::kMismatchId}));
    EXPECT_NE(harness.prompter.asked.back().detail.find("the first at image address 0x020"), std::string::npos)
        << harness.prompter.asked.back().detail;
    const auto kept = Backups();
    ASSERT_EQ(kept.size(), 2u);
    for (const auto& file : kept)
        EXPECT_EQ(test::TempFolder::ReadBytes(file.string()), datafile::Build(profile.memory, datafile::MagicFor(profile.memory)))
            << file;
    EXPECT_EQ(radio.Memory()[768], 'C');

    // Both guards off: the same radio passes for written, and nothing more is kept.
    Frame().Action(command::kVerifyAfterWrite)->trigger();
    Frame().Action(command::kBackupBeforeWrite)->trigger();
    harness.prompter.asked.clear();
    Write();
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::link::kWriteDone});
    EXPECT_EQ(Backups().size(), 2u);
}

TEST_F(SafetyOptionsTest, AReadWhoseBackupCannotBeKeptStillBecomesTheDocumentAndSaysWhy)
{
    const auto profile = LmrUhfRadio();
    StartRadio(profile);
    test::TempFolder folder;
    test::TempFolder::WriteBytes(folder.File("file"), {1});
    App().safety.backupFolder = folder.File("file/backups");
    Read();
    EXPECT_EQ(harness.prompter.AskedIds(), (std::vector<int>{messages::link::kReadDone, messages::link::kReadNotKept}));
    EXPECT_EQ(harness.prompter.asked.back().icon, Icon::Warning);
    EXPECT_NE(harness.prompter.asked.back().detail.find(folder.File("file/backups/P8100-")), std::string::npos);
    EXPECT_EQ(App().state.currentModel, profile.identity);
}

TEST_F(SafetyOptionsTest, TheOpenDialogReachesTheBackupsFolder)
{
    gui::DataFileDialog dialog(gui::DataFileDialog::Purpose::Open, App().catalog, QFont(), QString(), "*.dat");
    EXPECT_TRUE(dialog.sidebarUrls().contains(QUrl::fromLocalFile(QString::fromStdString(gui::BackupFolder()))));
    EXPECT_TRUE(std::filesystem::is_directory(gui::BackupFolder()));
}

} // namespace
} // namespace qtr
