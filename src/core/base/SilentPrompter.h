#pragma once

#include "core/base/Prompter.h"

namespace qtr {

// Reading an image for its texts asks nobody: every prompt takes its default answer.
class SilentPrompter : public Prompter {
public:
    Answer Ask(const Prompt& prompt) override { return prompt.defaultAnswer; }
};

} // namespace qtr
