#pragma once

#include "core/model/ImageField.h"

namespace qtr::regions {

// The radio's own blocks: read and stored in the data file, never written to the radio.
constexpr ImageRange kRadioOwnedLow{384, 56};
constexpr ImageRange kRadioOwnedHigh{832, 192};

} // namespace qtr::regions
