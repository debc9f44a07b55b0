#include "ChannelWindowTest.h"

#include "core/channels/ChannelTable.h"

#include <QCheckBox>
#include <QPushButton>

namespace qtr {
namespace {

class ChannelFormTest : public test::ChannelWindowTest {
protected:
    // The form on the grid's current channel, with the focus in the receive frequency.
    gui::ChannelFormView& OpenOnChannel(int row)
    {
        Grid().Grid().SetCurrent({row, 1});
        Press(Qt::Key_F11);
        Form().Control(1)->setFocus();
        return Form();
    }
    std::vector<int> EnabledRows()
    {
        std::vector<int> rows;
        for (int row = 1; row < 16; ++row)
            if (Form().Control(row)->isEnabled())
                rows.push_back(row);
        return rows;
    }
    void SelectAll() { QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier); }
    QComboBox* List(int row) { return qobject_cast<QComboBox*>(Form().Control(row)); }
    QStringList Entries(int row)
    {
        QStringList entries;
        for (int i = 0; i < List(row)->count(); ++i)
            entries << List(row)->itemText(i);
        return entries;
    }
    QString Text(int row)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(Form().Control(row)))
            return edit->text();
        return List(row)->currentText();
    }
};

TEST_F(ChannelFormTest, RowsOpenUpAsTheChannelGetsItsFrequencies)
{
    OpenGrid();
    OpenOnChannel(1);
    EXPECT_EQ(EnabledRows(), (std::vector<int>{1}));

    Type("151.8");
    Press(Qt::Key_Return);
    EXPECT_EQ(EnabledRows(), (std::vector<int>{1, 2, 3, 5, 6, 8, 12, 13, 15}));
    EXPECT_EQ(RecordByte(0, 12), 0x00);
    EXPECT_EQ(RecordByte(0, 13), 0x3F);
    EXPECT_EQ(RecordByte(0, 15), 0xF8);
    EXPECT_EQ(RecordByte(0, 14) & 0x30, 0x30); // no transmit frequency yet
    EXPECT_EQ(Cell(1, 1), "151.80000"); // the grid row follows
    EXPECT_EQ(Cell(1, 2), "");

    EXPECT_EQ(Focus(), Form().Control(2));
    Type("152.1");
    Press(Qt::Key_Return);
    EXPECT_EQ(EnabledRows(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15}));
    EXPECT_EQ(Cell(1, 2), "152.10000");
    EXPECT_EQ(Focus(), Form().Control(3)); // Enter moved on as Tab does
}

TEST_F(ChannelFormTest, EnterOnAReceiveFrequencyThatLeavesTheSlotEmptyStaysThere)
{
    OpenGrid();
    TypeChannel(1, "151");
    TypeChannel(2, "152");
    App().state.image[ChannelTable::kPriorityChannelOffset] = 1;
    OpenOnChannel(2);
    SelectAll();

    Press(Qt::Key_Backspace);
    Press(Qt::Key_Return);
    EXPECT_EQ(Focus(), Form().Control(1));
    EXPECT_FALSE(App().channels.IsProgrammed(1));
    EXPECT_EQ(Text(2), "");
    EXPECT_EQ(EnabledRows(), (std::vector<int>{1}));
    // Channel 1 stays the priority channel.
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 1);
}

TEST_F(ChannelFormTest, RemovingTheTransmitFrequencyDropsPttIdAndEncodeTone)
{
    OpenGrid();
    TypeChannel(1, "151");
    App().state.image[ChannelTable::kPttIdTypeOffset] = 1;
    OpenOnChannel(1);
    Form().Control(10)->setFocus();
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(RecordByte(0, 14) & 0x0F, 3);
    Form().Control(4)->setFocus();
    SelectAll();
    Type("d023n");
    Press(Qt::Key_Tab);
    EXPECT_EQ(RecordWord(0, 10), 0x2813);

    Form().Control(2)->setFocus();
    SelectAll();
    Press(Qt::Key_Delete);
    Press(Qt::Key_Tab);
    EXPECT_EQ(RecordByte(0, 14) & 0x0F, 0);
    EXPECT_EQ(RecordWord(0, 10), 0xFFFF);
    EXPECT_EQ(Text(4), "None");
    EXPECT_FALSE(Form().Control(10)->isEnabled());
    EXPECT_EQ(Cell(1, 9), "Off");
}

TEST_F(ChannelFormTest, ADecodeToneChangesTheSpUnmuteAndBusyLockoutLists)
{
    OpenGrid();
    TypeChannel(1, "151", "151");
    OpenOnChannel(1);
    EXPECT_EQ(Entries(6), QStringList({"Carrier"}));
    EXPECT_EQ(Entries(9).size(), 2);

    Form().Control(3)->setFocus();
    SelectAll();
    Type("88.55");
    Press(Qt::Key_Return);
    EXPECT_EQ(RecordWord(0, 8), 885);
    EXPECT_EQ(Text(3), "88.5");
    EXPECT_EQ(Entries(6), QStringList({"QT/DQT"}));
    EXPECT_EQ(Entries(9).size(), 3);
    Form().Control(9)->setFocus();
    Press(Qt::Key_End);
    EXPECT_EQ(RecordByte(0, 12), 0x10); // busy channel lockout 2
    EXPECT_EQ(Text(9), "QT/DQT");
}

TEST_F(ChannelFormTest, ChannelNumberSpinsRoundAndTypedNumbersAreLimited)
{
    OpenGrid();
    OpenOnChannel(1);
    Form().Control(0)->setFocus();
    Press(Qt::Key_Down);
    EXPECT_EQ(App().channels.IsProgrammed(7), false);
    EXPECT_EQ(Current().row, 8); // the grid follows
    EXPECT_EQ(Grid().windowTitle(), "Channel Information [ Channel - 8 ]");
    Press(Qt::Key_Up);
    EXPECT_EQ(Current().row, 1);

    Type("9");
    Press(Qt::Key_Return);
    EXPECT_EQ(qobject_cast<QAbstractSpinBox*>(Form().Control(0))->text(), "8");
    EXPECT_EQ(Current().row, 8);

    Grid().Grid().SetCurrent({3, 1}); // and the form follows the grid
    EXPECT_EQ(qobject_cast<QAbstractSpinBox*>(Form().Control(0))->text(), "3");
}

TEST_F(ChannelFormTest, PriorityChannelNeedsPriorityModeOne)
{
    OpenGrid();
    TypeChannel(1, "151");
    OpenOnChannel(1);
    auto* priority = qobject_cast<QCheckBox*>(Form().Control(14));
    EXPECT_FALSE(priority->isEnabled());
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 0xFF); // showing the form writes nothing

    App().state.image[ChannelTable::kPriorityModeOffset] = 1;
    Form().ShowChannel();
    ASSERT_TRUE(priority->isEnabled());
    priority->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 1);
    EXPECT_TRUE(priority->isChecked());
    Press(Qt::Key_Space);
    EXPECT_EQ(Byte(ChannelTable::kPriorityChannelOffset), 0xFF);
}

TEST_F(ChannelFormTest, ParlaneRestrictedFrequencyShowsTxPowerAsFixedText)
{
    OpenGrid(kParlaneVhf, 0x15);
    OpenOnChannel(1);
    EXPECT_EQ(Text(1), "(0) Off");
    EXPECT_EQ(Text(2), "(0) Off");
    EXPECT_FALSE(Form().Control(5)->isVisible());
    EXPECT_FALSE(Form().Control(14)->isVisible());
    for (int i = 0; i < 8; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(Text(2), "(08) 151.88000");
    EXPECT_FALSE(Form().Control(7)->isVisible());
    EXPECT_TRUE(Form().TxPowerText()->isVisible());
    EXPECT_EQ(Form().TxPowerText()->text(), "Low");
    EXPECT_EQ(Cell(1, 1), "(08) 151.88000");

    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Text(1), "(10) 151.51250");
    EXPECT_TRUE(Form().Control(7)->isVisible());
    EXPECT_FALSE(Form().TxPowerText()->isVisible());

    Press(Qt::Key_Delete); // the off entry: no channel
    EXPECT_FALSE(App().channels.IsProgrammed(0));
    EXPECT_EQ(Cell(1, 1), "(0) Off");
}

TEST_F(ChannelFormTest, ParlaneToneChoiceAlsoStoresTheToneNumber)
{
    OpenGrid(kParlaneVhf, 0x15);
    OpenOnChannel(1);
    Press(Qt::Key_Down);
    Form().Control(3)->setFocus();
    Press(Qt::Key_End); // the last entry, an inverted code without a number
    EXPECT_EQ(RecordWord(0, 8), 0xA9EC);
    EXPECT_EQ(RecordByte(0, 15), 0xFF);
    Press(Qt::Key_Home);
    EXPECT_EQ(RecordWord(0, 8), 0xFFFF);
    EXPECT_EQ(RecordByte(0, 15), 0x00);
    EXPECT_EQ(Text(4), "Off");
}

TEST_F(ChannelFormTest, EscapeClosesTheFormAndClosingTheGridClosesItToo)
{
    OpenGrid();
    OpenOnChannel(1);
    Press(Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().EditorWindow(command::kChannelEdit), nullptr);

    OpenOnChannel(1);
    Frame().EditorWindow(command::kChannelInformation)->parentWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().EditorWindow(command::kChannelEdit), nullptr);
    EXPECT_EQ(Frame().ChildWindowCount(), 0);
}

// Closed windows are deleted later: the new grid must not show its channel in the old form.
TEST_F(ChannelFormTest, AGridOpenedAtOnceForAnotherModelLeavesTheClosedFormAlone)
{
    OpenGrid();
    OpenOnChannel(1);
    OpenGrid(kParlaneVhf, 0x15);
    Press(Qt::Key_Return);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), "(01) 151.62500");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().EditorWindow(command::kChannelEdit), nullptr);
}

// The program ends with a changed field in the form and an edit open in the grid.
TEST_F(ChannelFormTest, WindowsWithOpenEditsGoWithTheProgram)
{
    OpenGrid();
    TypeChannel(1, "151");
    TypeChannel(2, "152");
    OpenOnChannel(1);
    SelectAll();
    Type("3");
    Grid().Grid().SetCurrent({2, 1});
    Grid().Grid().setFocus();
    Type("15");
    ASSERT_NE(Grid().Grid().Editor(), nullptr);
    harness.Program().Exit();
    EXPECT_TRUE(harness.prompter.asked.empty());
}

} // namespace
} // namespace qtr
