#pragma once

#include <string>

namespace qtr {

// The file dialogs' filter from the filter message: the message names the files, and
// the pattern "(*.dat)" is added when a translation left it out.
std::string DataFileFilter(const std::string& filterText);

} // namespace qtr
