#pragma once

#include "core/channels/CsvProblem.h"
#include "core/model/ImageView.h"

#include <cstddef>
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
// A name chosen for an export without an extension gets ".csv", as Save As adds ".dat".
std::string WithChannelListExtension(const std::string& chosen);

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
    // Refused only because the file holds no channel rows, which would clear every channel.
    bool RefusedAsEmpty() const;
};

// A file without channel rows imports (clearing all channels) only with `allowEmpty`.
ChannelCsvImport ImportChannelCsv(const std::string& text, const RadioState& state, const MessageCatalog& catalog,
                                  bool allowEmpty = false);

// A channel list of a few kilobytes is normal; a file beyond this bound is refused unread.
constexpr std::size_t kChannelListLimit = 1024 * 1024;
// The file's text imported; a file that is not a regular file of at most kChannelListLimit
// bytes is refused with one problem saying why.
ChannelCsvImport ImportChannelCsvFile(const std::string& path, const RadioState& state, const MessageCatalog& catalog,
                                      bool allowEmpty = false);

} // namespace qtr
