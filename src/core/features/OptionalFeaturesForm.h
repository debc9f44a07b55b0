#pragma once

#include "core/features/SettingsForm.h"

namespace qtr {

class MessageCatalog;
class RadioState;

// The Optional features window: time-out timer, squelch, call alert, scrambler, PTT ID,
// VOX and the clone modes, one row each, in the order the window shows them.
class OptionalFeaturesForm {
public:
    enum Row {
        kTimeOutTimer,
        kTotPreAlert,
        kSquelchLevel,
        kMicSensitivity,
        kVoiceAnnunciation,
        kCallingAlertLevel,
        kBatterySave,
        kBeep,
        kScramblerActivation,
        kScramblerBackup,
        kPttIdGroup,
        kPttIdType,
        kPttId,
        kBeginOfTx,
        kEndOfTx,
        kVoxGroup,
        kVoxFunction,
        kVoxGainLevel,
        kVoxDelayTime,
        kCanceledByPtt,
        kVoxProceedTone,
        kTxInhibitOnBusy,
        kModeGroup,
        kCloneMode,
        kSelfProgram,
        kRowCount
    };
    static constexpr int kPlayStopHelpTopic = 1358;

    OptionalFeaturesForm(RadioState& state, const MessageCatalog& catalog);

    form::SettingsForm& Form() { return form_; }
    const form::SettingsForm& Form() const { return form_; }

    static form::FormDescription Describe();

private:
    form::SettingsForm form_;
};

} // namespace qtr
