#include "FeatureWindowTest.h"

#include "TempFolder.h"
#include "gui/widgets/FixedPitchFont.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/features/EmbeddedMessage.h"
#include "gui/document/DataFileDialog.h"
#include "gui/features/EmbeddedMessageView.h"

#include <QClipboard>
#include <QFontInfo>
#include <QPushButton>
#include <QStatusBar>

namespace qtr {
namespace {

// The Embedded Message window typed into: the bytes at 768..831, what the fields take, and
// the Open dialog's preview of the stored lines.
class EmbeddedMessageWindowTest : public test::FeatureWindowTest {
protected:
    void SetUp() override
    {
        FeatureWindowTest::SetUp();
        UseModel(kLmrVhf, 0x15);
    }
    gui::EmbeddedMessageView& OpenMessage()
    {
        Frame().OnCommand(command::kEmbeddedMessage);
        return *static_cast<gui::EmbeddedMessageView*>(Frame().EditorView(command::kEmbeddedMessage));
    }
    std::vector<std::uint8_t> Bytes(std::size_t offset, std::size_t length)
    {
        return {State().image.begin() + static_cast<std::ptrdiff_t>(offset),
                State().image.begin() + static_cast<std::ptrdiff_t>(offset + length)};
    }
    void Paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        Press(Qt::Key_V, Qt::ControlModifier);
    }
    // The key of a keyboard that types "é".
    void TypeAccented()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
        QApplication::sendEvent(Focus(), &press);
    }
    QString AcceptedCharacters()
    {
        return QString::fromUtf8(App().catalog.MessageText(messages::embedded::kAcceptedCharacters));
    }
};

TEST_F(EmbeddedMessageWindowTest, LinesAreStoredWhenLeftAndEnterWalksToClose)
{
    const ImageBytes before = State().image;
    auto& view = OpenMessage();
    EXPECT_EQ(Frame().EditorWindow(command::kEmbeddedMessage)->window()->windowTitle().isEmpty(), false);
    EXPECT_EQ(QFontInfo(view.Line(0).font()).family(), "Liberation Mono"); // the set-up installs it
    EXPECT_TRUE(QFontInfo(view.Line(1).font()).fixedPitch());
    EXPECT_EQ(view.Line(0).maxLength(), 32);
    FocusOn(&view.Line(0));
    Type("HELLO");
    EXPECT_EQ(Byte(768), 0xFF); // not before the field is left
    Press(Qt::Key_Return);
    std::vector<std::uint8_t> hello{0x48, 0x45, 0x4C, 0x4C, 0x4F};
    hello.resize(32, 0xFF);
    EXPECT_EQ(Bytes(768, 32), hello);
    EXPECT_EQ(Focus(), &view.Line(1));
    const QString full = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    Type(full + "W"); // the 33rd character is not taken
    Press(Qt::Key_Return);
    EXPECT_EQ(Focus(), &view.CloseButton());
    EXPECT_EQ(view.Line(1).text(), full);
    EXPECT_EQ(std::count(State().image.begin() + 800, State().image.begin() + 832, 0xFF), 0);
    EXPECT_TRUE(App().document.IsModified());
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (offset < 768 || offset >= 832) {
            ASSERT_EQ(State().image[offset], before[offset]) << offset;
        }
    }

    // Clearing line 2 keeps line 1; the window opens again on what is stored.
    FocusOn(&view.Line(1));
    Press(Qt::Key_Delete);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Bytes(800, 32), std::vector<std::uint8_t>(32, 0xFF));
    EXPECT_EQ(Bytes(768, 32), hello);
    FocusOn(&view.CloseButton());
    Press(Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().EditorView(command::kEmbeddedMessage), nullptr);
    auto& again = OpenMessage();
    EXPECT_EQ(again.Line(0).text(), "HELLO");
    EXPECT_EQ(again.Line(1).text(), "");
}

TEST_F(EmbeddedMessageWindowTest, AnAccentedLetterIsRefusedTypedOrPastedAndTheUserToldWhatTheRadioTakes)
{
    auto& view = OpenMessage();
    FocusOn(&view.Line(0));
    Type("Jos");
    Type("E");
    TypeAccented(); // "é"
    EXPECT_EQ(view.Line(0).text(), "JosE");
    EXPECT_EQ(Frame().statusBar()->currentMessage(), AcceptedCharacters());
    EXPECT_TRUE(view.Line(0).toolTip().contains("&lt; = &gt;"));
    Frame().statusBar()->clearMessage();
    FocusOn(&view.Line(1));
    Paste(QString::fromUtf8("Jos\xC3\xA9 Mar\xC3\xAD" "a \xE4\xB8\xAD"));
    EXPECT_EQ(view.Line(1).text(), "Jos Mara ");
    EXPECT_EQ(Frame().statusBar()->currentMessage(), AcceptedCharacters());
    Press(Qt::Key_Tab);
    EXPECT_EQ(message::ReadLine(State().image, 0), "JosE");
    EXPECT_EQ(message::ReadLine(State().image, 1), "Jos Mara ");

    // A line longer than the field is no refused character: no hint.
    Frame().statusBar()->clearMessage();
    FocusOn(&view.Line(0));
    view.Line(0).end(false);
    Type(QString(40, 'X'));
    EXPECT_EQ(view.Line(0).text().size(), 32);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), "");
}

TEST_F(EmbeddedMessageWindowTest, ShiftInsertPastesNothingAndAnUntouchedLineKeepsItsBytes)
{
    // A line no editor could have written (a byte from 0x80 up, after the memory map).
    const std::string odd = "CAF\xC9";
    std::copy(odd.begin(), odd.end(), State().image.begin() + 800);
    auto& view = OpenMessage();
    EXPECT_EQ(view.Line(1).text(), QString::fromLatin1("CAF\xC9"));
    FocusOn(&view.Line(0));
    QApplication::clipboard()->setText("PASTED");
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(view.Line(0).text(), "");
    Type("NEW");
    Press(Qt::Key_Return); // leaves line 1 for line 2, then line 2 unchanged
    Press(Qt::Key_Tab);
    EXPECT_EQ(message::ReadLine(State().image, 0), "NEW");
    EXPECT_EQ(message::ReadLine(State().image, 1), odd);
}

TEST_F(EmbeddedMessageWindowTest, CloseAllWindowsStoresALineStillBeingTyped)
{
    auto& view = OpenMessage();
    FocusOn(&view.Line(0));
    Type("BYE");
    Frame().OnCommand(command::kCloseAllWindows);
    EXPECT_EQ(message::ReadLine(State().image, 0), "BYE");
}

TEST_F(EmbeddedMessageWindowTest, TheOpenDialogPreviewsWhatTheWindowStored)
{
    auto& view = OpenMessage();
    FocusOn(&view.Line(0));
    Type("DEALER: RADIO SHOP #12 (EAST)");
    Press(Qt::Key_Return);
    Type("0123456789ABCDEFGHIJKLMNOPQRSTUV");
    Press(Qt::Key_Tab);
    test::TempFolder folder;
    harness.picker.savePaths = {folder.File("radio.dat")};
    Frame().OnCommand(command::kSaveAs);
    gui::DataFileDialog dialog(gui::DataFileDialog::Purpose::Open, App().catalog, gui::FixedPitchFont(),
                               QString::fromStdString(folder.Path()), "*.dat");
    emit dialog.currentChanged(QString::fromStdString(folder.File("radio.dat")));
    EXPECT_EQ(dialog.PreviewLine(0), view.Line(0).text());
    EXPECT_EQ(dialog.PreviewLine(1), view.Line(1).text());
    EXPECT_EQ(dialog.PreviewLine(1).size(), 32);
}

TEST_F(EmbeddedMessageWindowTest, HelpShowsItsTopic)
{
    auto& view = OpenMessage();
    view.HelpButton().click();
    EXPECT_EQ(ShownHelpPage(), "159.html");
}

} // namespace
} // namespace qtr
