#pragma once

#include "core/testmode/TuningItems.h"

#include <cstdint>
#include <string>

namespace qtr::testmode {

// Where the radio receives and transmits while a tuning point is adjusted, in MHz
// without the unit; empty for a band the table does not know.
struct PointFrequencies {
    std::string rx;
    std::string tx;
};

// The label of a tab page.
int TuningTabLabelId(TuningTab tab);

// By the band code in the high nibble of the radio's type byte.
PointFrequencies TuningPointFrequencies(std::uint8_t typeByte, TuningTab tab);

} // namespace qtr::testmode
