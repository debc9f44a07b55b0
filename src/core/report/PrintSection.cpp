#include "core/report/PrintSection.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/Options.h"
#include "core/base/messages/Scan.h"
#include "core/base/messages/Vantalink.h"

#include <algorithm>
#include <sstream>

namespace qtr::report {

const std::array<PrintSectionInfo, kSectionCount>& PrintSections()
{
    static const std::array<PrintSectionInfo, kSectionCount> sections{{
        {PrintSection::OptionalFeatures, 1325, messages::options::kTitle, "features"},
        {PrintSection::KeyAssignment, 1326, messages::keys::kTitle, "keys"},
        {PrintSection::ScanInformation, 1327, messages::scan::kTitle, "scan"},
        {PrintSection::Dtmf, 1328, messages::dtmf::kName, "dtmf"},
        {PrintSection::Vantalink, 1329, messages::vantalink::kName, "vantalink"},
        {PrintSection::TestFrequency, 1330, messages::channels::kTestFrequencyTitle, "testfreq"},
        {PrintSection::EmbeddedMessage, 1331, messages::embedded::kTitle, "message"},
        {PrintSection::ChannelInformation, 1332, messages::channels::kInformationTitle, "channels"},
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
