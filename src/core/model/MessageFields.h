#pragma once

#include "core/model/ImageField.h"

#include <cstddef>

namespace qtr::message {

// The embedded message: two lines of up to 32 characters, unused bytes 0xFF.
constexpr std::size_t kLineLength = 32;
constexpr ImageRange kLine1{768, kLineLength};
constexpr ImageRange kLine2{800, kLineLength};
constexpr ImageRange kArea{kLine1.offset, 2 * kLineLength};

} // namespace qtr::message
