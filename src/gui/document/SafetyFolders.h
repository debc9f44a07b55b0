#pragma once

#include <string>

namespace qtr::gui {

// The program's own data folder (the platform's application data location), where the
// recovery copy lies.
std::string ProgramDataFolder();
// Its "backups" folder, where every image read from a radio is kept.
std::string BackupFolder();

} // namespace qtr::gui
