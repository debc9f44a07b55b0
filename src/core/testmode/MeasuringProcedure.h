#pragma once

#include "core/testmode/PollTimer.h"
#include "core/testmode/TestModeValues.h"
#include "core/testmode/TuningCommands.h"
#include "core/testmode/TuningItems.h"

namespace qtr::testmode {

// The procedure of an item whose value the radio measures itself: while measuring, the
// radio is asked for its value at every tick of the poll timer; OK stores the last value
// shown, Cancel the value of the start. Operations return false when an exchange failed
// for good; the procedure is then over.
class MeasuringProcedure {
public:
    static constexpr std::uint32_t kPollIntervalMs = 550;

    MeasuringProcedure(TuningCommands& commands, TestModeValues& values, PollTimer& timer, int itemIndex);

    int TitleId() const;
    int Value() const { return value_; }
    bool Measuring() const { return measuring_; }

    void ToggleMeasuring();
    // One tick of the poll timer. A tick that comes while the previous one is still
    // waiting, or while measuring is off, sends nothing.
    bool Tick();
    bool Keep();
    bool Restore();

private:
    bool Finish(int value);

    TuningCommands& commands_;
    TestModeValues& values_;
    PollTimer& timer_;
    std::uint8_t code_;
    std::size_t entry_;
    TuningDialog dialog_;
    int value_;
    bool measuring_ = false;
    bool polling_ = false;
};

} // namespace qtr::testmode
