#include "core/channels/ChannelCsv.h"

#include "core/channels/ChannelCsvColumns.h"
#include "core/channels/ChannelWorkbench.h"
#include "core/channels/CsvTable.h"
#include "core/channels/CsvToneColumns.h"
#include "core/channels/CsvValues.h"
#include "core/model/ParlaneLists.h"

#include <filesystem>

namespace qtr {

namespace {

std::string Key(const char* key, unsigned value)
{
    return std::string(key) + "=" + std::to_string(value) + ";";
}

// A step code stored beside a frequency is worth noting only when it is not the one the
// frequency itself gives.
std::string StepKey(const char* key, const std::string& frequency, unsigned stored, int bandFlag)
{
    const auto parsed = FrequencyCodec::ParseFrequency(frequency, bandFlag);
    return parsed && parsed->stepCode != stored ? Key(key, stored) : std::string();
}

class ChannelRowWriter {
public:
    ChannelRowWriter(ChannelWorkbench& bench, int slot)
        : bench_(bench), slot_(slot), record_(bench.state.image, slot)
    {
    }

    std::vector<std::string> Fields() const
    {
        const std::string receive = Frequency(channels::record::kReceiveFrequency);
        const std::string transmit = record_.HasTransmit() ? Frequency(channels::record::kTransmitFrequency) : "";
        const auto tones = CsvToneColumns::Of(Tone(channels::record::kEncodeTone, !transmit.empty()),
                                              Tone(channels::record::kDecodeTone, true));
        const long long rx = csvvalue::TenHertzUnits(receive);
        const long long tx = csvvalue::TenHertzUnits(transmit);
        const std::string duplex = transmit.empty() ? "off" : tx == rx ? "" : tx > rx ? "+" : "-";
        const std::string offset = csvvalue::Megahertz(transmit.empty() ? 0 : tx > rx ? tx - rx : rx - tx);
        return {std::to_string(slot_ + 1),
                "",
                csvvalue::Megahertz(rx),
                duplex,
                offset,
                tones.tone,
                tones.rToneFreq,
                tones.cToneFreq,
                tones.dtcsCode,
                tones.dtcsPolarity,
                tones.rxDtcsCode,
                tones.crossMode,
                record_.Get(channels::record::kWideNarrow) != 0 ? "FM" : "NFM",
                csvvalue::StepText(record_.Get(channels::record::kReceiveStep)),
                bench_.channels.ScanAdd(slot_) ? "" : "S",
                record_.Get(channels::record::kTxPower) != 0 ? "High" : "Low",
                Comment(receive, transmit),
                "",
                "",
                "",
                ""};
    }

private:
    std::string Frequency(const ImageRange& field) const
    {
        return FrequencyCodec::FormatFrequency(record_.Frequency(field));
    }

    std::string Tone(const ImageField& field, bool used) const
    {
        return used ? bench_.codec.FormatTone(static_cast<std::uint16_t>(record_.Get(field)), 0) : std::string();
    }

    std::string Comment(const std::string& receive, const std::string& transmit) const
    {
        using namespace channels::record;
        const bool parlane = bench_.state.IsParlane();
        std::string comment = Key(csv::kOptionSignalling, record_.Get(kOptionSignalling)) +
                              Key(csv::kSpUnmute, record_.Get(kSpUnmute)) +
                              Key(csv::kBusyChannelLockout, record_.Get(kBusyChannelLockout)) +
                              Key(csv::kPttId, record_.Get(kPttId));
        if (!parlane)
            comment += Key(csv::kAutodialMemory, record_.Get(kAutodialMemory));
        comment += Key(csv::kBeatShift, record_.Get(kBeatShift)) + Key(csv::kCompander, record_.Get(kCompander));
        if (parlane && bench_.texts.DecoratedFrequency(slot_, ChannelField::ReceiveFrequency) ==
                           NumberedEntry(csvvalue::kSecondDuplicateEntry, receive))
            comment += Key(csv::kParlaneEntry, csvvalue::kSecondDuplicateEntry);
        const int band = bench_.state.band.flag;
        comment += StepKey(csv::kReceiveStep, receive, record_.Get(kReceiveStep), band);
        if (!transmit.empty())
            comment += StepKey(csv::kTransmitStep, transmit, record_.Get(kTransmitStep), band);
        return comment;
    }

    ChannelWorkbench& bench_;
    int slot_;
    ChannelRecord record_;
};

} // namespace

std::string ExportChannelCsv(const RadioState& state, const MessageCatalog& catalog)
{
    ChannelWorkbench bench(state, catalog);
    std::string text = CsvTable::Line(csv::Columns());
    // Records left beyond the model's channels are no channels of the radio.
    for (int slot = 0; slot < bench.state.SlotCount(); ++slot)
        if (bench.channels.IsProgrammed(slot))
            text += CsvTable::Line(ChannelRowWriter(bench, slot).Fields());
    return text;
}

std::string WithChannelListExtension(const std::string& chosen)
{
    return std::filesystem::path(chosen).has_extension() ? chosen : chosen + ".csv";
}

} // namespace qtr
