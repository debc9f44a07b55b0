#include "core/app/AboutTexts.h"

#include "core/base/MessageCatalog.h"

namespace qtr {

namespace {

constexpr const char* kVersion = "1.33";
constexpr const char* kReleaseDate = "JUL/01/2011";

} // namespace

AboutTexts MakeAboutTexts(const MessageCatalog& catalog)
{
    return {.title = catalog.MessageText(3002117, 1),
            .programName = catalog.MessageText(1005001),
            .description = catalog.MessageText(1005011) + "\n" + catalog.MessageText(1005012),
            .version = catalog.MessageText(1005003) + " " + kVersion,
            .release = catalog.MessageText(1005005) + " " + kReleaseDate,
            .closingLines = {catalog.MessageText(1005007), catalog.MessageText(1005008), catalog.MessageText(1005009)},
            .ok = catalog.MessageText(1001001)};
}

} // namespace qtr
