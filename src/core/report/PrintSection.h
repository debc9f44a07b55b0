#pragma once

#include <array>
#include <optional>
#include <string>

namespace qtr::report {

// The sections of a printout in printing order; the values are their selection bits.
enum class PrintSection : unsigned {
    OptionalFeatures = 0x01,
    KeyAssignment = 0x02,
    ScanInformation = 0x04,
    Dtmf = 0x08,
    Vantalink = 0x10,
    TestFrequency = 0x20,
    EmbeddedMessage = 0x40,
    ChannelInformation = 0x80,
};
using SectionMask = unsigned;

struct PrintSectionInfo {
    PrintSection section;
    int checkBoxControl; // of the Print Out List dialog, also its help topic
    int labelMessage;    // check box text and section title
    const char* name;    // how the command line names it
};

constexpr int kSectionCount = 8;
const std::array<PrintSectionInfo, kSectionCount>& PrintSections();

// Parlane radios have no DTMF and no Vantalink, so those sections are never printed for them.
bool SectionOffered(PrintSection section, bool parlane);
SectionMask OfferedSections(bool parlane);
constexpr SectionMask Bit(PrintSection section) { return static_cast<SectionMask>(section); }

// A comma-separated list of section names ("features,channels"), or "all"; nothing when a
// name is unknown or the list is empty. `unknown` receives the first name not understood.
std::optional<SectionMask> ParseSectionNames(const std::string& list, std::string& unknown);

} // namespace qtr::report
