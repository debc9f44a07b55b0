#pragma once

#include "core/report/PagePlan.h"
#include "core/report/Report.h"

#include <ctime>
#include <string>

namespace qtr {

class MessageCatalog;
class RadioState;

namespace report {

struct ReportRequest {
    SectionMask sections = 0;
    bool landscape = false;
    std::string documentName;
    std::tm printedAt{};
};

// The printout of the chosen sections of the image, page by page as the plan orders them.
// The image itself is never changed.
Report BuildReport(const RadioState& state, const MessageCatalog& catalog, const ReportRequest& request);
// The plan the report follows for this image.
std::vector<PlannedPage> PlanFor(const RadioState& state, SectionMask sections, bool landscape);
// Channel records 1 to 16 whose first byte is set.
int ProgrammedChannelCount(const RadioState& state);

} // namespace report
} // namespace qtr
