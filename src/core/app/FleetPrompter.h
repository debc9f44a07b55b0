#pragma once

#include "core/base/Prompter.h"

namespace qtr {

// Nobody sits at a port of a fleet run: a failed exchange is tried again as often as the
// plan allows, and every other question gets the answer that changes nothing.
class FleetPrompter : public Prompter {
public:
    void SetRetries(int retries) { retriesLeft_ = retries; }
    Answer Ask(const Prompt& prompt) override;

private:
    int retriesLeft_ = 0;
};

} // namespace qtr
