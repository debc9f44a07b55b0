#include "core/report/PagePlan.h"

#include <algorithm>

namespace qtr::report {

int ChannelsPerPage(bool parlane)
{
    return parlane ? 6 : 4;
}

int SectionPageCount(PrintSection section, bool parlane, bool landscape, int programmedChannels)
{
    if (!SectionOffered(section, parlane))
        return 0;
    switch (section) {
    case PrintSection::OptionalFeatures:
    case PrintSection::Dtmf:
        return landscape ? 2 : 1;
    case PrintSection::ChannelInformation: {
        // No programmed channel still prints one page, with the frame and the title.
        const int perPage = ChannelsPerPage(parlane);
        return std::max(1, (programmedChannels + perPage - 1) / perPage);
    }
    default:
        return 1;
    }
}

std::vector<PlannedPage> PlanPages(SectionMask selected, bool parlane, bool landscape, int programmedChannels)
{
    std::vector<PlannedPage> plan;
    for (const PrintSectionInfo& info : PrintSections()) {
        if ((selected & Bit(info.section)) == 0)
            continue;
        const int pages = SectionPageCount(info.section, parlane, landscape, programmedChannels);
        for (int page = 0; page < pages; ++page)
            plan.push_back({info.section, page, pages});
    }
    return plan;
}

} // namespace qtr::report
