#pragma once

#include <QAbstractSpinBox>

class QLineEdit;

namespace qtr::gui {

// An edit field with a spin button whose text and steps belong to someone else: a step
// (arrow, Up and Down keys, wheel) is only announced, and the owner writes the new text.
class StepEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit StepEdit(QWidget* parent = nullptr);

    QLineEdit& Edit() const { return *lineEdit(); }
    void stepBy(int steps) override;
    // Wide enough for the text it shows (an off text may be a long word).
    QSize sizeHint() const override;

signals:
    // One step up (+1) or down (-1).
    void Stepped(int direction);

protected:
    StepEnabled stepEnabled() const override;
};

} // namespace qtr::gui
