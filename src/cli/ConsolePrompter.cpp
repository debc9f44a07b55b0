#include "cli/ConsolePrompter.h"

#include "core/base/MessageCatalog.h"

#include <ostream>

namespace qtr::cli {

std::string ConsolePrompter::Text(const Prompt& prompt) const
{
    if (wording_) {
        if (auto own = wording_(prompt))
            return *own;
    }
    return catalog_ ? PromptText(prompt, *catalog_) : prompt.detail;
}

Answer ConsolePrompter::Ask(const Prompt& prompt)
{
    out_ << "qtr31x-cli: " << Text(prompt) << '\n';
    switch (prompt.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace qtr::cli
