#include "core/channels/ChannelListEntries.h"

#include "core/channels/ChannelTable.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ParlaneLists.h"

#include <algorithm>

namespace qtr {

ChannelListEntries::ChannelListEntries(ChannelTable& channels, FrequencyCodec& codec)
    : texts_(channels, codec), codec_(codec)
{
}

std::vector<std::string> ChannelListEntries::ParlaneFrequencyEntries() const
{
    std::vector<std::string> entries{"(0) " + codec_.OffText()};
    if (const auto* list = ParlaneFrequenciesFor(static_cast<std::uint8_t>(codec_.State().Get(identity::kTypeByte)))) {
        for (std::size_t i = 0; i < list->size(); ++i)
            entries.push_back(NumberedEntry(static_cast<int>(i) + 1, (*list)[i]));
    }
    return entries;
}

int ChannelListEntries::ParlaneFrequencyEntry(int slot) const
{
    const std::vector<std::string> entries = ParlaneFrequencyEntries();
    const auto found =
        std::find(entries.begin(), entries.end(), texts_.DecoratedFrequency(slot, ChannelField::ReceiveFrequency));
    return found == entries.end() ? kNoEntry : static_cast<int>(found - entries.begin());
}

int ChannelListEntries::ToneEntry(const std::string& toneText) const
{
    const std::uint8_t line = codec_.State().LineLetter();
    codec_.OrderToneList(line);
    if (line == 'L' && toneText == codec_.LmrOffText())
        return 0;
    const int entry = codec_.ToneIndexOf(toneText);
    return entry < 0 ? kNoEntry : entry;
}

int ChannelListEntries::ValueEntry(const ValueList& list, int value)
{
    const auto found = std::find_if(list.begin(), list.end(), [value](const LabelValue& entry) {
        return entry.value == value;
    });
    return found == list.end() ? kNoEntry : static_cast<int>(found - list.begin());
}

} // namespace qtr
