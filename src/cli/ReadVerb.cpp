#include "cli/CliContext.h"
#include "cli/StopReport.h"
#include "cli/Verb.h"

#include "core/document/DataFile.h"

#include <filesystem>

namespace qtr::cli {

namespace {

int ReadRadio(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"port", "retries", "force", "backup"}, 1, "exactly one output FILE"))
        return 1;
    const std::string& path = arguments.Plain().front();
    if (std::filesystem::exists(path) && !arguments.Flag("force"))
        return context.Fail(path + " already exists (use --force to replace it)");
    if (const auto problem = context.PrepareLink(arguments))
        return context.Fail(*problem);
    bool kept = true;
    if (!context.Transfer(TransferDialogModel::Direction::Read, arguments, kept))
        return context.Stopped() ? context.Interrupted(StopReport(context.Progress().Step(), false)) : 1;
    const ImageBytes& image = context.App().state.image;
    if (const auto failure = datafile::Write(path, image, datafile::MagicFor(image)))
        return context.Fail("cannot write " + path + ": " + *failure);
    return kept ? 0 : 1;
}

} // namespace

Verb verbs::Read()
{
    return {"read",
            "  qtr31x-cli read --port <n|device> [--retries N] [--force] [--backup DIR] FILE\n"
            "      Reads the radio on the port (Read from Radio) into a new data file; --backup also\n"
            "      keeps a copy in DIR.\n",
            ReadRadio};
}

} // namespace qtr::cli
