#pragma once

#include "core/report/PrintSection.h"

#include <vector>

namespace qtr::report {

// One page of a printout: which section it shows and which of that section's pages it is.
struct PlannedPage {
    PrintSection section;
    int pageOfSection; // from 0
    int sectionPages;
    bool operator==(const PlannedPage&) const = default;
};

// Channel Information shows 4 channels a page on LMR models and 6 on Parlane models.
int ChannelsPerPage(bool parlane);
// Pages a selected section takes; 0 for a section the model line does not offer.
int SectionPageCount(PrintSection section, bool parlane, bool landscape, int programmedChannels);
// The pages of the selected sections in printing order; a page's number is its position
// in the plan counted from 1.
std::vector<PlannedPage> PlanPages(SectionMask selected, bool parlane, bool landscape, int programmedChannels);

} // namespace qtr::report
