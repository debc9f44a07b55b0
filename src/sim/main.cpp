#include "sim/RadioSimulator.h"
#include "sim/SimCommandLine.h"
#include "core/base/ProgramVersion.h"
#include "core/document/DataFile.h"

#include <csignal>
#include <iostream>
#include <stdexcept>

namespace {

// Waits for Ctrl+C or a termination request; the radio answers from its own thread.
void WaitForStopSignal()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    int received = 0;
    sigwait(&signals, &received);
}

void BlockStopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = qtr::sim::SimCommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "qtr31x-sim: " << error << '\n' << qtr::sim::SimCommandLine::Usage();
        return 2;
    }
    if (options->version) {
        std::cout << qtr::VersionLine("qtr31x-sim") << '\n';
        return 0;
    }
    if (options->help) {
        std::cout << qtr::sim::SimCommandLine::Usage();
        return 0;
    }
    BlockStopSignals(); // before the radio's thread starts, so that it inherits the mask
    qtr::sim::RadioSimulator radio(options->profile, options->following);
    try {
        std::cout << radio.Start() << std::endl;
    } catch (const std::runtime_error& failure) {
        std::cerr << "qtr31x-sim: " << failure.what() << '\n';
        return 1;
    }
    WaitForStopSignal();
    radio.Stop();
    if (options->saveFile.empty())
        return 0;
    const auto memory = radio.Memory();
    if (const auto failure = qtr::datafile::Write(options->saveFile, memory, qtr::datafile::MagicFor(memory))) {
        std::cerr << "qtr31x-sim: cannot write " << options->saveFile << ": " << *failure << '\n';
        return 1;
    }
    return 0;
}
