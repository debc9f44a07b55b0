#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/app/FileReport.h"
#include "core/channels/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "core/base/messages/ChannelList.h"

#include <ostream>

namespace qtr::cli {

namespace {


// A fault of the file as a whole is one line; problems of its rows follow the line, one each.
int RefuseImport(const CliContext& context, const std::string& input, const ChannelCsvImport& imported)
{
    const MessageCatalog& catalog = context.App().catalog;
    const CsvProblem& first = imported.problems.front();
    if (imported.problems.size() > 1 || first.line > 0) {
        context.Fail(input + ": " + context.Text(messages::channellist::kNotImported));
        context.Err() << CsvProblemList(imported.problems, catalog);
        return 1;
    }
    context.Fail(input + ": " + CsvProblemText(first, catalog));
    if (imported.RefusedAsEmpty())
        context.Err() << "Use --allow-empty to import it all the same, which removes every channel.\n";
    return 1;
}

int ImportChannels(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"allow-empty"}, 2, "a data FILE and a CSV file"))
        return 1;
    const std::string& path = arguments.Plain()[0];
    const std::string& input = arguments.Plain()[1];
    if (!context.LoadImage(path))
        return 1;
    const Workspace& app = context.App();
    const ChannelCsvImport imported = ImportChannelCsvFile(input, app.state, app.catalog, arguments.Flag("allow-empty"));
    if (!imported.Imported())
        return RefuseImport(context, input, imported);
    if (const auto failure = datafile::Write(path, imported.image, datafile::MagicFor(imported.image)))
        return context.Fail("cannot write " + path + ": " + *failure);
    context.Out() << FileReportText(app.catalog, messages::channellist::kChannelsImported, input, imported.channels) << '\n';
    if (!imported.corrections.empty())
        context.Out() << context.Text(messages::channellist::kCorrected) << '\n' << CsvProblemList(imported.corrections, app.catalog);
    return 0;
}

} // namespace

Verb verbs::ImportCsv()
{
    return {"import-csv",
            "  qtr31x-cli import-csv [--allow-empty] FILE IN.csv\n"
            "      Replaces the channels of a data file with those of a CSV channel list; nothing\n"
            "      changes unless every row is right. A list without channels is refused unless\n"
            "      --allow-empty says that removing every channel is meant.\n",
            ImportChannels};
}

} // namespace qtr::cli
