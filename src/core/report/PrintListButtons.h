#pragma once

#include "core/report/PrintSection.h"

namespace qtr::report {

// Which buttons of the Print Out List dialog can be pressed for the boxes checked now:
// OK and All Clear need a checked box, Select All a box of the model still clear.
struct PrintListButtons {
    bool ok;
    bool allClear;
    bool selectAll;
    bool operator==(const PrintListButtons&) const = default;
};

PrintListButtons PrintListButtonStates(SectionMask checked, bool parlane);

} // namespace qtr::report
