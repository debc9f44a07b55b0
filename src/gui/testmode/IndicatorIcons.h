#pragma once

#include <QPixmap>

namespace qtr::gui {

// The test-mode panel's small lamps, drawn rather than shipped: receiving (green),
// transmitting (red) and the chosen channel spacing (amber).
enum class Indicator { Receive, Transmit, Spacing };

QPixmap IndicatorPixmap(Indicator indicator);

} // namespace qtr::gui
