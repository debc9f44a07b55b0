#include "core/testmode/TuningItems.h"
#include "core/base/messages/TestMode.h"

#include <algorithm>

namespace qtr::testmode {

namespace {

std::vector<int> Run(int first, int count)
{
    std::vector<int> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries[static_cast<std::size_t>(i)] = first + i;
    return entries;
}

} // namespace

const std::array<TuningItem, kTuningItemCount>& TuningItems()
{
    using enum TuningDialog;
    static const std::array<TuningItem, kTuningItemCount> items{{
        {messages::testmode::kTxPowerHigh, 18, 1025, true, PointAdjustment, {18, 48, 51, 49, 52, 50}, Run(10, 6), -1},
        {messages::testmode::kTxPowerLow, 20, 1026, true, PointAdjustment, {20, 96, 99, 97, 100, 98}, Run(16, 6), -1},
        {messages::testmode::kMaximumDeviation, 24, 1027, true, PointAdjustment, {24, 101, 102, 103}, Run(28, 4), 32},
        {messages::testmode::kQtDeviation, 23, 1028, true, PointAdjustment, {23, 36, 37, 38}, Run(23, 4), 27},
        {messages::testmode::kDqtDeviation, 25, 1029, true, PointAdjustment, {25, 106, 107, 108}, Run(33, 4), 37},
        {messages::testmode::kModulationBalance, 26, 1040, true, PointAdjustment, {26, 111, 112, 113}, Run(38, 4), 42},
        {messages::testmode::kVantalinkDeviation, 29, 1031, false, PointAdjustment, {29}, {43}, 44},
        {messages::testmode::kRxSensitivity, 31, 1041, true, PointAdjustment, {31, 53, 54, 55}, Run(45, 4), -1},
        {messages::testmode::kSquelchTight, 13, 1033, true, PointAdjustment, {13, 117, 118, 119}, Run(5, 4), 9},
        {messages::testmode::kSquelchOpen, 12, 1045, true, PointAdjustment, {12, 114, 115, 116}, Run(0, 4), 4},
        {messages::testmode::kDtmfDeviation, 27, 1035, false, PointAdjustment, {27}, {51}, 53},
        {messages::testmode::kBatteryIndicatorLevel, 28, 1043, true, BatteryIndicatorLevel, {28}, {54}, -1},
        // The item names tie each measuring item to its dialog: VOX Level 1, VOX Level 10, RSSI.
        {messages::testmode::kVoxLevel1, 33, 1046, true, Vox1, {33}, {56}, -1},
        {messages::testmode::kVoxLevel10, 35, 1038, true, Vox10, {35}, {57}, -1},
        {messages::testmode::kRssi, 34, 1039, true, Rssi, {34}, {58}, -1},
    }};
    return items;
}

std::vector<int> ListedItems(bool lineB)
{
    std::vector<int> listed;
    for (int index = 0; index < kTuningItemCount; ++index)
        if (!lineB || TuningItems()[static_cast<std::size_t>(index)].listedOnLineB)
            listed.push_back(index);
    return listed;
}

int ItemAtListPosition(int position, bool lineB)
{
    if (!lineB || position <= 5)
        return position;
    return std::min(position <= 8 ? position + 1 : position + 2, kTuningItemCount - 1);
}

std::vector<std::uint8_t> PointCodes(const TuningItem& item, bool wide)
{
    if (!wide && item.narrowEntry >= 0)
        return {item.pointCodes.front()};
    return item.pointCodes;
}

std::vector<int> PointEntries(const TuningItem& item, bool wide)
{
    if (!wide && item.narrowEntry >= 0)
        return {item.narrowEntry};
    return item.wideEntries;
}

std::vector<TuningTab> TabsFor(std::size_t pointCount)
{
    using enum TuningTab;
    switch (pointCount) {
    case 6:
        return {Master, Low, LowMiddle, Middle, HighMiddle, High};
    case 4:
        return {Master, Low, Middle, High};
    default:
        return {Master};
    }
}

} // namespace qtr::testmode
