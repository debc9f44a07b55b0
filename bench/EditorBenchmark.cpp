// Opening and closing each settings window (Optional Features, Key Assignment, Scan
// Information) on a 16-channel LMR model with every channel programmed, against the 30 ms
// bound, on the offscreen platform.
//
//   bench_editors [runs]
//
// Settings go to a temporary folder.

#include "core/app/CommandIds.h"
#include "core/channels/ChannelCommits.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "gui/app/DesktopApplication.h"
#include "gui/app/DesktopSeams.h"
#include "gui/app/MainWindow.h"

#include "OffscreenBenchmark.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr int kLmrUhfL = 3;
constexpr int kSixteenChannels = 16;

struct Editor {
    int commandId;
    const char* name;
};

void ProgramSixteenChannels(qtr::Workspace& app)
{
    app.state.currentModel = *qtr::ModelRecordFor(kLmrUhfL, kSixteenChannels);
    qtr::BuildImageForCurrentModel(app.state);
    qtr::ChannelCommits commits(app.channels, app.codec, app.prompter);
    for (int slot = 0; slot < kSixteenChannels; ++slot)
        commits.StoreFrequency(slot, qtr::ChannelField::ReceiveFrequency, std::to_string(451 + slot) + ".0125", true);
}

// One opening and closing of the editor's window, with the events they post handled.
double OpenAndCloseMilliseconds(qtr::gui::MainWindow& frame, int commandId)
{
    const auto start = std::chrono::steady_clock::now();
    frame.OpenEditorWindow(commandId);
    QCoreApplication::processEvents();
    frame.CloseAllEditors();
    QCoreApplication::processEvents();
    // A closed window is deleted once control is back in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    frame.CloseAllEditors();
    QCoreApplication::processEvents();
    ProgramSixteenChannels(frame.App());

    using namespace qtr::command;
    const Editor editors[] = {{kOptionalFeatures, "opening and closing Optional Features"},
                              {kKeyAssignment, "opening and closing Key Assignment"},
                              {kScanInformation, "opening and closing Scan Information"}};
    for (const Editor& editor : editors) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(OpenAndCloseMilliseconds(frame, editor.commandId));
        bench::Report(editor.name, times);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunOffscreen(argc, argv, Run);
}
