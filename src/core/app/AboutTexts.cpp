#include "core/app/AboutTexts.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"

namespace qtr {

namespace {

constexpr const char* kVersion = "1.33";
constexpr const char* kReleaseDate = "JUL/01/2011";

} // namespace

AboutTexts MakeAboutTexts(const MessageCatalog& catalog)
{
    return {.title = catalog.MessageText(messages::app::kAboutTitle, 1),
            .programName = catalog.MessageText(messages::app::kAboutProduct),
            .description = catalog.MessageText(messages::app::kAboutVhfModels) + "\n" +
                catalog.MessageText(messages::app::kAboutUhfModels),
            .version = catalog.MessageText(messages::app::kAboutVersion) + " " + kVersion,
            .release = catalog.MessageText(messages::app::kAboutReleaseDate) + " " + kReleaseDate,
            .closingLines = {catalog.MessageText(messages::app::kAboutCopyright),
                             catalog.MessageText(messages::app::kAboutRightsReserved),
                             catalog.MessageText(messages::app::kAboutProtected)},
            .ok = catalog.MessageText(messages::common::kOk)};
}

} // namespace qtr
