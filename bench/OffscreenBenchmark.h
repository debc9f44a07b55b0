#pragma once

// What the window benchmarks share: the report of a median against the bound, and a run on
// the offscreen platform with settings in a temporary folder.

#include <QApplication>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bench {

constexpr double kWindowBoundMilliseconds = 30.0;
constexpr int kDefaultRuns = 50;

inline void Report(const char* what, std::vector<double> times, double boundMilliseconds = kWindowBoundMilliseconds)
{
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%s, %zu runs:\n", what, times.size());
    std::printf("  median %.2f ms (fastest %.2f ms, slowest %.2f ms)\n", median, times.front(), times.back());
    std::printf("  bound %.0f ms; median/bound ratio %.3f (%s)\n", boundMilliseconds, median / boundMilliseconds,
                median < boundMilliseconds ? "within the bound" : "OVER the bound");
}

// Runs `run` with the number of runs the command line asks for; gives its exit status.
inline int RunOffscreen(int argc, char** argv, const std::function<int(int runs)>& run)
{
    const auto settings = std::filesystem::temp_directory_path() / ("qtr31x-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(settings);
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    int status = 0;
    {
        QApplication qt(argc, argv);
        status = run(runs);
    }
    std::filesystem::remove_all(settings);
    return status;
}

} // namespace bench
