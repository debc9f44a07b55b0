#include "cli/CliContext.h"
#include "cli/StopReport.h"
#include "cli/Verb.h"

#include "core/link/WriteReadiness.h"

namespace qtr::cli {

namespace {

int WriteRadio(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"port", "retries", "verify", "backup"}, 1, "exactly one FILE"))
        return 1;
    if (const auto problem = context.PrepareLink(arguments))
        return context.Fail(*problem);
    if (!context.LoadImage(arguments.Plain().front()))
        return 1;
    const Workspace& app = context.App();
    if (const auto refusal = WriteReadiness::Refusal(app.state.image, app.catalog))
        return context.Fail(PromptText(*refusal, app.catalog));
    bool kept = true;
    if (context.Transfer(TransferDialogModel::Direction::Write, arguments, kept))
        return 0;
    return context.Stopped() ? context.Interrupted(StopReport(context.Progress().Step(), true)) : 1;
}

} // namespace

Verb verbs::Write()
{
    return {"write",
            "  qtr31x-cli write --port <n|device> [--retries N] [--verify] [--backup DIR] FILE\n"
            "      Writes a data file to the radio on the port (Write to Radio); --verify reads back\n"
            "      what was written, --backup first keeps the radio's memory in DIR.\n",
            WriteRadio};
}

} // namespace qtr::cli
