#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/base/messages/ChannelList.h"
#include "core/app/FileReport.h"
#include "core/channels/ChannelCsv.h"

#include <filesystem>
#include <ostream>

namespace qtr::cli {

namespace {

int ExportChannels(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"force"}, 2, "a data FILE and an output CSV file"))
        return 1;
    const std::string& output = arguments.Plain()[1];
    if (std::filesystem::exists(output) && !arguments.Flag("force"))
        return context.Fail(output + " already exists (use --force to replace it)");
    if (!context.LoadImage(arguments.Plain()[0]))
        return 1;
    const Workspace& app = context.App();
    if (const auto failure = SaveFile(output, ExportChannelCsv(app.state, app.catalog)))
        return context.Fail("cannot write " + output + ": " + *failure);
    context.Out() << FileReportText(app.catalog, messages::channellist::kChannelsExported, output, app.channels.ProgrammedCount())
                  << '\n';
    return 0;
}

} // namespace

Verb verbs::ExportCsv()
{
    return {"export-csv",
            "  qtr31x-cli export-csv [--force] FILE OUT.csv\n"
            "      Writes the channels of a data file as a generic CSV channel list.\n",
            ExportChannels};
}

} // namespace qtr::cli
