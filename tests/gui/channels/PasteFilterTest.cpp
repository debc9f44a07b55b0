#include "ChannelWindowTest.h"

#include "gui/channels/TestFrequencyView.h"

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

namespace qtr {
namespace {

// Pasted, dropped and composed text in the filtered fields keeps exactly what typing the
// same characters would keep.
class PasteFilterTest : public test::ChannelWindowTest {
protected:
    static constexpr char kGarbledFrequency[] = "abc162.5xyz-1";

    void Paste(const QString& text, Qt::Key key = Qt::Key_V, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(Focus(), key, modifiers);
    }
    void PasteWithShiftInsert(const QString& text) { Paste(text, Qt::Key_Insert, Qt::ShiftModifier); }
    // Drags the text in from another program and drops it at the end of the edit.
    static void Drop(QLineEdit& edit, const QString& text)
    {
        QMimeData data;
        data.setText(text);
        const QPoint end(edit.width() - 2, edit.height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
    }
    static void Compose(QWidget& widget, const QString& text)
    {
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(&widget, &input);
    }
    QLineEdit& GridEditor()
    {
        auto* edit = qobject_cast<QLineEdit*>(Grid().Grid().Editor());
        if (!edit)
            edit = qobject_cast<QComboBox*>(Grid().Grid().Editor())->lineEdit();
        return *edit;
    }
    QLineEdit& FormEdit(int row)
    {
        QWidget* control = Form().Control(row);
        if (auto* list = qobject_cast<QComboBox*>(control))
            return *list->lineEdit();
        return *qobject_cast<QLineEdit*>(control);
    }
    void OpenFormOnFirstChannel()
    {
        Grid().Grid().SetCurrent({1, 1});
        Press(Qt::Key_F11);
    }
};

TEST_F(PasteFilterTest, GridFrequencyCellKeepsWhatTypingWouldKeep)
{
    OpenGrid();
    Press(Qt::Key_Return);
    Paste(kGarbledFrequency);
    EXPECT_EQ(GridEditor().text(), "162.51");
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), "162.51000");
    EXPECT_EQ(Cell(1, 2), "162.51000");

    // Shift+Insert is a paste too, and text that typing would refuse entirely changes nothing.
    Grid().Grid().SetCurrent({1, 2});
    Press(Qt::Key_Return);
    GridEditor().setCursorPosition(3);
    PasteWithShiftInsert("x.y");
    EXPECT_EQ(GridEditor().text(), "162.51000"); // the field has its point already
    Drop(GridEditor(), "--1");
    EXPECT_EQ(GridEditor().text(), "162.51000"); // nine characters are the most
    Press(Qt::Key_Escape);
    EXPECT_EQ(Cell(1, 2), "162.51000");
}

TEST_F(PasteFilterTest, GridToneCellTakesToneCharactersInUpperCase)
{
    OpenGrid();
    TypeChannel(1, "151");
    Grid().Grid().SetCurrent({1, 3});
    Press(Qt::Key_Return);
    GridEditor().selectAll();
    Paste("d 023 n!");
    EXPECT_EQ(GridEditor().text(), "D023N");
    Press(Qt::Key_Return);
    EXPECT_EQ(RecordWord(0, 8), 0x2813);
}

TEST_F(PasteFilterTest, ChannelEditFrequencyFieldFiltersPastedDroppedAndComposedText)
{
    OpenGrid();
    OpenFormOnFirstChannel();
    QLineEdit& receive = FormEdit(1);
    receive.setFocus();
    Paste(kGarbledFrequency);
    EXPECT_EQ(receive.text(), "162.51");
    receive.clear();
    Drop(receive, kGarbledFrequency);
    EXPECT_EQ(receive.text(), "162.51");
    receive.clear();
    Compose(receive, kGarbledFrequency);
    EXPECT_EQ(receive.text(), "162.51");
    receive.clear();
    PasteWithShiftInsert("151.8");
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), "151.80000");
}

TEST_F(PasteFilterTest, ChannelEditToneListAndContextMenuPasteAreFilteredToo)
{
    OpenGrid();
    TypeChannel(1, "151", "151");
    OpenFormOnFirstChannel();
    Form().Control(3)->setFocus();
    FormEdit(3).selectAll();
    Paste("x67.0y");
    EXPECT_EQ(FormEdit(3).text(), "67.0");
    Compose(*Form().Control(3), "d");
    EXPECT_EQ(FormEdit(3).text(), "67.0D");

    Form().Control(4)->setFocus();
    FormEdit(4).selectAll();
    QApplication::clipboard()->setText("<88.5 Hz>");
    test::WhenPopup([](QWidget& popup) {
        for (QAction* action : popup.actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste")))
                action->trigger();
        popup.close();
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), FormEdit(4).mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&FormEdit(4), &request);
    EXPECT_EQ(FormEdit(4).text(), "88.5");
}

TEST_F(PasteFilterTest, ChannelNumberTakesPastedDigitsOnly)
{
    OpenGrid();
    OpenFormOnFirstChannel();
    auto* number = qobject_cast<QAbstractSpinBox*>(Form().Control(0));
    number->setFocus();
    number->selectAll();
    Paste("x");
    EXPECT_EQ(number->text(), "1");
    number->selectAll();
    Paste("a5b");
    EXPECT_EQ(number->text(), "5");
    Press(Qt::Key_Return);
    EXPECT_EQ(Current().row, 5);
}

TEST_F(PasteFilterTest, TestFrequencyCellKeepsWhatTypingWouldKeep)
{
    OpenGrid();
    Frame().OnCommand(command::kTestFrequency);
    auto& grid = static_cast<gui::TestFrequencyView*>(Frame().EditorView(command::kTestFrequency))->Grid();
    grid.setFocus();
    grid.SetCurrent({7, 1});
    Press(Qt::Key_Return);
    auto* edit = qobject_cast<QLineEdit*>(grid.Editor());
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    Paste(kGarbledFrequency);
    EXPECT_EQ(edit->text(), "162.51");
}

} // namespace
} // namespace qtr
