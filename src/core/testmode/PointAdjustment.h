#pragma once

#include "core/testmode/TestModeValues.h"
#include "core/testmode/TuningCommands.h"
#include "core/testmode/TuningItems.h"
#include "core/testmode/TuningPointTexts.h"
#include "core/base/messages/TestMode.h"

#include <cstdint>
#include <vector>

namespace qtr::testmode {

// The lowest and highest value the master point may take so that every other point,
// moved by the same amount, stays within 0 to 255.
struct ValueRange {
    int low = 0;
    int high = 255;
};
ValueRange MasterRange(int master, const std::vector<int>& others);

// The point adjustment procedure of one item: a page per tuning point, the value of the
// selected point sent to the radio as it changes, and OK or Cancel at the end. Each
// operation returns false when an exchange failed for good; the procedure is then over.
class PointAdjustment {
public:
    static constexpr int kWideSuffixId = messages::testmode::kWideSuffix;
    static constexpr int kNarrowSuffixId = messages::testmode::kNarrowSuffix;

    // The item was selected on the radio before; its first point is the selected one.
    PointAdjustment(TuningCommands& commands, TestModeValues& values, int itemIndex);

    const TuningItem& Item() const { return item_; }
    // The item's name is followed by this mode text, or by nothing (0).
    int TitleSuffixId() const;
    bool OffersTransmitButton() const;
    const std::vector<TuningTab>& Tabs() const { return tabs_; }
    std::size_t CurrentTab() const { return current_; }
    int PageValue(std::size_t tab) const { return pageValues_[tab]; }
    std::uint8_t CurrentCode() const { return codes_[current_]; }
    bool Transmitting() const { return values_.transmitting; }
    PointFrequencies Frequencies(std::size_t tab) const { return TuningPointFrequencies(values_.typeByte, tabs_[tab]); }

    // What the current page may take of a requested value.
    int Allowed(int requested) const;
    // Sends the current page's value (as Allowed makes it) and stores it once confirmed.
    bool ChangeValue(int requested);
    // Selects another point on the radio and reads every point's value back.
    bool ChangeTab(std::size_t tab);
    bool ToggleTransmit();
    // OK: the radio keeps the adjusted values.
    bool Keep();
    // Cancel: every point gets back the value it had when the procedure started.
    bool Restore();

private:
    bool ShiftsWithMaster() const;
    int& StoredValue(std::size_t tab);
    void StoreConfirmed(int value);
    void ShiftOtherPoints(int delta);
    bool TransmitterOffForEnd();
    std::vector<int> OtherPointValues() const;

    TuningCommands& commands_;
    TestModeValues& values_;
    int itemIndex_;
    const TuningItem& item_;
    std::vector<std::uint8_t> codes_;
    std::vector<int> entries_;
    std::vector<TuningTab> tabs_;
    std::vector<int> pageValues_;
    std::size_t current_ = 0;
};

} // namespace qtr::testmode
