#pragma once

#include <functional>

class QWidget;

namespace qtr {
class RadioSession;
}

namespace qtr::testmode {
struct TestModeValues;
}

namespace qtr::gui {

// What the test-mode panel hands on to other windows: the tuning procedures and the
// printing of the adjustment values. An empty seam leaves its part out.
struct TestModeSeams {
    // Opens the tuning dialog of the item (0 to 14) over the panel, once the panel has read
    // the adjustment values and selected the item on the radio; returns when it has closed,
    // false when the radio has been told to leave test mode (the panel then closes).
    using TuningOpener = std::function<bool(QWidget& panel, RadioSession& session,
                                            testmode::TestModeValues& values, int itemIndex)>;
    // Shows the print dialog and prints the adjustment-value sheet of the values just read;
    // true when it was printed.
    using AdjustmentPrinter = std::function<bool(QWidget& panel, const testmode::TestModeValues& values)>;

    TuningOpener openTuning;
    AdjustmentPrinter printAdjustments;
};

} // namespace qtr::gui
