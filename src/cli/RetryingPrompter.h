#pragma once

#include "core/base/Prompter.h"

#include <iosfwd>

namespace qtr::cli {

// Passes every prompt on, but answers Retry to a failed radio exchange as long as the
// retries given with --retries last.
class RetryingPrompter : public Prompter {
public:
    RetryingPrompter(Prompter& inner, std::ostream& err) : inner_(inner), err_(err) {}
    void SetRetries(int retries) { retriesLeft_ = retries; }
    int RetriesLeft() const { return retriesLeft_; }
    Answer Ask(const Prompt& prompt) override;

private:
    Prompter& inner_;
    std::ostream& err_;
    int retriesLeft_ = 0;
};

} // namespace qtr::cli
