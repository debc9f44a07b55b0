#pragma once

#include "core/report/Report.h"
#include "core/testmode/TestModeValues.h"

#include <ctime>
#include <string>

namespace qtr {

class MessageCatalog;
class RadioState;

// The adjustment-value sheet the test-mode panel prints, laid out on the page from the
// rows and columns of the sheet that test mode keeps.
// The sheet's body: the title, the column headers and the fifteen rows, a dash for an
// empty cell.
report::ReportPage AdjustmentSheetPage(const MessageCatalog& catalog, const testmode::TuningValueTable& values);
// The sheet as a one-page printout with the page frame of the image.
report::Report AdjustmentReport(const RadioState& state, const MessageCatalog& catalog,
                                const testmode::TuningValueTable& values, const std::string& documentName,
                                const std::tm& printedAt);

} // namespace qtr
