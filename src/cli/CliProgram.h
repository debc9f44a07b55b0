#pragma once

#include "cli/CliContext.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace qtr::cli {

// The command-line tool: the help, the version and the language file, then the verb the
// words name, each a thin front end on the core.
class CliProgram {
public:
    CliProgram(const std::string& programFolder, std::ostream& out, std::ostream& err, std::istream& in);
    int Run(const std::vector<std::string>& words);
    void UseStopRequest(const StopRequest& stop) { context_.UseStopRequest(stop); }

private:
    int Usage(std::ostream& stream) const;
    bool LoadTexts();

    std::string programFolder_;
    CliContext context_;
};

} // namespace qtr::cli
