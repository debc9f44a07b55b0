#pragma once

#include <vector>

namespace qtr::cli {

class CliArguments;
class CliContext;

// One verb of the command line: its name, its lines of the help, and what it does.
struct Verb {
    const char* name;
    const char* usage;
    int (*run)(CliContext& context, const CliArguments& arguments);
    // The status of a failure before the verb runs; diff keeps 1 for "the files differ".
    int failureStatus = 1;
};

// Every verb, in the order the help lists them.
const std::vector<Verb>& VerbTable();

// Each verb's row, made in the verb's own file.
namespace verbs {
Verb New();
Verb Show();
Verb Read();
Verb Write();
Verb Clone();
Verb Info();
Verb Adjustments();
Verb ExportCsv();
Verb ImportCsv();
Verb Diff();
Verb Print();
} // namespace verbs

} // namespace qtr::cli
