#include "core/app/FleetPrompter.h"

namespace qtr {

Answer FleetPrompter::Ask(const Prompt& prompt)
{
    switch (prompt.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::RetryCancel:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return Answer::Retry;
        }
        break;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        break;
    }
    return Answer::Cancel;
}

} // namespace qtr
