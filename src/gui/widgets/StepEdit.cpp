#include "gui/widgets/StepEdit.h"

#include <QLineEdit>

namespace qtr::gui {

StepEdit::StepEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setWrapping(true);
}

void StepEdit::stepBy(int steps)
{
    if (steps != 0)
        emit Stepped(steps > 0 ? 1 : -1);
}

// Stepping wraps round at both ends, so both arrows always work.
QAbstractSpinBox::StepEnabled StepEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone : StepUpEnabled | StepDownEnabled;
}

} // namespace qtr::gui
