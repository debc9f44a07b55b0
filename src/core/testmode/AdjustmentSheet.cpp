#include "core/testmode/AdjustmentSheet.h"

#include "core/testmode/TuningItems.h"

namespace qtr::testmode::sheet {

namespace {

constexpr int kNarrowColumn = kColumnCount - 1;

} // namespace

std::vector<Row> Rows()
{
    std::vector<Row> rows;
    for (const TuningItem& item : TuningItems()) {
        Row row{item.nameId, {}};
        row.entries.fill(-1);
        const auto tabs = TabsFor(item.wideEntries.size());
        for (std::size_t point = 0; point < tabs.size(); ++point)
            row.entries[static_cast<std::size_t>(tabs[point])] = item.wideEntries[point];
        row.entries[kNarrowColumn] = item.narrowEntry;
        rows.push_back(row);
    }
    return rows;
}

} // namespace qtr::testmode::sheet
