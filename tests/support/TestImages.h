#pragma once

#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "core/model/RadioState.h"

#include <stdexcept>
#include <string>

namespace qtr::test {

// A model record for a model type (0 to 7) and a type byte; 15 channels use the "P81L1" code.
inline ModelRecord RecordFor(int modelType, std::uint8_t typeByte, bool fifteenChannels = false)
{
    const int channels = (typeByte & 0x0F) == 0 ? 2 : (typeByte & 0x0F) == 5 ? 8 : fifteenChannels ? 15 : 16;
    auto record = ModelRecordFor(modelType, channels);
    if (!record)
        throw std::invalid_argument("no such channel class for the model");
    return *record;
}

// The state the main window starts with for the given model.
inline void StartWithModel(RadioState& state, const ModelRecord& record)
{
    state.currentModel = record;
    BuildImageForCurrentModel(state);
}

} // namespace qtr::test
