#include "core/testmode/AdjustmentSheet.h"

#include "core/base/MessageCatalog.h"
#include "core/report/PageFrame.h"
#include "core/testmode/TuningItems.h"

namespace qtr::testmode {

namespace {

constexpr int kNarrowColumn = sheet::kColumnCount - 1;
constexpr int kHeaderRow = 2;
constexpr int kFirstItemRow = 3;
constexpr int kNameColumn = 15;
constexpr std::array<int, sheet::kColumnCount> kCellColumns{40, 50, 60, 70, 80, 90, 110};

} // namespace

std::vector<sheet::Row> sheet::Rows()
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

report::ReportPage AdjustmentSheetPage(const MessageCatalog& catalog, const TuningValueTable& values)
{
    report::ReportPage page;
    page.texts.push_back({0, kNameColumn, catalog.MessageText(sheet::kTitleId, 1)});
    for (std::size_t column = 0; column < sheet::kColumnCount; ++column)
        page.texts.push_back({kHeaderRow, kCellColumns[column], catalog.MessageText(sheet::kColumnHeaderIds[column], 1)});
    const std::string dash = catalog.MessageText(sheet::kNoValueId, 1);
    int row = kFirstItemRow;
    for (const sheet::Row& item : sheet::Rows()) {
        page.texts.push_back({row, kNameColumn, catalog.MessageText(item.nameId, 1)});
        for (std::size_t column = 0; column < sheet::kColumnCount; ++column) {
            const int entry = item.entries[column];
            const std::string text = entry < 0 ? dash : std::to_string(values.at(static_cast<std::size_t>(entry)));
            page.texts.push_back({row, kCellColumns[column], text});
        }
        ++row;
    }
    return page;
}

report::Report AdjustmentReport(const RadioState& state, const MessageCatalog& catalog, const TuningValueTable& values,
                                const std::string& documentName, const std::tm& printedAt)
{
    report::Report sheet;
    sheet.frame = report::MakePageFrame(state, catalog, documentName, printedAt);
    sheet.pages.push_back(AdjustmentSheetPage(catalog, values));
    return sheet;
}

} // namespace qtr::testmode
