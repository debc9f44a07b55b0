#pragma once

#include "core/base/messages/Common.h"

namespace qtr::msg {

// The older names of four common ids, for the files that still use them.
constexpr int kErrorCaption = messages::common::kErrorCaption;
constexpr int kWarningCaption = messages::common::kWarningCaption;
constexpr int kOutOfBandCaption = messages::common::kOutOfBandCaption;
constexpr int kOutOfBandWarning = messages::common::kOutOfBandWarning;

} // namespace qtr::msg
