#pragma once

#include <vector>

namespace qtr {

class RadioState;

namespace scanmodel {

// The model and channel facts that the key and scan rules share.
bool IsFifteenChannelModel(const RadioState& state);
bool IsSSelectorOn(const RadioState& state);
// Channel n (1 to 16) is programmed when its record holds a receive frequency.
bool IsProgrammed(const RadioState& state, int channel);
std::vector<int> ProgrammedChannels(const RadioState& state);

} // namespace scanmodel
} // namespace qtr
