#pragma once

#include <array>
#include <ctime>
#include <string>

namespace qtr {

class MessageCatalog;
class RadioState;

namespace report {

struct FrameLine {
    std::string label;
    std::string value;
    bool operator==(const FrameLine&) const = default;
};

// What every printed page shows around its section: the title, the time printing began,
// the model, channel count, frequency range and file name lines; the page number below.
struct PageFrame {
    std::string title;
    std::string printedAt;
    std::array<FrameLine, 4> lines;
};

PageFrame MakePageFrame(const RadioState& state, const MessageCatalog& catalog, const std::string& documentName,
                        const std::tm& printedAt);

// "RB-8100L LMR (UHF)" from the model code and line letter of the image; empty for a code
// the program does not know.
std::string PrintedModelText(const RadioState& state, const MessageCatalog& catalog);
std::string PrintedChannelCountText(const RadioState& state, const MessageCatalog& catalog);
std::string PrintedFrequencyRangeText(const RadioState& state, const MessageCatalog& catalog);
// The date in the language's pattern, as the status bar shows it, and the time as "%X".
std::string PrintedDateTime(const std::tm& time, const MessageCatalog& catalog);
// "- 3 -"
std::string PageNumberText(int pageNumber);

} // namespace report
} // namespace qtr
