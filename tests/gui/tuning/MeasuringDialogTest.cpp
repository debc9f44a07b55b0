#include "GuiHarness.h"
#include "TuningDialogTest.h"
#include "core/base/messages/Link.h"
#include "gui/testmode/MeasuringDialog.h"
#include "gui/testmode/PointAdjustmentDialog.h"
#include "gui/testmode/TuningIndicatorLamp.h"
#include "gui/testmode/TuningProcedureDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

namespace qtr::gui {
namespace {

using testmode::TuningOutcome;

constexpr int kBatteryIndicator = 11;
constexpr int kRssi = 14;

class MeasuringDialogTest : public test::TuningDialogTest {
protected:
    MeasuringDialog& Open(int item)
    {
        dialog_ = std::make_unique<MeasuringDialog>(commands, values, item, catalog, help);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    void ExpectShown(int value)
    {
        EXPECT_EQ(dialog_->ValueField().text(), QString::number(value));
        EXPECT_EQ(dialog_->Bar().value(), value);
    }

    std::unique_ptr<MeasuringDialog> dialog_;
};

TEST_F(MeasuringDialogTest, OpensOnTheStoredValueWithTheTestChannelsFrequencies)
{
    MeasuringDialog& dialog = Open(kBatteryIndicator);
    EXPECT_EQ(dialog.windowTitle(), "Battery Indicator Level");
    ExpectShown(154);
    EXPECT_EQ(dialog.ReceiveFrequency().text(), "162.12500MHz");
    EXPECT_EQ(dialog.TransmitFrequency().text(), "162.25000MHz");
    EXPECT_EQ(dialog.ValueField().font().pixelSize(), 20);
    EXPECT_FALSE(dialog.RunningLamp().isVisible());
    EXPECT_FALSE(dialog.StartButton().isChecked());
    EXPECT_EQ(QApplication::focusWidget(), &dialog.StartButton());
    EXPECT_FALSE(dialog.Polling());
    EXPECT_EQ(Open(kRssi).windowTitle(), "RSSI");
    EXPECT_EQ(Open(12).windowTitle(), "VOX Level 1");
    EXPECT_EQ(Open(13).windowTitle(), "VOX Level 10");
}

TEST_F(MeasuringDialogTest, SpaceAndEnterOnStartToggleThePoll)
{
    MeasuringDialog& dialog = Open(kRssi);
    QTest::keyClick(&dialog.StartButton(), Qt::Key_Space);
    EXPECT_TRUE(dialog.StartButton().isChecked());
    EXPECT_TRUE(dialog.RunningLamp().isVisible());
    EXPECT_TRUE(dialog.Polling());
    EXPECT_TRUE(radio.sent.empty());
    radio.measured = 87;
    dialog.Poll();
    EXPECT_EQ(radio.TakeSent(), (Bytes{34, 0x0A, 0x06}));
    ExpectShown(87);
    QTest::keyClick(&dialog.StartButton(), Qt::Key_Return);
    EXPECT_FALSE(dialog.StartButton().isChecked());
    EXPECT_FALSE(dialog.RunningLamp().isVisible());
    EXPECT_FALSE(dialog.Polling());
    dialog.Poll();
    EXPECT_TRUE(radio.sent.empty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MeasuringDialogTest, TheWindowTimerPollsEvery550Milliseconds)
{
    MeasuringDialog& dialog = Open(kRssi);
    radio.measured = 5;
    QTest::mouseClick(&dialog.StartButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.ValueField().text() == "5"; }, test::kHangBoundMs));
    EXPECT_EQ(radio.TakeSent(), (Bytes{34, 0x0A, 0x06}));
}

TEST_F(MeasuringDialogTest, ASilentRadioStopsThePollUntilRetryAndCancelCloses)
{
    MeasuringDialog& dialog = Open(kRssi);
    QTest::mouseClick(&dialog.StartButton(), Qt::LeftButton);
    radio.silentCommands = {0, 1};
    prompter.answers = {Answer::Retry, Answer::Cancel};
    dialog.Poll();
    EXPECT_TRUE(dialog.Polling());
    EXPECT_TRUE(dialog.isVisible());
    dialog.Poll();
    EXPECT_EQ(radio.TakeSent(), (Bytes{34, 0x0A, 34, 0x0A, 'E'}));
    EXPECT_EQ(prompter.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kCommunicationFailed}));
    EXPECT_FALSE(dialog.Polling());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Outcome(), TuningOutcome::Failed);
}

TEST_F(MeasuringDialogTest, OkStoresTheShownValueAndEscTheValueOfTheStart)
{
    MeasuringDialog& dialog = Open(kRssi);
    QTest::mouseClick(&dialog.StartButton(), Qt::LeftButton);
    radio.measured = 201;
    dialog.Poll();
    radio.TakeSent();
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(radio.TakeSent(), (Bytes{34, 0x20, 201, 34, 0x0E}));
    EXPECT_EQ(Value(58), 201);
    EXPECT_EQ(dialog.Outcome(), TuningOutcome::Kept);
    EXPECT_FALSE(dialog.Polling());
    QTest::keyClick(&Open(kRssi), Qt::Key_Escape);
    EXPECT_EQ(radio.TakeSent(), (Bytes{34, 0x20, 158, 34, 0x0E}));
    EXPECT_EQ(Value(58), 158);
    EXPECT_EQ(dialog_->Outcome(), TuningOutcome::Restored);
}

// The panel's one entry opens the dialog of the item and tells how it ended.
TEST_F(MeasuringDialogTest, TheEntryOpensTheItemsDialogModally)
{
    QString title;
    test::WhenModal([&title](QWidget& dialog) {
        title = dialog.windowTitle();
        EXPECT_NE(qobject_cast<MeasuringDialog*>(&dialog), nullptr);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(RunTuningProcedure(nullptr, commands, catalog, help, values, 12), TuningOutcome::Restored);
    EXPECT_EQ(title, "VOX Level 1");
    test::WhenModal([](QWidget& dialog) {
        ASSERT_NE(qobject_cast<PointAdjustmentDialog*>(&dialog), nullptr);
        qobject_cast<PointAdjustmentDialog*>(&dialog)->OkButton().click();
    });
    EXPECT_EQ(RunTuningProcedure(nullptr, commands, catalog, help, values, 10), TuningOutcome::Kept);
    radio.TakeSent();
}

} // namespace
} // namespace qtr::gui
