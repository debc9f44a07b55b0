#include "ChannelWindowTest.h"

#include "gui/channels/ChannelCopyDialog.h"
#include "gui/channels/ChannelNumberSpin.h"
#include "gui/channels/FrequencyCopyDialog.h"
#include "gui/widgets/FrequencyEdit.h"
#include "gui/widgets/ToneCombo.h"
#include "gui/channels/ToneCopyDialog.h"

#include <QPushButton>

namespace qtr {
namespace {

class CopyDialogTest : public test::ChannelWindowTest {
protected:
    // Answers the dialog that the next command opens.
    template <class Dialog> void Answer(std::function<void(Dialog&)> answer)
    {
        test::WhenModal([answer](QWidget& modal) {
            if (auto* dialog = qobject_cast<Dialog*>(&modal)) {
                answer(*dialog);
                return;
            }
            ADD_FAILURE() << "another dialog opened";
            static_cast<QDialog&>(modal).reject();
        });
    }
    static void Enter(QWidget& widget, const QString& keys)
    {
        QTest::keyClick(&widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&widget, keys);
        QTest::keyClick(&widget, Qt::Key_Return);
    }
    static void Click(QWidget& dialog, const QString& text)
    {
        for (auto* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                button->click();
    }
};

TEST_F(CopyDialogTest, ChannelCopyCopiesToEachTargetInTurnButNotOntoItself)
{
    OpenGrid();
    for (int row = 1; row <= 4; ++row)
        TypeChannel(row, QString::number(150 + row));
    App().channels.SetScanAdd(2, false);
    const ImageBytes before = App().state.image;
    Grid().Grid().SetCurrent({3, 1});

    Answer<gui::ChannelCopyDialog>([&](gui::ChannelCopyDialog& dialog) {
        EXPECT_EQ(dialog.Target().text(), "3");
        Click(dialog, "C&opy");
        EXPECT_EQ(App().state.image, before);
        Enter(dialog.Target(), "5");
        Enter(dialog.Target(), "20"); // more than the model has: the last channel
        EXPECT_EQ(dialog.Target().text(), "8");
        EXPECT_EQ(Cell(5, 1), "153.00000"); // the grid shows each copy at once
        dialog.reject();
    });
    Press(Qt::Key_E, Qt::ControlModifier);

    for (int slot : {4, 7}) {
        for (std::size_t position = 0; position < 16; ++position)
            EXPECT_EQ(RecordByte(slot, position), RecordByte(2, position)) << slot << " " << position;
    }
    EXPECT_EQ(Byte(380), 0x9F);
    EXPECT_EQ(Byte(382), 0x0B); // the copies are not scanned, like channel 3
    EXPECT_EQ(Cell(8, 1), "153.00000");
}

TEST_F(CopyDialogTest, FrequencyCopyProposesTheReceiveFrequency)
{
    OpenGrid();
    TypeChannel(1, "151.8");
    Press(Qt::Key_Delete);
    Press(Qt::Key_Return);
    ASSERT_FALSE(App().channels.HasTransmit(0));

    Answer<gui::FrequencyCopyDialog>([](gui::FrequencyCopyDialog& dialog) {
        EXPECT_EQ(dialog.Transmit().text(), "151.80000");
        QTest::keyClick(&dialog.Transmit(), Qt::Key_Return);
    });
    Press(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(Cell(1, 2), "151.80000");
    EXPECT_EQ(RecordByte(0, 7), 0x15);
}

TEST_F(CopyDialogTest, FrequencyCopyFromTheFormShowsTheNewTransmitFrequency)
{
    OpenGrid();
    TypeChannel(1, "151.8", "152");
    Press(Qt::Key_F11);
    Form().Control(1)->setFocus();

    Answer<gui::FrequencyCopyDialog>([](gui::FrequencyCopyDialog& dialog) {
        Enter(dialog.Transmit(), "153.1");
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Form().Control(2))->text(), "153.10000");
    EXPECT_EQ(Cell(1, 2), "153.10000");

    // Closing without OK changes nothing.
    Answer<gui::FrequencyCopyDialog>([](gui::FrequencyCopyDialog& dialog) {
        QTest::keyClicks(&dialog.Transmit(), "5");
        dialog.reject();
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 2), "153.10000");
}

TEST_F(CopyDialogTest, ToneCopyProposesTheDecodeToneAndNormalisesTypedTones)
{
    OpenGrid();
    TypeChannel(1, "151");
    Grid().Grid().SetCurrent({1, 3});
    Type("D023N");
    Press(Qt::Key_Return);

    Answer<gui::ToneCopyDialog>([](gui::ToneCopyDialog& dialog) {
        EXPECT_EQ(dialog.Encode().currentText(), "D023N");
        EXPECT_EQ(dialog.Encode().currentIndex(), 40);
        QTest::keyClick(&dialog.Encode(), Qt::Key_Return);
    });
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(RecordWord(0, 10), 0x2813);
    EXPECT_EQ(Cell(1, 4), "D023N");

    Answer<gui::ToneCopyDialog>([](gui::ToneCopyDialog& dialog) { Enter(dialog.Encode(), "88.55"); });
    Press(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(RecordWord(0, 10), 885);
    EXPECT_EQ(Cell(1, 4), "88.5");
}

} // namespace
} // namespace qtr
