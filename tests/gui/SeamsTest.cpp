#include "GuiHarness.h"

#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/ModelSelection.h"
#include "core/app/RebuildMenus.h"
#include "core/app/Workspace.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/FleetWindow.h"
#include "core/base/messages/Menu.h"
#include "core/document/DataFile.h"
#include "core/model/IdentityFields.h"
#include "core/model/ModelTable.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/widgets/MdiClientArea.h"
#include "gui/program/QtPrompter.h"
#include "gui/program/QtSettingsStore.h"
#include "gui/document/DataFileDialog.h"
#include "gui/document/QtFilePicker.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <map>

namespace qtr {
namespace {

using test::TempFolder;

MessageCatalog CatalogOf(int language)
{
    MessageCatalog catalog;
    catalog.SetFolder(test::ProgramFolder());
    auto ids = MessageCatalog::ProgramMessages();
    catalog.LoadLanguage(ids, language);
    return catalog;
}

// Presses Alt and the letter in the box as a user does; a key that answers nothing
// leaves the box open, and it is closed (Cancel) so that the test goes on.
void PressAltLetterInNextBox(Qt::Key key)
{
    test::WhenModal([key](QWidget& box) {
        QApplication::setActiveWindow(&box);
        QTest::keyClick(&box, key, Qt::AltModifier);
        QTimer::singleShot(1000, &box, [&box, key] {
            ADD_FAILURE() << "Alt+" << QKeySequence(key).toString().toStdString() << " answered nothing";
            box.close();
        });
    });
}

MessageCatalog EnglishCatalog()
{
    return CatalogOf(MessageCatalog::kEnglish);
}

TEST(QtPrompterTest, ShowsTheCatalogueTextsAndReturnsTheButtonPressed)
{
    const MessageCatalog catalog = EnglishCatalog();
    gui::QtPrompter prompter;
    prompter.UseCatalog(catalog);
    QString caption;
    QString text;
    QStringList buttons;
    test::WhenModal([&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        caption = box.windowTitle();
        text = box.text();
        for (QAbstractButton* button : box.buttons())
            buttons << button->text();
        QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
    });
    const Answer answer = prompter.Ask({.captionId = messages::common::kQuestionCaption,
                                        .messageId = messages::app::kExitQuestion,
                                        .buttons = Buttons::YesNo,
                                        .icon = Icon::Question});
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(caption, "Question");
    EXPECT_EQ(text, "Do you want to exit QTR-31X?");
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"&No", "&Yes"}));
}

// A list of problems longer than a box can show scrolls in a field of its own, and the box
// stays small enough for its buttons to be on the screen; Escape still answers it.
TEST(QtPrompterTest, ALongListScrollsInAFieldUnderItsFirstLine)
{
    gui::QtPrompter prompter;
    QStringList lines{"Not imported:"};
    for (int line = 2; line <= 200; ++line)
        lines << QString("Line %1: the frequency is out of range").arg(line);
    QString text;
    QString field;
    int height = 0;
    test::WhenModal([&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        text = box.text();
        const auto* scrolled = box.findChild<QTextEdit*>();
        field = scrolled && scrolled->isVisible() ? scrolled->toPlainText() : QString();
        height = box.sizeHint().height();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompter.Ask({.captionText = "Import", .detail = lines.join(QChar(10)).toStdString(), .form = PromptForm::DetailOnly}), Answer::Ok);
    EXPECT_EQ(text, "Not imported:");
    EXPECT_EQ(field, lines.mid(1).join('\n'));
    EXPECT_LT(height, 600);
}

// Every button of a box has an access key in every language: Alt and the letter answer it.
TEST(QtPrompterTest, AltAndTheButtonsLetterAnswersTheBox)
{
    struct Case {
        Buttons buttons;
        Qt::Key key;
        Answer answer;
    };
    const Case cases[] = {{Buttons::YesNoCancel, Qt::Key_Y, Answer::Yes}, {Buttons::YesNoCancel, Qt::Key_N, Answer::No},
                          {Buttons::YesNoCancel, Qt::Key_C, Answer::Cancel}, {Buttons::RetryCancel, Qt::Key_R, Answer::Retry},
                          {Buttons::OkCancel, Qt::Key_O, Answer::Ok}};
    for (const int language : {MessageCatalog::kEnglish, MessageCatalog::kChinese}) {
        const MessageCatalog catalog = CatalogOf(language);
        gui::QtPrompter prompter;
        prompter.UseCatalog(catalog);
        for (const Case& c : cases) {
            PressAltLetterInNextBox(c.key);
            EXPECT_EQ(prompter.Ask({.captionId = messages::common::kQuestionCaption,
                                    .messageId = messages::app::kExitQuestion,
                                    .buttons = c.buttons}),
                      c.answer)
                << language << " " << QKeySequence(c.key).toString().toStdString();
        }
    }
    // Spanish takes the letters of its own words.
    const MessageCatalog spanish = CatalogOf(MessageCatalog::kSpanish);
    gui::QtPrompter prompter;
    prompter.UseCatalog(spanish);
    for (const auto& [key, answer] : {std::pair{Qt::Key_S, Answer::Yes}, std::pair{Qt::Key_A, Answer::Ok}}) {
        PressAltLetterInNextBox(key);
        const Buttons buttons = answer == Answer::Ok ? Buttons::OkCancel : Buttons::YesNo;
        EXPECT_EQ(prompter.Ask({.captionId = messages::common::kQuestionCaption,
                                .messageId = messages::app::kExitQuestion,
                                .buttons = buttons}),
                  answer);
    }
}

// The buttons of every catalogue text that labels a button carry an access key, and no
// two buttons that stand together share one.
TEST(ButtonTextsTest, EveryButtonTextHasItsOwnAccessKeyInEveryLanguage)
{
    const std::vector<std::vector<int>> together = {
        {messages::common::kOk, messages::common::kCancel, messages::common::kHelp},
        {messages::common::kYesButton, messages::common::kNoButton, messages::common::kCancel},
        {messages::common::kRetry, messages::common::kCancel},
        {messages::common::kClose, messages::common::kHelp, messages::channels::kChannelEditButton},
        {messages::channels::kCopy, messages::common::kClose},
        {messages::app::kBack, messages::app::kForward, messages::common::kClose},
        // Fleet Programming
        {messages::fleetwindow::kStart, messages::fleetwindow::kStop, messages::common::kHelp, messages::menu::kVerifyAfterWrite,
         messages::menu::kBackupBeforeWrite, messages::fleetwindow::kNoIds, messages::fleetwindow::kSequence, messages::fleetwindow::kBySerial,
         messages::fleetwindow::kChooseIdFile, messages::fleetwindow::kChooseLog}};
    for (const int language : {MessageCatalog::kEnglish, MessageCatalog::kSpanish, MessageCatalog::kChinese}) {
        const MessageCatalog catalog = CatalogOf(language);
        for (const auto& group : together) {
            QList<QKeySequence> keys;
            for (const int id : group) {
                const QKeySequence key = QKeySequence::mnemonic(gui::CatalogText(catalog, id));
                EXPECT_FALSE(key.isEmpty()) << language << " " << id;
                EXPECT_FALSE(keys.contains(key)) << language << " " << id;
                keys << key;
            }
        }
    }
}

// The access key of a text, "Alt+X" (upper case), or empty.
QString AccessKey(const QString& text)
{
    return QKeySequence::mnemonic(text).toString();
}

// Keys that more than one text uses, with those texts.
QStringList Shared(const std::map<QString, QStringList>& textsByKey)
{
    QStringList shared;
    for (const auto& [key, texts] : textsByKey)
        if (texts.size() > 1)
            shared << key + ": " + texts.join(" / ");
    return shared;
}

TEST(AccessKeysTest, NoTwoItemsOfAMenuOrTitlesOfTheMenuBarShareOneInAnyLanguage)
{
    for (const int language : {MessageCatalog::kEnglish, MessageCatalog::kSpanish, MessageCatalog::kChinese}) {
        const MessageCatalog catalog = CatalogOf(language);
        for (const std::uint8_t line : {kParlaneLine, kLmrLine}) {
            std::map<QString, QStringList> titles;
            for (const Menu& menu : RebuildMenus({.lineLetter = line, .childWindowsOpen = true})) {
                const QString title = gui::CatalogText(catalog, menu.titleId);
                titles[AccessKey(title)] << title;
                std::map<QString, QStringList> items;
                for (const MenuItem& item : menu.items)
                    if (item.kind == MenuItem::Kind::Command) {
                        const QString text = gui::CatalogText(catalog, item.messageId);
                        items[AccessKey(text)] << text;
                    }
                items.erase(QString());
                EXPECT_EQ(Shared(items), QStringList()) << language << " " << title.toStdString();
            }
            titles.erase(QString());
            EXPECT_EQ(Shared(titles), QStringList()) << language;
        }
    }
}

// What the window shows at once: buttons, check boxes, labels that lead to a field, group
// boxes and tabs.
std::map<QString, QStringList> AccessKeysShown(const QWidget& window)
{
    std::map<QString, QStringList> keys;
    const auto note = [&keys](const QString& text) { keys[AccessKey(text)] << text; };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            note(button->text());
        else if (const auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            note(label->text());
        else if (const auto* box = qobject_cast<QGroupBox*>(widget))
            note(box->title());
        else if (const auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                note(tabs->tabText(i));
    }
    keys.erase(QString());
    return keys;
}

// Each page of each tab control in turn, as the user sees them.
QStringList SharedAccessKeys(QWidget& window)
{
    QStringList shared = Shared(AccessKeysShown(window));
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            shared << Shared(AccessKeysShown(window));
        }
    shared.removeDuplicates();
    return shared;
}

TEST(AccessKeysTest, NoTwoControlsOfAWindowShareOneInAnyLanguage)
{
    using namespace command;
    for (const int language : {MessageCatalog::kEnglish, MessageCatalog::kSpanish, MessageCatalog::kChinese}) {
        test::GuiHarness harness;
        harness.settings.WriteInteger("Backup", "Language", language);
        harness.Start();
        harness.RegisterWindows();
        Workspace& app = harness.App();
        // A Parlane model, then an LMR one: each line lays its windows out its own way.
        for (const auto& [modelType, line] : {std::pair{5, kParlaneLine}, std::pair{3, kLmrLine}}) {
            ModelSelection selection(app.state, app.document, app.replacement, harness.prompter);
            selection.SelectModel(modelType);
            ASSERT_EQ(selection.Ok(), ModelSelection::Outcome::Closed);
            ASSERT_EQ(app.state.Get(identity::kLineLetter), line);
            for (const EditorInfo& editor : ListedEditors(line)) {
                harness.Frame().OnCommand(editor.commandId);
                QWidget* window = harness.Frame().EditorWindow(editor.commandId);
                ASSERT_NE(window, nullptr) << editor.commandId;
                EXPECT_EQ(SharedAccessKeys(*window), QStringList()) << language << " " << editor.commandId;
            }
        }
        for (const int dialog : {kModelInformation, kCommunicationPort, kPrint, kMemoryMap, kAbout, kLanguageFileSetup}) {
            QStringList shared{"no dialog"};
            test::WhenModal([&shared](QWidget& modal) {
                shared = SharedAccessKeys(modal);
                modal.close();
            });
            harness.Frame().OnCommand(dialog);
            EXPECT_EQ(shared, QStringList()) << language << " " << dialog;
        }
    }
}

TEST(QtPrompterTest, BeforeAnyCatalogueThePromptCarriesItsOwnText)
{
    gui::QtPrompter prompter;
    QString text;
    test::WhenModal([&](QWidget& modal) {
        text = dynamic_cast<QMessageBox&>(modal).text();
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    EXPECT_EQ(prompter.Ask({.captionText = "QTR-31X", .detail = "Can't read", .form = PromptForm::DetailOnly}),
              Answer::Ok);
    EXPECT_EQ(text, "Can't read");
}

TEST(QtSettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    gui::QtSettingsStore store;
    store.WriteText("BackUp", "LastModel", "50:37");
    store.WriteText("Backup", "lastmodel", "50:38");
    EXPECT_EQ(store.ReadText("BACKUP", "LASTMODEL"), "50:38");
    EXPECT_FALSE(store.ReadText("Backup", "ComPort"));
    QSettings raw("HALVERN", "QTR31X");
    EXPECT_EQ(raw.childGroups(), QStringList{"BackUp"});
    EXPECT_EQ(raw.value("BackUp/LastModel").toString(), "50:38");
    EXPECT_TRUE(raw.fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))));
}

class OpenDialogTest : public ::testing::Test {
protected:
    std::string WriteFileWithMessage(const std::string& name, const std::string& message)
    {
        RadioState radio;
        test::StartWithModel(radio, test::RecordFor(4, 0x10));
        std::copy(message.begin(), message.end(), radio.image.begin() + 768);
        datafile::Write(folder.File(name), radio.image, "ZR5816");
        return folder.File(name);
    }

    MessageCatalog catalog = EnglishCatalog();
    TempFolder folder;
};

TEST_F(OpenDialogTest, ThePanelPreviewsTheEmbeddedMessageOfTheSelectedFile)
{
    WriteFileWithMessage("hello.dat", "HELLO");
    TempFolder::WriteBytes(folder.File("other.txt"), {'x'});
    gui::DataFileDialog dialog(gui::DataFileDialog::Purpose::Open, catalog, gui::FixedPitchFont(),
                               QString::fromStdString(folder.Path()), "*.dat");
    dialog.show();
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.findChild<QGroupBox*>("embeddedMessagePreview")->title(), "Embedded Message");
    emit dialog.currentChanged(QString::fromStdString(folder.File("hello.dat")));
    EXPECT_EQ(dialog.PreviewLine(0), "HELLO");
    EXPECT_EQ(dialog.PreviewLine(1), "");
    emit dialog.currentChanged(QString::fromStdString(folder.File("other.txt")));
    EXPECT_EQ(dialog.PreviewLine(0), "");
}

TEST_F(OpenDialogTest, ATypedNamePreviewsItsFileAsAClickDoes)
{
    WriteFileWithMessage("hello.dat", "HELLO");
    WriteFileWithMessage("world.dat", "WORLD");
    gui::DataFileDialog dialog(gui::DataFileDialog::Purpose::Open, catalog, gui::FixedPitchFont(),
                               QString::fromStdString(folder.Path()), "*.dat");
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->selectAll();
    QApplication::setActiveWindow(&dialog); // the dialog leaves a name field without focus alone
    name->setCompleter(nullptr);            // its pop-up takes keys of its own on the offscreen platform
    QTest::keyClicks(name, "world.dat");
    EXPECT_EQ(dialog.PreviewLine(0), "WORLD");
    name->selectAll();
    QTest::keyClicks(name, "nothing");
    EXPECT_EQ(dialog.PreviewLine(0), "");
    name->selectAll();
    QTest::keyClicks(name, "hello.dat");
    EXPECT_EQ(dialog.PreviewLine(0), "HELLO");
}

TEST_F(OpenDialogTest, ThePickerReturnsTheChosenFile)
{
    const std::string path = WriteFileWithMessage("chosen.dat", "HI");
    gui::QtFilePicker picker;
    picker.UseCatalog(catalog);
    QString filter;
    test::WhenModal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<gui::DataFileDialog&>(modal);
        filter = dialog.nameFilters().join(";;");
        dialog.selectFile(QString::fromStdString(path));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(picker.ChooseOpenPath(folder.Path()), path);
    EXPECT_EQ(filter, "Data Files (*.dat)");

    test::WhenModal([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(picker.ChooseSavePath(folder.Path(), "Untitled"), std::nullopt);
}

class ClientAreaTest : public ::testing::Test {
protected:
    QImage Paint(const ClientBackground& background)
    {
        WriteClientBackground(settings, background);
        gui::MdiClientArea area(settings);
        area.resize(200, 100);
        area.show();
        return area.viewport()->grab().toImage();
    }

    MemorySettingsStore settings;
    TempFolder folder;
};

TEST_F(ClientAreaTest, ACentredPictureOnTheBackgroundColour)
{
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(folder.File("red.png"))));
    const QImage shown =
        Paint({.displayMode = 1, .colour = Rgb{10, 20, 30}, .pictureFile = folder.File("red.png")});
    const QPoint centre(shown.width() / 2, shown.height() / 2);
    EXPECT_EQ(shown.pixelColor(centre), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(10, 20, 30));
    EXPECT_EQ(settings.ReadText("MDIClient", "BkColor"), "1971210"); // written back unchanged
}

TEST_F(ClientAreaTest, AnUnreadablePictureLeavesTheColourAlone)
{
    const QImage shown = Paint({.displayMode = 0, .colour = Rgb{1, 2, 3}, .pictureFile = folder.File("none.png")});
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(1, 2, 3));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(1, 2, 3));
}

TEST_F(ClientAreaTest, TheBuiltInPictureTakesTheWorkspaceColours)
{
    gui::MdiClientArea area(settings);
    const QImage picture = area.Picture().toImage();
    ASSERT_FALSE(picture.isNull());
    const QSet<QRgb> colours{area.palette().color(QPalette::Dark).rgb(), area.palette().color(QPalette::Light).rgb()};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_TRUE(colours.contains(picture.pixel(x, y)));
}

} // namespace
} // namespace qtr
