#pragma once

#include "core/base/messages/Channels.h"
#include "core/features/FormRow.h"

#include <string>
#include <vector>

namespace qtr {

class Prompter;
class RadioState;

namespace scanrules {

// The list entries the scan settings offer for the radio as it stands.
std::vector<form::ListEntry> PriorityEntries(const RadioState& state);
std::vector<form::ListEntry> RevertEntries(const RadioState& state);
// The programmed channels while the radio reverts to the fixed channel ("None" when there
// is none), nothing otherwise.
std::vector<form::ListEntry> FixedChannelEntries(const RadioState& state);

// The Fixed Channel as its list leaves it: unchanged when the list offers it, the first
// entry when it was none, and none when the list does not offer it.
void SettleFixedChannel(RadioState& state);
// Only priority mode 1 has a priority channel; gives kChannelFormRefresh when it went.
form::Effects DropPriorityChannelUnlessUsed(RadioState& state);
// What the model line and S-Selector allow, applied when the window opens or rebuilds.
void ApplyModelAdjustments(RadioState& state);

form::Effects CommitPriority(RadioState& state, unsigned code);
form::Effects CommitRevertChannel(RadioState& state, unsigned code);
// A channel that is not programmed is refused with messages::channels::kNotProgrammed.
form::Effects CommitPriorityChannel(RadioState& state, const std::string& text, Prompter& prompter);

form::FieldText PriorityChannelText(unsigned stored);
// Look-back time: stored 1..91 is 0.50 s + (v - 1) x 0.05 s.
form::FieldText LookBackText(unsigned stored);
unsigned LookBackValue(const std::string& text);
// Dropout delay and TX dwell: seconds 0..300; a stored value beyond shows 3.
form::FieldText DwellText(unsigned stored);
unsigned DwellValue(const std::string& text);

} // namespace scanrules
} // namespace qtr
