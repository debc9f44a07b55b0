#pragma once

#include "core/base/Prompter.h"

#include <iosfwd>

namespace qtr {
class MessageCatalog;
}

namespace qtr::cli {

// Prints each prompt on the error stream and answers it without asking: OK where
// that is the only choice, Cancel (or No) otherwise, so a script never hangs.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(std::ostream& out) : out_(out) {}
    // The catalogue lives in the program state, which is built after the prompter.
    void UseCatalog(const MessageCatalog& catalog) { catalog_ = &catalog; }
    Answer Ask(const Prompt& prompt) override;

private:
    const MessageCatalog* catalog_ = nullptr;
    std::ostream& out_;
};

} // namespace qtr::cli
