#include "core/channels/ChannelCsv.h"

#include "core/base/MessageCatalog.h"
#include "core/base/RegularFile.h"
#include "core/base/messages/ChannelList.h"
#include "core/base/messages/Scan.h"
#include "core/channels/ChannelCsvColumns.h"
#include "core/channels/ChannelWorkbench.h"
#include "core/channels/CsvTable.h"
#include "core/channels/CsvToneColumns.h"
#include "core/channels/CsvValues.h"
#include "core/model/FieldRoutines.h"
#include "core/model/InputFilter.h"
#include "core/model/ParlaneLists.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace qtr {

namespace {

constexpr std::size_t kToneLength = 5;
constexpr int kDuplicateEntry = 4;
constexpr int kNotListed = -1;

// A Comment field value stored in a channel field, through the field's own rule.
struct CommentField {
    const char* key;
    ChannelField field;
    bool check;
};

const std::vector<CommentField>& CommentFields()
{
    static const std::vector<CommentField> fields{
        {csv::kOptionSignalling, ChannelField::OptionSignalling, false},
        {csv::kSpUnmute, ChannelField::SpUnmute, false},
        {csv::kBusyChannelLockout, ChannelField::BusyChannelLockout, false},
        {csv::kPttId, ChannelField::PttId, false},
        {csv::kAutodialMemory, ChannelField::AutodialMemory, false},
        {csv::kBeatShift, ChannelField::BeatShift, true},
        {csv::kCompander, ChannelField::Compander, true},
    };
    return fields;
}

bool IsCommentKey(const std::string& key)
{
    const auto& fields = CommentFields();
    return std::any_of(fields.begin(), fields.end(), [&](const CommentField& field) { return key == field.key; }) ||
           key == csv::kParlaneEntry || key == csv::kReceiveStep || key == csv::kTransmitStep;
}

// The Comment as this program writes it; any other comment is not ours and stays out of the image.
std::map<std::string, unsigned> OwnComment(const std::string& comment)
{
    std::map<std::string, unsigned> values;
    std::size_t start = 0;
    while (start < comment.size()) {
        const std::size_t end = std::min(comment.find(';', start), comment.size());
        const std::string pair = comment.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        const std::string key = pair.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : pair.substr(equals + 1);
        if (!IsCommentKey(key) || value.empty() || value.size() > 3 ||
            value.find_first_not_of("0123456789") != std::string::npos)
            return {};
        values[key] = static_cast<unsigned>(std::stoi(value));
        start = end + 1;
    }
    return values;
}

bool ValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size())
            return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) >> 6) != 0x2)
                return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// What one row asks for, checked as far as it can be without storing it.
struct ChannelRow {
    int line = 0;
    int slot = 0;
    long long receive = 0; // Hz
    std::optional<long long> transmit;
    int parlaneEntry = 0;
    CsvTones tones;
    int parlaneTone = 0;
    std::optional<int> wide;
    std::optional<int> power;
    bool skip = false;
    std::map<std::string, unsigned> comment;
};

class ChannelCsvReader {
public:
    ChannelCsvReader(const CsvTable& table, ChannelWorkbench& bench, const MessageCatalog& catalog,
                     ChannelCsvImport& result, bool allowEmpty)
        : table_(table), bench_(bench), catalog_(catalog), result_(result), parlane_(bench.state.IsParlane()),
          allowEmpty_(allowEmpty)
    {
    }

    void Run()
    {
        CheckHeader();
        if (!result_.problems.empty())
            return;
        if (table_.stoppedAt != 0)
            Problem(table_.stoppedAt, {}, messages::channellist::kTooManyChannels,
                    std::to_string(bench_.state.SlotCount()));
        else if (table_.rows.empty() && !allowEmpty_)
            Problem(0, {}, messages::channellist::kNoChannels, {});
        std::vector<ChannelRow> rows;
        for (const CsvTable::Row& row : table_.rows)
            if (auto channel = ReadRow(row))
                rows.push_back(*channel);
        if (!result_.problems.empty())
            return;
        const RadioState before = bench_.state;
        const bool hadChannels = bench_.channels.ProgrammedCount() > 0;
        // Emptied without releasing the scan references: a channel the file holds again keeps them.
        for (int slot = 0; slot < ChannelRecord::kSlotCount; ++slot)
            if (bench_.channels.IsProgrammed(slot))
                bench_.channels.ClearChannel(slot);
        for (const ChannelRow& row : rows)
            Store(row);
        SettleScanReferences(before, hadChannels);
        result_.channels = static_cast<int>(rows.size());
    }

private:
    void CheckHeader()
    {
        for (const char* required : {"Location", "Frequency"})
            if (table_.Column(required) < 0)
                Problem(1, required, messages::channellist::kMissingColumn, {});
        std::set<std::string> seen;
        for (const std::string& name : table_.header)
            if (!name.empty() && !seen.insert(name).second)
                Problem(1, name, messages::channellist::kDuplicateColumn, {});
    }

    std::string Field(const CsvTable::Row& row, const char* column) const
    {
        const int index = table_.Column(column);
        return index < 0 ? std::string() : row.fields.at(static_cast<std::size_t>(index));
    }

    void Problem(int line, const std::string& column, int messageId, const std::string& detail)
    {
        result_.problems.push_back({line, column, messageId, detail});
    }

    void Correction(int line, const std::string& column, int messageId, const std::string& detail)
    {
        result_.corrections.push_back({line, column, messageId, detail});
    }

    std::optional<ChannelRow> ReadRow(const CsvTable::Row& row)
    {
        if (row.fields.size() != table_.header.size()) {
            Problem(row.line, {}, messages::channellist::kFieldCount,
                    std::to_string(row.fields.size()) + " / " + std::to_string(table_.header.size()));
            return std::nullopt;
        }
        const std::size_t before = result_.problems.size();
        ChannelRow channel;
        channel.line = row.line;
        channel.comment = OwnComment(Field(row, "Comment"));
        ReadLocation(row, channel);
        ReadFrequencies(row, channel);
        ReadTones(row, channel);
        ReadChoices(row, channel);
        if (result_.problems.size() != before)
            return std::nullopt;
        return channel;
    }

    void ReadLocation(const CsvTable::Row& row, ChannelRow& channel)
    {
        const std::string text = Field(row, "Location");
        const int slots = bench_.state.SlotCount();
        const bool digits = !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
        const int location = digits ? std::stoi(text) : 0;
        if (!digits) {
            Problem(row.line, "Location", messages::channellist::kNotANumber, text);
        } else if (location < 1 || location > slots) {
            Problem(row.line, "Location", messages::channellist::kNoSuchLocation,
                    text + " (1-" + std::to_string(slots) + ")");
        } else if (const auto seen = locations_.find(location); seen != locations_.end()) {
            Problem(row.line, "Location", messages::channellist::kDuplicateLocation,
                    text + " (" + std::to_string(seen->second) + ")");
        } else {
            locations_[location] = row.line;
        }
        channel.slot = location - 1;
    }

    std::optional<long long> Hertz(const CsvTable::Row& row, const char* column)
    {
        const std::string text = Field(row, column);
        const auto value = csvvalue::Millionths(text.empty() && column != std::string("Frequency") ? "0" : text);
        if (!value)
            Problem(row.line, column, messages::channellist::kNotANumber, text);
        return value;
    }

    bool InBand(const CsvTable::Row& row, const char* column, long long hertz)
    {
        std::string text = csvvalue::GridFrequency(hertz);
        if (bench_.codec.CheckBand(text) != 0)
            return true;
        Problem(row.line, column, messages::channellist::kOutOfBand, csvvalue::Megahertz(hertz / 10));
        return false;
    }

    void ReadFrequencies(const CsvTable::Row& row, ChannelRow& channel)
    {
        const auto receive = Hertz(row, "Frequency");
        const std::string duplex = Field(row, "Duplex");
        const auto offset = Hertz(row, "Offset");
        if (!receive || !offset || !InBand(row, "Frequency", *receive))
            return;
        channel.receive = *receive;
        if (duplex.empty())
            channel.transmit = *receive;
        else if (duplex == "+")
            channel.transmit = *receive + *offset;
        else if (duplex == "-")
            channel.transmit = *receive - *offset;
        else if (duplex == "split")
            channel.transmit = *offset;
        else if (duplex != "off")
            return Problem(row.line, "Duplex", messages::channellist::kUnknownValue, duplex);
        if (channel.transmit && !InBand(row, duplex == "split" ? "Offset" : "Duplex", *channel.transmit))
            return;
        if (parlane_)
            ReadParlaneFrequency(row, channel);
    }

    void ReadParlaneFrequency(const CsvTable::Row& row, ChannelRow& channel)
    {
        const auto* list = ParlaneFrequenciesFor(static_cast<std::uint8_t>(bench_.state.Get(identity::kTypeByte)));
        const std::string text = csvvalue::GridFrequency(channel.receive);
        const auto found = list ? std::find(list->begin(), list->end(), text) : std::vector<std::string>::const_iterator();
        if (list == nullptr || found == list->end() || channel.receive % 10 != 0)
            return Problem(row.line, "Frequency", messages::channellist::kNotInFrequencyList,
                           csvvalue::Megahertz(channel.receive / 10));
        if (channel.transmit != channel.receive)
            return Problem(row.line, "Duplex", messages::channellist::kNotOffered, Field(row, "Duplex"));
        channel.parlaneEntry = static_cast<int>(found - list->begin()) + 1;
        const auto entry = channel.comment.find(csv::kParlaneEntry);
        if (channel.parlaneEntry == kDuplicateEntry && entry != channel.comment.end() &&
            entry->second == csvvalue::kSecondDuplicateEntry)
            channel.parlaneEntry = csvvalue::kSecondDuplicateEntry;
    }

    void ReadTones(const CsvTable::Row& row, ChannelRow& channel)
    {
        const auto value = [&](const char* column, const char* absent) {
            return table_.Column(column) < 0 ? std::string(absent) : Field(row, column);
        };
        const CsvToneColumns columns{Field(row, "Tone"),
                                     value("rToneFreq", csv::kDefaultTone),
                                     value("cToneFreq", csv::kDefaultTone),
                                     value("DtcsCode", csv::kDefaultCode),
                                     value("DtcsPolarity", csv::kDefaultPolarity),
                                     value("RxDtcsCode", csv::kDefaultCode),
                                     value("CrossMode", csv::kDefaultCrossMode)};
        std::string badColumn;
        const auto tones = TonesOf(columns, badColumn);
        if (!tones)
            return Problem(row.line, badColumn, messages::channellist::kUnknownValue, Field(row, badColumn.c_str()));
        channel.tones = *tones;
        if (!TypedTone(row, channel.tones.encode, channel.tones.encodeColumn) ||
            !TypedTone(row, channel.tones.decode, channel.tones.decodeColumn))
            return;
        if (!channel.tones.encode.empty() && !channel.transmit)
            return Problem(row.line, "Tone", messages::channellist::kNeedsTransmit, columns.tone);
        if (parlane_)
            ReadParlaneTone(row, channel);
    }

    // A tone as typing it into the grid takes it: refused when it cannot be typed, stored as
    // the grid corrects it otherwise.
    bool TypedTone(const CsvTable::Row& row, std::string& tone, const std::string& column)
    {
        if (tone.empty())
            return true;
        if (!IsAcceptedText(InputClass::ToneCharacters, tone, kToneLength)) {
            Problem(row.line, column, messages::channellist::kNotATone, tone);
            return false;
        }
        std::string stored = tone;
        FrequencyCodec::NormaliseToneText(stored);
        const std::string written = tone[0] == 'D' ? tone : FormatFixed(LeadingDecimal(tone), 1);
        if (stored != written)
            Correction(row.line, column, messages::channellist::kCorrectedTone, tone + " -> " + stored);
        tone = stored;
        return true;
    }

    void ReadParlaneTone(const CsvTable::Row& row, ChannelRow& channel)
    {
        if (channel.tones.encode != channel.tones.decode)
            return Problem(row.line, "Tone", messages::channellist::kNotOffered, Field(row, "Tone"));
        if (channel.tones.decode.empty())
            return;
        bench_.codec.OrderToneList(kParlaneLine);
        channel.parlaneTone = bench_.codec.ToneIndexOf(channel.tones.decode);
        if (channel.parlaneTone <= 0)
            Problem(row.line, channel.tones.decodeColumn, messages::channellist::kNotInToneList, channel.tones.decode);
    }

    std::optional<int> Choice(const CsvTable::Row& row, const char* column,
                              const std::vector<std::pair<const char*, int>>& choices)
    {
        const std::string text = Lower(Field(row, column));
        if (text.empty())
            return std::nullopt;
        for (const auto& [name, value] : choices)
            if (text == Lower(name))
                return value;
        Problem(row.line, column, messages::channellist::kUnknownValue, Field(row, column));
        return kNotListed;
    }

    void ReadChoices(const CsvTable::Row& row, ChannelRow& channel)
    {
        channel.wide = Choice(row, "Mode", {{"FM", 1}, {"NFM", 0}});
        channel.power = Choice(row, "Power", {{"High", 1}, {"Low", 0}});
        channel.skip = Choice(row, "Skip", {{"S", 1}}).value_or(0) == 1;
        const auto pttId = channel.comment.find(csv::kPttId);
        if (pttId != channel.comment.end() && pttId->second != 0 && !channel.transmit)
            Problem(row.line, "Comment", messages::channellist::kNeedsTransmit,
                    std::string(csv::kPttId) + "=" + std::to_string(pttId->second));
    }

    void Store(const ChannelRow& row)
    {
        ChannelCommits& commits = bench_.commits;
        if (parlane_) {
            commits.StoreParlaneFrequency(
                row.slot, NumberedEntry(row.parlaneEntry, csvvalue::GridFrequency(row.receive)));
            commits.StoreParlaneTone(row.slot, row.parlaneTone);
        } else {
            commits.StoreFrequency(row.slot, ChannelField::ReceiveFrequency, csvvalue::GridFrequency(row.receive), false);
            if (row.transmit)
                commits.StoreFrequency(row.slot, ChannelField::TransmitFrequency, csvvalue::GridFrequency(*row.transmit),
                                       false);
            commits.StoreToneText(row.slot, ChannelField::DecodeTone, row.tones.decode);
            commits.StoreToneText(row.slot, ChannelField::EncodeTone, row.tones.encode);
        }
        NoteStepCorrection(row, ChannelField::ReceiveFrequency, row.receive, "Frequency");
        if (row.transmit && *row.transmit != row.receive)
            NoteStepCorrection(row, ChannelField::TransmitFrequency, *row.transmit, "Offset");
        if (row.power)
            StoreChoice(row, ChannelField::TxPower, *row.power, "Power");
        if (row.wide)
            StoreChoice(row, ChannelField::WideNarrow, *row.wide, "Mode");
        bench_.channels.SetScanAdd(row.slot, !row.skip);
        StoreComment(row);
    }

    void NoteStepCorrection(const ChannelRow& row, ChannelField which, long long hertz, const char* column)
    {
        const std::string stored = bench_.texts.FormatField(row.slot, which).text;
        if (csvvalue::TenHertzUnits(stored) * 10 != hertz)
            Correction(row.line, column, messages::channellist::kCorrectedToStep,
                       csvvalue::Megahertz(hertz / 10) + " -> " + stored);
    }

    void StoreChoice(const ChannelRow& row, ChannelField field, int value, const char* column)
    {
        ChannelTable& channels = bench_.channels;
        if (field == ChannelField::BeatShift || field == ChannelField::Compander)
            channels.SetCheckField(row.slot, field, value != 0);
        else
            channels.SetListField(row.slot, field, value);
        if (bench_.texts.FormatField(row.slot, field).value != value)
            Problem(row.line, column, messages::channellist::kNotOffered, std::to_string(value));
    }

    void StoreComment(const ChannelRow& row)
    {
        for (const CommentField& field : CommentFields()) {
            const auto value = row.comment.find(field.key);
            const bool autodialOfParlane = field.field == ChannelField::AutodialMemory && parlane_;
            if (value == row.comment.end() || autodialOfParlane)
                continue;
            if (field.check && value->second > 1)
                Problem(row.line, "Comment", messages::channellist::kUnknownValue,
                        std::string(field.key) + "=" + std::to_string(value->second));
            else
                StoreChoice(row, field.field, static_cast<int>(value->second), "Comment");
        }
        StoreStep(row, csv::kReceiveStep, channels::record::kReceiveStep);
        StoreStep(row, csv::kTransmitStep, channels::record::kTransmitStep);
    }

    // A step code the frequency would not give, as the file notes it.
    void StoreStep(const ChannelRow& row, const char* key, const ImageField& field)
    {
        const auto value = row.comment.find(key);
        if (value == row.comment.end())
            return;
        if (value->second > step::kNone)
            return Problem(row.line, "Comment", messages::channellist::kUnknownValue,
                           std::string(key) + "=" + std::to_string(value->second));
        ChannelRecord(bench_.state.image, row.slot).Set(field, value->second);
    }

    // A reference whose channel the file does not hold goes where clearing that channel in the
    // grid sends it, and the report says so; one that named none stays none unless the import
    // created the first channels, as typing them would.
    void SettleScanReferences(const RadioState& before, bool hadChannels)
    {
        bench_.state.Set(scan::kPriorityChannel, before.Get(scan::kPriorityChannel));
        if (hadChannels || before.Get(scan::kFixedChannel) != scan::kNoChannel)
            bench_.state.Set(scan::kFixedChannel, before.Get(scan::kFixedChannel));
        for (int slot = 0; slot < ChannelRecord::kSlotCount; ++slot)
            if (!bench_.channels.IsProgrammed(slot))
                bench_.channels.References().ReleaseReferences(slot);
        NoteReferenceChange(before, scan::kPriorityChannel, messages::scan::kPriorityChannelLabel);
        NoteReferenceChange(before, scan::kFixedChannel, messages::scan::kFixedChannelLabel);
    }

    void NoteReferenceChange(const RadioState& before, const ImageField& reference, int labelId)
    {
        const unsigned was = before.Get(reference);
        const unsigned now = bench_.state.Get(reference);
        if (was == now || was == scan::kNoChannel)
            return;
        const auto name = [this](unsigned channel) {
            return channel == scan::kNoChannel ? bench_.codec.LmrOffText() : std::to_string(channel);
        };
        Correction(0, catalog_.MessageText(labelId, 1), messages::channellist::kReferenceChannelGone,
                   name(was) + " -> " + name(now));
    }

    const CsvTable& table_;
    ChannelWorkbench& bench_;
    const MessageCatalog& catalog_;
    ChannelCsvImport& result_;
    bool parlane_;
    bool allowEmpty_;
    std::map<int, int> locations_; // location, line
};

} // namespace

bool ChannelCsvImport::RefusedAsEmpty() const
{
    return problems.size() == 1 && problems.front().messageId == messages::channellist::kNoChannels;
}

ChannelCsvImport ImportChannelCsv(const std::string& text, const RadioState& state, const MessageCatalog& catalog,
                                  bool allowEmpty)
{
    ChannelCsvImport result;
    if (!ValidUtf8(text)) {
        result.problems.push_back({0, {}, messages::channellist::kNotUtf8, {}});
        return result;
    }
    // Rows past the model's channels are not even read: a list that long is wrong anyway.
    const CsvTable table = CsvTable::Parse(text, static_cast<std::size_t>(state.SlotCount()));
    result.problems = table.problems;
    if (table.header.empty())
        result.problems.push_back({0, {}, messages::channellist::kNoHeader, {}});
    if (!result.problems.empty())
        return result;
    ChannelWorkbench bench(state, catalog);
    ChannelCsvReader(table, bench, catalog, result, allowEmpty).Run();
    result.image = bench.state.image;
    return result;
}

ChannelCsvImport ImportChannelCsvFile(const std::string& path, const RadioState& state, const MessageCatalog& catalog,
                                      bool allowEmpty)
{
    const FileContents file = ReadRegularFile(path, kChannelListLimit);
    if (file.fault == FileFault::None)
        return ImportChannelCsv(file.bytes, state, catalog, allowEmpty);
    ChannelCsvImport refused;
    if (file.fault == FileFault::CannotOpen)
        refused.problems.push_back({0, {}, messages::channellist::kCannotRead, FileFaultText(file, catalog)});
    else
        refused.problems.push_back({0, {}, FileFaultMessage(file.fault), {}});
    return refused;
}

} // namespace qtr
