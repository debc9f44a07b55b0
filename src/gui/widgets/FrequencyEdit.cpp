#include "gui/widgets/FrequencyEdit.h"

#include "gui/widgets/TypedCharacterFilter.h"

namespace qtr::gui {

namespace {

constexpr int kFrequencyLength = 9;

} // namespace

FrequencyEdit::FrequencyEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(kFrequencyLength);
    new TypedCharacterFilter(InputClass::DecimalNumber, kFrequencyLength, *this, *this);
}

} // namespace qtr::gui
