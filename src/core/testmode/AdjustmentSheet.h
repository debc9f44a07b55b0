#pragma once

#include "core/report/Report.h"
#include "core/testmode/TestModeValues.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"

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

constexpr int kTitleId = messages::testmode::kAdjustmentValues;
constexpr int kColumnCount = 7;
constexpr std::array<int, kColumnCount> kColumnHeaderIds{messages::testmode::kMaster, messages::common::kLow, messages::testmode::kLowMid, messages::testmode::kMiddle, messages::testmode::kHighMid, messages::common::kHigh, messages::common::kNarrow};
// The text of a cell the item has no value for.
constexpr int kNoValueId = messages::testmode::kNoValue;

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
