#include "cli/CliProgram.h"

#include "core/app/FileReport.h"
#include "core/channels/ChannelCsv.h"
#include "core/document/DataFile.h"

#include <filesystem>
#include <ostream>

namespace qtr::cli {

namespace {

constexpr int kNotImportedId = 3900808;
constexpr int kCorrectedId = 3900809;

} // namespace

int CliProgram::ExportCsv(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"force"}, 2, "a data FILE and an output CSV file"))
        return 1;
    const std::string& output = arguments.Plain()[1];
    if (std::filesystem::exists(output) && !arguments.Flag("force"))
        return Fail(output + " already exists (use --force to replace it)");
    if (!LoadImage(arguments.Plain()[0]))
        return 1;
    if (const auto failure = SaveFile(output, ExportChannelCsv(app_.state, app_.catalog)))
        return Fail("cannot write " + output + ": " + *failure);
    out_ << FileReportText(app_.catalog, filereport::kChannelsExported, output, app_.channels.ProgrammedCount()) << '\n';
    return 0;
}

int CliProgram::ImportCsv(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"allow-empty"}, 2, "a data FILE and a CSV file"))
        return 1;
    const std::string& path = arguments.Plain()[0];
    const std::string& input = arguments.Plain()[1];
    if (!LoadImage(path))
        return 1;
    const ChannelCsvImport imported = ImportChannelCsvFile(input, app_.state, app_.catalog, arguments.Flag("allow-empty"));
    if (!imported.Imported())
        return RefuseImport(input, imported);
    if (const auto failure = datafile::Write(path, imported.image, datafile::MagicFor(imported.image)))
        return Fail("cannot write " + path + ": " + *failure);
    out_ << FileReportText(app_.catalog, filereport::kChannelsImported, input, imported.channels) << '\n';
    if (!imported.corrections.empty())
        out_ << Text(kCorrectedId) << '\n' << CsvProblemList(imported.corrections, app_.catalog);
    return 0;
}

// A fault of the file as a whole is one line; problems of its rows follow the line, one each.
int CliProgram::RefuseImport(const std::string& input, const ChannelCsvImport& imported)
{
    const CsvProblem& first = imported.problems.front();
    if (imported.problems.size() > 1 || first.line > 0) {
        Fail(input + ": " + Text(kNotImportedId));
        err_ << CsvProblemList(imported.problems, app_.catalog);
        return 1;
    }
    Fail(input + ": " + CsvProblemText(first, app_.catalog));
    if (imported.RefusedAsEmpty())
        err_ << "Use --allow-empty to import it all the same, which removes every channel.\n";
    return 1;
}

} // namespace qtr::cli
