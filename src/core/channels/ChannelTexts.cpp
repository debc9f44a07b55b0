#include "core/channels/ChannelTexts.h"

#include "core/channels/ChannelRecord.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelValueLists.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ParlaneLists.h"
#include "core/model/RadioState.h"
#include "core/model/ToneList.h"

namespace qtr {

ChannelTexts::ChannelTexts(ChannelTable& channels, FrequencyCodec& codec) : channels_(channels), codec_(codec) {}

FormattedField ChannelTexts::FormatField(int slot, ChannelField field)
{
    if (!channels_.IsProgrammed(slot))
        return {};
    if (IsFrequencyField(field) || IsToneField(field))
        return FormatTextField(slot, field);
    return FormatListField(slot, field);
}

std::string ChannelTexts::DecoratedFrequency(int slot, ChannelField which) const
{
    std::string text = channels_.FrequencyText(slot, which);
    codec_.DecorateFrequencyText(text);
    if (text == NumberedEntry(kFirstDuplicateEntry, kDuplicateFrequency)) {
        const bool second = Record(slot).Get(channels::record::kDuplicateEntry) != 0;
        text = NumberedEntry(second ? kSecondDuplicateEntry : kFirstDuplicateEntry, kDuplicateFrequency);
    }
    return text;
}

FormattedField ChannelTexts::FormatTextField(int slot, ChannelField field)
{
    FormattedField shown;
    shown.value = 0;
    if (IsFrequencyField(field))
        shown.text = channels_.FrequencyText(slot, field);
    else if (field == ChannelField::EncodeTone)
        shown.text = EncodeToneText(slot);
    else
        shown.text = codec_.FormatTone(Record(slot).Get(channels::record::kDecodeTone), codec_.State().LineLetter());
    return shown;
}

std::string ChannelTexts::EncodeToneText(int slot)
{
    ChannelRecord record = Record(slot);
    // An encode tone never survives without a transmit frequency.
    if (!record.HasTransmit())
        record.Set(channels::record::kEncodeTone, kToneOff);
    return codec_.FormatTone(record.Get(channels::record::kEncodeTone), codec_.State().LineLetter());
}

FormattedField ChannelTexts::FormatListField(int slot, ChannelField field)
{
    FormattedField shown;
    const ValueList list = channels_.ValueList(field, slot);
    shown.value = ShownListValue(slot, field, list);
    shown.messageId = LookupLabel(shown.value, list);
    return shown;
}

int ChannelTexts::ShownListValue(int slot, ChannelField field, const ValueList& list)
{
    const int stored = channels_.StoredValue(slot, field);
    const bool listed = ChannelValueLists::Offers(list, stored);
    switch (field) {
    case ChannelField::SpUnmute:
        if (list.size() == 1 && stored != 0) {
            channels_.StoreValue(slot, field, 0);
            return 0;
        }
        return stored;
    case ChannelField::BusyChannelLockout:
        if (!listed)
            channels_.StoreValue(slot, field, 0);
        return listed ? stored : 0;
    case ChannelField::PttId:
        // Shown as none, but kept: the PTT ID type may come back.
        return listed || list.empty() ? stored : 0;
    default:
        return stored;
    }
}

ChannelRecord ChannelTexts::Record(int slot) const
{
    return ChannelRecord(codec_.State().image, slot);
}

} // namespace qtr
