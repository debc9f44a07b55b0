#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/link/RadioInformationQuery.h"
#include "core/link/RadioSession.h"

#include <algorithm>

namespace qtr::cli {

namespace {

int ShowRadioInformation(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"port", "retries"}, 0, "no FILE"))
        return 1;
    if (const auto problem = context.PrepareLink(arguments))
        return context.Fail(*problem);
    const MessageCatalog& catalog = context.App().catalog;
    RadioSession session(context.Link(), context.RadioPrompter(), catalog, &context.Progress());
    const auto information = RadioInformationQuery(session).Run();
    if (!information)
        return 1;
    // The dialog indents its values; a line of text needs no indent.
    const auto trimmed = [](const std::string& text) { return text.substr(std::min(text.find_first_not_of(' '), text.size())); };
    context.Line(context.Text(RadioInformation::kModelLabelId), trimmed(information->ModelText()));
    context.Line(context.Text(RadioInformation::kFrequencyLabelId), trimmed(information->FrequencyText(catalog)));
    context.Line(context.Text(RadioInformation::kSerialNumberLabelId), trimmed(information->SerialNumberText()));
    context.Line(context.Text(RadioInformation::kVersionLabelId), trimmed(information->VersionText()));
    return 0;
}

} // namespace

Verb verbs::Info()
{
    return {"info",
            "  qtr31x-cli info --port <n|device> [--retries N]\n"
            "      Prints what the radio on the port says about itself (Radio Information).\n",
            ShowRadioInformation};
}

} // namespace qtr::cli
