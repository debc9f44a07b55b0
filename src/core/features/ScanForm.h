#pragma once

#include "core/features/SettingsForm.h"

namespace qtr {

class MessageCatalog;
class Prompter;
class RadioState;

// The Scan window: priority mode and channel, look-back times, revert channel, dropout
// delay and TX dwell, and the fixed channel of 15-channel models.
class ScanForm {
public:
    enum Row {
        kPriority,
        kPriorityChannel,
        kLookBackTimeA,
        kLookBackTimeB,
        kRevertChannel,
        kDropoutDelayTime,
        kTxDwellTime,
        kFixedChannel,
        kRowCount
    };

    ScanForm(RadioState& state, const MessageCatalog& catalog, Prompter& prompter);

    // The window opens: what the model and S-Selector allow is settled in the image, and
    // the windows hear of it.
    void Open();
    // After S-Selector changed while the window is open (kScanMustRebuild): the same
    // settling; the window then shows every row again.
    void Rebuild();

    form::SettingsForm& Form() { return form_; }
    const form::SettingsForm& Form() const { return form_; }

private:
    static form::FormDescription Describe(const RadioState& state, Prompter& prompter);

    RadioState& state_;
    form::SettingsForm form_;
};

} // namespace qtr
