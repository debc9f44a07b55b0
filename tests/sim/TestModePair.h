#pragma once

#include "RadioPair.h"
#include "core/model/TestFrequencyFields.h"
#include "core/testmode/TestModeBytes.h"
#include "core/testmode/TestModeEntry.h"
#include "core/testmode/TestModePanelModel.h"

#include <memory>

namespace qtr::test {

// Short waits for test mode too: the transmitter's ACK and the pause before entering again.
inline LinkTiming QuickTestModeTiming()
{
    LinkTiming timing = QuickTiming();
    timing.transmitAckMs = 200;
    timing.afterTransmitMs = 200;
    timing.testModeRestartMs = 20;
    return timing;
}

// The program and a simulated radio whose test channels the program's image has too, with
// the entry into test mode and the panel's operations on the one link.
class TestModePair {
public:
    static constexpr std::uint32_t kReadTimeoutMs = 200;

    explicit TestModePair(const sim::RadioProfile& profile) : TestModePair(profile, profile.identity) {}
    TestModePair(const sim::RadioProfile& profile, const ModelRecord& programModel)
        : pair(profile, QuickTestModeTiming())
    {
        pair.StartWith(programModel);
        const auto& range = testfreq::kEntries;
        std::copy_n(profile.memory.begin() + range.offset, range.length, pair.app.state.image.begin() + range.offset);
        pair.link.Port().SetReadTimeout(kReadTimeoutMs);
    }

    bool Enter() { return testmode::TestModeEntry(session, &pair.app.state.image, values).Run(); }
    // Enters test mode and opens the panel's model.
    testmode::TestModePanelModel& OpenPanel()
    {
        if (!Enter())
            throw std::runtime_error("test mode not entered");
        panel = std::make_unique<testmode::TestModePanelModel>(session, pair.app.state.image, values);
        if (panel->Open(pair.app.catalog) != testmode::PanelStep::Done)
            throw std::runtime_error("panel not opened");
        return *panel;
    }
    // What the radio heard after the first `from` bytes, once it has heard `count` of them.
    std::vector<std::uint8_t> HeardSince(std::size_t from, std::size_t count = 0) const
    {
        pair.radio.WaitUntil([&](const sim::RadioSimulator& r) { return r.Received().size() >= from + count; },
                             kHangBound);
        const auto bytes = pair.radio.Received();
        return {bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, bytes.size())), bytes.end()};
    }
    std::size_t HeardCount() const { return pair.radio.Received().size(); }

    RadioPair pair;
    RadioSession session{pair.link, pair.prompter, pair.app.catalog};
    testmode::TestModeValues values;
    std::unique_ptr<testmode::TestModePanelModel> panel;
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> bytes;
    for (const int value : values)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

} // namespace qtr::test
