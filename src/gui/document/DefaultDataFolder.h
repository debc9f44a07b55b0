#pragma once

#include <string>

namespace qtr::gui {

// The desktop program's default data folder: "QTR-31X" in the user's documents folder.
std::string DefaultDataFolder();

} // namespace qtr::gui
