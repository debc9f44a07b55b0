#pragma once

#include "core/model/ImageField.h"

#include <cstdint>

namespace qtr::scan {

// The scan settings.
constexpr ImageRange kArea{352, 12};
constexpr ImageField kPriority = ByteAt(352);        // priority mode 0, 1 or 2
constexpr ImageField kPriorityChannel = ByteAt(353); // channel number
constexpr ImageField kLookBackTimeA = ByteAt(354);   // 0.50 s + (v - 1) x 0.05 s
constexpr ImageField kLookBackTimeB = ByteAt(355);
constexpr ImageField kRevertChannel = ByteAt(356);
constexpr ImageField kDropoutDelayTime = WordAt(357); // seconds
constexpr ImageField kTxDwellTime = WordAt(359);      // seconds
constexpr ImageField kFixedChannel = ByteAt(363);     // channel number
constexpr std::uint8_t kNoChannel = 0xFF;
// Priority modes.
constexpr unsigned kPriorityOff = 0;
constexpr unsigned kPriorityMode1 = 1;
constexpr unsigned kPriorityMode2 = 2;
// Revert channels (the fixed channel is kRevertToFixedChannel).
constexpr unsigned kRevertPriority = 0;
constexpr unsigned kRevertSelected = 1;
constexpr unsigned kRevertLastCall = 2;
constexpr unsigned kRevertLastBusy = 3;
constexpr std::uint8_t kRevertToFixedChannel = 6;

} // namespace qtr::scan
