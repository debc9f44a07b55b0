// File > Import Channels and `qtr31x-cli import-csv` of lists that must be refused: a
// 100,000-row list, a list of rows just under the size bound, and a bound's worth of one
// line of separators or of carriage returns, each against the 100 ms bound.
//
//   bench_csv_import [runs]

#include "core/base/MessageCatalog.h"
#include "core/channels/ChannelCsv.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"

#include "OffscreenBenchmark.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kRefusalBoundMilliseconds = 100.0;

std::string Rows(int count)
{
    std::string text = "Location,Frequency,Tone,rToneFreq\n";
    for (int row = 1; row <= count; ++row)
        text += std::to_string(row) + ",151.5,Tone,88.5\n";
    return text;
}

int Measure(int runs)
{
    const auto folder = std::filesystem::temp_directory_path() / ("qtr31x-bench-csv-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::vector<std::pair<const char*, std::string>> lists{
        {"a 100,000-row list", Rows(100000)},
        {"a list just under the size bound", Rows(45000).substr(0, qtr::kChannelListLimit)},
        {"one line of separators up to the bound", "Location,Frequency\n" + std::string(qtr::kChannelListLimit - 20, ',')},
        {"carriage returns up to the bound", "Location,Frequency\r" + std::string(qtr::kChannelListLimit - 20, '\r')},
    };
    qtr::RadioState state;
    state.currentModel = *qtr::ModelRecordFor(3, 16);
    qtr::BuildImageForCurrentModel(state);
    const qtr::MessageCatalog catalog;
    int status = 0;
    for (const auto& [what, text] : lists) {
        const std::string path = (folder / "list.csv").string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const qtr::ChannelCsvImport imported = qtr::ImportChannelCsvFile(path, state, catalog);
            (void)qtr::CsvProblemList(imported.problems, catalog);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            status |= imported.Imported() ? 1 : 0; // each must be refused
        }
        bench::Report(what, times, kRefusalBoundMilliseconds);
    }
    std::filesystem::remove_all(folder);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunOffscreen(argc, argv, Measure);
}
