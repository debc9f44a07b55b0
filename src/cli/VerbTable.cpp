#include "cli/Verb.h"

namespace qtr::cli {

const std::vector<Verb>& VerbTable()
{
    static const std::vector<Verb> table{verbs::New(),         verbs::Show(),      verbs::Read(),
                                         verbs::Write(),       verbs::Clone(),     verbs::Info(),
                                         verbs::Adjustments(), verbs::ExportCsv(), verbs::ImportCsv(),
                                         verbs::Diff(),        verbs::Print()};
    return table;
}

} // namespace qtr::cli
