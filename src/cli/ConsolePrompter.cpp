#include "cli/ConsolePrompter.h"

#include "core/base/MessageCatalog.h"

#include <ostream>

namespace qtr::cli {

std::string ConsolePrompter::OneLine(const std::string& text)
{
    std::string line;
    for (const char c : text) {
        if (c != '\n')
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}

std::string ConsolePrompter::Text(const Prompt& prompt) const
{
    if (wording_) {
        if (auto own = wording_(prompt))
            return *own;
    }
    return OneLine(catalog_ ? PromptText(prompt, *catalog_) : prompt.detail);
}

Answer ConsolePrompter::Ask(const Prompt& prompt)
{
    if (prompt.icon == Icon::Information)
        out_ << Text(prompt) << '\n';
    else
        err_ << "qtr31x-cli: " << Text(prompt) << '\n';
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
