#pragma once

#include "core/model/FrequencyCodec.h"
#include "core/model/TestFrequencyFields.h"

#include <cstdint>
#include <string>

namespace qtr {

class Prompter;
class RadioState;

// The sixteen test channels the radio's test mode and tuning use, each a receive and a
// transmit frequency, with their own step rule (7.5 kHz included on VHF models).
class TestFrequencyTable {
public:
    static constexpr int kEntryCount = testfreq::kEntryCount;

    enum class Column { Receive, Transmit };

    struct StepChoice {
        long long units; // 10 Hz units
        unsigned code;   // 0 2.5 kHz, 1 5 kHz, 2 6.25 kHz, 3 7.5 kHz
    };

    struct CommitResult {
        bool changed = false;          // the text differs from the one the edit started with
        bool defaultsRestored = false; // the last test channel was cleared, so all cells change
    };

    TestFrequencyTable(RadioState& state, FrequencyCodec& codec, Prompter& prompter);

    std::string Text(int entry, Column column) const;
    bool IsSet(int entry) const;
    bool AnySet() const;
    std::uint8_t StepByte(int entry) const;

    // Stores an edited cell (entry 0 to 15) and tells the windows; `startText` is what the
    // cell showed when the edit began.
    CommitResult Commit(int entry, Column column, std::string text, const std::string& startText);

    // The step that fits a frequency best, and the frequency moved onto it.
    static StepChoice TestStepRule(long long units, bool vhf);

private:
    static ImageRange Field(int entry, Column column);
    static ImageField StepField(int entry, Column column);
    bool IsVhfModel() const;
    void StoreByStepRule(int entry, Column column, const std::string& text);
    void ClearEntry(int entry);

    RadioState& state_;
    FrequencyCodec& codec_;
    Prompter& prompter_;
};

} // namespace qtr
