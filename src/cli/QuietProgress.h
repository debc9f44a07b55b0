#pragma once

#include "core/link/TransferProgress.h"

namespace qtr::cli {

// A radio operation from the command line shows no progress; the step under way is kept,
// so that a failure can say where it happened.
class QuietProgress : public TransferProgress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void SetButtonsEnabled(bool) override {}
    void ShowStep(const LinkStep& step) override { step_ = step; }

    const LinkStep& Step() const { return step_; }

private:
    LinkStep step_;
};

} // namespace qtr::cli
