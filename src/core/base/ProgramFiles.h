#pragma once

#include <string>

namespace qtr {

// The folder that holds the program's language files, help pages and call tones (the
// program folder): beside the executable when a language file lies there (the build tree,
// or an installation that keeps everything together), else "../share/qtr31x" relative to
// the executable when one lies there (an installation under any prefix). When neither
// holds one, the executable's own folder, so that the failure names the expected place.
std::string ProgramFilesFolder(const std::string& executablePath);

} // namespace qtr
