#pragma once

#include "core/report/Report.h"
#include "core/testmode/TestModeValues.h"

#include <array>
#include <ctime>
#include <string>

namespace qtr {

class MessageCatalog;
class RadioState;

// The adjustment-value sheet the test-mode panel prints: one row per tuning item, one
// column per point of the point adjustment dialog's tabs and one for the narrow value.
constexpr int kAdjustmentColumnCount = 7;
// The value entries of an item's cells, left to right; -1 where the item has none.
std::array<int, kAdjustmentColumnCount> AdjustmentCells(int item);

// The sheet's body: the title, the column headers and the fifteen rows, a dash for an
// empty cell.
report::ReportPage AdjustmentSheetPage(const MessageCatalog& catalog, const testmode::TuningValueTable& values);
// The sheet as a one-page printout with the page frame of the image.
report::Report AdjustmentReport(const RadioState& state, const MessageCatalog& catalog,
                                const testmode::TuningValueTable& values, const std::string& documentName,
                                const std::tm& printedAt);

} // namespace qtr
