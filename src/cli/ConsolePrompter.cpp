#include "cli/ConsolePrompter.h"

#include "core/base/MessageCatalog.h"

#include <ostream>

namespace qtr::cli {

Answer ConsolePrompter::Ask(const Prompt& prompt)
{
    out_ << "qtr31x-cli: " << (catalog_ ? PromptText(prompt, *catalog_) : prompt.detail) << '\n';
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
