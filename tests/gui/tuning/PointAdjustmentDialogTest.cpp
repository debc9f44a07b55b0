#include "TuningDialogTest.h"
#include "core/base/messages/Link.h"
#include "gui/testmode/PointAdjustmentDialog.h"
#include "gui/testmode/TuningIndicatorLamp.h"
#include "gui/testmode/TuningPointPage.h"
#include "gui/testmode/TuningValueControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

namespace qtr::gui {
namespace {

using testmode::TuningOutcome;

constexpr int kTxPowerHigh = 0;
constexpr int kMaximumDeviation = 2;
constexpr int kSquelchTight = 8;

class PointAdjustmentDialogTest : public test::TuningDialogTest {
protected:
    PointAdjustmentDialog& Open(int item, bool wide = true)
    {
        values.wide = wide;
        dialog_ = std::make_unique<PointAdjustmentDialog>(commands, values, item, catalog, help);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    // A button's access key clicks it a moment later, as the button shows itself pressed.
    void PressAlt(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return dialog_->isHidden(); }, test::kHangBoundMs));
    }
    TuningValueControls& Controls(int tab) { return dialog_->Page(tab).Controls(); }
    // The four views of a page agree on the value.
    void ExpectShown(int tab, int value)
    {
        TuningValueControls& controls = Controls(tab);
        EXPECT_EQ(controls.Slider().value(), value);
        EXPECT_EQ(controls.SpinBox().value(), value);
        EXPECT_EQ(controls.ValueField().text(), QString::number(value));
        EXPECT_EQ(controls.Bar().value(), value);
    }

    std::unique_ptr<PointAdjustmentDialog> dialog_;
};

TEST_F(PointAdjustmentDialogTest, OpensWithAPagePerPointAndItsFrequencies)
{
    PointAdjustmentDialog& dialog = Open(kTxPowerHigh);
    EXPECT_EQ(dialog.windowTitle(), "TX Power High");
    ASSERT_EQ(dialog.Tabs().count(), 6);
    const QStringList labels{"Master", "Low", "Low-Mid", "Middle", "High-Mid", "High"};
    for (int tab = 0; tab < 6; ++tab) {
        EXPECT_EQ(dialog.Tabs().tabText(tab), labels[tab]);
        ExpectShown(tab, 110 + tab);
    }
    EXPECT_EQ(dialog.Page(0).ReceiveFrequency().text(), "162.05000 MHz");
    EXPECT_EQ(dialog.Page(5).TransmitFrequency().text(), "173.90000 MHz");
    EXPECT_EQ(dialog.Page(0).Controls().ValueField().font().pixelSize(), 20);
    EXPECT_TRUE(dialog.TransmitButton().isVisible());
    EXPECT_TRUE(dialog.ReceiveLamp().isVisible());
    EXPECT_FALSE(dialog.TransmitLamp().isVisible());
    EXPECT_TRUE(radio.sent.empty());
}

TEST_F(PointAdjustmentDialogTest, ANarrowItemHasOnePageAndSaysSo)
{
    PointAdjustmentDialog& dialog = Open(kMaximumDeviation, false);
    EXPECT_EQ(dialog.windowTitle(), "Maximum Deviation (Narrow)");
    EXPECT_EQ(dialog.Tabs().count(), 1);
    ExpectShown(0, 132);
    EXPECT_FALSE(Open(kSquelchTight).TransmitButton().isVisible());
    EXPECT_EQ(dialog_->windowTitle(), "Squelch Tight (Wide)");
    EXPECT_EQ(dialog_->Tabs().count(), 4);
}

TEST_F(PointAdjustmentDialogTest, SliderKeysDragsAndTheSpinBoxSendEachSettledValue)
{
    Open(kMaximumDeviation, false);
    QSlider& slider = Controls(0).Slider();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 133}));
    ExpectShown(0, 133);
    EXPECT_EQ(Value(32), 133);
    // A drag shows the value as it goes and sends it once, on release.
    slider.setSliderDown(true);
    slider.setSliderPosition(150);
    slider.setSliderPosition(160);
    EXPECT_EQ(Controls(0).ValueField().text(), "160");
    EXPECT_TRUE(radio.sent.empty());
    slider.setSliderDown(false);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 160}));
    QSpinBox& spin = Controls(0).SpinBox();
    spin.setFocus();
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 159}));
    ExpectShown(0, 159);
    spin.selectAll();
    QTest::keyClicks(&spin, "42");
    EXPECT_TRUE(radio.sent.empty());
    QTest::keyClick(&spin, Qt::Key_Return);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 42}));
    EXPECT_TRUE(dialog_->isVisible()); // Enter in the spin box does not end the procedure
    ExpectShown(0, 42);
}

TEST_F(PointAdjustmentDialogTest, TheMasterStopsWhereTheOtherPointsWouldLeaveTheirRangeAndTheyFollow)
{
    for (int entry = 10; entry <= 15; ++entry)
        Value(entry) = 100;
    Value(11) = 20;
    Value(15) = 240;
    StartHere();
    Open(kTxPowerHigh);
    QSpinBox& spin = Controls(0).SpinBox();
    spin.setFocus();
    spin.selectAll();
    QTest::keyClicks(&spin, "50");
    QTest::keyClick(&spin, Qt::Key_Return);
    EXPECT_EQ(radio.TakeSent(), (Bytes{18, 0x20, 80}));
    ExpectShown(0, 80);
    ExpectShown(1, 0);
    ExpectShown(5, 220);
    ExpectShown(2, 80);
}

TEST_F(PointAdjustmentDialogTest, ATabChangeWhileKeyedUnkeysFirst)
{
    radio.pointValues = {0, 1, 2, 3};
    PointAdjustmentDialog& dialog = Open(kMaximumDeviation);
    QTest::mouseClick(&dialog.TransmitButton(), Qt::LeftButton);
    EXPECT_EQ(radio.TakeSent(), (Bytes{0x08, 0x0D}));
    EXPECT_TRUE(dialog.TransmitButton().isChecked());
    EXPECT_TRUE(dialog.TransmitLamp().isVisible());
    EXPECT_FALSE(dialog.ReceiveLamp().isVisible());
    QTabBar& strip = *dialog.Tabs().tabBar();
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(2).center());
    EXPECT_EQ(radio.TakeSent(), (Bytes{0x08, 0x0E, 102, 0x0D, 0x07, 0x06}));
    EXPECT_FALSE(dialog.TransmitButton().isChecked());
    EXPECT_FALSE(values.transmitting);
    EXPECT_TRUE(dialog.ReceiveLamp().isVisible());
    ExpectShown(0, 128); // a master byte of 0 leaves the stored value
    ExpectShown(2, 2);
    QTest::keyClick(&Controls(2).Slider(), Qt::Key_Left);
    EXPECT_EQ(radio.TakeSent(), (Bytes{102, 0x20, 1}));
}

TEST_F(PointAdjustmentDialogTest, EscRestoresEveryPointAndOkKeeps)
{
    PointAdjustmentDialog& dialog = Open(kSquelchTight);
    QTest::keyClick(&Controls(0).Slider(), Qt::Key_Right);
    radio.TakeSent();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(radio.TakeSent(), (Bytes{13,  0x0D, 13,  0x20, 105, 117, 0x0D, 117, 0x20, 106, 118, 0x0D,
                                       118, 0x20, 107, 119, 0x0D, 119, 0x20, 108, 119, 0x0E}));
    EXPECT_EQ(dialog.Outcome(), TuningOutcome::Restored);
    EXPECT_FALSE(dialog.isVisible());
    PointAdjustmentDialog& again = Open(kSquelchTight);
    QTest::keyClick(&Controls(0).Slider(), Qt::Key_Right);
    PressAlt(Qt::Key_O);
    EXPECT_EQ(radio.TakeSent(), (Bytes{13, 0x20, 106, 13, 0x0E}));
    EXPECT_EQ(again.Outcome(), TuningOutcome::Kept);
    EXPECT_EQ(again.result(), QDialog::Accepted);
}

TEST_F(PointAdjustmentDialogTest, AltCCancelsAndAGiveUpClosesAtOnce)
{
    PointAdjustmentDialog& dialog = Open(kMaximumDeviation, false);
    PressAlt(Qt::Key_C);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 132, 24, 0x0E}));
    EXPECT_EQ(dialog.Outcome(), TuningOutcome::Restored);
    Open(kMaximumDeviation, false);
    radio.silentCommands = {2};
    prompter.answers = {Answer::Cancel};
    QTest::keyClick(&Controls(0).Slider(), Qt::Key_Right);
    EXPECT_EQ(radio.TakeSent(), (Bytes{24, 0x20, 133, 'E'}));
    EXPECT_EQ(prompter.AskedIds(), (std::vector<int>{messages::link::kCommunicationFailed}));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->Outcome(), TuningOutcome::Failed);
}

TEST_F(PointAdjustmentDialogTest, ClosingTheWindowWhileKeyedUnkeysBeforeItRestores)
{
    PointAdjustmentDialog& dialog = Open(kMaximumDeviation, false);
    QTest::mouseClick(&dialog.TransmitButton(), Qt::LeftButton);
    dialog.close();
    EXPECT_EQ(radio.TakeSent(), (Bytes{0x08, 0x0D, 0x08, 0x0E, 24, 0x20, 132, 24, 0x0E}));
    EXPECT_FALSE(values.transmitting);
    EXPECT_EQ(dialog.Outcome(), TuningOutcome::Restored);
}

TEST_F(PointAdjustmentDialogTest, AnUnknownBandShowsOnlyTheUnitAndF1TheItemsHelp)
{
    values.typeByte = 0x95;
    PointAdjustmentDialog& dialog = Open(kTxPowerHigh);
    EXPECT_EQ(dialog.Page(3).ReceiveFrequency().text(), " MHz");
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.topics, (std::vector<int>{1025}));
}

} // namespace
} // namespace qtr::gui
