#include "GuiHarness.h"

#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "core/base/messages/ChannelList.h"
#include "core/base/messages/Document.h"
#include "core/channels/ChannelCommits.h"
#include "core/channels/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "core/model/ModelDefaults.h"
#include "gui/document/ComparisonDialog.h"

#include <QListWidget>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <fstream>

namespace qtr {
namespace {

// File > Export Channels, Import Channels and Compare with File, answered through the seams.
class ChannelListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.Start();
        harness.RegisterWindows();
        test::StartWithModel(App().state, test::RecordFor(0, 0x15));
        ClearChannels(App().state);
        commits.StoreFrequency(0, ChannelField::ReceiveFrequency, "151.5", true);
        App().state.MarkSaved();
        App().history.Clear();
        App().state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Saved}); // the menus hear of both
    }
    Workspace& App() { return harness.App(); }
    void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string StatusText() { return harness.Frame().statusBar()->currentMessage().toStdString(); }

    test::GuiHarness harness;
    test::TempFolder folder;
    ChannelCommits commits{harness.App().channels, harness.App().codec, harness.App().prompter};
};

TEST_F(ChannelListCommandsTest, ExportWritesTheChannelListWhereTheUserChose)
{
    const std::string path = folder.File("list.csv");
    harness.picker.savePaths = {folder.File("list")}; // typed without its extension
    harness.Frame().OnCommand(command::kExportChannels);
    const auto bytes = test::TempFolder::ReadBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), ExportChannelCsv(App().state, App().catalog));
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(StatusText(), "1 channels exported to " + path + ".");

    harness.picker.savePaths = {folder.File("no-such-folder/list.csv")};
    harness.Frame().OnCommand(command::kExportChannels);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::channellist::kCannotWrite});
}

TEST_F(ChannelListCommandsTest, ImportIsOneUndoableCommitOrNothingWithTheProblemsListed)
{
    const ImageBytes before = App().state.image;
    const std::string bad = folder.File("bad.csv");
    Write(bad, "Location,Frequency\n1,446.5\n");
    harness.picker.openPaths = {bad};
    harness.Frame().OnCommand(command::kImportChannels);
    ASSERT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::channellist::kNotImported});
    EXPECT_NE(harness.prompter.asked[0].detail.find("line 2, Frequency: Outside the band of the model: 446.500000"),
              std::string::npos)
        << harness.prompter.asked[0].detail;
    EXPECT_EQ(App().state.image, before);

    const std::string good = folder.File("good.csv");
    Write(good, "Location,Frequency\n4,160.0031\n");
    harness.picker.openPaths = {good};
    harness.Frame().OnCommand(command::kImportChannels);
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::channellist::kNotImported,
                                messages::channellist::kCorrected})); // moved onto the step
    EXPECT_FALSE(App().channels.IsProgrammed(0));
    EXPECT_TRUE(App().channels.IsProgrammed(3));
    EXPECT_TRUE(App().document.IsModified());
    EXPECT_EQ(harness.Frame().Action(command::kUndo)->text(), "&Undo Import Channels");
    EXPECT_EQ(StatusText(), "1 channels imported from " + good + ".");
    harness.Frame().OnCommand(command::kUndo);
    EXPECT_EQ(App().state.image, before);
}

TEST_F(ChannelListCommandsTest, AListWithoutChannelsClearsThemOnlyWhenTheUserSaysSo)
{
    const ImageBytes before = App().state.image;
    const std::string empty = folder.File("empty.csv");
    Write(empty, "Location,Frequency\n");
    harness.picker.openPaths = {empty, empty};
    harness.prompter.answers = {Answer::No, Answer::Yes};
    harness.Frame().OnCommand(command::kImportChannels);
    EXPECT_EQ(App().state.image, before);
    harness.Frame().OnCommand(command::kImportChannels);
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::channellist::kClearAllQuestion, messages::channellist::kClearAllQuestion}));
    EXPECT_EQ(App().channels.ProgrammedCount(), 0);
}

TEST_F(ChannelListCommandsTest, CompareListsTheDifferencesOrSaysTheFilesAreTheSame)
{
    const std::string path = folder.File("other.dat");
    ASSERT_FALSE(datafile::Write(path, App().state.image, datafile::MagicFor(App().state.image)));
    harness.picker.openPaths = {path};
    harness.Frame().OnCommand(command::kCompareWithFile);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::document::kSameFiles});

    commits.StoreFrequency(0, ChannelField::ReceiveFrequency, "152", true);
    QStringList lines;
    test::WhenModal([&lines](QWidget& modal) {
        auto& dialog = dynamic_cast<gui::ComparisonDialog&>(modal);
        EXPECT_EQ(dialog.windowTitle(), "Compare with File");
        for (int i = 0; i < dialog.Lines()->count(); ++i)
            lines << dialog.Lines()->item(i)->text();
        dialog.reject();
    });
    harness.picker.openPaths = {path};
    harness.Frame().OnCommand(command::kCompareWithFile);
    EXPECT_EQ(lines, QStringList({"Channel 1 RX Frequency: 152.00000 -> 151.50000"}));

    harness.picker.openPaths = {folder.File("missing.dat")};
    harness.Frame().OnCommand(command::kCompareWithFile);
    EXPECT_EQ(harness.prompter.AskedIds().back(), messages::channellist::kCannotRead);
}

TEST_F(ChannelListCommandsTest, TheFileMenuOffersTheCommands)
{
    const QStringList items = harness.ItemsOf("&File");
    EXPECT_TRUE(items.contains("&Export Channels..."));
    EXPECT_TRUE(items.contains("&Import Channels..."));
    EXPECT_TRUE(items.contains("Co&mpare with File..."));
    EXPECT_EQ(harness.ItemsOf("&Edit").mid(0, 3), QStringList({"&Undo", "&Redo", "-"}));
}

} // namespace
} // namespace qtr
