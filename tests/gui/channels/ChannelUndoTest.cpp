#include "ChannelWindowTest.h"

#include "gui/channels/ChannelCopyDialog.h"
#include "gui/channels/ChannelNumberSpin.h"
#include "gui/channels/TestFrequencyView.h"

#include <QAction>
#include <QPushButton>

namespace qtr {
namespace {

// Undo and redo over every kind of commit of the channel windows, with the keys a user presses.
class ChannelUndoTest : public test::ChannelWindowTest {
protected:
    gui::ChannelGridView& OpenFreshGrid()
    {
        auto& grid = OpenGrid();
        App().history.Clear(); // the test installed the radio without a New
        return grid;
    }
    void Undo() { Press(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Press(Qt::Key_Y, Qt::ControlModifier); }
    QString MenuText(int commandId) { return Frame().Action(commandId)->text(); }
    // Undoes the last step and redoes it, checking the image byte for byte both ways.
    void ExpectUndoneAndRedone(const ImageBytes& before)
    {
        const ImageBytes after = App().state.image;
        ASSERT_NE(before, after);
        Undo();
        EXPECT_EQ(App().state.image, before);
        Redo();
        EXPECT_EQ(App().state.image, after);
    }
};

TEST_F(ChannelUndoTest, AGridCellIsOneNamedStepAndUndoBackToTheSavedStateLeavesNoChange)
{
    OpenFreshGrid();
    EXPECT_FALSE(Frame().Action(command::kUndo)->isEnabled());
    const ImageBytes saved = App().state.image;
    TypeChannel(3, "151.5");
    EXPECT_EQ(MenuText(command::kUndo), "&Undo Channel 3 RX Frequency");
    EXPECT_TRUE(App().document.IsModified());

    Undo();
    EXPECT_EQ(App().state.image, saved);
    EXPECT_EQ(Cell(3, 1), ""); // the grid shows the image again
    EXPECT_FALSE(App().document.IsModified());
    EXPECT_FALSE(harness.ShownTitle().contains('*'));
    EXPECT_EQ(MenuText(command::kRedo), "&Redo Channel 3 RX Frequency");
    EXPECT_FALSE(Frame().Action(command::kUndo)->isEnabled());

    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(3, 1), "151.50000");
    EXPECT_TRUE(harness.ShownTitle().contains('*'));
    ExpectUndoneAndRedone(saved);
}

TEST_F(ChannelUndoTest, AFieldOfTheEditFormAndTheFormShowsItAgain)
{
    OpenFreshGrid();
    TypeChannel(1, "151", "151");
    Grid().Grid().SetCurrent({1, 1});
    OpenForm();
    const ImageBytes before = App().state.image;
    auto* wideNarrow = qobject_cast<QComboBox*>(Form().Control(static_cast<int>(ChannelField::WideNarrow)));
    ASSERT_NE(wideNarrow, nullptr);
    const QString shown = wideNarrow->currentText();
    wideNarrow->setFocus();
    Press(wideNarrow->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_NE(wideNarrow->currentText(), shown);
    EXPECT_EQ(MenuText(command::kUndo), "&Undo Channel 1 W/N");
    Undo();
    EXPECT_EQ(App().state.image, before);
    EXPECT_EQ(wideNarrow->currentText(), shown);
    Redo();
    EXPECT_NE(wideNarrow->currentText(), shown);
    ExpectUndoneAndRedone(before);
}

TEST_F(ChannelUndoTest, TheChannelCopyDialogIsOneStep)
{
    OpenFreshGrid();
    TypeChannel(1, "151");
    const ImageBytes before = App().state.image;
    Grid().Grid().SetCurrent({1, 1});
    test::WhenModal([](QWidget& modal) {
        auto& dialog = dynamic_cast<gui::ChannelCopyDialog&>(modal);
        for (const char* target : {"4", "6"}) {
            QTest::keyClick(&dialog.Target(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(&dialog.Target(), target);
            QTest::keyClick(&dialog.Target(), Qt::Key_Return);
        }
        dialog.reject();
    });
    Press(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(Cell(6, 1), "151.00000");
    Undo();
    EXPECT_EQ(App().state.image, before);
    EXPECT_EQ(Cell(4, 1), "");
    EXPECT_EQ(Cell(6, 1), "");
    Redo();
    EXPECT_EQ(Cell(4, 1), "151.00000");
}

TEST_F(ChannelUndoTest, InsertAndDeleteWithTheChannelsTheyMoved)
{
    OpenFreshGrid();
    for (int row = 1; row <= 3; ++row)
        TypeChannel(row, QString::number(150 + row));
    App().state.image[ChannelTable::kFixedChannelOffset] = 3;
    App().history.Clear();
    const ImageBytes typed = App().state.image;

    Grid().Grid().SetCurrent({1, 1});
    Press(Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(Cell(4, 1), "153.00000");
    EXPECT_EQ(MenuText(command::kUndo), "&Undo Insert Channel");
    ExpectUndoneAndRedone(typed);
    Undo();
    EXPECT_EQ(Cell(1, 1), "151.00000");

    Grid().Grid().SetCurrent({2, 1});
    harness.prompter.answers = {Answer::Ok};
    Press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(Cell(2, 1), "153.00000");
    EXPECT_FALSE(Frame().Action(command::kRedo)->isEnabled()); // a new step drops what was undone
    ExpectUndoneAndRedone(typed);
    Undo();
    EXPECT_EQ(Cell(2, 1), "152.00000");
    EXPECT_EQ(Byte(ChannelTable::kFixedChannelOffset), 3);
}

TEST_F(ChannelUndoTest, TheTestFrequencyWindowShowsTheUndoneValue)
{
    OpenFreshGrid();
    Frame().OnCommand(command::kTestFrequency);
    auto& grid = static_cast<gui::TestFrequencyView*>(Frame().EditorView(command::kTestFrequency))->Grid();
    grid.setFocus();
    const ImageBytes before = App().state.image;
    grid.SetCurrent({7, 1});
    Type("151.8213");
    Press(Qt::Key_Return);
    ASSERT_EQ(grid.Text({7, 1}), "151.82250");
    EXPECT_EQ(MenuText(command::kUndo), "&Undo Test Frequency 7 RX Frequency");
    Undo();
    EXPECT_EQ(App().state.image, before);
    EXPECT_EQ(grid.Text({7, 1}), "");
    Redo();
    EXPECT_EQ(grid.Text({7, 2}), "151.82250");
}

TEST_F(ChannelUndoTest, ANewDocumentStartsAFreshHistory)
{
    OpenFreshGrid();
    TypeChannel(1, "151");
    harness.prompter.answers = {Answer::Ok, Answer::No};
    Frame().OnCommand(command::kNew);
    EXPECT_FALSE(App().history.CanUndo());
    EXPECT_FALSE(Frame().Action(command::kUndo)->isEnabled());
    EXPECT_EQ(MenuText(command::kUndo), "&Undo");
}

} // namespace
} // namespace qtr
