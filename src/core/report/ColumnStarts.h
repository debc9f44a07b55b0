#pragma once

#include "core/report/Report.h"

#include <functional>
#include <map>
#include <string>

namespace qtr::report {

// Where each column of a page starts, in the units of `textWidth`: at its place in average
// character widths, or further right where a text before it in the same row would reach it,
// so that two texts of a row never overprint and keep a gap between them. The last text of
// a row may run on; it pushes nothing. Columns keep their order.
using TextWidth = std::function<int(const std::string&)>;
std::map<int, int> ColumnStarts(const ReportPage& page, double characterWidth, const TextWidth& textWidth);

} // namespace qtr::report
