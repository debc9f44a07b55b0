#include "core/report/ShownSettings.h"

#include "core/base/MessageCatalog.h"
#include "core/base/SilentPrompter.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/base/messages/Model.h"
#include "core/channels/ChannelFormRules.h"
#include "core/channels/ChannelGridText.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelTexts.h"
#include "core/channels/TestFrequencyTable.h"
#include "core/features/DtmfForm.h"
#include "core/features/FormRows.h"
#include "core/features/KeyAssignmentForm.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/ScanForm.h"
#include "core/features/VantalinkForm.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/IdentityFields.h"
#include "core/model/MessageFields.h"
#include "core/report/SettingLines.h"

#include <algorithm>
#include <functional>

namespace qtr {

namespace {

// A private copy of the image with what the editors use to show it; the rules may settle
// stored values while they show them, which must not touch the image compared.
struct ImageReading {
    ImageReading(const ImageBytes& image, const MessageCatalog& catalogue)
        : catalog(catalogue), codec(state, catalogue), channels(state, codec), texts(channels, codec)
    {
        state.image = image;
        state.AdoptImageModel();
    }

    std::string Text(int id) const { return catalog.MessageText(id, 1); }

    const MessageCatalog& catalog;
    RadioState state;
    SilentPrompter prompter;
    FrequencyCodec codec;
    ChannelTable channels;
    ChannelTexts texts;
};

using Settings = std::vector<ShownSetting>;

// A label as a name: no access key marks, no trailing colon.
std::string NameOf(std::string label)
{
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const bool doubled = label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&';
        if (label[i] != '&' || doubled)
            name += label[i];
        i += doubled ? 1 : 0;
    }
    while (!name.empty() && (name.back() == ':' || name.back() == ' '))
        name.pop_back();
    return name;
}

void Model(ImageReading& reading, Settings& settings)
{
    const int model = reading.state.ModelTypeOfRecord(reading.state.currentModel);
    const std::string name = model < 0 ? "?" : ModelTable()[static_cast<std::size_t>(model)].printedName;
    settings.push_back({NameOf(reading.Text(messages::model::kModelType)), name, {identity::kIdentity}});
    settings.push_back({NameOf(reading.Text(messages::model::kNumberOfChannels)),
                        std::to_string(reading.state.SlotCount()),
                        {identity::kIdentity}});
}

// The grid's column header where the grid shows the field, else the edit form's label.
std::string ChannelFieldLabel(const ImageReading& reading, ChannelField field)
{
    for (const GridColumn& column : GridColumns(reading.state.IsParlane()))
        if (column.field == field)
            return reading.Text(column.headerId);
    return reading.Text(ChannelFormRules::LabelMessage(static_cast<int>(field)));
}

std::string ChannelFieldText(ImageReading& reading, int slot, ChannelField field)
{
    const auto& columns = GridColumns(reading.state.IsParlane());
    const bool inGrid = std::any_of(columns.begin(), columns.end(), [&](const GridColumn& c) { return c.field == field; });
    const ChannelFormRules rules(reading.channels, reading.state);
    if (!inGrid && rules.ControlOf(static_cast<int>(field)) == ChannelFormRules::Control::CheckBox) {
        if (!reading.channels.IsProgrammed(slot))
            return {};
        return reading.Text(reading.texts.FormatField(slot, field).value != 0 ? messages::common::kOn
                                                                                 : messages::common::kOff);
    }
    return GridCellText(reading.channels, reading.codec, reading.catalog, slot, field);
}

void Channels(ImageReading& reading, Settings& settings)
{
    const ChannelFormRules rules(reading.channels, reading.state);
    const std::string channel = NameOf(reading.Text(messages::common::kChannel));
    for (int slot = 0; slot < ChannelRecord::kSlotCount; ++slot) {
        if (slot >= reading.state.SlotCount() && !reading.channels.IsProgrammed(slot))
            continue;
        for (int row = 1; row < ChannelFormRules::kRowCount; ++row) {
            const auto field = static_cast<ChannelField>(row);
            // The Scan window shows the priority channel.
            if (!rules.RowShown(row) || field == ChannelField::PriorityChannel)
                continue;
            settings.push_back({channel + " " + std::to_string(slot + 1) + " " +
                                    NameOf(ChannelFieldLabel(reading, field)),
                                ChannelFieldText(reading, slot, field),
                                {channels::RecordOf(slot), channels::kChannelMaps}});
        }
    }
}

void FormSettings(const form::SettingsForm& form, Settings& settings)
{
    for (int row = 0; row < form.RowCount(); ++row) {
        const form::FormRow& description = form.Row(row);
        if (description.kind == form::ControlKind::GroupBox || !form.Visible(row))
            continue;
        const std::string label = description.labelMessage != 0
                                      ? form.Resolve(form::FieldText::Message(description.labelMessage))
                                      : description.labelText;
        const ImageRange bytes = description.bytes.length != 0 ? description.bytes : form::BytesOf(description.field);
        settings.push_back(
            {NameOf(label), report::ValueText(form, row, messages::common::kOn, messages::common::kOff), {bytes}});
    }
}

void GridSettings(const form::CodeGrid& grid, Settings& settings)
{
    const auto& description = grid.Description();
    for (int row = 1; row <= grid.LastRow(); ++row)
        for (int column = 1; column <= grid.LastColumn(); ++column)
            settings.push_back({NameOf(grid.CellName({row, column})), grid.Text({row, column}),
                                {description.rowBytes(row)}});
}

// The settings windows built on settings forms; a new one adds its form here.
using FormWalk = std::function<void(ImageReading&, Settings&)>;
const std::vector<FormWalk>& SettingsForms()
{
    static const std::vector<FormWalk> forms{
        [](ImageReading& reading, Settings& settings) {
            OptionalFeaturesForm features(reading.state, reading.catalog);
            FormSettings(features.Form(), settings);
        },
        [](ImageReading& reading, Settings& settings) {
            KeyAssignmentForm keys(reading.state, reading.catalog, [] { return false; });
            FormSettings(keys.Form(), settings);
        },
        [](ImageReading& reading, Settings& settings) {
            ScanForm scan(reading.state, reading.catalog, reading.prompter);
            FormSettings(scan.Form(), settings);
        },
        [](ImageReading& reading, Settings& settings) {
            if (reading.state.IsParlane())
                return;
            DtmfForm dtmf(reading.state, reading.catalog);
            FormSettings(dtmf.Form(), settings);
            GridSettings(dtmf.AutodialGrid(), settings);
            VantalinkForm vantalink(reading.state, reading.catalog);
            FormSettings(vantalink.Form(), settings);
            GridSettings(vantalink.FleetIdGrid(), settings);
        },
    };
    return forms;
}

void TestFrequencies(ImageReading& reading, Settings& settings)
{
    const TestFrequencyTable table(reading.state, reading.codec, reading.prompter);
    const std::string name = NameOf(reading.Text(messages::channels::kTestFrequencyTitle));
    for (int entry = 0; entry < TestFrequencyTable::kEntryCount; ++entry) {
        const std::vector<ImageRange> bytes{testfreq::EntryOf(entry), {testfreq::StepByteOf(entry).offset, 1}};
        const std::string prefix = name + " " + std::to_string(entry + 1) + " ";
        settings.push_back({prefix + NameOf(reading.Text(messages::common::kRxFrequency)),
                            table.Text(entry, TestFrequencyTable::Column::Receive), bytes});
        settings.push_back({prefix + NameOf(reading.Text(messages::common::kTxFrequency)),
                            table.Text(entry, TestFrequencyTable::Column::Transmit), bytes});
    }
}

std::string MessageLine(const ImageReader& image, const ImageRange& line)
{
    std::string text;
    for (std::size_t i = 0; i < line.length; ++i) {
        const auto byte = image.Data(line)[i];
        if (byte == 0xFF || byte == 0x00)
            break;
        text += static_cast<char>(byte);
    }
    return text;
}

void EmbeddedMessage(ImageReading& reading, Settings& settings)
{
    const std::string name = NameOf(reading.Text(messages::embedded::kTitle));
    const ImageReader image = reading.state.Reader();
    settings.push_back({name + " 1", MessageLine(image, message::kLine1), {message::kLine1}});
    settings.push_back({name + " 2", MessageLine(image, message::kLine2), {message::kLine2}});
}

} // namespace

std::vector<ShownSetting> ShownSettings(const ImageBytes& image, const MessageCatalog& catalog)
{
    ImageReading reading(image, catalog);
    Settings settings;
    Model(reading, settings);
    Channels(reading, settings);
    for (const FormWalk& form : SettingsForms())
        form(reading, settings);
    TestFrequencies(reading, settings);
    EmbeddedMessage(reading, settings);
    return settings;
}

} // namespace qtr
