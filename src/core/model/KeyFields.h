#pragma once

#include "core/model/ImageField.h"

#include <cstdint>

namespace qtr::keys {

// The key assignment.
constexpr ImageRange kArea{284, 3};
constexpr ImageField kSSelector = ByteAt(284); // 1 on, anything else off
constexpr ImageField kPf1 = ByteAt(285);       // function code 0..11
constexpr ImageField kPf2 = ByteAt(286);
constexpr std::uint8_t kSSelectorOn = 1;
constexpr std::uint8_t kSSelectorOff = 0xFF;
constexpr std::uint8_t kNoFunction = 0xFF;

} // namespace qtr::keys
