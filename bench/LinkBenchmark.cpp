// Reads and writes a whole image against the simulated radio paced at 9600 baud, and
// reports each time as a ratio to the floor: every byte on the wire at 11 bit times,
// plus the waits the protocol itself asks for (50 ms before the identity request, and
// 250 ms after the last block of a read). A write with its read-back counts the bytes of
// both. Target: under 1.10 for each.

#include "sim/RadioSimulator.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/Prompter.h"
#include "core/link/PortDirectory.h"
#include "core/link/RadioSession.h"
#include "core/link/RadioTransfer.h"
#include "core/link/TransferProgress.h"
#include "core/model/ModelDefaults.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kTarget = 1.10;
constexpr int kRuns = 5;
constexpr double kRate = 9600.0;

class NoProgress : public qtr::TransferProgress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void SetButtonsEnabled(bool) override {}
};

class NoQuestions : public qtr::Prompter {
public:
    qtr::Answer Ask(const qtr::Prompt&) override { return qtr::Answer::Cancel; }
};

struct Measurement {
    double seconds = 0;
    double floorSeconds = 0;
    bool succeeded = false;

    double Ratio() const { return seconds / floorSeconds; }
};

enum class Transfer { Read, Write, WriteAndVerify };

// One transfer against a fresh radio; the floor comes from the bytes both sides sent.
Measurement Measure(Transfer kind)
{
    const bool reading = kind == Transfer::Read;
    auto profile = qtr::sim::RadioProfile::Factory(*qtr::sim::RadioProfile::IdentityOf("P7100"));
    profile.paced = true;
    qtr::sim::RadioSimulator radio(profile);
    qtr::MemorySettingsStore store;
    store.WriteText(qtr::PortDirectory::kSection, qtr::PortDirectory::SettingName(1), radio.Start());
    qtr::RadioLink link;
    link.Port().UseDeviceSettings(&store);
    NoQuestions prompter;
    NoProgress progress;
    qtr::RadioState state;
    state.currentModel = profile.identity;
    qtr::BuildImageForCurrentModel(state);
    qtr::RadioSession session(link, prompter);
    qtr::RadioTransfer transfer(session, state, progress);
    qtr::RadioIdentity identity{};
    transfer.UseGuards({.verify = kind == Transfer::WriteAndVerify});

    const auto start = Clock::now();
    Measurement measurement;
    measurement.succeeded = reading ? transfer.ReadFromRadio(identity) : transfer.WriteToRadio(identity);
    measurement.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double wireBytes = static_cast<double>(radio.Received().size() + radio.SentCount());
    const qtr::LinkTiming& timing = link.Timing();
    const double waits = (timing.identifyDelayMs + (reading ? timing.afterReadMs : 0)) / 1000.0;
    measurement.floorSeconds = wireBytes * 11.0 / kRate + waits;
    return measurement;
}

bool Report(const char* name, Transfer kind)
{
    std::vector<double> ratios;
    double floorSeconds = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Measurement measurement = Measure(kind);
        if (!measurement.succeeded) {
            std::printf("%s: the transfer failed\n", name);
            return false;
        }
        ratios.push_back(measurement.Ratio());
        floorSeconds = measurement.floorSeconds;
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    std::printf("%-28s floor %.3f s  ratio median %.3f (best %.3f, worst %.3f)  bound %.2f  %s\n", name, floorSeconds,
                median, ratios.front(), ratios.back(), kTarget, median < kTarget ? "ok" : "OVER");
    return median < kTarget;
}

} // namespace

int main()
{
    const bool readOk = Report("read full image at 9600", Transfer::Read);
    const bool writeOk = Report("write full image at 9600", Transfer::Write);
    const bool verifiedOk = Report("write + verify at 9600", Transfer::WriteAndVerify);
    return readOk && writeOk && verifiedOk ? 0 : 1;
}
