#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/link/RadioSession.h"
#include "core/testmode/AdjustmentSheet.h"
#include "core/testmode/TestModeEntry.h"
#include "core/base/messages/TestMode.h"

#include <algorithm>
#include <ostream>

namespace qtr::cli {

namespace {

using testmode::sheet::Row;

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

// The adjustment sheet's items, a header line first.
std::vector<std::vector<std::string>> SheetTable(const CliContext& context, const testmode::TestModeValues& values)
{
    std::vector<std::vector<std::string>> table{{context.Text(messages::testmode::kItemHeader)}};
    for (const int id : testmode::sheet::kColumnHeaderIds)
        table.front().push_back(context.Text(id));
    for (const Row& row : testmode::sheet::Rows()) {
        table.push_back({context.Text(row.nameId)});
        for (auto& cell : Cells(row, values.tuningValues, context.Text(testmode::sheet::kNoValueId)))
            table.back().push_back(std::move(cell));
    }
    return table;
}

void WriteTextTable(std::ostream& out, const std::string& title, const std::vector<std::vector<std::string>>& table)
{
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& line : table) {
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    out << title << '\n';
    for (const auto& line : table)
        WriteTextLine(out, line, widths);
}

// Enters test mode, reads the adjustment values, prints them as the adjustment sheet lists
// them, and ends test mode again.
int PrintAdjustments(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {"port", "retries", "format"}, 0, "no FILE"))
        return 1;
    const std::string format = arguments.Option("format").value_or("text");
    if (format != "text" && format != "csv")
        return context.Fail("--format is text or csv");
    if (const auto problem = context.PrepareLink(arguments))
        return context.Fail(*problem);
    RadioSession session(context.Link(), context.RadioPrompter(), context.App().catalog, &context.Progress());
    testmode::TestModeValues values;
    constexpr const char* kStopped = "stopped while reading the adjustment values: test mode ended; the radio is unchanged";
    if (!testmode::TestModeEntry(session, nullptr, values).Run())
        return context.Stopped() ? context.Interrupted(kStopped) : 1;
    testmode::SendEndOfTestMode(session);
    context.Link().Port().SetOpen(0);
    if (context.Stopped())
        return context.Interrupted(kStopped);

    const auto table = SheetTable(context, values);
    if (format == "csv") {
        for (const auto& line : table)
            WriteCsvLine(context.Out(), line);
    } else {
        WriteTextTable(context.Out(), context.Text(testmode::sheet::kTitleId), table);
    }
    return 0;
}

} // namespace

Verb verbs::Adjustments()
{
    return {"adjustments",
            "  qtr31x-cli adjustments --port <n|device> [--retries N] [--format text|csv]\n"
            "      Puts the radio into test mode and prints its adjustment values, item by item.\n",
            PrintAdjustments};
}

} // namespace qtr::cli
