#pragma once

#include "core/channels/ChannelField.h"

#include <string>

namespace qtr {

class ChannelTable;
class FrequencyCodec;
class Prompter;

// Stores a typed frequency as ChannelTable::SetFrequency does, after warning the user when
// it lies outside the model's band.
int StoreWithBandWarning(ChannelTable& channels, Prompter& prompter, int slot, ChannelField which, std::string& text);

// What the channel windows (grid, edit form, copy dialogs) store when the user commits a
// value, with the rules that keep the channel and the references to it consistent. Where
// the windows commit the same thing, they commit it here. Every commit tells the windows
// through the image's notices: the channel windows show the channels again, and the edit
// history keeps it as one step.
class ChannelCommits {
public:
    ChannelCommits(ChannelTable& channels, FrequencyCodec& codec, Prompter& prompter);

    // A typed frequency. With `simplexWhenNew`, a receive frequency that creates the channel
    // is its transmit frequency too. Gives SetFrequency's result for the typed field.
    int StoreFrequency(int slot, ChannelField which, const std::string& text, bool simplexWhenNew);
    // An entry of a Parlane frequency list (all of them inside the model's band): receive
    // and transmit frequency.
    int StoreParlaneFrequency(int slot, const std::string& entry);
    // Entry `entry` of a Parlane tone list: decode and encode tone and the tone number.
    void StoreParlaneTone(int slot, int entry);
    // The text of an LMR tone list, or of the encode list of QT/DQT Copy, as a tone.
    void StoreToneText(int slot, ChannelField which, const std::string& listText);
    // The value a list entry carries, and a check box's state.
    void StoreListField(int slot, ChannelField field, int value);
    void StoreCheckField(int slot, ChannelField field, bool checked);
    // Channel Copy onto `target`; ChannelTable's result, the windows told when it stored.
    int CopyChannel(int source, int target);
    // The tone a tone list's text stands for: the off text as it is, LMR texts cut to six
    // characters, Parlane texts without their "(NN) " prefix.
    std::string ToneToStore(const std::string& listText) const;

    // A channel slot opened before `slot`; false when there was no room. The priority
    // channel no longer names the channel it did, so it becomes none.
    bool InsertChannel(int slot);
    // After the user confirms: removes the programmed channel and closes the gap.
    bool DeleteChannel(int slot);

private:
    void AfterReceiveStore(int slot);
    void Announce(int commandNameId = 0) const;

    ChannelTable& channels_;
    FrequencyCodec& codec_;
    Prompter& prompter_;
};

} // namespace qtr
