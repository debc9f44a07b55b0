#include "gui/channels/ChannelNumberSpin.h"

#include "core/model/InputFilter.h"
#include "gui/widgets/TypedCharacterFilter.h"

#include <QLineEdit>

#include <cstdlib>

namespace qtr::gui {

ChannelNumberSpin::ChannelNumberSpin(int channelCount, int digits, QWidget* parent)
    : QAbstractSpinBox(parent), range_(channelCount), digits_(digits)
{
    setWrapping(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    new TypedCharacterFilter(InputClass::Digits, digits, *this, *lineEdit());
    ShowSlot(0);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit SlotChosen(TakeTypedNumber()); });
}

void ChannelNumberSpin::ShowSlot(int slot)
{
    slot_ = slot;
    lineEdit()->setText(QString::number(slot + 1));
    selectAll();
}

int ChannelNumberSpin::TakeTypedNumber()
{
    std::string text = lineEdit()->text().toStdString();
    ShowSlot(range_.SlotFromText(text));
    return slot_;
}

void ChannelNumberSpin::stepBy(int steps)
{
    int slot = slot_;
    for (int i = 0; i < std::abs(steps); ++i)
        slot = range_.Step(slot, steps > 0 ? 1 : -1);
    ShowSlot(slot);
    emit SlotChosen(slot_);
}

QValidator::State ChannelNumberSpin::validate(QString& input, int&) const
{
    return IsAcceptedText(InputClass::Digits, input.toStdString(), static_cast<std::size_t>(digits_))
               ? QValidator::Acceptable
               : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled ChannelNumberSpin::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

} // namespace qtr::gui
