#pragma once

#include "sim/SimFault.h"
#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"
#include "core/testmode/TestModeValues.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace qtr::sim {

// What the radio's test mode is at a moment, for tests and the demo.
struct TestModeState {
    bool active = false;
    bool transmitting = false;
    bool wide = true;
    int channel = 1;
    int signalling = 1;
    testmode::TestData adjustments{};
};

// One answer of the radio in test mode, before any fault is applied to it.
struct TestModeAnswer {
    Step step;
    std::vector<std::uint8_t> bytes;
};

// The radio in its test mode: test channels from its memory, the test signalling, wide or
// narrow, the transmitter, and the adjustment values that the tuning commands change. The
// radio moves the other points itself when the master point of an item moves.
class TestModeRadio {
public:
    using Clock = std::chrono::steady_clock;

    TestModeRadio(const RadioIdentity& identity, const ImageBytes& memory);

    // Values as a radio leaves the factory with them.
    static testmode::TestData FactoryAdjustments();

    bool Active() const { return active_; }
    // "TUNING " was heard.
    void Enter();
    // Takes the next command from the front of `pending` and answers it; nothing when the
    // bytes are no command (they are dropped) or only the start of one (`needsMore`).
    std::optional<TestModeAnswer> Take(std::deque<std::uint8_t>& pending, bool& needsMore);

    TestModeState State() const { return {active_, transmitting_, wide_, channel_, signalling_, adjustments_}; }

private:
    struct Point {
        int item = -1;
        std::size_t index = 0;
    };
    std::optional<TestModeAnswer> TakeCommand(std::deque<std::uint8_t>& pending, bool& needsMore);
    std::optional<TestModeAnswer> TakeCode(std::deque<std::uint8_t>& pending, bool& needsMore);
    std::optional<TestModeAnswer> TestChannel(std::uint8_t channel);
    TestModeAnswer Confirm(Step step, bool accepted) const;
    TestModeAnswer SetValue(const Point& point, std::uint8_t value);
    TestModeAnswer PointValues() const;
    TestModeAnswer Measure(const Point& point) const;
    // The adjustment entry of a point in the current spacing.
    int EntryOf(const Point& point) const;
    std::vector<int> EntriesOf(int item) const;
    static std::optional<Point> PointOf(std::uint8_t code);

    RadioIdentity identity_;
    const ImageBytes& memory_;
    testmode::TestData adjustments_;
    Clock::time_point start_ = Clock::now();
    bool active_ = false;
    bool transmitting_ = false;
    bool wide_ = true;
    int channel_ = 1;
    int signalling_ = 1;
    Point selected_;
    std::optional<std::pair<Step, std::uint8_t>> confirm_; // the answer to the program's ACK
};

} // namespace qtr::sim
