#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/document/DataFile.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"

#include <filesystem>

namespace qtr::cli {

namespace {

int WriteNewDocument(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"model", "channels", "force"}, 1, "exactly one output FILE"))
        return 1;
    const auto modelText = arguments.Option("model");
    const auto channelsText = arguments.Option("channels");
    if (!modelText || !channelsText)
        return context.Fail("new needs --model and --channels");
    const auto model = FindModelType(*modelText);
    if (!model)
        return context.Fail("unknown model \"" + *modelText + "\"");
    const auto channels = WholeNumber(*channelsText);
    const auto record = channels ? ModelRecordFor(*model, *channels) : std::nullopt;
    if (!record)
        return context.Fail("the " + std::string(ModelTable()[static_cast<std::size_t>(*model)].printedName) +
                            " has no " + *channelsText + "-channel version (2 or 8; 15 or 16 on the RB-8100L models)");
    const std::string& path = arguments.Plain().front();
    if (std::filesystem::exists(path) && !arguments.Flag("force"))
        return context.Fail(path + " already exists (use --force to replace it)");

    Workspace& app = context.App();
    app.state.currentModel = *record;
    app.BuildFirstImage();
    BuildImageForNewDocument(app.state);
    if (const auto failure = datafile::Write(path, app.state.image, datafile::MagicFor(app.state.image)))
        return context.Fail("cannot write " + path + ": " + *failure);
    return 0;
}

} // namespace

Verb verbs::New()
{
    return {"new",
            "  qtr31x-cli new --model <0..7 or model name> --channels <2|8|15|16> [--force] FILE\n"
            "      Writes the data file of a new document for the model (File New, then Save As).\n",
            WriteNewDocument};
}

} // namespace qtr::cli
