#pragma once

#include <QComboBox>

namespace qtr::gui {

// A list whose pop-up is wide enough for its widest entry however narrow the field is,
// and whose size hint follows its entries, so that a place that honours it shows every
// entry whole: a cut entry can read as another value ("(06) 151.760" for "(06) 151.76000").
class WidePopupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit WidePopupCombo(QWidget* parent = nullptr);

    void showPopup() override;
};

} // namespace qtr::gui
