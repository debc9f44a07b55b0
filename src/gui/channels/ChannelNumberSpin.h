#pragma once

#include "core/channels/ChannelNumberRange.h"

#include <QAbstractSpinBox>

namespace qtr::gui {

// A channel number edit with its spin button: digits only; a typed number is limited to
// the model's channels when the edit is left or Enter is pressed, and stepping wraps.
class ChannelNumberSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    ChannelNumberSpin(int channelCount, int digits, QWidget* parent = nullptr);

    int Slot() const { return slot_; }
    // Shows the slot's channel number, selected.
    void ShowSlot(int slot);
    // Takes the typed number as it stands; gives the slot it names.
    int TakeTypedNumber();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // The user stepped to a slot, or typed a number and left the edit.
    void SlotChosen(int slot);

protected:
    StepEnabled stepEnabled() const override;

private:
    ChannelNumberRange range_;
    int digits_;
    int slot_ = 0;
};

} // namespace qtr::gui
