#include "core/channels/ChannelCommits.h"

#include "core/base/Prompter.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelTable.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ParlaneLists.h"

namespace qtr {

namespace {

constexpr std::size_t kLmrToneLength = 6;

} // namespace

ChannelCommits::ChannelCommits(ChannelTable& channels, FrequencyCodec& codec, Prompter& prompter)
    : channels_(channels), codec_(codec), prompter_(prompter)
{
}

int ChannelCommits::StoreFrequency(int slot, ChannelField which, const std::string& text, bool simplexWhenNew)
{
    const bool receive = which == ChannelField::ReceiveFrequency;
    const bool wasEmpty = !channels_.IsProgrammed(slot);
    std::string stored = text;
    const int result = channels_.SetFrequency(slot, which, stored);
    if (receive && wasEmpty && simplexWhenNew && result == ChannelTable::kStored)
        channels_.SetFrequency(slot, ChannelField::TransmitFrequency, stored);
    if (receive)
        AfterReceiveStore(slot);
    channels_.ResetPttIdWithoutTransmit(slot);
    return result;
}

int ChannelCommits::StoreParlaneFrequency(int slot, const std::string& entry)
{
    const int result = channels_.SetParlaneFrequency(slot, entry);
    AfterReceiveStore(slot);
    return result;
}

void ChannelCommits::StoreParlaneTone(int slot, int entry)
{
    codec_.OrderToneList('B');
    const std::string text = codec_.ToneText(entry);
    channels_.SetTone(slot, ChannelField::DecodeTone, text);
    channels_.SetTone(slot, ChannelField::EncodeTone, text);
    channels_.SetToneNumber(slot, entry);
}

void ChannelCommits::StoreToneText(int slot, ChannelField which, const std::string& listText)
{
    channels_.SetTone(slot, which, ToneToStore(listText));
}

std::string ChannelCommits::ToneToStore(const std::string& listText) const
{
    // An off text longer than six characters would otherwise be read as a QT tone.
    if (listText == codec_.OffText() || listText == codec_.LmrOffText())
        return listText;
    if (codec_.State().IsParlane())
        return StripEntryNumber(listText);
    return listText.substr(0, kLmrToneLength);
}

bool ChannelCommits::InsertChannel(int slot)
{
    if (!channels_.InsertChannel(slot))
        return false;
    channels_.ClearPriorityChannel();
    return true;
}

bool ChannelCommits::DeleteChannel(int slot)
{
    if (!channels_.IsProgrammed(slot))
        return false;
    const Prompt question{.captionId = messages::common::kWarningCaption,
                          .messageId = messages::channels::kDeleteQuestion,
                          .buttons = Buttons::OkCancel,
                          .icon = Icon::Warning,
                          .defaultAnswer = Answer::Cancel};
    if (prompter_.Ask(question) != Answer::Ok)
        return false;
    channels_.DeleteChannel(slot);
    channels_.ClearPriorityChannel();
    return true;
}

void ChannelCommits::AfterReceiveStore(int slot)
{
    if (channels_.IsProgrammed(slot))
        channels_.AssignFixedChannelWhenNone();
    else
        channels_.ReleaseReferences(slot);
}

} // namespace qtr
