// Time from process start to the main window shown (its first paint), on the offscreen
// platform, against the 0.1 s bound; and the memory the program then holds, against 40 MB.
//
//   bench_startup [runs]
//
// Each run starts this executable again as the program would start, so the time includes
// loading the program and Qt; the child says "ready" and its resident memory on its standard
// output at the moment its window has painted. Settings and all else go to a home of the
// run's own.

#include "gui/app/MainWindow.h"
#include "gui/program/DesktopApplication.h"
#include "gui/program/DesktopSeams.h"

#include <QApplication>
#include <QEvent>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kBoundSeconds = 0.1;
constexpr double kMemoryBoundMegabytes = 40.0;
constexpr int kDefaultRuns = 15;
constexpr char kChildFlag[] = "--child";

// The process's resident memory in kilobytes, as the system reports it.
long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// Says "ready" and the resident memory once the main window has painted the first time.
class FirstPaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::printf("ready %ld\n", ResidentKilobytes());
            std::fflush(stdout);
            QCoreApplication::exit(0); // quit() would close the window and ask the exit question
        }
        return false;
    }
};

int RunChild(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qtr::gui::DesktopSeams seams;
    qtr::gui::DesktopApplication program(seams);
    FirstPaintWatcher watcher;
    if (const auto status = program.StartProgram({qt.arguments().first()}))
        return *status;
    program.Window()->installEventFilter(&watcher);
    return program.Run();
}

struct Start {
    double seconds = -1; // negative when the child never reported
    double megabytes = 0;
};

Start TimeOneStart(const std::string& self)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
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
    char reply[32] = {};
    const ssize_t got = spawned == 0 ? read(channel[0], reply, sizeof reply - 1) : -1;
    const auto end = std::chrono::steady_clock::now();
    close(channel[0]);
    int status = 0;
    if (spawned == 0)
        waitpid(child, &status, 0);
    if (got <= 0 || std::string(reply).rfind("ready ", 0) != 0)
        return {};
    return {std::chrono::duration<double>(end - start).count(), std::atol(reply + 6) / 1024.0};
}

void Report(const char* what, std::vector<double> values, double bound, const char* unit)
{
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    std::printf("%s, %zu runs:\n", what, values.size());
    std::printf("  median %.3f %s (least %.3f, most %.3f)\n", median, unit, values.front(), values.back());
    std::printf("  bound %.3f %s; median/bound ratio %.2f (%s)\n", bound, unit, median / bound,
                median < bound ? "within the bound" : "OVER the bound");
}

int RunParent(int runs)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<double> seconds;
    std::vector<double> megabytes;
    for (int i = 0; i < runs; ++i) {
        const Start start = TimeOneStart(self);
        if (start.seconds < 0) {
            std::fprintf(stderr, "bench_startup: run %d did not reach the main window\n", i + 1);
            return 1;
        }
        seconds.push_back(start.seconds);
        megabytes.push_back(start.megabytes);
    }
    Report("start-up to the main window shown (offscreen)", seconds, kBoundSeconds, "s");
    Report("resident memory with the main window shown", megabytes, kMemoryBoundMegabytes, "MB");
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
