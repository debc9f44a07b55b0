#pragma once

#include "core/features/KeyAssignmentRules.h"
#include "core/features/SettingsForm.h"

#include <functional>

namespace qtr {

class MessageCatalog;
class RadioState;

// The Key assignment window: the functions of the side keys PF1 and PF2 and, on
// 15-channel models, the S-Selector switch that reshapes the scan settings.
class KeyAssignmentForm {
public:
    enum Row { kPf1, kPf2, kSSelector, kRowCount };
    static constexpr int kSSelectorHelpTopic = 1378;

    // `scanWindowOpen` tells whether the Scan window is open when S-Selector changes.
    KeyAssignmentForm(RadioState& state, const MessageCatalog& catalog, std::function<bool()> scanWindowOpen);
    KeyAssignmentForm(const KeyAssignmentForm&) = delete;
    KeyAssignmentForm& operator=(const KeyAssignmentForm&) = delete;

    // The window opens: keys settled for the line and the S-Selector state, scan remembered;
    // the windows hear of it.
    void Open();

    form::SettingsForm& Form() { return form_; }
    const form::SettingsForm& Form() const { return form_; }

private:
    form::FormDescription Describe();
    form::Effects CommitSSelector(RadioState& state, unsigned checked);

    RadioState& state_;
    std::function<bool()> scanWindowOpen_;
    keyrules::ScanMemory remembered_;
    form::SettingsForm form_;
};

} // namespace qtr
