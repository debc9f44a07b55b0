#pragma once

#include <QLineEdit>

namespace qtr::gui {

// A frequency field in MHz: at most nine characters, digits and one decimal point.
class FrequencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FrequencyEdit(QWidget* parent = nullptr);
};

} // namespace qtr::gui
