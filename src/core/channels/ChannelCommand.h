#pragma once

#include <string>

namespace qtr {

class ChannelTable;
class RadioState;

// The keyboard commands of the channel windows.
enum class ChannelCommand {
    None,          // not a channel command: the key does what it does anyway
    Ignore,        // swallowed
    EditForm,      // open the channel edit form
    ChannelCopy,
    FrequencyCopy,
    ToneCopy,
    Insert,
    Delete,
};

// Where a command is given: the grid has more keys than the edit form.
enum class ChannelWindow { Grid, Form };

// The command of a key in portable key text, e.g. "Shift+F3" or "Ctrl+E".
ChannelCommand ChannelCommandForKey(const std::string& key, ChannelWindow window);
// The message that names what the command did, for the edit history; 0 for a command that
// changes nothing itself.
int ChannelCommandNameId(ChannelCommand command);
// Whether a command does anything for the slot; otherwise it is dropped without a message.
bool ChannelCommandApplies(ChannelCommand command, ChannelWindow window, const ChannelTable& channels,
                           const RadioState& state, int slot);

} // namespace qtr
