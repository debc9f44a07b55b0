#pragma once

#include "core/channels/ChannelFormRules.h"
#include "core/channels/ChannelListEntries.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLineEdit;

namespace qtr {
class Workspace;
}

namespace qtr::gui {

class ChannelNumberSpin;
class ChannelWindows;
class FocusLeaveWatcher;
class KeyboardFilter;

// The channel edit form: every field of the current channel, one row each, stored as soon
// as it is committed. Row 0 is the channel number, row n the channel field n.
class ChannelFormView : public QWidget {
    Q_OBJECT
public:
    explicit ChannelFormView(ChannelWindows& windows, QWidget* parent = nullptr);
    ~ChannelFormView() override;

    // Shows the current channel again, after it changed here or elsewhere.
    void ShowChannel();

    QWidget* Control(int row) const { return controls_[static_cast<std::size_t>(row)]; }
    // Shown instead of the TX power list where the power is fixed.
    QLineEdit* TxPowerText() const { return txPowerText_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildRows();
    QLayout* BuildButtons();
    QWidget* MakeControl(int row);
    QWidget* MakeToneList(int row);
    int RowOf(const QObject* control) const;
    int Slot() const;

    void ShowRow(int row, int slot);
    void ClearRow(int row);
    void ShowTxPower(int slot);

    void ChannelNumberChosen(int slot);
    void ToneChosen(int row, int entry);
    void ListChosen(int row);
    void CheckClicked(int row, bool checked);
    void ParlaneFrequencyChosen(int entry);
    bool IsModified(int row) const;
    void CommitEdit(int row);
    bool CommitBeforeMovingOn(const QWidget& control);

    ChannelWindows& windows_;
    Workspace& app_;
    ChannelFormRules rules_;
    ChannelListEntries entries_;
    FocusLeaveWatcher* focusWatcher_;
    KeyboardFilter& keys_;
    std::array<QWidget*, ChannelFormRules::kRowCount> controls_{};
    QLineEdit* txPowerText_ = nullptr;
};

} // namespace qtr::gui
