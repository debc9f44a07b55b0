#pragma once

#include "core/base/SilentPrompter.h"
#include "core/channels/ChannelCommits.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelTexts.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/RadioState.h"

namespace qtr {

class MessageCatalog;

// A copy of the radio with the channel rules on it, for work that must not touch the
// program's image until it is complete (an import) or at all (an export that shows fields).
struct ChannelWorkbench {
    ChannelWorkbench(const RadioState& original, const MessageCatalog& catalog)
        : state(original), codec(state, catalog), channels(state, codec), texts(channels, codec),
          commits(channels, codec, prompter)
    {
    }

    RadioState state;
    SilentPrompter prompter;
    FrequencyCodec codec;
    ChannelTable channels;
    ChannelTexts texts;
    ChannelCommits commits;
};

} // namespace qtr
