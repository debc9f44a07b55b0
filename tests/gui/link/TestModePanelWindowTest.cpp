#include "LinkWindowTest.h"
#include "RadioWaits.h"

#include "core/base/messages/Link.h"
#include "core/base/messages/TestMode.h"
#include "core/testmode/TestModeValues.h"
#include "core/testmode/TuningItems.h"
#include "gui/program/HelpWindow.h"
#include "gui/program/QtHelpViewer.h"
#include "gui/testmode/TestModeCommands.h"
#include "gui/testmode/PointAdjustmentDialog.h"
#include "gui/testmode/TestModeCommands.h"
#include "gui/testmode/TestModePanel.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

namespace qtr {
namespace {

using gui::TestModePanel;

// The Test Mode panel over the main window, against a simulated radio whose test channels
// are the program's.
class TestModePanelWindowTest : public test::LinkWindowTest {
protected:
    sim::RadioSimulator& StartTestRadio(int modelType = kLmrVhf, std::uint8_t typeByte = 0x15)
    {
        Frame().CloseAllEditors();
        test::StartWithModel(App().state, test::RecordFor(modelType, typeByte));
        auto profile = sim::RadioProfile::Factory(App().state.currentModel);
        std::copy_n(App().state.image.begin() + 640, 128, profile.memory.begin() + 640);
        return StartRadio(profile);
    }
    // Opens the panel, lets `use` work in it, and closes it with Close if it is still open.
    void WithPanel(const std::function<void(TestModePanel&)>& use)
    {
        RunWithDialog(command::kTestMode, [&](QWidget& shown) {
            auto& panel = dynamic_cast<TestModePanel&>(shown);
            QApplication::setActiveWindow(&panel);
            use(panel);
            if (panel.isVisible())
                panel.Button(TestModePanel::kCloseTopic).click();
        });
    }
    std::vector<std::uint8_t> HeardSince(const sim::RadioSimulator& radio, std::size_t from) const
    {
        const auto bytes = radio.Received();
        return {bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, bytes.size())), bytes.end()};
    }
    // The radio may still be taking in the last byte sent before the port closed.
    static bool HeardEndLast(const sim::RadioSimulator& radio)
    {
        for (int wait = 0; wait < 250; ++wait) {
            const auto bytes = radio.Received();
            if (!bytes.empty() && bytes.back() == wire::kEnd)
                return true;
            QTest::qWait(2);
        }
        return false;
    }
    QString ShownHelpPage()
    {
        const gui::HelpWindow* help = harness.Program().Help().Window();
        return help ? QFileInfo(help->ShownPage()).fileName() : QString();
    }
    static std::vector<std::uint8_t> Bytes(std::initializer_list<int> values)
    {
        std::vector<std::uint8_t> bytes;
        for (const int value : values)
            bytes.push_back(static_cast<std::uint8_t>(value));
        return bytes;
    }
};

TEST_F(TestModePanelWindowTest, ShowsTheRadiosTestChannelSignallingAndTuningItems)
{
    sim::RadioSimulator& radio = StartTestRadio();
    QStringList texts;
    QStringList channels;
    int items = -1;
    bool printEnabled = true;
    bool tuningEnabled = true;
    bool receiving = false;
    bool wide = false;
    WithPanel([&](TestModePanel& panel) {
        texts << panel.windowTitle() << panel.ReceiveFrequency().text() << panel.TransmitFrequency().text()
              << panel.ReceiveName().text() << panel.TransmitName().text() << panel.SignalList().currentText();
        for (int i = 0; i < panel.ChannelList().count(); ++i)
            channels << panel.ChannelList().itemText(i);
        items = panel.TuningList().count();
        printEnabled = panel.Button(TestModePanel::kPrintTopic).isEnabled();
        tuningEnabled = panel.Button(TestModePanel::kTuningModeTopic).isEnabled();
        receiving = !panel.ShowsTransmitting();
        wide = panel.ShowsWide();
    });
    EXPECT_EQ(texts, QStringList({"Test Mode", "162.05000MHz", "162.10000MHz", "None", "None", "1"}));
    EXPECT_EQ(channels, QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(items, 15);
    EXPECT_TRUE(printEnabled) << "the program plugs printing in";
    EXPECT_FALSE(tuningEnabled) << "until an item is chosen";
    EXPECT_TRUE(receiving);
    EXPECT_TRUE(wide);
    EXPECT_TRUE(HeardEndLast(radio));
    const auto heard = radio.Received();
    EXPECT_EQ(std::vector<std::uint8_t>(heard.end() - 8, heard.end()),
              Bytes({0x10, 1, wire::kAck, 0x11, 1, 0x11, 1, wire::kEnd}))
        << "the first channel and signalling when opening, the signalling and 'E' when closing";
    EXPECT_FALSE(Link().Port().IsOpen());
    EXPECT_TRUE(test::LeftTestMode(radio));
    EXPECT_TRUE(harness.prompter.asked.empty());
}

TEST_F(TestModePanelWindowTest, ChoicesGoToTheRadioWithTheTransmitterOffFirst)
{
    sim::RadioSimulator& radio = StartTestRadio();
    std::vector<std::uint8_t> keyedChannel;
    std::vector<std::uint8_t> spacing;
    QStringList shown;
    bool transmittingShown = false;
    bool narrowShown = false;
    WithPanel([&](TestModePanel& panel) {
        panel.PttButton().click();
        transmittingShown = panel.ShowsTransmitting();
        std::size_t before = radio.Received().size();
        panel.ChannelList().setFocus();
        QTest::keyClick(&panel.ChannelList(), Qt::Key_Down);
        keyedChannel = HeardSince(radio, before);
        shown << panel.ReceiveFrequency().text() << panel.TransmitFrequency().text();
        panel.SignalList().setCurrentIndex(2);
        emit panel.SignalList().activated(2);
        shown << panel.ReceiveName().text() << panel.TransmitName().text();
        before = radio.Received().size();
        panel.Button(TestModePanel::kNarrowTopic).click();
        spacing = HeardSince(radio, before);
        narrowShown = !panel.ShowsWide();
    });
    EXPECT_TRUE(transmittingShown);
    EXPECT_EQ(keyedChannel, Bytes({0x08, 0x0E, 0x10, 2, wire::kAck}));
    EXPECT_EQ(shown, QStringList({"150.05000MHz", "150.10000MHz", "QT 151.4 Hz", "QT 151.4 Hz"}));
    EXPECT_EQ(spacing, Bytes({'G'}));
    EXPECT_TRUE(narrowShown);
    EXPECT_EQ(radio.TestMode().signalling, 3);
    EXPECT_TRUE(HeardEndLast(radio));
}

TEST_F(TestModePanelWindowTest, ClosingTheWindowWhileTransmittingUnkeysAndEndsTestMode)
{
    sim::RadioSimulator& radio = StartTestRadio();
    std::size_t before = 0;
    WithPanel([&](TestModePanel& panel) {
        panel.PttButton().click();
        before = radio.Received().size();
        panel.close(); // as the window manager's close button does
    });
    EXPECT_TRUE(HeardEndLast(radio));
    EXPECT_EQ(HeardSince(radio, before), Bytes({0x08, 0x0E, 0x11, 1, wire::kEnd}));
    EXPECT_FALSE(radio.TestMode().transmitting);
    EXPECT_FALSE(Link().Port().IsOpen());
}

TEST_F(TestModePanelWindowTest, TheBusinessLineListsThirteenItemsAndStartsTheChosenOne)
{
    sim::RadioSimulator& radio = StartTestRadio(kParlaneVhf);
    std::vector<int> opened;
    int startedCode = -1;
    gui::TestModeSeams seams;
    seams.openTuning = [&](QWidget&, RadioSession&, testmode::TestModeValues& values, int item) {
        opened.push_back(item);
        startedCode = values.currentItemCode;
        return true;
    };
    gui::TestModeCommands::Register(Frame(), Link(), seams);
    int items = 0;
    QString seventh;
    bool defaultAfter = false;
    std::vector<std::uint8_t> heard;
    WithPanel([&](TestModePanel& panel) {
        items = panel.TuningList().count();
        seventh = panel.TuningList().item(6)->text();
        panel.TuningList().setCurrentRow(6);
        const std::size_t before = radio.Received().size();
        panel.Button(TestModePanel::kTuningModeTopic).click();
        heard = HeardSince(radio, before);
        defaultAfter = panel.Button(TestModePanel::kTuningModeTopic).isDefault();
        panel.TuningList().setCurrentRow(12);
        emit panel.TuningList().itemActivated(panel.TuningList().item(12));
    });
    EXPECT_EQ(items, 13);
    EXPECT_EQ(seventh, "RX Sensitivity");
    EXPECT_EQ(opened, (std::vector<int>{7, 14}));
    EXPECT_EQ(startedCode, 34);
    EXPECT_EQ(heard, Bytes({0x05, wire::kAck, 31, 0x0D}));
    EXPECT_TRUE(defaultAfter);
}

TEST_F(TestModePanelWindowTest, PrintingOncePluggedInAsksReadsPrintsAndSaysSo)
{
    sim::RadioSimulator& radio = StartTestRadio();
    std::vector<int> printed;
    gui::TestModeSeams seams;
    seams.printAdjustments = [&](QWidget&, const testmode::TestModeValues& values) {
        printed.push_back(values.tuningValues[10]);
        return true;
    };
    gui::TestModeCommands::Register(Frame(), Link(), seams);
    harness.prompter.answers = {Answer::Ok};
    std::vector<std::uint8_t> heard;
    WithPanel([&](TestModePanel& panel) {
        panel.PttButton().click();
        const std::size_t before = radio.Received().size();
        panel.Button(TestModePanel::kPrintTopic).click();
        heard = HeardSince(radio, before);
    });
    EXPECT_EQ(heard, Bytes({0x08, 0x0E, 0x05, wire::kAck}));
    EXPECT_EQ(printed, std::vector<int>{128});
    EXPECT_EQ(harness.prompter.AskedIds(),
              (std::vector<int>{messages::testmode::kPrintQuestion, messages::testmode::kPrinted}));
}

// The program's own wiring: Tuning Mode opens the item's point adjustment dialog over the
// panel, and its Cancel leaves the radio in test mode with the panel still open.
TEST_F(TestModePanelWindowTest, TuningModeOpensTheItemsDialogAndThePanelStaysAfterItsCancel)
{
    sim::RadioSimulator& radio = StartTestRadio();
    QString dialogTitle;
    bool panelOpenAfter = false;
    std::function<void(QWidget&)> cancelTuning = [&](QWidget& modal) {
        auto* dialog = qobject_cast<gui::PointAdjustmentDialog*>(&modal);
        if (!dialog) {
            test::WhenModal(cancelTuning);
            return;
        }
        dialogTitle = dialog->windowTitle();
        dialog->reject();
    };
    WithPanel([&](TestModePanel& panel) {
        panel.TuningList().setCurrentRow(9);
        test::WhenModal(cancelTuning);
        panel.Button(TestModePanel::kTuningModeTopic).click();
        panelOpenAfter = panel.isVisible();
    });
    EXPECT_TRUE(dialogTitle.startsWith(QString::fromUtf8(App().catalog.MessageText(messages::testmode::kSquelchOpen))))
        << dialogTitle.toStdString();
    EXPECT_TRUE(panelOpenAfter);
    EXPECT_TRUE(HeardEndLast(radio));
}

TEST_F(TestModePanelWindowTest, F1ShowsTheHelpOfTheControl)
{
    StartTestRadio();
    QStringList pages;
    WithPanel([&](TestModePanel& panel) {
        for (QWidget* control : std::initializer_list<QWidget*>{&panel.ChannelList(), &panel.PttButton(),
                                                                 &panel.Button(TestModePanel::kWideTopic)}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_F1);
            pages << ShownHelpPage();
        }
        panel.Button(1193).click();
        pages << ShownHelpPage();
    });
    EXPECT_EQ(pages, QStringList({"1161.html", "1089.html", "1179.html", "32774.html"}));
}

TEST_F(TestModePanelWindowTest, AFailedSwitchThatIsCancelledEndsTestModeAndClosesThePanel)
{
    Frame().CloseAllEditors();
    test::StartWithModel(App().state, test::RecordFor(kLmrVhf, 0x15));
    auto profile = sim::RadioProfile::Factory(App().state.currentModel);
    std::copy_n(App().state.image.begin() + 640, 128, profile.memory.begin() + 640);
    profile.faults = {{sim::Step::Wide, sim::FaultKind::Nak}};
    sim::RadioSimulator& radio = StartRadio(profile);
    harness.prompter.answers = {Answer::Cancel};
    bool closed = false;
    WithPanel([&](TestModePanel& panel) {
        panel.Button(TestModePanel::kNarrowTopic).click();
        closed = !panel.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});
    EXPECT_TRUE(HeardEndLast(radio));
    EXPECT_FALSE(Link().Port().IsOpen());
}

TEST_F(TestModePanelWindowTest, ARadioWithOtherTestChannelsOpensNoPanel)
{
    StartTestRadio();
    App().state.image[640] = 0x55;
    EXPECT_TRUE(OpensNoDialog(command::kTestMode));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::testmode::kTestChannelsDiffer});
    EXPECT_FALSE(Link().Port().IsOpen());
}

} // namespace
} // namespace qtr
