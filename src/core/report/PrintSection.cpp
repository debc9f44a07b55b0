#include "core/report/PrintSection.h"

#include <algorithm>
#include <sstream>

namespace qtr::report {

const std::array<PrintSectionInfo, kSectionCount>& PrintSections()
{
    static const std::array<PrintSectionInfo, kSectionCount> sections{{
        {PrintSection::OptionalFeatures, 1325, 3002103, "features"},
        {PrintSection::KeyAssignment, 1326, 3002105, "keys"},
        {PrintSection::ScanInformation, 1327, 3007005, "scan"},
        {PrintSection::Dtmf, 1328, 3013023, "dtmf"},
        {PrintSection::Vantalink, 1329, 3400001, "vantalink"},
        {PrintSection::TestFrequency, 1330, 3002107, "testfreq"},
        {PrintSection::EmbeddedMessage, 1331, 3002109, "message"},
        {PrintSection::ChannelInformation, 1332, 3008007, "channels"},
    }};
    return sections;
}

bool SectionOffered(PrintSection section, bool parlane)
{
    return !parlane || (section != PrintSection::Dtmf && section != PrintSection::Vantalink);
}

SectionMask OfferedSections(bool parlane)
{
    SectionMask mask = 0;
    for (const PrintSectionInfo& info : PrintSections())
        mask |= SectionOffered(info.section, parlane) ? Bit(info.section) : 0;
    return mask;
}

std::optional<SectionMask> ParseSectionNames(const std::string& list, std::string& unknown)
{
    SectionMask mask = 0;
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        const auto& sections = PrintSections();
        const auto found = std::ranges::find(sections, name, [](const PrintSectionInfo& info) { return std::string(info.name); });
        if (name == "all") {
            mask |= OfferedSections(false);
        } else if (found != sections.end()) {
            mask |= Bit(found->section);
        } else {
            unknown = name;
            return std::nullopt;
        }
    }
    if (mask == 0)
        return std::nullopt;
    return mask;
}

} // namespace qtr::report
