#pragma once

// The message identifiers of the Key Assignment editor (Common.h says which header names an id).
namespace qtr::messages::keys {

constexpr int kTitle = 3002105;
constexpr int kSquelchOffMomentary = 3006013;
constexpr int kPf1 = 3018017;
constexpr int kPf2 = 3018021;
constexpr int kScanSelector = 3018022;
constexpr int kNone = 3420072;
constexpr int kTalkAround = 3420074;
constexpr int kSquelchOff = 3420076;
constexpr int kMonitor = 3420080;
constexpr int kMonitorMomentary = 3420082;
constexpr int kBatteryIndicator = 3420084;
constexpr int kScanDeleteAdd = 3420086;
constexpr int kScan = 3420088;
constexpr int kScrambler = 3420090;
constexpr int kVox = 3420092;
constexpr int kCall = 3420094;
constexpr int kTxPowerLow = 3420096;

} // namespace qtr::messages::keys
