#pragma once

#include "sim/LinePacer.h"
#include "sim/RadioProtocol.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qtr::sim {

// A simulated radio on a pseudo-terminal: the program opens the slave side as its serial
// port, the radio answers on the master side from a thread of its own, and only when the
// program's line rate is its own.
class RadioSimulator {
public:
    // `following` radios take the first one's place in turn (see RadioProtocol).
    explicit RadioSimulator(const RadioProfile& profile, std::vector<RadioProfile> following = {});
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // Opens the pseudo-terminal and starts answering; returns the slave's path. Throws
    // std::runtime_error when no pseudo-terminal can be had.
    std::string Start();
    // Stops answering and closes the pseudo-terminal; the memory stays readable.
    void Stop();
    const std::string& SlavePath() const { return slavePath_; }

    ImageBytes Memory() const;
    std::vector<ImageBytes> Memories() const;
    bool InProgrammingMode() const;
    TestModeState TestMode() const;
    // Every byte the program sent, at any rate, in order.
    std::vector<std::uint8_t> Received() const;
    // How many bytes the radio has sent.
    std::size_t SentCount() const { return sent_; }
    // The line was hung up by a fault.
    bool HungUp() const { return hungUp_; }
    // Waits until `done` holds of the radio, checked each time the radio has taken in bytes or
    // acted on them, or until `bound` has passed; whether it holds.
    bool WaitUntil(const std::function<bool(const RadioSimulator&)>& done, std::chrono::milliseconds bound) const;

private:
    void Serve();
    bool RateMatches() const;
    void TakeInput();
    // Sends every answer that is due; false when the line is gone.
    bool Answer(bool lineQuiet);
    void CloseLine();
    void TellWaiters();

    mutable std::mutex mutex_;
    // Separate from mutex_, so that a waiter's check can read the radio.
    mutable std::mutex changeMutex_;
    mutable std::condition_variable changed_;
    RadioProtocol protocol_;
    LinePacer pacer_;
    unsigned rate_;
    std::vector<std::uint8_t> received_;
    int master_ = -1;
    int slaveHold_ = -1; // keeps the pseudo-terminal alive while the program has it closed
    int stopPipe_[2] = {-1, -1};
    std::string slavePath_;
    std::thread thread_;
    std::atomic<bool> hungUp_ = false;
    std::atomic<std::size_t> sent_ = 0;
};

} // namespace qtr::sim
