#include "cli/StopReport.h"

namespace qtr::cli {

std::string StopReport(const LinkStep& step, bool writing)
{
    const std::string after = "stopped after block " + std::to_string(step.number) + " of " + std::to_string(step.count);
    switch (step.phase) {
    case LinkStep::Phase::WritingBlock:
        return after + (step.number < step.count ? ": the radio holds a partial image; write it again"
                                                 : ": the radio holds the whole image");
    case LinkStep::Phase::VerifyingBlock:
        return after + " of the read-back: the radio holds the whole image, not checked to the end";
    case LinkStep::Phase::ReadingBlock:
        return after + (writing ? " of reading the radio's memory before writing: nothing was written"
                                : ": nothing was saved from this read") +
               "; the radio is unchanged";
    default:
        return "stopped before any block was sent: the radio is unchanged";
    }
}

} // namespace qtr::cli
