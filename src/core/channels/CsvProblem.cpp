#include "core/channels/CsvProblem.h"

#include "core/base/MessageCatalog.h"
#include "core/base/PrintableText.h"
#include "core/base/messages/ChannelList.h"

#include <algorithm>

namespace qtr {

std::string CsvProblemText(const CsvProblem& problem, const MessageCatalog& catalog)
{
    std::string text;
    if (problem.line > 0)
        text = catalog.MessageText(messages::channellist::kLineWord, 1) + " " + std::to_string(problem.line);
    // Column names and values come from the file: nothing in them may drive a terminal.
    if (!problem.column.empty())
        text += (text.empty() ? "" : ", ") + PrintableText(problem.column);
    if (!text.empty())
        text += ": ";
    text += catalog.MessageText(problem.messageId, 1);
    if (!problem.detail.empty())
        text += " " + PrintableText(problem.detail);
    return text;
}

std::string CsvProblemList(const std::vector<CsvProblem>& problems, const MessageCatalog& catalog)
{
    std::string list;
    const std::size_t shown = std::min(problems.size(), kMostProblemsListed);
    for (std::size_t i = 0; i < shown; ++i)
        list += CsvProblemText(problems[i], catalog) + "\n";
    if (shown == problems.size())
        return list;
    std::string more = catalog.MessageText(messages::channellist::kMoreProblems, 1);
    const std::string count = std::to_string(problems.size() - shown);
    if (const auto at = more.find("%d"); at != std::string::npos)
        more.replace(at, 2, count);
    return list + more + "\n";
}

} // namespace qtr
