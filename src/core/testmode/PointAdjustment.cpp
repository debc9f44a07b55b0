#include "core/testmode/PointAdjustment.h"

#include <algorithm>

namespace qtr::testmode {

namespace {

constexpr int kHighestValue = 255;

// Transmitter power high and low, and receiver sensitivity, move every point with the
// master in either mode.
bool AlwaysShifts(int itemIndex)
{
    return itemIndex == 0 || itemIndex == 1 || itemIndex == 7;
}

// Items whose title names the channel spacing.
bool NamesSpacing(int itemIndex)
{
    return (itemIndex >= 2 && itemIndex <= 6) || (itemIndex >= 8 && itemIndex <= 10);
}

// The transmitter items show their PTT button; the receiver items do not.
bool ReceiverItem(int itemIndex)
{
    return itemIndex >= 7 && itemIndex <= 9;
}

int Limited(int value)
{
    return std::clamp(value, 0, kHighestValue);
}

} // namespace

ValueRange MasterRange(int master, const std::vector<int>& others)
{
    if (others.empty())
        return {};
    const auto [lowest, highest] = std::ranges::minmax(others);
    return {std::max(0, master - lowest), std::min(kHighestValue, master - highest + kHighestValue)};
}

PointAdjustment::PointAdjustment(TuningCommands& commands, TestModeValues& values, int itemIndex)
    : commands_(commands), values_(values), itemIndex_(itemIndex),
      item_(TuningItems()[static_cast<std::size_t>(itemIndex)]), codes_(PointCodes(item_, values.wide)),
      entries_(PointEntries(item_, values.wide)), tabs_(TabsFor(codes_.size()))
{
    // Until the radio is asked for its point values, every page shows what it reported
    // when the procedure started.
    for (const int entry : entries_)
        pageValues_.push_back(values_.tuningValues[static_cast<std::size_t>(entry)]);
}

int PointAdjustment::TitleSuffixId() const
{
    if (!NamesSpacing(itemIndex_))
        return 0;
    return values_.wide ? kWideSuffixId : kNarrowSuffixId;
}

bool PointAdjustment::OffersTransmitButton() const
{
    return !ReceiverItem(itemIndex_);
}

bool PointAdjustment::ShiftsWithMaster() const
{
    return AlwaysShifts(itemIndex_) || values_.wide;
}

int& PointAdjustment::StoredValue(std::size_t tab)
{
    return values_.tuningValues[static_cast<std::size_t>(entries_[tab])];
}

std::vector<int> PointAdjustment::OtherPointValues() const
{
    std::vector<int> others;
    for (std::size_t tab = 1; tab < entries_.size(); ++tab)
        others.push_back(values_.tuningValues[static_cast<std::size_t>(entries_[tab])]);
    return others;
}

int PointAdjustment::Allowed(int requested) const
{
    const int value = Limited(requested);
    if (current_ != 0 || !values_.wide)
        return value;
    const int master = values_.tuningValues[static_cast<std::size_t>(entries_.front())];
    const ValueRange range = MasterRange(master, OtherPointValues());
    return std::clamp(value, range.low, range.high);
}

bool PointAdjustment::ChangeValue(int requested)
{
    const int value = Allowed(requested);
    if (!commands_.SetValue(CurrentCode(), value))
        return false;
    StoreConfirmed(value);
    return true;
}

// The radio moves its other points with the master itself, and makes the middle point
// the master; the program's copy follows.
void PointAdjustment::StoreConfirmed(int value)
{
    const int before = StoredValue(current_);
    StoredValue(current_) = value;
    pageValues_[current_] = value;
    if (current_ == 0 && ShiftsWithMaster())
        ShiftOtherPoints(value - before);
    if (tabs_[current_] == TuningTab::Middle && ShiftsWithMaster()) {
        StoredValue(0) = value;
        pageValues_[0] = value;
    }
}

void PointAdjustment::ShiftOtherPoints(int delta)
{
    for (std::size_t tab = 1; tab < entries_.size(); ++tab) {
        StoredValue(tab) = Limited(StoredValue(tab) + delta);
        pageValues_[tab] = StoredValue(tab);
    }
}

bool PointAdjustment::ChangeTab(std::size_t tab)
{
    if (values_.transmitting) {
        if (!commands_.TransmitterOff())
            return false;
        values_.transmitting = false;
    }
    if (!commands_.Select(codes_[tab]))
        return false;
    current_ = tab;
    const auto bytes = commands_.ReadPointValues(codes_.size());
    if (!bytes)
        return false;
    for (std::size_t point = 0; point < bytes->size(); ++point)
        pageValues_[point] = (*bytes)[point];
    // A master byte of 0 is not taken: the master page keeps the stored value.
    if (bytes->front() == 0)
        pageValues_[0] = StoredValue(0);
    return true;
}

bool PointAdjustment::ToggleTransmit()
{
    const bool on = !values_.transmitting;
    if (!commands_.SetTransmit(on))
        return false;
    values_.transmitting = on;
    return true;
}

bool PointAdjustment::TransmitterOffForEnd()
{
    if (!values_.transmitting)
        return true;
    if (!commands_.SetTransmit(false))
        return false;
    values_.transmitting = false;
    return true;
}

bool PointAdjustment::Keep()
{
    return TransmitterOffForEnd() && commands_.End(CurrentCode());
}

bool PointAdjustment::Restore()
{
    if (!TransmitterOffForEnd())
        return false;
    const bool onePoint = codes_.size() == 1;
    for (std::size_t tab = 0; tab < codes_.size(); ++tab) {
        const std::uint8_t code = onePoint ? CurrentCode() : codes_[tab];
        const int start = values_.tuningValuesAtStart[static_cast<std::size_t>(entries_[tab])];
        if ((!onePoint && !commands_.Select(code)) || !commands_.SetValue(code, start))
            return false;
        StoredValue(tab) = start;
    }
    const std::uint8_t last = onePoint ? CurrentCode() : codes_.back();
    return commands_.End(last, EndByteAfterRestore(last, values_.wide));
}

} // namespace qtr::testmode
