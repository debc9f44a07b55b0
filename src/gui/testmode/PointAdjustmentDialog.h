#pragma once

#include "core/testmode/PointAdjustment.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTabWidget;

namespace qtr {
class HelpViewer;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

class TuningIndicatorLamp;
class TuningPointPage;

// Adjusts the points of one tuning item, a tab page per point, while the technician
// watches the measuring equipment. OK keeps the values, Cancel, Esc and closing the
// window restore them; a failed exchange closes the dialog at once.
class PointAdjustmentDialog : public QDialog {
    Q_OBJECT
public:
    // The radio was put into the item before.
    PointAdjustmentDialog(testmode::TuningCommands& commands, testmode::TestModeValues& values, int itemIndex,
                          const MessageCatalog& catalog, HelpViewer& help, QWidget* parent = nullptr);

    testmode::TuningOutcome Outcome() const { return outcome_; }
    QTabWidget& Tabs() const { return *tabs_; }
    TuningPointPage& Page(int tab) const { return *pages_[static_cast<std::size_t>(tab)]; }
    QPushButton& TransmitButton() const { return *transmit_; }
    TuningIndicatorLamp& ReceiveLamp() const { return *receiveLamp_; }
    TuningIndicatorLamp& TransmitLamp() const { return *transmitLamp_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }

    void accept() override;
    void reject() override;

private:
    void BuildPages(const MessageCatalog& catalog);
    QLayout* BuildButtons(const MessageCatalog& catalog);
    void ChooseValue(int value);
    void ChangeTab(int tab);
    void ToggleTransmit();
    void ShowPages();
    void ShowTransmitter();
    void Finish(bool succeeded, testmode::TuningOutcome outcome);

    testmode::PointAdjustment adjustment_;
    testmode::TuningOutcome outcome_ = testmode::TuningOutcome::Failed;
    QTabWidget* tabs_;
    std::vector<TuningPointPage*> pages_;
    QPushButton* transmit_ = nullptr;
    TuningIndicatorLamp* receiveLamp_ = nullptr;
    TuningIndicatorLamp* transmitLamp_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace qtr::gui
