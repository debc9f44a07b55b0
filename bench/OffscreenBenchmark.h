#pragma once

// What the window benchmarks share: the report of a median against the bound, a run on the
// offscreen platform, and the program started on a 16-channel radio.

#include "core/app/Workspace.h"
#include "core/channels/ChannelCommits.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "gui/program/DesktopApplication.h"
#include "gui/program/DesktopSeams.h"
#include "gui/app/MainWindow.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    QApplication qt(argc, argv);
    return run(runs);
}

// The RB-8100L LMR with all 16 channels in use, tones and all, so that every cell and list
// has something to show.
inline void ProgramSixteenChannels(qtr::Workspace& app)
{
    constexpr int kLmrUhfL = 3;
    constexpr int kSixteenChannels = 16;
    app.state.currentModel = *qtr::ModelRecordFor(kLmrUhfL, kSixteenChannels);
    qtr::BuildImageForCurrentModel(app.state);
    qtr::ChannelCommits commits(app.channels, app.codec, app.prompter);
    for (int slot = 0; slot < kSixteenChannels; ++slot) {
        const std::string frequency = std::to_string(451 + slot) + ".0125";
        commits.StoreFrequency(slot, qtr::ChannelField::ReceiveFrequency, frequency, true);
        commits.StoreToneText(slot, qtr::ChannelField::DecodeTone, "D023N");
        commits.StoreToneText(slot, qtr::ChannelField::EncodeTone, "88.5");
    }
}

// Starts the program as the user does, with no editor open and 16 channels programmed, and
// hands its main window to `use`; gives the exit status.
inline int WithSixteenChannelProgram(const std::function<int(qtr::gui::MainWindow&)>& use)
{
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    if (const auto status = program.StartProgram({QApplication::arguments().first()}))
        return *status;
    qtr::gui::MainWindow& frame = *program.Window();
    QCoreApplication::processEvents();
    frame.CloseAllEditors();
    QCoreApplication::processEvents();
    ProgramSixteenChannels(frame.App());
    return use(frame);
}

// A whole window benchmark: `measure` gets the main window of a 16-channel program and the
// number of runs asked for.
inline int RunOnSixteenChannels(int argc, char** argv, int (*measure)(qtr::gui::MainWindow& frame, int runs))
{
    return RunOffscreen(argc, argv, [measure](int runs) {
        return WithSixteenChannelProgram([measure, runs](qtr::gui::MainWindow& frame) { return measure(frame, runs); });
    });
}

} // namespace bench
