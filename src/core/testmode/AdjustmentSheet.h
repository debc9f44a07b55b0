#pragma once

#include "core/report/Report.h"
#include "core/testmode/TestModeValues.h"

#include <array>
#include <ctime>
#include <string>
#include <vector>

namespace qtr {
class MessageCatalog;
class RadioState;
} // namespace qtr

namespace qtr::testmode {

// The table of adjustment values as technicians file it: one row per tuning item, the
// master, low, low-middle, middle, high-middle and high points and the narrow value.
namespace sheet {

constexpr int kTitleId = 3012049;
constexpr int kColumnCount = 7;
constexpr std::array<int, kColumnCount> kColumnHeaderIds{3012047, 3013017, 3012043, 3012045, 3012041, 3013015, 1001031};
// The text of a cell the item has no value for.
constexpr int kNoValueId = 3018007;

struct Row {
    int nameId;
    std::array<int, kColumnCount> entries; // TuningValues entries, -1 where the item has none
};

// The fifteen items in their order, on every line of radios.
std::vector<Row> Rows();

} // namespace sheet

// The sheet the test-mode panel prints. Its body: the title, the column headers and the
// fifteen rows, a dash for an empty cell.
report::ReportPage AdjustmentSheetPage(const MessageCatalog& catalog, const TuningValueTable& values);
// The sheet as a one-page printout with the page frame of the image.
report::Report AdjustmentReport(const RadioState& state, const MessageCatalog& catalog, const TuningValueTable& values,
                                const std::string& documentName, const std::tm& printedAt);

} // namespace qtr::testmode
