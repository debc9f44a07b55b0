#include "LinkWindowTest.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Link.h"
#include "gui/channels/TestFrequencyView.h"
#include "gui/link/TransferProgressBar.h"

namespace qtr {
namespace {

bool Asked(const test::ScriptedPrompter& prompter, int id)
{
    const auto ids = prompter.AskedIds();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

class TransferDialogTest : public test::LinkWindowTest {
protected:
    void OpenTestFrequencies()
    {
        Frame().OnCommand(command::kTestFrequency);
        auto* view = static_cast<gui::TestFrequencyView*>(Frame().EditorView(command::kTestFrequency));
        view->Grid().setFocus();
        view->Grid().SetCurrent({7, 1});
    }
};

TEST_F(TransferDialogTest, ReadingARadioMakesItTheDocumentWithItsModelMenusTitleAndChannels)
{
    const auto profile = LmrUhfRadio();
    StartRadio(profile);
    OpenTestFrequencies();
    Type("460.5"); // an edit still open when the radio's data replaces it
    EXPECT_FALSE(harness.ItemsOf("&Edit").contains("&DTMF"));

    QString title;
    QString barText;
    RunWithDialog(command::kReadFromRadio, [&](QWidget& dialog) {
        title = dialog.windowTitle();
        StartTransfer(dialog);
        barText = dynamic_cast<gui::TransferDialog&>(dialog).Bar().Text();
    });

    EXPECT_EQ(title, "Read from Radio");
    EXPECT_EQ(barText, "100%");
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::link::kReadDone});
    EXPECT_EQ(App().state.currentModel, profile.identity);
    EXPECT_FALSE(App().state.IsModified());
    EXPECT_TRUE(std::equal(profile.memory.begin(), profile.memory.begin() + 384, App().state.image.begin()));
    EXPECT_TRUE(Frame().windowTitle().contains("UHF:450-470 MHz")) << Frame().windowTitle().toStdString();
    EXPECT_TRUE(harness.ItemsOf("&Edit").contains("&DTMF"));
    EXPECT_EQ(Frame().EditorWindow(command::kTestFrequency), nullptr);
    ASSERT_NE(Frame().EditorWindow(command::kChannelInformation), nullptr);
    EXPECT_EQ(Frame().ChildWindowCount(), 1);
    EXPECT_EQ(Cell(3, 1), "452.00000");
    EXPECT_EQ(Cell(4, 1), "");
}

// Also: the value typed into the grid is stored before the write, though the command
// does not take the focus from it.
TEST_F(TransferDialogTest, AChannelTypedInIsWrittenToTheRadioAndReadBack)
{
    sim::RadioSimulator& radio = StartRadio(LmrUhfRadio());
    Read();
    Grid().Grid().SetCurrent({5, 1});
    Type("455.125");
    ASSERT_NE(Grid().Grid().Editor(), nullptr);

    Write();
    EXPECT_EQ(Grid().Grid().Editor(), nullptr);
    EXPECT_EQ(Cell(5, 1), "455.12500");
    EXPECT_EQ(Focus(), &Grid().Grid());
    const ImageBytes memory = radio.Memory();
    const std::size_t record = 16 * 5;
    EXPECT_TRUE(std::equal(memory.begin() + record, memory.begin() + record + 16, App().state.image.begin() + record));
    EXPECT_EQ(memory[record + 1], 0x25); // 455.12500 in packed decimal, least significant first
    EXPECT_EQ(memory[record + 2], 0x51);

    ClearChannels(App().state);
    App().state.MarkSaved(); // no save-changes question before the read
    Read();
    EXPECT_EQ(Cell(5, 1), "455.12500");
    EXPECT_EQ(Cell(3, 1), "452.00000");
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::link::kReadDone, messages::link::kWriteDone, messages::link::kReadDone}));
}

TEST_F(TransferDialogTest, CancelAfterAFailedBlockLeavesTheImageAsItWas)
{
    auto profile = LmrUhfRadio();
    profile.faults.push_back({sim::Step::ReadBlock, sim::FaultKind::Silence, 5});
    sim::RadioSimulator& radio = StartRadio(profile);
    const ImageBytes before = App().state.image;
    const QString titleBefore = Frame().windowTitle();
    harness.prompter.answers = {Answer::Cancel};

    int result = -1;
    RunWithDialog(command::kReadFromRadio, [&](QWidget& dialog) {
        StartTransfer(dialog);
        result = dynamic_cast<QDialog&>(dialog).result();
    });

    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});
    EXPECT_EQ(App().state.image, before);
    EXPECT_EQ(Frame().windowTitle(), titleBefore);
    EXPECT_FALSE(Link().Port().IsOpen());
    EXPECT_EQ(radio.Received().back(), 'E');
}

TEST_F(TransferDialogTest, CancelClosesTheDialogWithoutAWordToTheRadio)
{
    sim::RadioSimulator& radio = StartRadio(LmrUhfRadio());
    QStringList buttons;
    RunWithDialog(command::kWriteToRadio, [&](QWidget& dialog) {
        for (const auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help})
            buttons << TransferButton(dialog, which).text();
        buttons << dialog.windowTitle();
        TransferButton(dialog, QDialogButtonBox::Cancel).click();
    });
    EXPECT_EQ(buttons, QStringList({"&OK", "&Cancel", "&Help", "Write to Radio"}));
    EXPECT_TRUE(radio.Received().empty());
    EXPECT_TRUE(harness.prompter.asked.empty());
}

TEST_F(TransferDialogTest, AWriteMissingAPriorityChannelIsRefusedBeforeTheDialog)
{
    sim::RadioSimulator& radio = StartRadio(LmrUhfRadio());
    Read();
    App().state.image[352] = 1;    // scan priority on
    App().state.image[353] = 0xFF; // and no priority channel
    const std::size_t heard = radio.Received().size();
    EXPECT_TRUE(OpensNoDialog(command::kWriteToRadio));
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::link::kReadDone, messages::link::kNotReadyToWrite}));
    EXPECT_EQ(radio.Received().size(), heard);
}

TEST_F(TransferDialogTest, AfterAWriteTheTestFrequencyWindowHasNoChangeLeftToWarnOf)
{
    StartRadio(LmrUhfRadio());
    Read();
    OpenTestFrequencies();
    Type("460.5");
    Press(Qt::Key_Return);
    Write();
    Frame().CloseAllEditors();
    EXPECT_FALSE(Asked(harness.prompter, messages::channels::kTestFrequenciesChanged));
    EXPECT_EQ(Frame().ChildWindowCount(), 0);
}

TEST(TransferProgressBarTest, FillsByTheShareDoneAndShowsIt)
{
    gui::TransferProgressBar bar;
    bar.resize(300, 24);
    bar.show();
    bar.SetRange(0, 811);
    EXPECT_EQ(bar.Text(), "0%");
    EXPECT_EQ(bar.FilledWidth(), 0);
    bar.SetPosition(400);
    EXPECT_EQ(bar.Text(), "49%");
    bar.SetPosition(816); // the last write block goes past the end of the range
    EXPECT_EQ(bar.Text(), "100%");
    EXPECT_EQ(bar.FilledWidth(), bar.contentsRect().width());
}

} // namespace
} // namespace qtr
