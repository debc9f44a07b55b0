#include "core/app/FileReport.h"

#include "core/base/MessageCatalog.h"
#include "core/link/LinkStep.h"

namespace qtr {

std::string FileReportText(const MessageCatalog& catalog, int messageId, const std::string& path, int count)
{
    // The path goes in last, so that a "%d" in a file name stays as it is.
    return WithText(WithNumbers(catalog.MessageText(messageId, 1), {count}), path);
}

} // namespace qtr
