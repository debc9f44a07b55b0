#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace qtr::testmode {

// Which dialog adjusts an item: the point dialog with its tabs, or one of the four
// dialogs for a value the radio measures itself.
enum class TuningDialog { PointAdjustment, BatteryIndicatorLevel, Vox1, Vox10, Rssi };

// Tab pages of the point dialog in their order; a 4-point item has the first, second,
// fourth and sixth, a 1-point item the first only.
enum class TuningTab { Master, Low, LowMiddle, Middle, HighMiddle, High };

// One of the fifteen tuning items of the test-mode panel's list, with what its
// procedure adjusts.
struct TuningItem {
    int nameId;
    std::uint8_t code;
    int helpTopic;
    bool listedOnLineB;
    TuningDialog dialog;
    // Point codes in tab order when every point is adjusted (6, 4 or 1 of them).
    std::vector<std::uint8_t> pointCodes;
    // TuningValues entries of those points, in the same order, in wide mode.
    std::vector<int> wideEntries;
    // The one entry adjusted in narrow mode, or -1 when narrow adjusts the same points as wide.
    int narrowEntry;
};

constexpr int kTuningItemCount = 15;
const std::array<TuningItem, kTuningItemCount>& TuningItems();

// The items the list shows on a radio of the line, in list order (13 on the 'B' line).
std::vector<int> ListedItems(bool lineB);
// The item index of a list position: on the 'B' line positions skip items 6 and 10.
int ItemAtListPosition(int position, bool lineB);

// The points adjusted now: narrow mode keeps only the master point of items with a narrow entry.
std::vector<std::uint8_t> PointCodes(const TuningItem& item, bool wide);
std::vector<int> PointEntries(const TuningItem& item, bool wide);
// The tab pages of a point count (1, 4 or 6), in order.
std::vector<TuningTab> TabsFor(std::size_t pointCount);

} // namespace qtr::testmode
