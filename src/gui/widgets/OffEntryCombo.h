#pragma once

#include "gui/widgets/WidePopupCombo.h"

namespace qtr::gui {

// A fixed list whose entry 0 is the off entry: Delete or Backspace chooses it.
class OffEntryCombo : public WidePopupCombo {
    Q_OBJECT
public:
    using WidePopupCombo::WidePopupCombo;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qtr::gui
