#pragma once

#include "core/base/Prompter.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace qtr {
class MessageCatalog;
}

namespace qtr::cli {

// Prints each prompt and answers it without asking: OK where that is the only choice,
// Cancel (or No) otherwise, so a script never hangs. A report of success goes to the
// output as it is; everything else to the error stream, on one line after the tool's name.
class ConsolePrompter : public Prompter {
public:
    // The words of a prompt that the command line says its own way; none for the others.
    using Wording = std::function<std::optional<std::string>(const Prompt&)>;

    ConsolePrompter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // The line breaks of a catalogue text joined into one line.
    static std::string OneLine(const std::string& text);
    // The catalogue lives in the program state, which is built after the prompter.
    void UseCatalog(const MessageCatalog& catalog) { catalog_ = &catalog; }
    void UseWording(Wording wording) { wording_ = std::move(wording); }
    Answer Ask(const Prompt& prompt) override;

private:
    std::string Text(const Prompt& prompt) const;

    const MessageCatalog* catalog_ = nullptr;
    Wording wording_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace qtr::cli
