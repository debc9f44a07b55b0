#pragma once

#include "core/channels/ChannelField.h"
#include "core/channels/ChannelRecord.h"
#include "core/channels/FormattedField.h"
#include "core/model/FieldRoutines.h"

#include <string>

namespace qtr {

class ChannelTable;
class FrequencyCodec;

// What the channel windows, the printout and the channel list show of a channel's
// fields. Slots are 0-based; an empty slot shows nothing.
class ChannelTexts {
public:
    ChannelTexts(ChannelTable& channels, FrequencyCodec& codec);

    // What to show for a field; an empty slot gives the no-channel result. The only writes
    // it makes drop stored combinations that the lists no longer offer.
    FormattedField FormatField(int slot, ChannelField field);
    // Parlane display of a frequency: numbered from the model's list, "(0) " and the off
    // text when unset, and 154.60000 MHz as the list entry the channel chose.
    std::string DecoratedFrequency(int slot, ChannelField which) const;

private:
    FormattedField FormatTextField(int slot, ChannelField field);
    FormattedField FormatListField(int slot, ChannelField field);
    std::string EncodeToneText(int slot);
    ChannelRecord Record(int slot) const;
    int ShownListValue(int slot, ChannelField field, const ValueList& list);

    ChannelTable& channels_;
    FrequencyCodec& codec_;
};

} // namespace qtr
