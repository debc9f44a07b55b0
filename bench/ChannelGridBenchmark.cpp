// Opening the Channel Information window on a 16-channel model with every channel
// programmed, and refreshing all of its rows, each against the 30 ms bound, on the
// offscreen platform.
//
//   bench_channel_grid [runs]
//
// Settings and all else go to a home of the run's own.

#include "core/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/channels/ChannelGridView.h"

#include "OffscreenBenchmark.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace {

double Milliseconds(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Measure(qtr::gui::MainWindow& frame, int runs)
{
    std::vector<double> opening;
    std::vector<double> refreshing;
    for (int i = 0; i < runs; ++i) {
        frame.CloseAllEditors();
        QCoreApplication::processEvents();
        opening.push_back(Milliseconds([&frame] {
            frame.OpenEditorWindow(qtr::command::kChannelInformation);
            QCoreApplication::processEvents();
        }));
        auto& grid = *static_cast<qtr::gui::ChannelGridView*>(frame.EditorView(qtr::command::kChannelInformation));
        refreshing.push_back(Milliseconds([&grid] { grid.RefreshAllRows(); }));
    }
    bench::Report("opening Channel Information on a 16-channel model (offscreen)", opening);
    bench::Report("refreshing all 16 rows", refreshing);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunOnSixteenChannels(argc, argv, Measure);
}
