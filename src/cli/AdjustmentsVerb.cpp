#include "cli/CliProgram.h"

#include "core/link/RadioSession.h"
#include "core/testmode/AdjustmentSheet.h"
#include "core/testmode/TestModeEntry.h"

#include <algorithm>
#include <ostream>

namespace qtr::cli {

namespace {

using testmode::sheet::Row;

constexpr int kItemHeaderId = 3900600;
constexpr std::size_t kColumnGap = 2;

std::vector<std::string> Cells(const Row& row, const testmode::TuningValueTable& values, const std::string& none)
{
    std::vector<std::string> cells;
    for (const int entry : row.entries)
        cells.push_back(entry < 0 ? none : std::to_string(values[static_cast<std::size_t>(entry)]));
    return cells;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i == 0 ? "" : ",") << CsvField(fields[i]);
    out << '\n';
}

void WriteTextLine(std::ostream& out, const std::vector<std::string>& fields, const std::vector<std::size_t>& widths)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += fields[i] + std::string(i + 1 < fields.size() ? widths[i] + kColumnGap - fields[i].size() : 0, ' ');
    out << line << '\n';
}

} // namespace

// Enters test mode, reads the adjustment values, prints them as the adjustment sheet lists
// them, and ends test mode again.
int CliProgram::Adjustments(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"port", "retries", "format"}, 0, "no FILE"))
        return 1;
    const std::string format = arguments.Option("format").value_or("text");
    if (format != "text" && format != "csv")
        return Fail("--format is text or csv");
    if (const auto problem = PrepareLink(arguments))
        return Fail(*problem);
    RadioSession session(link_, prompter_, app_.catalog, &progress_);
    testmode::TestModeValues values;
    constexpr const char* kStopped = "stopped while reading the adjustment values: test mode ended; the radio is unchanged";
    if (!testmode::TestModeEntry(session, nullptr, values).Run())
        return Stopped() ? Interrupted(kStopped) : 1;
    testmode::SendEndOfTestMode(session);
    link_.Port().SetOpen(0);
    if (Stopped())
        return Interrupted(kStopped);

    std::vector<std::vector<std::string>> table{{Text(kItemHeaderId)}};
    for (const int id : testmode::sheet::kColumnHeaderIds)
        table.front().push_back(Text(id));
    for (const Row& row : testmode::sheet::Rows()) {
        table.push_back({Text(row.nameId)});
        for (auto& cell : Cells(row, values.tuningValues, Text(testmode::sheet::kNoValueId)))
            table.back().push_back(std::move(cell));
    }
    if (format == "csv") {
        for (const auto& line : table)
            WriteCsvLine(out_, line);
        return 0;
    }
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& line : table) {
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    out_ << Text(testmode::sheet::kTitleId) << '\n';
    for (const auto& line : table)
        WriteTextLine(out_, line, widths);
    return 0;
}

} // namespace qtr::cli
