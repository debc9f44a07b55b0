#include "core/channels/ChannelCommand.h"

#include "core/base/messages/Channels.h"
#include "core/channels/ChannelTable.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

struct KeyBinding {
    const char* key;
    ChannelCommand command;
    bool gridOnly;
};

constexpr KeyBinding kBindings[] = {
    {"Shift+F3", ChannelCommand::ChannelCopy, false},   {"Ctrl+E", ChannelCommand::ChannelCopy, false},
    {"Shift+F4", ChannelCommand::FrequencyCopy, false}, {"Ctrl+F", ChannelCommand::FrequencyCopy, false},
    {"Shift+F5", ChannelCommand::ToneCopy, false},      {"Ctrl+Q", ChannelCommand::ToneCopy, false},
    {"Shift+F9", ChannelCommand::Insert, true},         {"Ctrl+I", ChannelCommand::Insert, true},
    {"Ctrl+D", ChannelCommand::Delete, true},           {"Shift+F10", ChannelCommand::Delete, true},
    {"F11", ChannelCommand::EditForm, true},            {"F10", ChannelCommand::Ignore, true},
    {"Shift+F7", ChannelCommand::Ignore, true},
};

} // namespace

int ChannelCommandNameId(ChannelCommand command)
{
    switch (command) {
    case ChannelCommand::ChannelCopy:
        return messages::channels::kChannelCopy;
    case ChannelCommand::FrequencyCopy:
        return messages::channels::kFrequencyCopy;
    case ChannelCommand::ToneCopy:
        return messages::channels::kToneCopyCommand;
    case ChannelCommand::Insert:
        return messages::channels::kInsertChannel;
    case ChannelCommand::Delete:
        return messages::channels::kDeleteChannel;
    default:
        return 0;
    }
}

ChannelCommand ChannelCommandForKey(const std::string& key, ChannelWindow window)
{
    for (const KeyBinding& binding : kBindings) {
        if (key == binding.key && (window == ChannelWindow::Grid || !binding.gridOnly))
            return binding.command;
    }
    return ChannelCommand::None;
}

bool ChannelCommandApplies(ChannelCommand command, ChannelWindow window, const ChannelTable& channels,
                           const RadioState& state, int slot)
{
    // The grid leaves the frequency and tone copies to the edit form on Parlane models.
    const bool copiesFrequencies = window == ChannelWindow::Form || !state.IsParlane();
    switch (command) {
    case ChannelCommand::ChannelCopy:
    case ChannelCommand::Delete:
        return channels.IsProgrammed(slot);
    case ChannelCommand::FrequencyCopy:
        return copiesFrequencies && channels.IsProgrammed(slot);
    case ChannelCommand::ToneCopy:
        return copiesFrequencies && channels.HasTransmit(slot);
    case ChannelCommand::None:
        return false;
    default:
        return true;
    }
}

} // namespace qtr
