#pragma once

#include "core/channels/CsvProblem.h"
#include "core/model/ImageView.h"

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;
class RadioState;

// The channel list as a generic CSV file that other radio tools and spreadsheets read and
// write. Export writes one row per programmed channel; everything of a channel that has no
// column goes into Comment as "key=value;", so that an export imported again gives the same
// channel records and bitmaps.
std::string ExportChannelCsv(const RadioState& state, const MessageCatalog& catalog);

// An import checks every row with the rules of typing into the channel grid and builds the
// image with the file's channels in place of all channels; nothing of it counts unless
// `problems` is empty. `corrections` lists what was stored otherwise than written (a
// frequency moved onto the channel step, a tone as typing corrects it).
struct ChannelCsvImport {
    ImageBytes image{};
    std::vector<CsvProblem> problems;
    std::vector<CsvProblem> corrections;
    int channels = 0;

    bool Imported() const { return problems.empty(); }
};

ChannelCsvImport ImportChannelCsv(const std::string& text, const RadioState& state, const MessageCatalog& catalog);

} // namespace qtr
