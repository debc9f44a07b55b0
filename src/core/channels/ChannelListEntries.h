#pragma once

#include "core/channels/ChannelTexts.h"
#include "core/model/FieldRoutines.h"

#include <string>
#include <vector>

namespace qtr {

class ChannelTable;
class FrequencyCodec;

// The entries of the channel windows' lists and which entry shows a channel's value.
class ChannelListEntries {
public:
    static constexpr int kNoEntry = -1;

    ChannelListEntries(ChannelTable& channels, FrequencyCodec& codec);

    // "(0) " and the off text, then "(NN) " and each frequency of the model's Parlane list.
    std::vector<std::string> ParlaneFrequencyEntries() const;
    // The entry that shows the slot's receive frequency: 0 for none, and for 154.60000 MHz
    // the one of the two entries that the channel chose.
    int ParlaneFrequencyEntry(int slot) const;
    // The entry of the model's tone list that shows a tone text; an LMR value that is not
    // in the list has none and is shown in the list's edit field.
    int ToneEntry(const std::string& toneText) const;
    // The entry of a field's value list that carries the value.
    static int ValueEntry(const ValueList& list, int value);

private:
    ChannelTexts texts_;
    FrequencyCodec& codec_;
};

} // namespace qtr
