#pragma once

#include "core/base/Prompter.h"

namespace qtr::report {

// Printing only reads the image: should a rule it runs ask anything, nobody is shown the
// question and the prompt's own default stands.
class DefaultAnswerPrompter : public Prompter {
public:
    Answer Ask(const Prompt& prompt) override { return prompt.defaultAnswer; }
};

} // namespace qtr::report
