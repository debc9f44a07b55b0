// Writes and verifies a whole image on four ports at once, each with a simulated radio paced
// at 9600 baud, against one radio on one port, and reports the time as a ratio to the single
// port's: the line is the limit, not the program. Target: under 1.15. Also reports the CPU
// time of the four-port run, simulated radios included, against its wall time. Target: under
// 10%.

#include "sim/RadioSimulator.h"
#include "core/app/FleetStation.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/MessageCatalog.h"
#include "core/model/ModelDefaults.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kRatioTarget = 1.15;
constexpr double kCpuShareTarget = 0.10;
constexpr int kRuns = 3;
constexpr std::size_t kPorts = 4;

class CountingObserver : public qtr::FleetObserver {
public:
    void PortChanged(const qtr::FleetPortState&) override {}
    void RadioDone(const qtr::FleetRecord& record) override { verified += record.verified ? 1 : 0; }
    void RadioSkipped(const qtr::FleetPortState&, const std::string&) override {}
    void Finished(const qtr::FleetSummary&) override {}

    std::atomic<int> verified = 0;
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Measurement {
    double seconds = 0;
    double cpuSeconds = 0;
    bool succeeded = false;
};

// One radio per port, each fresh from the factory and written with the model's defaults.
Measurement Measure(std::size_t ports)
{
    auto profile = qtr::sim::RadioProfile::Factory(*qtr::sim::RadioProfile::IdentityOf("P7100"));
    profile.paced = true;
    std::vector<std::unique_ptr<qtr::sim::RadioSimulator>> radios;
    qtr::FleetPlan plan;
    for (const auto& radio : profile.Series(ports)) {
        radios.push_back(std::make_unique<qtr::sim::RadioSimulator>(radio));
        plan.ports.push_back(radios.back()->Start());
    }
    qtr::RadioState state;
    state.currentModel = profile.identity;
    qtr::BuildImageForCurrentModel(state);
    plan.image = state.image;
    plan.verify = true;
    qtr::MemorySettingsStore settings;
    qtr::MessageCatalog catalog;
    CountingObserver observer;
    qtr::FleetStation station(plan, observer, qtr::FleetStation::DevicePorts(settings), catalog);

    const double cpuBefore = CpuSeconds();
    const auto start = Clock::now();
    Measurement measurement;
    measurement.succeeded = station.Start().empty();
    station.Wait();
    measurement.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    measurement.cpuSeconds = CpuSeconds() - cpuBefore;
    measurement.succeeded = measurement.succeeded && observer.verified == static_cast<int>(ports);
    return measurement;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    std::vector<double> ratios;
    std::vector<double> cpuShares;
    for (int run = 0; run < kRuns; ++run) {
        const Measurement one = Measure(1);
        const Measurement four = Measure(kPorts);
        if (!one.succeeded || !four.succeeded) {
            std::printf("fleet: a radio was not written and verified\n");
            return 1;
        }
        ratios.push_back(four.seconds / one.seconds);
        cpuShares.push_back(four.cpuSeconds / four.seconds);
        std::printf("run %d: one port %.3f s, four ports %.3f s, CPU %.3f s\n", run + 1, one.seconds, four.seconds,
                    four.cpuSeconds);
    }
    const double ratio = Median(ratios);
    const double cpuShare = Median(cpuShares);
    std::printf("%-34s ratio median %.3f  bound %.2f  %s\n", "4 ports against 1, write + verify", ratio, kRatioTarget,
                ratio < kRatioTarget ? "ok" : "OVER");
    std::printf("%-34s share median %.3f  bound %.2f  %s\n", "CPU time of the 4-port run", cpuShare, kCpuShareTarget,
                cpuShare < kCpuShareTarget ? "ok" : "OVER");
    return ratio < kRatioTarget && cpuShare < kCpuShareTarget ? 0 : 1;
}
