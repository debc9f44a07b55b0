#include "cli/RetryingPrompter.h"

#include <ostream>

namespace qtr::cli {

Answer RetryingPrompter::Ask(const Prompt& prompt)
{
    const Answer answer = inner_.Ask(prompt);
    if (prompt.buttons != Buttons::RetryCancel || retriesLeft_ <= 0)
        return answer;
    --retriesLeft_;
    err_ << "qtr31x-cli: retrying (" << retriesLeft_ << " more " << (retriesLeft_ == 1 ? "retry" : "retries")
         << " left)\n";
    return Answer::Retry;
}

} // namespace qtr::cli
