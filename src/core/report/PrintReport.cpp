#include "core/report/PrintReport.h"

#include "core/model/ChannelFields.h"
#include "core/report/PrintContext.h"
#include "core/report/SectionPages.h"

namespace qtr::report {

Report BuildReport(const RadioState& state, const MessageCatalog& catalog, const ReportRequest& request)
{
    Report report;
    report.frame = MakePageFrame(state, catalog, request.documentName, request.printedAt);
    PrintContext context(state, catalog);
    for (const PlannedPage& page : PlanFor(state, request.sections, request.landscape))
        report.pages.push_back(SectionPage(context, page));
    return report;
}

std::vector<PlannedPage> PlanFor(const RadioState& state, SectionMask sections, bool landscape)
{
    return PlanPages(sections, state.IsParlane(), landscape, ProgrammedChannelCount(state));
}

int ProgrammedChannelCount(const RadioState& state)
{
    int count = 0;
    for (int slot = 0; slot < channels::kSlotCount; ++slot)
        count += state.Get(channels::RecordOf(slot).ByteOf(0)) != channels::kUnset ? 1 : 0;
    return count;
}

} // namespace qtr::report
