#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// One thing wrong (or corrected) in a channel list file: where it is, the message that
// says what, and the value concerned.
struct CsvProblem {
    int line = 0;       // 1-based line of the file; 0 for the file as a whole
    std::string column; // empty for the line or the file as a whole
    int messageId = 0;
    std::string detail;
    bool operator==(const CsvProblem&) const = default;
};

// "line 3, Frequency: Outside the band of the model. (500.000000)".
std::string CsvProblemText(const CsvProblem& problem, const MessageCatalog& catalog);
// One line each, the first kMostProblemsListed of them and then how many more there are.
constexpr std::size_t kMostProblemsListed = 20;
std::string CsvProblemList(const std::vector<CsvProblem>& problems, const MessageCatalog& catalog);

} // namespace qtr
