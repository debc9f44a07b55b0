#pragma once

// The message identifiers of the Vantalink editor and Vantalink signalling (Common.h says which
// header names an id).
namespace qtr::messages::vantalink {

constexpr int kAll = 3010183;
constexpr int kName = 3400001;
constexpr int kOwnFleet = 3400003;
constexpr int kOwnId = 3400005;
constexpr int kDataDelayTime = 3400007;
constexpr int kBaudRate = 3420102;
constexpr int kMessageModeTimer = 3420104;
constexpr int kPttIdSideTone = 3420106;
constexpr int kFleetIdList = 3420110;
constexpr int kFleet = 3420112;
constexpr int kId = 3420114;
constexpr int kBaud1200 = 3420116;
constexpr int kBaud2400 = 3420118;

} // namespace qtr::messages::vantalink
