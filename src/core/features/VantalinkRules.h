#pragma once

#include "core/features/FormRow.h"
#include "core/model/ImageView.h"

#include <cstddef>
#include <string>

namespace qtr {

class RadioState;

namespace features {

constexpr unsigned kOwnFleetNotSet = 0xFF;
constexpr unsigned kOwnIdNotSet = 0;

// Fleets 100 to 349 are stored as 1 to 250, IDs 1000 to 4999 as 1 to 4000; a typed
// number is limited to the range.
unsigned FleetCode(long long fleet);
unsigned IdCode(long long id);
// The number a stored fleet or ID stands for; empty when it stands for none.
std::string FleetText(unsigned stored);
std::string IdText(unsigned stored);

// The radio's own fleet and ID are set and cleared together: giving one a value gives the
// other its lowest value if it had none, and clearing one (an empty text) clears both.
void CommitOwnFleet(RadioState& state, const std::string& text);
void CommitOwnId(RadioState& state, const std::string& text);
// One spin step of each; from not set, either direction gives the lowest value.
void StepOwnFleet(RadioState& state, int direction);
void StepOwnId(RadioState& state, int direction);

// Data TX modulation delay time, 0 to 6000 ms; a stored value beyond shows 400.
unsigned ModulationDelayValue(long long typed);
form::FieldText ModulationDelayText(unsigned stored);
// Message mode timer: 0 off, 1 to 300 s.
unsigned MessageModeSeconds(long long typed);
form::FieldText MessageModeText(unsigned stored);

// The fleet/ID list: entry `index` (0 to 7), column 1 the fleet and column 2 the ID.
enum class FleetIdColumn { Fleet = 1, Id = 2 };
// 0 is the wildcard (shown as the wildcard text), an unused value shows nothing.
form::FieldText FleetIdCellText(const ImageReader& image, std::size_t index, FleetIdColumn column);
// An empty text empties the whole entry; "0...", "A..." or the wildcard text store the
// wildcard; a number is limited to its range. The other cell of an empty entry becomes
// the wildcard.
void CommitFleetIdCell(ImageView image, std::size_t index, FleetIdColumn column, const std::string& text,
                       const std::string& wildcardText);

} // namespace features
} // namespace qtr
