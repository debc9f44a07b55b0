#include "GuiHarness.h"

#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::GuiHarness;
using test::TempFolder;

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Start(); }
    void Trigger(int commandId) { harness.Frame().Action(commandId)->trigger(); }
    // Keyboard shortcuts go to the focused main window as a user's keys would.
    void Press(const QKeySequence& keys)
    {
        harness.Frame().activateWindow();
        QTest::keySequence(&harness.Frame(), keys);
    }
    ImageBytes& Image() { return harness.App().state.image; }
    QString Title() { return harness.ShownTitle(); }

    GuiHarness harness;
    TempFolder folder;
};

TEST_F(DocumentCommandsTest, OpenOfAFileWithAWrongMagicChangesNothing)
{
    RadioState other;
    test::StartWithModel(other, test::RecordFor(0, 0x15));
    auto bytes = datafile::Build(other.image, "ZR5816");
    bytes[6] = 'C';
    TempFolder::WriteBytes(folder.File("wrong.dat"), bytes);
    const ImageBytes before = Image();
    const QString title = Title();
    harness.picker.openPaths = {folder.File("wrong.dat")};
    Press(QKeySequence("Ctrl+O"));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::document::kWrongFile});
    EXPECT_EQ(harness.prompter.asked[0].captionId, messages::common::kErrorCaption);
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(Title(), title);
}

TEST_F(DocumentCommandsTest, OpenAdoptsTheFilesModelAndItsMenus)
{
    RadioState other;
    test::StartWithModel(other, test::RecordFor(1, 0x15));
    other.image[768] = 'H';
    ASSERT_FALSE(datafile::Write(folder.File("lmr.dat"), other.image, "ZR581L"));
    harness.picker.openPaths = {folder.File("lmr.dat")};
    Trigger(command::kOpen);
    QCoreApplication::processEvents();
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(Image(), other.image);
    EXPECT_EQ(Title(), "QTR-31X [RB-7100L  LMR VHF:150-174 MHz(8 Channels)] [File Name : lmr.dat ]");
    EXPECT_TRUE(harness.ItemsOf("&Edit").contains("&Vantalink"));
    EXPECT_EQ(harness.App().document.DataFolder(), folder.Path());
}

TEST_F(DocumentCommandsTest, AnUnreadableFileIsReportedAndTheDialogComesBack)
{
    harness.picker.openPaths = {folder.File("missing.dat")};
    Trigger(command::kOpen);
    ASSERT_EQ(harness.prompter.asked.size(), 1u);
    EXPECT_EQ(harness.prompter.asked[0].detail, "Cannot open file.");
    EXPECT_EQ(harness.picker.folders.size(), 2u); // asked again, then cancelled
}

TEST_F(DocumentCommandsTest, SaveAsWritesTheFileAndNamesTheDocument)
{
    harness.picker.savePaths = {folder.File("radio.dat")};
    Trigger(command::kSaveAs);
    EXPECT_EQ(harness.picker.saveNames, std::vector<std::string>{"Untitled"});
    const auto bytes = TempFolder::ReadBytes(folder.File("radio.dat"));
    ASSERT_EQ(bytes.size(), 1040u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "ZR5816BB");
    EXPECT_TRUE(std::equal(Image().begin(), Image().end(), bytes.begin() + 16));
    EXPECT_EQ(Title(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : radio.dat ]");
}

TEST_F(DocumentCommandsTest, SaveAskToOverwriteTheExistingFile)
{
    harness.picker.savePaths = {folder.File("radio.dat")};
    Trigger(command::kSaveAs);
    Image()[16] = 0x11;
    harness.prompter.answers = {Answer::Ok};
    Press(QKeySequence("Ctrl+S"));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::document::kOverwriteQuestion});
    EXPECT_EQ(harness.prompter.asked[0].detail, "radio.dat");
    EXPECT_EQ(TempFolder::ReadBytes(folder.File("radio.dat"))[32], 0x11);
    EXPECT_FALSE(harness.App().document.IsModified());
}

TEST_F(DocumentCommandsTest, AFailedSaveAsIsReportedAndLeavesTheDocumentModified)
{
    Image()[16] = 0x11;
    harness.picker.savePaths = {folder.File("no such folder/radio.dat")};
    Trigger(command::kSaveAs);
    ASSERT_EQ(harness.prompter.asked.size(), 1u);
    EXPECT_EQ(harness.prompter.asked[0].icon, Icon::Error);
    EXPECT_TRUE(harness.App().document.IsModified());
    EXPECT_TRUE(Title().endsWith("Untitled* ]")); // unsaved changes are marked
}

TEST_F(DocumentCommandsTest, NewAsksThenRebuildsTheImage)
{
    Image()[16] = 0x11;
    harness.prompter.answers = {Answer::Cancel};
    Press(QKeySequence("Ctrl+N"));
    EXPECT_EQ(Image()[16], 0x11);

    harness.prompter.asked.clear();
    harness.prompter.answers = {Answer::Ok, Answer::No};
    Trigger(command::kNew);
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::document::kNewQuestion, messages::common::kSaveChangesQuestion}));
    EXPECT_EQ(harness.prompter.asked[0].defaultAnswer, Answer::Cancel);
    EXPECT_NE(Image()[16], 0x11);
    EXPECT_FALSE(harness.App().document.IsModified());
}

// Open replaces a modified image only when the save-changes question lets it go, and the
// title marks unsaved changes until they are saved.
TEST_F(DocumentCommandsTest, OpenAsksToSaveChangesAndTheTitleMarksThem)
{
    harness.picker.savePaths = {folder.File("radio.dat")};
    Trigger(command::kSaveAs);
    EXPECT_FALSE(harness.Frame().isWindowModified());
    Image()[16] = 0x11;
    harness.picker.openPaths = {folder.File("radio.dat")};
    harness.prompter.answers = {Answer::Cancel};
    Press(QKeySequence("Ctrl+O"));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::common::kSaveChangesQuestion});
    EXPECT_EQ(Image()[16], 0x11);
    EXPECT_TRUE(harness.Frame().isWindowModified());
    EXPECT_EQ(Title(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : radio.dat* ]");

    harness.prompter.answers = {Answer::Ok};
    Press(QKeySequence("Ctrl+S"));
    EXPECT_FALSE(harness.Frame().isWindowModified());
    EXPECT_EQ(Title(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : radio.dat ]");

    Image()[16] = 0x22;
    harness.picker.openPaths = {folder.File("radio.dat")};
    harness.prompter.asked.clear();
    harness.prompter.answers = {Answer::No};
    Trigger(command::kOpen);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::common::kSaveChangesQuestion});
    EXPECT_EQ(Image()[16], 0x11);
    EXPECT_FALSE(harness.Frame().isWindowModified());
}

} // namespace
} // namespace qtr
