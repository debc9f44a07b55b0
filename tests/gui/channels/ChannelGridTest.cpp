#include "ChannelWindowTest.h"

#include "gui/program/HelpWindow.h"
#include "gui/program/QtHelpViewer.h"
#include "core/channels/ChannelTable.h"
#include "core/base/messages/Channels.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <memory>

namespace qtr {
namespace {

class ChannelGridTest : public test::ChannelWindowTest {
protected:
    static int WidestEntry(const QComboBox& list)
    {
        int widest = 0;
        for (int entry = 0; entry < list.count(); ++entry)
            widest = std::max(widest, list.view()->fontMetrics().horizontalAdvance(list.itemText(entry)));
        return widest;
    }
    QString HelpAfterF1(GridCell cell)
    {
        QApplication::setActiveWindow(&Frame());
        Grid().Grid().setFocus();
        Grid().Grid().SetCurrent(cell);
        Press(Qt::Key_F1);
        const gui::HelpWindow* help = harness.Program().Help().Window();
        return help ? QFileInfo(help->ShownPage()).fileName() : QString();
    }
    // The first click opens the cell's editor, so the second one lands on it.
    void DoubleClick(int row, int column)
    {
        Click(row, column);
        QWidget* editor = Grid().Grid().Editor();
        ASSERT_NE(editor, nullptr);
        QTest::mouseDClick(editor, Qt::LeftButton);
    }
};

TEST_F(ChannelGridTest, TypingAReceiveFrequencyIntoAnEmptyRowCreatesASimplexChannel)
{
    OpenGrid();
    EXPECT_EQ(Grid().FreeAreaText(), "128");
    Type("151.8");
    ASSERT_NE(Grid().Grid().Editor(), nullptr);
    Press(Qt::Key_Return);

    EXPECT_EQ(Cell(1, 1), "151.80000");
    EXPECT_EQ(Cell(1, 2), "151.80000");
    EXPECT_EQ(Byte(380) & 1, 1);
    EXPECT_EQ(Byte(382) & 1, 1);
    EXPECT_EQ(RecordByte(0, 0), 0x00);
    EXPECT_EQ(RecordByte(0, 3), 0x15);
    EXPECT_EQ(Grid().FreeAreaText(), "112");
    EXPECT_EQ(Current(), (GridCell{1, 2})); // a programmed row goes on to the right
    EXPECT_EQ(Cell(1, 5), "High");
    EXPECT_EQ(Cell(1, 7), "Yes");
}

TEST_F(ChannelGridTest, EnterOnAnEmptyRowMovesDownAndEscapeKeepsTheStoredValue)
{
    OpenGrid();
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_EQ(Current(), (GridCell{2, 1}));

    TypeChannel(2, "152");
    Grid().Grid().SetCurrent({2, 1});
    Type("160");
    Press(Qt::Key_Escape);
    EXPECT_EQ(Cell(2, 1), "152.00000");
    EXPECT_EQ(RecordByte(1, 2), 0x20);
    EXPECT_EQ(Focus(), &Grid().Grid());
}

TEST_F(ChannelGridTest, ClearingThePriorityChannelReleasesItAndMovesTheFixedChannel)
{
    OpenGrid();
    TypeChannel(1, "151");
    TypeChannel(2, "152");
    App().state.image[ChannelTable::kPriorityChannelOffset] = 2;
    App().state.image[ChannelTable::kFixedChannelOffset] = 2;

    Grid().Grid().SetCurrent({2, 1});
    Press(Qt::Key_Delete);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 0xFF);
    EXPECT_EQ(Byte(ChannelTable::kFixedChannelOffset), 1);
    EXPECT_EQ(Current(), (GridCell{3, 1}));
}

TEST_F(ChannelGridTest, CellsThatNeedATransmitFrequencyOpenTheTransmitCell)
{
    OpenGrid();
    TypeChannel(1, "151");
    Press(Qt::Key_Delete); // on the transmit cell: remove the transmit frequency
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 2), "");

    Click(1, 5);
    EXPECT_EQ(Current(), (GridCell{1, 2}));
    ASSERT_NE(Grid().Grid().Editor(), nullptr);
    Type("151.9");
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 2), "151.90000");
    EXPECT_EQ(Current(), (GridCell{1, 3}));
}

TEST_F(ChannelGridTest, TypedTonesAreNormalisedAndEnterSkipsWhatNeedsATransmitFrequency)
{
    OpenGrid();
    TypeChannel(1, "151");
    Grid().Grid().SetCurrent({1, 3});
    Type("d023n");
    Press(Qt::Key_Return);
    EXPECT_EQ(RecordWord(0, 8), 0x2813);
    EXPECT_EQ(Cell(1, 3), "D023N");
    EXPECT_EQ(Current(), (GridCell{1, 4}));

    TypeChannel(2, "152");
    Grid().Grid().SetCurrent({2, 2});
    Press(Qt::Key_Delete);
    Press(Qt::Key_Return);
    Grid().Grid().SetCurrent({2, 3});
    Type("88.55");
    Press(Qt::Key_Return);
    EXPECT_EQ(RecordWord(1, 8), 885);
    EXPECT_EQ(Cell(2, 3), "88.5");
    EXPECT_EQ(Current(), (GridCell{2, 6}));
}

TEST_F(ChannelGridTest, AFieldListStoresTheValueItsEntryCarries)
{
    OpenGrid();
    TypeChannel(1, "151");
    Grid().Grid().SetCurrent({1, 5});
    Press(Qt::Key_Return);
    auto* list = qobject_cast<QComboBox*>(Grid().Grid().Editor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), "High");
    Press(Qt::Key_Down); // choosing stores at once
    EXPECT_EQ(RecordByte(0, 13) & 0x20, 0x00);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 5), "Low");
    EXPECT_EQ(Current(), (GridCell{1, 6}));
}

TEST_F(ChannelGridTest, DeletingAChannelAsksAndRenumbersTheOnesAfterIt)
{
    OpenGrid();
    for (int row = 1; row <= 4; ++row)
        TypeChannel(row, QString::number(150 + row));
    App().state.image[ChannelTable::kPriorityChannelOffset] = 1;

    Grid().Grid().SetCurrent({2, 1});
    harness.prompter.answers = {Answer::Cancel};
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 1), "152.00000");

    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::channels::kDeleteQuestion, messages::channels::kDeleteQuestion}));
    EXPECT_EQ(Cell(1, 1), "151.00000");
    EXPECT_EQ(Cell(2, 1), "153.00000");
    EXPECT_EQ(Cell(3, 1), "154.00000");
    EXPECT_EQ(Cell(4, 1), "");
    EXPECT_EQ(Byte(380), 0x07);
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 0xFF);
    EXPECT_EQ(Grid().FreeAreaText(), "80");

    Grid().Grid().SetCurrent({5, 1});
    Press(Qt::Key_D, Qt::ControlModifier); // an empty slot is not even asked about
    EXPECT_EQ(harness.prompter.asked.size(), 2u);
}

TEST_F(ChannelGridTest, InsertOpensAnEmptyRowBeforeTheCurrentOne)
{
    OpenGrid();
    TypeChannel(1, "151");
    TypeChannel(2, "152");
    Grid().Grid().SetCurrent({1, 3});
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 1), "151.00000");
    EXPECT_EQ(Cell(3, 1), "152.00000");
    Press(Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(Cell(4, 1), "152.00000");
}

// Delete and Insert in the grid move the fixed channel with the channel it names.
TEST_F(ChannelGridTest, TheFixedChannelFollowsItsChannelThroughDeleteAndInsert)
{
    OpenGrid();
    for (int row = 1; row <= 3; ++row)
        TypeChannel(row, QString::number(150 + row));
    App().state.image[ChannelTable::kFixedChannelOffset] = 3;

    Grid().Grid().SetCurrent({1, 1});
    harness.prompter.answers = {Answer::Ok};
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 1), "153.00000");
    EXPECT_EQ(Byte(ChannelTable::kFixedChannelOffset), 2);

    Grid().Grid().SetCurrent({1, 1});
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Cell(3, 1), "153.00000");
    EXPECT_EQ(Byte(ChannelTable::kFixedChannelOffset), 3);
}

TEST_F(ChannelGridTest, ParlaneChoiceOfTheSecondDuplicateEntryIsKeptAndShown)
{
    OpenGrid(kParlaneVhf, 0x15);
    EXPECT_EQ(Grid().Grid().columnCount(), 8);
    EXPECT_EQ(Cell(1, 1), "(0) Off");
    Press(Qt::Key_Return);
    auto* list = qobject_cast<QComboBox*>(Grid().Grid().Editor());
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 24; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(Cell(1, 2), "(24) 154.60000"); // shown at once, stored when the list is left
    EXPECT_FALSE(App().channels.IsProgrammed(0));
    Press(Qt::Key_Return);

    EXPECT_EQ(Cell(1, 1), "(24) 154.60000");
    EXPECT_EQ(Cell(1, 2), "(24) 154.60000");
    EXPECT_EQ(RecordByte(0, 13) & 0x80, 0x80);
    EXPECT_EQ(Current(), (GridCell{1, 3}));
}

// A cut entry would read as another frequency: "(06) 151.760" for "(06) 151.76000". Styles
// differ in whether they widen a pop-up themselves; the Windows style does not.
TEST_F(ChannelGridTest, TheParlaneFrequencyListShowsItsWidestEntryWhole)
{
    OpenGrid(kParlaneVhf, 0x15);
    const std::unique_ptr<QStyle> windowsStyle(QStyleFactory::create("Windows"));
    for (QStyle* style : {QApplication::style(), windowsStyle.get()}) {
        Grid().Grid().setFocus();
        Grid().Grid().SetCurrent({1, 1});
        Press(Qt::Key_Return);
        auto* list = qobject_cast<QComboBox*>(Grid().Grid().Editor());
        ASSERT_NE(list, nullptr);
        list->setStyle(style);
        Grid().Grid().SetCurrent({1, 1}); // the cell opens again for the new style's size
        Press(Qt::Key_Return);
        list->setCurrentIndex(6);
        EXPECT_EQ(list->currentText(), "(06) 151.76000");
        const int widest = WidestEntry(*list);
        QStyleOptionComboBox field;
        field.initFrom(list);
        EXPECT_GE(style->subControlRect(QStyle::CC_ComboBox, &field, QStyle::SC_ComboBoxEditField, list).width(),
                  widest)
            << style->name().toStdString();

        list->showPopup();
        EXPECT_GE(list->view()->viewport()->width(), widest) << style->name().toStdString();
        list->hidePopup();
        Press(Qt::Key_Escape);
    }
}

TEST_F(ChannelGridTest, ParlaneRestrictedFrequencyFixesTxPowerAndItsCellOpensNothing)
{
    OpenGrid(kParlaneVhf, 0x15);
    Press(Qt::Key_Return);
    for (int i = 0; i < 7; ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), "(07) 151.82000");
    EXPECT_EQ(RecordByte(0, 13) & 0x20, 0x00);
    EXPECT_EQ(Cell(1, 5), "Low");

    Click(1, 5);
    EXPECT_EQ(Grid().Grid().Editor(), nullptr);
    Click(1, 6);
    EXPECT_NE(Grid().Grid().Editor(), nullptr);
}

TEST_F(ChannelGridTest, AParlaneFrequencyOutsideTheListSurvivesAVisitToTheList)
{
    OpenGrid(kParlaneVhf, 0x15);
    std::string text = "155.5"; // as a radio may hold it
    App().channels.SetFrequency(0, ChannelField::ReceiveFrequency, text);
    Grid().RefreshAllRows();
    EXPECT_EQ(Cell(1, 1), "155.50000");
    Press(Qt::Key_Return);
    auto* list = qobject_cast<QComboBox*>(Grid().Grid().Editor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentIndex(), -1);
    Press(Qt::Key_Return);
    EXPECT_TRUE(App().channels.IsProgrammed(0));
    EXPECT_EQ(Cell(1, 1), "155.50000");
}

TEST_F(ChannelGridTest, ParlaneToneListStoresBothTonesAndTheToneNumber)
{
    OpenGrid(kParlaneVhf, 0x15);
    Press(Qt::Key_Return);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return); // on to the decode cell
    EXPECT_EQ(Current(), (GridCell{1, 3}));
    Press(Qt::Key_Return);
    for (int i = 0; i < 39; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(RecordWord(0, 8), 693);
    EXPECT_EQ(RecordWord(0, 10), 693);
    EXPECT_EQ(RecordByte(0, 15), 39);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 3), "(39) 69.3");
    EXPECT_EQ(Cell(1, 4), "(39) 69.3");
    EXPECT_EQ(Current(), (GridCell{1, 5}));
}

TEST_F(ChannelGridTest, RowLabelsMarkTheSixteenthChannelOfTheSixteenChannelModel)
{
    OpenGrid(kLmrUhfL, 0x8B);
    EXPECT_EQ(Grid().Grid().rowCount(), 16);
    EXPECT_EQ(Cell(16, 0), "16 (S)");
    EXPECT_EQ(Cell(15, 0), "15");

    OpenGrid(kLmrUhfL, 0x8B, true);
    EXPECT_EQ(Grid().Grid().rowCount(), 15);
    EXPECT_EQ(Cell(15, 0), "15");
}

TEST_F(ChannelGridTest, F1ShowsTheHelpOfTheCurrentColumn)
{
    OpenGrid();
    EXPECT_EQ(HelpAfterF1({1, 3}), "1199.html");
    EXPECT_EQ(HelpAfterF1({2, 9}), "1215.html");
    EXPECT_EQ(HelpAfterF1({2, 5}), "1207.html");
}

TEST_F(ChannelGridTest, DoubleClickOnAChannelOpensTheEditFormOnIt)
{
    OpenGrid();
    TypeChannel(1, "151");
    TypeChannel(2, "152");
    DoubleClick(3, 1);
    EXPECT_EQ(Frame().EditorWindow(command::kChannelEdit), nullptr);

    DoubleClick(2, 3);
    ASSERT_NE(Frame().EditorWindow(command::kChannelEdit), nullptr);
    EXPECT_EQ(Grid().Grid().Editor(), nullptr);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Form().Control(1))->text(), "152.00000");
}

TEST_F(ChannelGridTest, NewClosesTheChannelWindowsAndOpensTheGridAgain)
{
    OpenGrid();
    TypeChannel(1, "151");
    Press(Qt::Key_F11);
    harness.prompter.answers = {Answer::Ok, Answer::No}; // start anew, without saving
    Frame().OnCommand(command::kNew);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().ChildWindowCount(), 1);
    ASSERT_NE(Frame().EditorWindow(command::kChannelInformation), nullptr);
    EXPECT_EQ(Cell(1, 1), QString::fromUtf8(App().channelTexts.FormatField(0, ChannelField::ReceiveFrequency).text));
    EXPECT_EQ(Grid().windowTitle(), "Channel Information [ Channel - 1 ]");
}

TEST_F(ChannelGridTest, TheTitleNamesTheCurrentChannel)
{
    OpenGrid();
    EXPECT_EQ(Grid().windowTitle(), "Channel Information [ Channel - 1 ]");
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid().windowTitle(), "Channel Information [ Channel - 3 ]");
    EXPECT_EQ(Frame().ClientArea()->activeSubWindow()->windowTitle(), Grid().windowTitle());
}

} // namespace
} // namespace qtr
