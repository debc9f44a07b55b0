#pragma once

#include "core/model/ImageField.h"

#include <cstddef>

namespace qtr::vantalink {

// The radio's own data-signalling settings. Fleets are stored minus 99, IDs minus 999.
constexpr ImageRange kArea{368, 10};
constexpr ImageField kOwnFleet = ByteAt(368); // 0xFF: not set
constexpr ImageField kOwnId = WordAt(369);    // 0: not set
constexpr ImageField kDataTxModulationDelayTime = WordAt(371); // ms
constexpr ImageField kBaudRate = ByteAt(373);
constexpr ImageField kMessageModeTimer = WordAt(374); // s, 0 off
constexpr ImageField kPttIdSideTone = ByteAt(376);
// Belongs to the block but no window shows it.
constexpr ImageField kSpareByte = ByteAt(377);

// The fleet/ID list: entries 1-4 and 5-8 in two runs with four unused bytes between.
constexpr std::size_t kEntrySize = 3;
constexpr std::size_t kEntriesPerRun = 4;
constexpr ImageRange kFirstRun{448, kEntrySize * kEntriesPerRun};
constexpr ImageRange kSecondRun{464, kEntrySize * kEntriesPerRun};

// Entry `index` (0 to 7) of the list.
constexpr ImageRange ListEntry(std::size_t index)
{
    return (index < kEntriesPerRun ? kFirstRun : kSecondRun).Entry(index % kEntriesPerRun, kEntrySize);
}

// The layout of one entry; 0 in either is the wildcard, 0xFF x 3 an empty entry.
namespace entry {
constexpr ImageField kFleet = ByteAt(0);
constexpr ImageField kId = WordAt(1);
} // namespace entry

} // namespace qtr::vantalink
