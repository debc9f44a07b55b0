// Building and drawing every section of a 16-channel LMR image into a PDF (the pages Print,
// Print Preview and Export PDF draw), against the 500 ms bound, on the offscreen platform.
//
//   bench_print [runs]
//
// Settings and the PDF go to temporary folders.

#include "core/report/PrintReport.h"
#include "pages/ReportPainter.h"

#include "OffscreenBenchmark.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

constexpr double kPrintBoundMilliseconds = 500.0;

// All sections, portrait, into a fresh PDF file.
double PrintAllMilliseconds(qtr::Workspace& app, const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const qtr::report::ReportRequest request{qtr::report::OfferedSections(false), false, "bench.dat", std::tm{}};
    const auto failure = qtr::pages::WriteReportPdf(qtr::report::BuildReport(app.state, app.catalog, request), path, false);
    const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (failure)
        std::fprintf(stderr, "bench_print: %s: %s\n", path.c_str(), failure->c_str());
    return elapsed;
}

int Measure(qtr::gui::MainWindow& frame, int runs)
{
    const auto path = std::filesystem::temp_directory_path() / ("qtr31x-bench-" + std::to_string(getpid()) + ".pdf");
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(PrintAllMilliseconds(frame.App(), path.string()));
    std::filesystem::remove(path);
    bench::Report("all sections of a 16-channel LMR image to PDF (11 pages)", times, kPrintBoundMilliseconds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunOnSixteenChannels(argc, argv, Measure);
}
