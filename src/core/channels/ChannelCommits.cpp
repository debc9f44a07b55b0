#include "core/channels/ChannelCommits.h"

#include "core/base/Prompter.h"
#include "core/channels/ChannelCommand.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelTable.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ParlaneLists.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

constexpr std::size_t kLmrToneLength = 6;

} // namespace

int StoreWithBandWarning(ChannelTable& channels, Prompter& prompter, int slot, ChannelField which, std::string& text)
{
    if (channels.WarnsOutOfBand(slot, which, text))
        prompter.Ask({.captionId = messages::common::kOutOfBandCaption, .messageId = messages::common::kOutOfBandWarning, .icon = Icon::Warning});
    return channels.SetFrequency(slot, which, text);
}

ChannelCommits::ChannelCommits(ChannelTable& channels, FrequencyCodec& codec, Prompter& prompter)
    : channels_(channels), codec_(codec), prompter_(prompter)
{
}

int ChannelCommits::StoreFrequency(int slot, ChannelField which, const std::string& text, bool simplexWhenNew)
{
    const bool receive = which == ChannelField::ReceiveFrequency;
    const bool wasEmpty = !channels_.IsProgrammed(slot);
    std::string stored = text;
    const int result = StoreWithBandWarning(channels_, prompter_, slot, which, stored);
    if (receive && wasEmpty && simplexWhenNew && result == ChannelTable::kStored)
        StoreWithBandWarning(channels_, prompter_, slot, ChannelField::TransmitFrequency, stored);
    if (receive)
        AfterReceiveStore(slot);
    channels_.ResetPttIdWithoutTransmit(slot);
    Announce();
    return result;
}

int ChannelCommits::StoreParlaneFrequency(int slot, const std::string& entry)
{
    const int result = channels_.SetParlaneFrequency(slot, entry);
    AfterReceiveStore(slot);
    Announce();
    return result;
}

void ChannelCommits::StoreParlaneTone(int slot, int entry)
{
    codec_.OrderToneList('B');
    const std::string text = codec_.ToneText(entry);
    channels_.SetTone(slot, ChannelField::DecodeTone, text);
    channels_.SetTone(slot, ChannelField::EncodeTone, text);
    channels_.SetToneNumber(slot, entry);
    Announce();
}

void ChannelCommits::StoreToneText(int slot, ChannelField which, const std::string& listText)
{
    channels_.SetTone(slot, which, ToneToStore(listText));
    Announce();
}

void ChannelCommits::StoreListField(int slot, ChannelField field, int value)
{
    channels_.SetListField(slot, field, value);
    Announce();
}

void ChannelCommits::StoreCheckField(int slot, ChannelField field, bool checked)
{
    channels_.SetCheckField(slot, field, checked);
    Announce();
}

int ChannelCommits::CopyChannel(int source, int target)
{
    const int result = channels_.CopyChannel(source, target);
    if (result == ChannelTable::kStored)
        Announce();
    return result;
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

// A full table moves nothing, and the windows hear of that too.
bool ChannelCommits::InsertChannel(int slot)
{
    const bool inserted = channels_.InsertChannel(slot);
    if (inserted)
        channels_.References().ClearPriorityChannel();
    Announce(ChannelCommandNameId(ChannelCommand::Insert));
    return inserted;
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
    channels_.References().ClearPriorityChannel();
    Announce(ChannelCommandNameId(ChannelCommand::Delete));
    return true;
}

void ChannelCommits::AfterReceiveStore(int slot)
{
    if (channels_.IsProgrammed(slot))
        channels_.References().AssignFixedChannelWhenNone();
    else
        channels_.References().ReleaseReferences(slot);
}

void ChannelCommits::Announce(int commandNameId) const
{
    const ImageNotifier& notices = codec_.State().notices;
    notices.Notify({ImageNotice::Kind::Changed, ImageReason::ChannelSettingsChanged});
    notices.Edited(commandNameId);
}

} // namespace qtr
