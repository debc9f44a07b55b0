#pragma once

#include "core/testmode/MeasuringProcedure.h"
#include "gui/testmode/QtPollTimer.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

class TuningIndicatorLamp;

// Shows a value the radio measures itself (battery indicator level, RSSI, VOX levels),
// polled while Start is pressed. OK stores the value shown, Cancel, Esc and closing the
// window the value of the start; a failed exchange closes the dialog at once.
class MeasuringDialog : public QDialog {
    Q_OBJECT
public:
    // The radio was put into the item before.
    MeasuringDialog(testmode::TuningCommands& commands, testmode::TestModeValues& values, int itemIndex,
                    const MessageCatalog& catalog, HelpViewer& help, QWidget* parent = nullptr);

    testmode::TuningOutcome Outcome() const { return outcome_; }
    QPushButton& StartButton() const { return *start_; }
    TuningIndicatorLamp& RunningLamp() const { return *running_; }
    QLineEdit& ValueField() const { return *field_; }
    QProgressBar& Bar() const { return *bar_; }
    QLabel& ReceiveFrequency() const { return *rx_; }
    QLabel& TransmitFrequency() const { return *tx_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }

    bool Polling() const { return timer_.IsRunning(); }
    // One tick of the poll timer.
    void Poll();
    void accept() override;
    void reject() override;

private:
    QLayout* BuildFrequencies(const testmode::TestModeValues& values, const MessageCatalog& catalog);
    QLayout* BuildButtons(const MessageCatalog& catalog);
    void ToggleMeasuring();
    void ShowState();
    void Finish(bool succeeded, testmode::TuningOutcome outcome);

    QtPollTimer timer_;
    testmode::MeasuringProcedure procedure_;
    testmode::TuningOutcome outcome_ = testmode::TuningOutcome::Failed;
    QLabel* rx_ = nullptr;
    QLabel* tx_ = nullptr;
    QPushButton* start_ = nullptr;
    TuningIndicatorLamp* running_ = nullptr;
    QLineEdit* field_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace qtr::gui
