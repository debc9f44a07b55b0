#pragma once

#include "app/Prompter.h"

#include <iosfwd>

namespace qtr {
class MessageCatalog;
}

namespace qtr::cli {

// Prints each prompt on the error stream and answers it without asking: OK where
// that is the only choice, Cancel (or No) otherwise, so a script never hangs.
class ConsolePrompter : public Prompter {
public:
    ConsolePrompter(const MessageCatalog& catalog, std::ostream& out) : catalog_(catalog), out_(out) {}
    Answer Ask(const Prompt& prompt) override;

private:
    const MessageCatalog& catalog_;
    std::ostream& out_;
};

} // namespace qtr::cli
