#include "ChannelWindowTest.h"

#include "gui/program/HelpWindow.h"
#include "core/base/messages/App.h"
#include "gui/app/MemoryMapDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace qtr {
namespace {

// The Memory Map typed into as a user does, on its own and through Program, Memory Map.
class MemoryMapDialogTest : public test::ChannelWindowTest {
protected:
    // The dialog shown on the image, without running it.
    gui::MemoryMapDialog& ShowMap()
    {
        map_ = std::make_unique<gui::MemoryMapDialog>(App().state.image, App().catalog, App().prompter);
        map_->show();
        QApplication::setActiveWindow(map_.get());
        map_->Grid().setFocus();
        return *map_;
    }
    // Program, Memory Map, with `use` run on the open dialog.
    void RunMap(const std::function<void(gui::MemoryMapDialog&)>& use)
    {
        test::WhenModal([use](QWidget& modal) {
            auto& map = dynamic_cast<gui::MemoryMapDialog&>(modal);
            QApplication::setActiveWindow(&map);
            map.Grid().setFocus();
            use(map);
        });
        Frame().OnCommand(command::kMemoryMap);
        QCoreApplication::processEvents(); // the posted Channel Information
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Each key to the widget with the focus then: the first digit moves it to the cell editor.
    static void Keys(const QString& keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    static void GoTo(gui::MemoryMapDialog& map, std::size_t offset)
    {
        const GridCell cell{64 - static_cast<int>(offset / 16), static_cast<int>(offset % 16) + 1};
        map.Grid().setCurrentIndex(map.Grid().model()->index(cell.row - 1, cell.column - 1));
        map.Grid().setFocus();
    }
    static void ClickOk(gui::MemoryMapDialog& map)
    {
        QPushButton* ok = map.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
    }
    static void ClickCancel(gui::MemoryMapDialog& map)
    {
        map.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }
    static QString RowLabel(gui::MemoryMapDialog& map, int row)
    {
        return map.Grid().model()->headerData(row - 1, Qt::Vertical).toString();
    }

    std::unique_ptr<gui::MemoryMapDialog> map_;
};

TEST_F(MemoryMapDialogTest, ItOpensOnByteZeroWithTheHighestRowsOnTop)
{
    OpenGrid();
    auto& map = ShowMap();
    EXPECT_EQ(map.windowTitle(), QString::fromUtf8(App().catalog.MessageText(messages::app::kMemoryMapTitle, 1)));
    EXPECT_EQ(RowLabel(map, 1), "   03F_");
    EXPECT_EQ(RowLabel(map, 64), "   000_");
    EXPECT_EQ(map.Grid().model()->headerData(0, Qt::Horizontal).toString(), "__0");
    EXPECT_EQ(map.Grid().model()->headerData(15, Qt::Horizontal).toString(), "__F");
    for (int column = 1; column <= 16; ++column)
        EXPECT_EQ(map.CellText({1, column}), "FF"); // offsets 1008 to 1023 of a new image
    EXPECT_EQ(map.Current(), (GridCell{64, 1}));
    EXPECT_EQ(map.Address().text(), "0000");
    EXPECT_EQ(QApplication::focusWidget(), &map.Grid());
    EXPECT_EQ(map.CellText({37, 9}), QString("%1").arg(App().state.image[440], 2, 16, QChar('0')).toUpper());
    EXPECT_FALSE(map.CellEditor().isVisible());
}

TEST_F(MemoryMapDialogTest, TheKeysEditAndMoveAsTheGridPromises)
{
    OpenGrid();
    auto& map = ShowMap();
    Keys("5");
    EXPECT_TRUE(map.CellEditor().isVisible());
    Key(Qt::Key_Return);
    EXPECT_EQ(map.CellText({64, 1}), "05");
    EXPECT_EQ(map.Address().text(), "0001"); // Enter went on to the next byte
    EXPECT_EQ(QApplication::focusWidget(), &map.Grid());

    Keys("ab"); // lower case becomes upper case
    Key(Qt::Key_Return);
    EXPECT_EQ(map.CellText({64, 2}), "AB");
    Keys("g"); // no hexadecimal digit: nothing starts
    EXPECT_FALSE(map.CellEditor().isVisible());

    GoTo(map, 440);
    Key(Qt::Key_Delete);
    EXPECT_EQ(map.CellEditor().text(), "");
    Key(Qt::Key_Tab); // leaving it empty
    EXPECT_EQ(map.CellText({37, 9}), "FF");

    GoTo(map, 441);
    const QString before = map.CellText({37, 10});
    Key(Qt::Key_Return);
    EXPECT_EQ(map.CellEditor().selectedText(), before);
    Keys("7");
    Key(Qt::Key_Escape); // the typed digit is taken back; the dialog stays
    EXPECT_TRUE(map.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &map.Grid());
    EXPECT_EQ(map.CellText({37, 10}), before);

    GoTo(map, 15); // last column of "   000_"
    Key(Qt::Key_Right);
    EXPECT_EQ(map.Current(), (GridCell{63, 1}));
    EXPECT_EQ(RowLabel(map, map.Current().row), "   001_");
    EXPECT_EQ(map.Address().text(), "0010");
    Key(Qt::Key_Left);
    EXPECT_EQ(map.Address().text(), "000F");
    Key(Qt::Key_Up);
    EXPECT_EQ(map.Address().text(), "001F");

    Key(Qt::Key_Backspace);
    QApplication::clipboard()->setText("z1y2x3");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(map.CellEditor().text(), "12");
    Key(Qt::Key_Return);
    EXPECT_EQ(map.CellText({63, 16}), "12");

    Key(Qt::Key_F1);
    EXPECT_EQ(harness.Program().Help().Window(), nullptr);
}

TEST_F(MemoryMapDialogTest, OkWritesTheBytesAndTheChannelGridShowsThem)
{
    OpenGrid();
    TypeChannel(1, "151.8");
    App().state.MarkSaved();
    Frame().OnCommand(command::kOptionalFeatures);
    RunMap([](gui::MemoryMapDialog& map) {
        GoTo(map, 18); // the third byte of channel 1's receive frequency: 0x18
        Keys("17");
        Key(Qt::Key_Return);
        GoTo(map, 1000);
        Keys("5"); // a digit still being edited when OK is pressed
        ClickOk(map);
    });
    EXPECT_EQ(Byte(18), 0x17);
    EXPECT_EQ(Byte(1000), 0x05);
    EXPECT_TRUE(App().document.IsModified());
    EXPECT_EQ(Frame().EditorView(command::kOptionalFeatures), nullptr);
    ASSERT_NE(Frame().EditorView(command::kChannelInformation), nullptr);
    EXPECT_EQ(Frame().ChildWindowCount(), 1);
    EXPECT_EQ(Cell(1, 1), "151.70000");
}

TEST_F(MemoryMapDialogTest, TheDocumentIsModifiedOnlyWhenAByteChanged)
{
    OpenGrid();
    const ImageBytes before = App().state.image;
    RunMap([](gui::MemoryMapDialog& map) { ClickCancel(map); });
    EXPECT_TRUE(harness.prompter.asked.empty()); // nothing edited, nothing asked
    harness.prompter.answers = {Answer::Cancel, Answer::No};
    RunMap([](gui::MemoryMapDialog& map) {
        Keys("12");
        ClickCancel(map); // asked as a modified document asks; Cancel stays in the map
        EXPECT_TRUE(map.isVisible());
        Key(Qt::Key_Escape); // No lets the edits go
    });
    EXPECT_EQ(harness.prompter.asked.size(), 2u);
    EXPECT_EQ(harness.prompter.asked[0].detail, "Memory Map");
    EXPECT_EQ(App().state.image, before);
    EXPECT_FALSE(App().document.IsModified());

    RunMap([](gui::MemoryMapDialog& map) {
        Keys("12");
        Key(Qt::Key_Return);
        Key(Qt::Key_Left);
        Key(Qt::Key_Return);
        Keys("ff"); // back to what it was
        Key(Qt::Key_Return);
        ClickOk(map);
    });
    EXPECT_EQ(App().state.image, before);
    EXPECT_FALSE(App().document.IsModified());
    EXPECT_NE(Frame().EditorView(command::kChannelInformation), nullptr);
}

} // namespace
} // namespace qtr
