#pragma once

#include "core/report/PagePlan.h"
#include "core/report/Report.h"

namespace qtr::report {

class PrintContext;

// The body of one planned page.
ReportPage SectionPage(PrintContext& context, const PlannedPage& page);

// Channel Information: the programmed channel slots, in channel order.
std::vector<int> ProgrammedSlots(PrintContext& context);

} // namespace qtr::report
