#include "gui/widgets/StepEdit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace qtr::gui {

StepEdit::StepEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setWrapping(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { updateGeometry(); });
}

QSize StepEdit::sizeHint() const
{
    constexpr int kCursorSpace = 4;
    const QSize hint = QAbstractSpinBox::sizeHint();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(lineEdit()->text()) + kCursorSpace, fontMetrics().height());
    const int fitted = style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this).width();
    return {std::max(hint.width(), fitted), hint.height()};
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
