#pragma once

#include "core/features/CodeGrid.h"
#include "core/features/SettingsForm.h"

namespace qtr {

class MessageCatalog;
class RadioState;

// The Vantalink window: the radio's own fleet and ID, data timing, baud rate, message
// mode timer and side tone on its first page, the eight fleet/ID entries on the second.
class VantalinkForm {
public:
    enum Page { kOwnSettingsPage, kFleetIdPage };
    enum Row { kOwnFleet, kOwnId, kModulationDelayTime, kBaudRate, kMessageModeTimer, kPttIdSideTone, kRowCount };
    enum Column { kFleetColumn = 1, kIdColumn = 2 };
    static constexpr int kGridHelpTopic = 1324;

    VantalinkForm(RadioState& state, const MessageCatalog& catalog);

    form::SettingsForm& Form() { return form_; }
    form::CodeGrid& FleetIdGrid() { return grid_; }

    static form::FormDescription Describe();
    // The grid compares a typed text with the wildcard text of the catalogue's language.
    static form::GridDescription DescribeFleetIdGrid(const MessageCatalog& catalog);

private:
    form::SettingsForm form_;
    form::CodeGrid grid_;
};

} // namespace qtr
