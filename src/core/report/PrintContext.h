#pragma once

#include "core/channels/ChannelTable.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/RadioState.h"
#include "core/report/DefaultAnswerPrompter.h"

namespace qtr {

class MessageCatalog;

namespace report {

// A copy of the radio for the sections to read through the editors' own rules: whatever
// those rules settle while showing a value stays in the copy, never in the document.
class PrintContext {
public:
    PrintContext(const RadioState& original, const MessageCatalog& catalogue)
        : state(original), catalog(catalogue), codec(state, catalog), channels(state, codec)
    {
    }
    PrintContext(const PrintContext&) = delete;
    PrintContext& operator=(const PrintContext&) = delete;

    RadioState state;
    const MessageCatalog& catalog;
    DefaultAnswerPrompter prompter;
    FrequencyCodec codec;
    ChannelTable channels;
};

} // namespace report
} // namespace qtr
