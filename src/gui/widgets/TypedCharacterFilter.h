#pragma once

#include "core/model/InputFilter.h"

#include <QObject>

class QLineEdit;

namespace qtr::gui {

// Makes a line edit a filtered edit field: every typed character goes through the
// class's rule, which may refuse it or turn it into upper case. Watches the widget that
// receives the keys (the edit itself, or the combo box around it).
class TypedCharacterFilter : public QObject {
    Q_OBJECT
public:
    TypedCharacterFilter(InputClass inputClass, int maxLength, QWidget& watched, QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string RemainingText() const;

    InputClass inputClass_;
    int maxLength_;
    QLineEdit& edit_;
};

} // namespace qtr::gui
