#pragma once

#include "core/model/ModelTable.h"

#include <optional>
#include <string>

namespace qtr {

// A model type named by its index ("0" to "7") or by either form of its name, ignoring
// case and the number of blanks.
std::optional<int> FindModelType(const std::string& text);

// The model record that Model Information gives for a model type and a channel count
// (2, 8, and on the UHF L models 15 or 16); nothing for a count the model lacks.
std::optional<ModelRecord> ModelRecordFor(int modelType, int channels);

} // namespace qtr
