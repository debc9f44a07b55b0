#include "core/app/FleetReason.h"

#include "core/base/MessageCatalog.h"
#include "core/link/LinkStep.h"

namespace qtr {

std::string FleetReasonText(const FleetReason& reason, const MessageCatalog& catalog)
{
    if (!reason)
        return {};
    std::string text = catalog.MessageText(reason.messageId, 1);
    for (const std::string& value : reason.values)
        text = text.find("%s") == std::string::npos ? text + " " + value : WithText(text, value);
    return text;
}

} // namespace qtr
