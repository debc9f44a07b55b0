// Time from process start to the first shown main window that has handled the Channel
// Information command, on the offscreen platform, against the 0.5 s bound.
//
//   bench_startup [runs]
//
// Each run starts this executable again as the program would start, so the time includes
// loading the program and Qt; the child says "ready" on its standard output at the moment
// it is done. Settings go to a temporary folder.

#include "gui/app/MainWindow.h"
#include "core/app/CommandIds.h"
#include "gui/app/DesktopApplication.h"
#include "gui/app/DesktopSeams.h"

#include <QApplication>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kBoundSeconds = 0.5;
constexpr int kDefaultRuns = 15;
constexpr char kChildFlag[] = "--child";

int RunChild(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    if (const auto status = program.StartProgram({qt.arguments().first()}))
        return *status;
    qtr::gui::MainWindow* frame = program.Window();
    QObject::connect(frame, &qtr::gui::MainWindow::CommandHandled, frame, [frame](int id) {
        if (id != qtr::command::kChannelInformation || !frame->isVisible())
            return;
        std::puts("ready");
        std::fflush(stdout);
        QCoreApplication::exit(0); // quit() would close the window and ask the exit question
    });
    return program.Run();
}

// Seconds until the child reports ready, or a negative number when it never does.
double TimeOneStart(const std::string& self)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    std::string flag = kChildFlag;
    char* arguments[] = {const_cast<char*>(self.c_str()), flag.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    char reply[16] = {};
    const ssize_t got = spawned == 0 ? read(channel[0], reply, sizeof reply - 1) : -1;
    const auto end = std::chrono::steady_clock::now();
    close(channel[0]);
    int status = 0;
    if (spawned == 0)
        waitpid(child, &status, 0);
    if (got <= 0 || std::string(reply).rfind("ready", 0) != 0)
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

int RunParent(int runs)
{
    const auto settings = std::filesystem::temp_directory_path() / ("qtr31x-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(settings);
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double seconds = TimeOneStart(self);
        if (seconds < 0) {
            std::fprintf(stderr, "bench_startup: run %d did not reach the main window\n", i + 1);
            std::filesystem::remove_all(settings);
            return 1;
        }
        times.push_back(seconds);
    }
    std::filesystem::remove_all(settings);
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("start-up to main window with Channel Information handled (offscreen), %d runs:\n", runs);
    std::printf("  median %.3f s (fastest %.3f s, slowest %.3f s)\n", median, times.front(), times.back());
    std::printf("  bound %.3f s; median/bound ratio %.2f (%s)\n", kBoundSeconds, median / kBoundSeconds,
                median < kBoundSeconds ? "within the bound" : "OVER the bound");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == kChildFlag)
        return RunChild(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    return RunParent(runs);
}
