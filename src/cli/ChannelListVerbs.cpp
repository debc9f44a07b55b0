#include "cli/CliProgram.h"

#include "core/channels/ChannelCsv.h"
#include "core/document/DataFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace qtr::cli {

namespace {

constexpr int kNotImportedId = 3900808;
constexpr int kCorrectedId = 3900809;

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return file.bad() ? std::nullopt : std::optional<std::string>(text.str());
}

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
    return 0;
}

int CliProgram::ImportCsv(const CliArguments& arguments)
{
    if (!Accepts(arguments, {}, 2, "a data FILE and a CSV file"))
        return 1;
    const std::string& path = arguments.Plain()[0];
    const std::string& input = arguments.Plain()[1];
    if (!LoadImage(path))
        return 1;
    const auto text = ReadWholeFile(input);
    if (!text)
        return Fail("cannot read " + input);
    const ChannelCsvImport imported = ImportChannelCsv(*text, app_.state, app_.catalog);
    if (!imported.Imported()) {
        Fail(input + ": " + Text(kNotImportedId));
        err_ << CsvProblemList(imported.problems, app_.catalog);
        return 1;
    }
    if (!imported.corrections.empty())
        err_ << input << ": " << Text(kCorrectedId) << '\n' << CsvProblemList(imported.corrections, app_.catalog);
    if (const auto failure = datafile::Write(path, imported.image, datafile::MagicFor(imported.image)))
        return Fail("cannot write " + path + ": " + *failure);
    return 0;
}

} // namespace qtr::cli
