#pragma once

// The message identifiers of the Scan Information editor (Common.h says which header names an id).
namespace qtr::messages::scan {

constexpr int kSelected = 3007001;
constexpr int kSelectedTalkback = 3007003;
constexpr int kFixedChannel = 3007004;
constexpr int kTitle = 3007005;
constexpr int kRevertChannel = 3007007;
constexpr int kDropoutDelayTime = 3007009;
constexpr int kTxDwellTime = 3007011;
constexpr int kFixedChannelLabel = 3007012;
constexpr int kPriority = 3007015;
constexpr int kPriorityTalkback = 3007025;
constexpr int kFixed = 3007027;
constexpr int kPriorityChannel = 3007033;
constexpr int kLookBackTimeA = 3007053;
constexpr int kLookBackTimeB = 3007055;
constexpr int kPriorityChannelLabel = 3007057;

} // namespace qtr::messages::scan
