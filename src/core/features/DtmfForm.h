#pragma once

#include "core/features/CodeGrid.h"
#include "core/features/SettingsForm.h"

namespace qtr {

class MessageCatalog;
class RadioState;

// The DTMF window: transmit timing on its first page, the radio's identity, selective
// calling and stun code on the second, and the eight autodial memories on the third.
class DtmfForm {
public:
    enum Page { kTimingPage, kIdentityPage, kAutodialPage };
    enum Row {
        kDtmfSpeed,
        kFirstDigitTime,
        kFirstDigitDelay,
        kStarAndHashTone,
        kDCodeAssignment,
        kDtmfSideTone,
        kIdCode,
        kGroupCode,
        kAutoResetTimer,
        kCallAlert,
        kTranspond,
        kClearToTranspond,
        kStunGroup,
        kStunCode,
        kStunType,
        kRowCount
    };
    enum Column { kEntryColumn = 1 };
    static constexpr int kGridHelpTopic = 1290;

    DtmfForm(RadioState& state, const MessageCatalog& catalog);

    form::SettingsForm& Form() { return form_; }
    form::CodeGrid& AutodialGrid() { return grid_; }

    static form::FormDescription Describe();
    static form::GridDescription DescribeAutodialGrid();

private:
    form::SettingsForm form_;
    form::CodeGrid grid_;
};

} // namespace qtr
