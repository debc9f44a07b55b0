#pragma once

#include <string>

namespace qtr {

// What `--version` prints for one of the programs, e.g. "qtr31x-cli 1.33".
std::string VersionLine(const std::string& program);

} // namespace qtr
