// Opening and closing each settings window (Optional Features, Key Assignment, Scan
// Information, DTMF, Vantalink, Embedded Message) and opening the Memory Map on a 16-channel LMR model with
// every channel programmed, against the 30 ms bound, on the offscreen platform.
//
//   bench_editors [runs]
//
// Settings and all else go to a home of the run's own.

#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MemoryMapDialog.h"

#include "OffscreenBenchmark.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

struct Editor {
    int commandId;
    const char* name;
};

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

// The Memory Map built on the image and shown, then closed with Cancel.
double OpenMemoryMapMilliseconds(qtr::gui::MainWindow& frame)
{
    const auto start = std::chrono::steady_clock::now();
    {
        qtr::gui::MemoryMapDialog map(frame.App().state.image, frame.App().catalog, frame.App().prompter, &frame);
        map.show();
        QCoreApplication::processEvents();
        map.reject();
    }
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Measure(qtr::gui::MainWindow& frame, int runs)
{
    using namespace qtr::command;
    const Editor editors[] = {{kOptionalFeatures, "opening and closing Optional Features"},
                              {kKeyAssignment, "opening and closing Key Assignment"},
                              {kScanInformation, "opening and closing Scan Information"},
                              {kDtmf, "opening and closing DTMF"},
                              {kVantalink, "opening and closing Vantalink"},
                              {kEmbeddedMessage, "opening and closing Embedded Message"}};
    for (const Editor& editor : editors) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(OpenAndCloseMilliseconds(frame, editor.commandId));
        bench::Report(editor.name, times);
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(OpenMemoryMapMilliseconds(frame));
    bench::Report("opening the Memory Map", times);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunOnSixteenChannels(argc, argv, Measure);
}
