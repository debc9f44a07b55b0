#pragma once

namespace qtr {

class ChannelTable;
class RadioState;

// The rows of the channel edit form: row 0 is the channel number, rows 1 to 15 the channel
// fields of the same number. Which control a row has on the model's line, which rows the
// line shows, and which rows a channel lets the user change.
class ChannelFormRules {
public:
    static constexpr int kRowCount = 16;
    static constexpr int kChannelRow = 0;

    enum class Control {
        ChannelNumber,        // edit with spin button
        FrequencyEdit,        // LMR receive and transmit
        ParlaneFrequencyList, // Parlane receive
        Mirror,               // Parlane transmit and encode: read-only copy of the row above
        LmrToneList,
        ParlaneToneList,
        FieldList,
        CheckBox,
    };

    ChannelFormRules(const ChannelTable& channels, const RadioState& state);

    static int LabelMessage(int row);
    Control ControlOf(int row) const;
    bool RowShown(int row) const;
    bool RowEnabled(int row, int slot) const;
    // Enter moves on like Tab, except from a receive frequency that left the slot empty.
    bool EnterMovesOn(int row, int slot) const;

private:
    const ChannelTable& channels_;
    const RadioState& state_;
};

} // namespace qtr
