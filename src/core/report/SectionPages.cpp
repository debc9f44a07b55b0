#include "core/report/SectionPages.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/Vantalink.h"
#include "core/channels/ChannelGridText.h"
#include "core/channels/ChannelRecord.h"
#include "core/channels/TestFrequencyTable.h"
#include "core/features/DtmfForm.h"
#include "core/features/KeyAssignmentForm.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/ScanForm.h"
#include "core/features/VantalinkForm.h"
#include "core/model/MessageFields.h"
#include "core/report/PrintContext.h"
#include "core/report/SettingLines.h"

#include <algorithm>
#include <functional>
#include <map>

namespace qtr::report {

namespace {

using SettingsSource = std::function<std::vector<SettingLine>(PrintContext&)>;

// The grids print under the texts of their tab pages.

// Each settings section walks its editor's form: the printed labels and values are the
// ones the window shows. A new settings editor prints by adding its row here.
const std::map<PrintSection, SettingsSource>& SettingsSections()
{
    static const std::map<PrintSection, SettingsSource> sections{
        {PrintSection::OptionalFeatures,
         [](PrintContext& context) { return FormLines(OptionalFeaturesForm(context.state, context.catalog).Form()); }},
        {PrintSection::KeyAssignment,
         [](PrintContext& context) {
             using Keys = KeyAssignmentForm;
             // The window names the keys in the radio's own words; the printout translates them.
             const std::map<int, int> labels{{Keys::kPf1, messages::keys::kPf1},
                                             {Keys::kPf2, messages::keys::kPf2},
                                             {Keys::kSSelector, messages::keys::kScanSelector}};
             return FormLines(Keys(context.state, context.catalog, [] { return false; }).Form(), labels);
         }},
        {PrintSection::ScanInformation,
         [](PrintContext& context) {
             return FormLines(ScanForm(context.state, context.catalog, context.prompter).Form());
         }},
        {PrintSection::Dtmf,
         [](PrintContext& context) {
             DtmfForm dtmf(context.state, context.catalog);
             auto lines = FormLines(dtmf.Form());
             AppendGridLines(lines, context.catalog.MessageText(messages::dtmf::kAutodialMemory), dtmf.AutodialGrid());
             return lines;
         }},
        {PrintSection::Vantalink,
         [](PrintContext& context) {
             VantalinkForm vantalink(context.state, context.catalog);
             auto lines = FormLines(vantalink.Form());
             AppendGridLines(lines, context.catalog.MessageText(messages::vantalink::kFleetIdList),
                             vantalink.FleetIdGrid());
             return lines;
         }},
    };
    return sections;
}

constexpr int kTestChannelColumn = 20;
constexpr int kReceiveColumn = 35;
constexpr int kTransmitColumn = 60;
// Channel blocks stand two side by side, a little narrower than a settings line so that
// both fit across a portrait A4 page (about 130 widths): a value 25 widths after its label.
constexpr int kSecondLabelColumn = 75;
constexpr int kBlockValueOffset = 25;

std::string Text(const PrintContext& context, int id)
{
    return context.catalog.MessageText(id, 1);
}

std::string OrEmptyMark(std::string text)
{
    return text.empty() ? kEmptyValue : text;
}

int SectionTitle(PrintSection section)
{
    const auto& sections = PrintSections();
    return std::ranges::find(sections, section, &PrintSectionInfo::section)->labelMessage;
}

ReportPage TestFrequencyPage(PrintContext& context, const std::string& title)
{
    using Column = TestFrequencyTable::Column;
    const TestFrequencyTable table(context.state, context.codec, context.prompter);
    const std::string megahertz = " " + Text(context, messages::common::kMegahertzHeader);
    ReportPage page;
    page.texts = {{0, kTitleColumn, title},
                  {kFirstSettingRow, kTestChannelColumn, Text(context, messages::common::kChannel)},
                  {kFirstSettingRow, kReceiveColumn, Text(context, messages::common::kRx) + megahertz},
                  {kFirstSettingRow, kTransmitColumn, Text(context, messages::common::kTx) + megahertz}};
    for (int entry = 0; entry < TestFrequencyTable::kEntryCount; ++entry) {
        const int row = kFirstSettingRow + 1 + entry;
        page.texts.push_back({row, kTestChannelColumn, std::to_string(entry + 1)});
        page.texts.push_back({row, kReceiveColumn, OrEmptyMark(table.Text(entry, Column::Receive))});
        page.texts.push_back({row, kTransmitColumn, OrEmptyMark(table.Text(entry, Column::Transmit))});
    }
    return page;
}

// A line up to its first unset byte, as the editor and the open preview show it.
std::string MessageLine(const RadioState& state, ImageRange line)
{
    const std::string bytes = state.Reader().Text(line);
    return bytes.substr(0, bytes.find('\xFF'));
}

ReportPage EmbeddedMessagePage(PrintContext& context, const std::string& title)
{
    ReportPage page;
    page.texts = {{0, kTitleColumn, title},
                  {kFirstSettingRow, kLabelColumn, OrEmptyMark(MessageLine(context.state, message::kLine1))},
                  {kFirstSettingRow + 1, kLabelColumn, OrEmptyMark(MessageLine(context.state, message::kLine2))}};
    return page;
}

// One channel: its number, then every column of the channel grid with the grid's text.
void AddChannelBlock(PrintContext& context, ReportPage& page, int slot, int firstRow, int labelColumn)
{
    const int count = context.state.SlotCount();
    page.texts.push_back({firstRow, labelColumn - (kLabelColumn - kTitleColumn),
                          Text(context, messages::common::kChannelWord) + " " + GridRowLabel(slot, count)});
    int row = firstRow + 1;
    for (const GridColumn& column : GridColumns(context.state.IsParlane())) {
        page.texts.push_back({row, labelColumn, Text(context, column.headerId)});
        page.texts.push_back({row, labelColumn + kBlockValueOffset,
                              OrEmptyMark(GridCellText(context.channels, context.codec, context.catalog, slot,
                                                       column.field))});
        ++row;
    }
}

ReportPage ChannelPage(PrintContext& context, const std::string& title, int pageOfSection)
{
    ReportPage page;
    page.texts.push_back({0, kTitleColumn, title});
    const bool parlane = context.state.IsParlane();
    const int perPage = ChannelsPerPage(parlane);
    const int blockRows = static_cast<int>(GridColumns(parlane).size()) + 2;
    const auto slots = ProgrammedSlots(context);
    const std::size_t first = static_cast<std::size_t>(pageOfSection * perPage);
    for (std::size_t i = first; i < std::min(slots.size(), first + static_cast<std::size_t>(perPage)); ++i) {
        const int place = static_cast<int>(i - first);
        const int labelColumn = place % 2 == 0 ? kLabelColumn : kSecondLabelColumn;
        AddChannelBlock(context, page, slots[i], kFirstSettingRow + place / 2 * blockRows, labelColumn);
    }
    return page;
}

} // namespace

std::vector<int> ProgrammedSlots(PrintContext& context)
{
    std::vector<int> slots;
    for (int slot = 0; slot < ChannelRecord::kSlotCount; ++slot)
        if (context.channels.IsProgrammed(slot))
            slots.push_back(slot);
    return slots;
}

ReportPage SectionPage(PrintContext& context, const PlannedPage& page)
{
    const std::string title = Text(context, SectionTitle(page.section));
    switch (page.section) {
    case PrintSection::TestFrequency:
        return TestFrequencyPage(context, title);
    case PrintSection::EmbeddedMessage:
        return EmbeddedMessagePage(context, title);
    case PrintSection::ChannelInformation:
        return ChannelPage(context, title, page.pageOfSection);
    default:
        break;
    }
    const auto source = SettingsSections().find(page.section);
    const auto lines = source == SettingsSections().end() ? std::vector<SettingLine>{} : source->second(context);
    return SettingsPage(title, lines, page.pageOfSection, page.sectionPages);
}

} // namespace qtr::report
