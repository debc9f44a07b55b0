#pragma once

namespace qtr {

class RadioState;
struct ChannelCsvImport;

// Import Channels: the channels of an import without problems become the image's, as one
// edit named after the command; the channel windows show them.
void InstallImportedChannels(RadioState& state, const ChannelCsvImport& imported);

} // namespace qtr
