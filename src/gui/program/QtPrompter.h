#pragma once

#include "core/base/Prompter.h"

namespace qtr::gui {

// Asks with a message box whose texts come from the catalogue; until a catalogue is
// loaded (a failed start-up) the prompts carry their own texts.
class QtPrompter : public Prompter {
public:
    QtPrompter();
    void UseCatalog(const MessageCatalog& catalog) { catalog_ = &catalog; }
    Answer Ask(const Prompt& prompt) override;

private:
    const MessageCatalog* catalog_;
};

} // namespace qtr::gui
