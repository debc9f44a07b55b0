#pragma once

#include "core/model/RadioState.h"

namespace qtr {

// Factory values of a radio of the current model, applied at start-up, on New and
// when the model changes.
enum class ModelReset { Keep, ToDefaultModel };

void ApplyModelDefaults(RadioState& state, ModelReset reset);
void ApplyChannelPlan(RadioState& state);
void ApplyTestFrequencyDefaults(RadioState& state);
void ClearChannels(RadioState& state);

// The first image of the main window: identity from the current model, then defaults.
void BuildImageForCurrentModel(RadioState& state);
// File New: the image's own identity kept, everything else rebuilt, and counted as saved.
void BuildImageForNewDocument(RadioState& state);

} // namespace qtr
