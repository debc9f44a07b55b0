#pragma once

#include "core/link/LinkStep.h"

#include <string>

namespace qtr {

// The transfer dialog as a transfer sees it: a progress bar and three buttons that are
// disabled while the radio is busy, the step under way, and the keys typed meanwhile.
class TransferProgress : public LinkStepObserver {
public:
    virtual void SetRange(int low, int high) = 0;
    virtual void SetPosition(int position) = 0;
    virtual void SetButtonsEnabled(bool enabled) = 0;
    // Keys typed while the radio was busy must not answer the message that follows.
    virtual void DiscardTypedKeys() {}
    void ShowStep(const LinkStep&) override {}

    // The bar's own text: the share done, as "%d%%", never beyond 0 to 100.
    static std::string PercentText(int position, int low, int high);
    // Filled width in pixels of a bar `width` pixels wide.
    static int FilledWidth(int position, int low, int high, int width);
};

} // namespace qtr
