#pragma once

#include "core/channels/ChannelField.h"

#include <string>
#include <vector>

namespace qtr {

class ChannelTable;
class FrequencyCodec;
class MessageCatalog;

// What the channel information grid shows: its columns after the channel number, the
// row labels and the cell texts, shared by the grid window, printing and the command line.
struct GridColumn {
    int headerId;
    ChannelField field;
    int widthTwips;
};

// Column 0, the channel numbers.
constexpr int kChannelColumnWidthTwips = 1040;

// Columns 1 to 7 on Parlane models, 1 to 9 on LMR models.
const std::vector<GridColumn>& GridColumns(bool parlane);
// The window title with the current channel, e.g. "Channel Information [ Channel - 3 ]".
std::string GridTitle(const MessageCatalog& catalog, int slot);
// "%d", or "%d (S)" for the sixteenth channel of the 16-channel model.
std::string GridRowLabel(int slot, int channelCount);
// The cell text of a field of a slot; tone texts follow the order of the model's tone list.
std::string GridCellText(ChannelTable& channels, FrequencyCodec& codec, const MessageCatalog& catalog, int slot,
                         ChannelField field);

} // namespace qtr
