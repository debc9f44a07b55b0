#pragma once

#include "core/testmode/TuningPointTexts.h"

#include <QWidget>

class QLabel;

namespace qtr {
class MessageCatalog;
}

namespace qtr::gui {

class TuningValueControls;

// One tab page of the point adjustment dialog: where the radio receives and transmits
// for the point, and the point's value.
class TuningPointPage : public QWidget {
    Q_OBJECT
public:
    TuningPointPage(const testmode::PointFrequencies& frequencies, const MessageCatalog& catalog,
                    QWidget* parent = nullptr);

    TuningValueControls& Controls() const { return *controls_; }
    QLabel& ReceiveFrequency() const { return *rx_; }
    QLabel& TransmitFrequency() const { return *tx_; }

private:
    QLabel* rx_;
    QLabel* tx_;
    TuningValueControls* controls_;
};

} // namespace qtr::gui
