#include "sim/TestModeRadio.h"

#include "core/link/WireBytes.h"
#include "core/model/TestFrequencyFields.h"
#include "core/testmode/TestModeBytes.h"
#include "core/testmode/TuningItems.h"

#include <algorithm>
#include <utility>

namespace qtr::sim {

namespace {

using testmode::TuningItems;

constexpr int kLowest = 0;
constexpr int kHighest = 255;
// Where an unlisted adjustment byte sits, and each item's master value from the factory.
constexpr std::uint8_t kUnlistedValue = 0x80;
constexpr std::array<int, testmode::kTuningItemCount> kFactoryMasters{128, 96, 140, 150, 110, 100, 90, 120,
                                                                       136, 132, 80, 160, 40, 60, 100};
// The points of an item lie around its master value, rising from low to high.
constexpr std::array<int, 6> kSixPointOffsets{0, -12, -6, 0, 6, 12};
constexpr std::array<int, 4> kFourPointOffsets{0, -10, 0, 10};
constexpr int kNarrowOffset = -4;
// The measured value drifts around the item's value, one step every poll period.
constexpr int kMeasureSwing = 8;
constexpr auto kMeasureStep = std::chrono::milliseconds(550);

int Offset(std::size_t points, std::size_t index)
{
    if (points == kSixPointOffsets.size())
        return kSixPointOffsets[index];
    if (points == kFourPointOffsets.size())
        return kFourPointOffsets[index];
    return 0;
}

std::uint8_t Clamped(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, kLowest, kHighest));
}

// Removes a command of `count` bytes; its last byte is what it carries.
std::uint8_t Drop(std::deque<std::uint8_t>& pending, std::size_t count)
{
    const std::uint8_t last = pending[count - 1];
    pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(count));
    return last;
}

bool IsMiddle(std::size_t points, std::size_t index)
{
    const auto tabs = testmode::TabsFor(points);
    return points > 1 && tabs[index] == testmode::TuningTab::Middle;
}

} // namespace

TestModeRadio::TestModeRadio(const RadioIdentity& identity, const ImageBytes& memory)
    : identity_(identity), memory_(memory), adjustments_(FactoryAdjustments())
{
}

testmode::TestData TestModeRadio::FactoryAdjustments()
{
    testmode::TestData data;
    data.fill(kUnlistedValue);
    for (std::size_t item = 0; item < TuningItems().size(); ++item) {
        const auto& entries = TuningItems()[item].wideEntries;
        const int master = kFactoryMasters[item];
        for (std::size_t index = 0; index < entries.size(); ++index)
            data[static_cast<std::size_t>(entries[index])] = Clamped(master + Offset(entries.size(), index));
        if (TuningItems()[item].narrowEntry >= 0)
            data[static_cast<std::size_t>(TuningItems()[item].narrowEntry)] = Clamped(master + kNarrowOffset);
    }
    return data;
}

void TestModeRadio::Enter()
{
    active_ = true;
    transmitting_ = false;
    wide_ = true;
    confirm_.reset();
}

std::optional<TestModeAnswer> TestModeRadio::Take(std::deque<std::uint8_t>& pending, bool& needsMore)
{
    needsMore = false;
    const auto confirm = std::exchange(confirm_, std::nullopt);
    if (pending.front() == wire::kAck) {
        Drop(pending, 1);
        if (confirm)
            return TestModeAnswer{confirm->first, {confirm->second}};
        return std::nullopt; // the program's ACK of a reply that needs no confirmation
    }
    auto answer = TakeCommand(pending, needsMore);
    if (needsMore)
        confirm_ = confirm;
    return answer;
}

std::optional<TestModeAnswer> TestModeRadio::TakeCommand(std::deque<std::uint8_t>& pending, bool& needsMore)
{
    const std::uint8_t command = pending.front();
    const auto twoBytes = [&]() -> std::optional<std::uint8_t> {
        if (pending.size() < 2) {
            needsMore = true;
            return std::nullopt;
        }
        return Drop(pending, 2);
    };
    switch (command) {
    case wire::kIdentityRequest:
        Drop(pending, 1);
        confirm_ = {Step::IdentityConfirm, wire::kAck};
        return TestModeAnswer{Step::Identity, {identity_.begin(), identity_.end()}};
    case wire::kTestDataRequest:
        Drop(pending, 1);
        confirm_ = {Step::TestDataConfirm, wire::kAck};
        return TestModeAnswer{Step::TestData, {adjustments_.begin(), adjustments_.end()}};
    case wire::kPointValuesRequest:
        Drop(pending, 1);
        return PointValues();
    case wire::kTransmitCommand: {
        const auto state = twoBytes();
        if (!state)
            return std::nullopt;
        if (*state == wire::kEnter || *state == wire::kLeave)
            transmitting_ = *state == wire::kEnter;
        return Confirm(Step::Transmit, *state == wire::kEnter || *state == wire::kLeave);
    }
    case wire::kTestChannelCommand: {
        const auto channel = twoBytes();
        return channel ? TestChannel(*channel) : std::nullopt;
    }
    case wire::kTestSignallingCommand: {
        const auto number = twoBytes();
        if (!number)
            return std::nullopt;
        const bool known = *number >= 1 && *number <= wire::kTestSignallingCount;
        if (known)
            signalling_ = *number;
        return Confirm(Step::TestSignalling, known);
    }
    case wire::kWideCommand:
    case wire::kNarrowCommand:
        Drop(pending, 1);
        wide_ = command == wire::kWideCommand;
        return Confirm(Step::Wide, true);
    case wire::kEnd:
        Drop(pending, 1);
        active_ = false;
        transmitting_ = false;
        return Confirm(Step::End, true);
    default:
        return TakeCode(pending, needsMore);
    }
}

// A tuning code and what to do with it.
std::optional<TestModeAnswer> TestModeRadio::TakeCode(std::deque<std::uint8_t>& pending, bool& needsMore)
{
    const auto point = PointOf(pending.front());
    if (!point) {
        Drop(pending, 1);
        return std::nullopt;
    }
    if (pending.size() < 2 || (pending[1] == wire::kSetValue && pending.size() < 3)) {
        needsMore = true;
        return std::nullopt;
    }
    switch (pending[1]) {
    case wire::kEnter:
        Drop(pending, 2);
        selected_ = *point;
        return Confirm(Step::CodeEnter, true);
    case wire::kSetValue:
        return SetValue(*point, Drop(pending, 3));
    case wire::kMeasure:
        Drop(pending, 2);
        return Measure(*point);
    case wire::kLeave:
    case wire::kLeaveRestoring:
        Drop(pending, 2);
        return Confirm(Step::CodeEnd, true);
    default:
        Drop(pending, 2);
        return Confirm(Step::CodeEnter, false);
    }
}

std::optional<TestModeAnswer> TestModeRadio::TestChannel(std::uint8_t channel)
{
    if (channel < 1 || channel > wire::kTestChannelCount)
        return Confirm(Step::TestChannel, false);
    channel_ = channel;
    const auto entry = testfreq::EntryOf(channel - 1);
    const auto first = memory_.begin() + static_cast<std::ptrdiff_t>(entry.offset);
    const bool set = *first != 0xFF;
    confirm_ = {Step::TestChannelConfirm, set ? wire::kAck : wire::kNak};
    return TestModeAnswer{Step::TestChannel, {first, first + static_cast<std::ptrdiff_t>(entry.length)}};
}

TestModeAnswer TestModeRadio::Confirm(Step step, bool accepted) const
{
    return {step, {accepted ? wire::kAck : wire::kNak}};
}

// The master point carries the others with it; the middle point is the master's own value.
TestModeAnswer TestModeRadio::SetValue(const Point& point, std::uint8_t value)
{
    const auto entries = EntriesOf(point.item);
    const int entry = EntryOf(point);
    auto& values = adjustments_;
    const int shift = value - values[static_cast<std::size_t>(entry)];
    values[static_cast<std::size_t>(entry)] = value;
    if (entries.size() > 1 && point.index == 0) {
        for (std::size_t other = 1; other < entries.size(); ++other) {
            auto& shifted = values[static_cast<std::size_t>(entries[other])];
            shifted = Clamped(shifted + shift);
        }
    } else if (IsMiddle(entries.size(), point.index)) {
        values[static_cast<std::size_t>(entries.front())] = value;
    }
    return Confirm(Step::CodeValue, true);
}

TestModeAnswer TestModeRadio::PointValues() const
{
    std::vector<std::uint8_t> bytes;
    if (selected_.item >= 0) {
        for (const int entry : EntriesOf(selected_.item))
            bytes.push_back(adjustments_[static_cast<std::size_t>(entry)]);
    }
    return {Step::PointValues, bytes};
}

TestModeAnswer TestModeRadio::Measure(const Point& point) const
{
    const auto steps = (Clock::now() - start_) / kMeasureStep;
    const int phase = static_cast<int>(steps % (4 * kMeasureSwing));
    const int drift = phase < 2 * kMeasureSwing ? phase - kMeasureSwing : 3 * kMeasureSwing - phase;
    const int value = adjustments_[static_cast<std::size_t>(EntryOf(point))];
    return {Step::Measure, {Clamped(value + drift)}};
}

int TestModeRadio::EntryOf(const Point& point) const
{
    return EntriesOf(point.item)[std::min(point.index, EntriesOf(point.item).size() - 1)];
}

std::vector<int> TestModeRadio::EntriesOf(int item) const
{
    return testmode::PointEntries(TuningItems()[static_cast<std::size_t>(item)], wide_);
}

std::optional<TestModeRadio::Point> TestModeRadio::PointOf(std::uint8_t code)
{
    for (std::size_t item = 0; item < TuningItems().size(); ++item) {
        const auto& codes = TuningItems()[item].pointCodes;
        const auto found = std::find(codes.begin(), codes.end(), code);
        if (found != codes.end())
            return Point{static_cast<int>(item), static_cast<std::size_t>(found - codes.begin())};
    }
    return std::nullopt;
}

} // namespace qtr::sim
