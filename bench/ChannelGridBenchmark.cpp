// Opening the Channel Information window on a 16-channel model with every channel
// programmed, and refreshing all of its rows, each against the 30 ms bound, on the
// offscreen platform.
//
//   bench_channel_grid [runs]
//
// Settings go to a temporary folder.

#include "gui/app/MainWindow.h"
#include "core/app/CommandIds.h"
#include "gui/app/DesktopApplication.h"
#include "gui/app/DesktopSeams.h"
#include "gui/channels/ChannelGridView.h"
#include "core/channels/ChannelCommits.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"

#include "OffscreenBenchmark.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kLmrUhfL = 3;
constexpr int kSixteenChannels = 16;

// The RB-8100L LMR with all 16 channels in use, tones and all, so that every cell has a text.
void ProgramSixteenChannels(qtr::Workspace& app)
{
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

double Milliseconds(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Run(int runs)
{
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    if (const auto status = program.StartProgram({QApplication::arguments().first()}))
        return *status;
    qtr::gui::MainWindow& frame = *program.Window();
    QCoreApplication::processEvents();
    ProgramSixteenChannels(frame.App());

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
    return bench::RunOffscreen(argc, argv, Run);
}
