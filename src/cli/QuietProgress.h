#pragma once

#include "core/link/TransferProgress.h"

namespace qtr::cli {

// A transfer from the command line shows no progress bar.
class QuietProgress : public TransferProgress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void SetButtonsEnabled(bool) override {}
};

} // namespace qtr::cli
