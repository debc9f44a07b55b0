#pragma once

#include <QComboBox>

namespace qtr::gui {

// A fixed list whose entry 0 is the off entry: Delete or Backspace chooses it.
class OffEntryCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qtr::gui
