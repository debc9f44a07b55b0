#include "core/app/AdjustmentSheet.h"

#include "core/base/MessageCatalog.h"
#include "core/testmode/TuningItems.h"

namespace qtr {

namespace {

using testmode::TuningTab;

constexpr int kTitleId = 3012049;
constexpr int kDashId = 3018007;
constexpr int kHeaderRow = 2;
constexpr int kFirstItemRow = 3;
constexpr int kNameColumn = 15;
constexpr std::array<int, kAdjustmentColumnCount> kCellColumns{40, 50, 60, 70, 80, 90, 110};
// Headers: the tab labels of the point adjustment dialog, then Narrow.
constexpr std::array<int, kAdjustmentColumnCount> kHeaderIds{3012047, 3013017, 3012043, 3012045,
                                                             3012041, 3013015, 1001031};
constexpr std::size_t kNarrowCell = kAdjustmentColumnCount - 1;

} // namespace

std::array<int, kAdjustmentColumnCount> AdjustmentCells(int item)
{
    std::array<int, kAdjustmentColumnCount> cells;
    cells.fill(-1);
    const testmode::TuningItem& tuning = testmode::TuningItems().at(static_cast<std::size_t>(item));
    const auto tabs = testmode::TabsFor(tuning.wideEntries.size());
    for (std::size_t point = 0; point < tabs.size(); ++point)
        cells[static_cast<std::size_t>(tabs[point])] = tuning.wideEntries[point];
    cells[kNarrowCell] = tuning.narrowEntry;
    return cells;
}

report::ReportPage AdjustmentSheetPage(const MessageCatalog& catalog, const testmode::TuningValueTable& values)
{
    report::ReportPage page;
    page.texts.push_back({0, kNameColumn, catalog.MessageText(kTitleId, 1)});
    for (std::size_t column = 0; column < kAdjustmentColumnCount; ++column)
        page.texts.push_back({kHeaderRow, kCellColumns[column], catalog.MessageText(kHeaderIds[column], 1)});
    const std::string dash = catalog.MessageText(kDashId, 1);
    for (int item = 0; item < testmode::kTuningItemCount; ++item) {
        const int row = kFirstItemRow + item;
        page.texts.push_back({row, kNameColumn, catalog.MessageText(testmode::TuningItems()[static_cast<std::size_t>(item)].nameId, 1)});
        const auto cells = AdjustmentCells(item);
        for (std::size_t column = 0; column < kAdjustmentColumnCount; ++column) {
            const int entry = cells[column];
            const std::string text = entry < 0 ? dash : std::to_string(values.at(static_cast<std::size_t>(entry)));
            page.texts.push_back({row, kCellColumns[column], text});
        }
    }
    return page;
}

report::Report AdjustmentReport(const RadioState& state, const MessageCatalog& catalog,
                                const testmode::TuningValueTable& values, const std::string& documentName,
                                const std::tm& printedAt)
{
    report::Report sheet;
    sheet.frame = report::MakePageFrame(state, catalog, documentName, printedAt);
    sheet.pages.push_back(AdjustmentSheetPage(catalog, values));
    return sheet;
}

} // namespace qtr
