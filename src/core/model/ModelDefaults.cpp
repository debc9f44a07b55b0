#include "core/model/ModelDefaults.h"

#include "core/model/ChannelFields.h"
#include "core/model/DtmfFields.h"
#include "core/model/FeatureFields.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/KeyFields.h"
#include "core/model/MessageFields.h"
#include "core/model/ScanFields.h"
#include "core/model/TestFrequencyFields.h"
#include "core/model/VantalinkFields.h"

#include <algorithm>
#include <vector>

namespace qtr {

namespace {

struct FieldDefault {
    ImageField field;
    unsigned value;
};

// A text or code left-aligned in its range, every other byte 0xFF; "" empties the range.
struct TextDefault {
    ImageRange range;
    const char* text;
};

// Fields whose factory value differs between the Parlane and the LMR line.
struct LineDefault {
    ImageField field;
    unsigned parlane;
    unsigned lmr;
};

constexpr FieldDefault kFieldDefaults[] = {
    // DTMF
    {dtmf::kDtmfSpeed, 0},
    {dtmf::kFirstDigitTime, 0},
    {dtmf::kFirstDigitDelay, 10},
    {dtmf::kStarAndHashTone, 0},
    {dtmf::kDCodeAssignment, 0},
    {dtmf::kDtmfSideTone, 1},
    {dtmf::kGroupCode, 0},
    {dtmf::kAutoResetTimer, 10},
    {dtmf::kCallAlert, 0},
    {dtmf::kTranspond, 0},
    {dtmf::kClearToTranspond, 0},
    {dtmf::kStunType, 0},
    // Optional features
    {features::kScramblerActivation, 0},
    {features::kScramblerBackup, 0},
    {features::kCallingAlertLevel, 0},
    {features::kVoiceAnnunciation, 0},
    {features::kTimeOutTimer, 4},
    {features::kTotPreAlert, 0},
    {features::kPttId, 0},
    {features::kPttIdType, 0},
    {features::kSquelchLevel, 5},
    {features::kBatterySave, 0},
    {features::kBeep, 1},
    {features::kCanceledByPtt, 0},
    {features::kTxInhibitOnBusy, 0},
    {features::kVoxFunction, 1},
    {features::kVoxGainLevel, 0},
    {features::kVoxDelayTime, 1},
    {features::kVoxProceedTone, 0},
    {features::kMicSensitivity, 0},
    {features::kCloneMode, 1},
    // Scan
    {scan::kPriority, 0},
    {scan::kPriorityChannel, scan::kNoChannel},
    {scan::kLookBackTimeA, 31},
    {scan::kLookBackTimeB, 51},
    {scan::kDropoutDelayTime, 3},
    {scan::kTxDwellTime, 3},
    // Data signalling
    {vantalink::kOwnFleet, 0xFF},
    {vantalink::kOwnId, 0},
    {vantalink::kDataTxModulationDelayTime, 400},
    {vantalink::kBaudRate, 0},
    {vantalink::kMessageModeTimer, 10},
    {vantalink::kPttIdSideTone, 1},
    {vantalink::kSpareByte, 0},
    // No channel yet
    {channels::kProgrammedMap, 0},
    {channels::kScanAddMap, 0},
};

constexpr TextDefault kTextDefaults[] = {
    {dtmf::kIdCode, "000"},
    {dtmf::kStunCode, ""},
    {dtmf::kAutodialMemory, ""},
    {features::kBeginOfTx, "12345"},
    {features::kEndOfTx, ""},
    {vantalink::kFirstRun, ""},
    {vantalink::kSecondRun, ""},
    {message::kArea, ""},
};

constexpr LineDefault kLineDefaults[] = {
    {keys::kPf1, 3, 1},
    {keys::kPf2, 7, 10},
    {features::kSelfProgram, 1, 0},
};

constexpr std::uint8_t kUnsetByte = 0xFF;

// The scan rules that follow the channel class rather than a table row.
void ApplyScanClassDefaults(RadioState& state)
{
    const bool sixteen = state.sixteenChannelFlag;
    state.Set(scan::kRevertChannel, sixteen ? 1 : scan::kRevertToFixedChannel);
    state.Set(scan::kFixedChannel, state.IsParlane() && !sixteen ? 1 : scan::kNoChannel);
}

void ApplyFeatureDefaults(RadioState& state)
{
    ImageView view = state.View();
    for (const auto& entry : kFieldDefaults)
        view.Set(entry.field, entry.value);
    for (const auto& entry : kTextDefaults)
        view.SetText(entry.range, entry.text, kUnsetByte);
    const bool parlane = state.IsParlane();
    for (const auto& entry : kLineDefaults)
        view.Set(entry.field, parlane ? entry.parlane : entry.lmr);
    ApplyScanClassDefaults(state);
}

struct PlanChannel {
    const char* megahertz;
    std::uint8_t stepByte;
};

std::vector<PlanChannel> VhfPlan(int channels)
{
    std::vector<PlanChannel> plan{{"154.5700", 0x50}, {"154.6000", 0xA0}};
    if (channels >= 8)
        plan.insert(plan.end(), {{"151.7000", 0xA0}, {"151.7600", 0x50}, {"151.8200", 0x50},
                                 {"151.8800", 0x50}, {"151.9400", 0x50}, {"151.5125", 0xA0}});
    return plan;
}

std::vector<PlanChannel> UhfPlan(int channels)
{
    std::vector<const char*> frequencies{"464.5000", "467.9250"};
    if (channels >= 8)
        frequencies.insert(frequencies.end(),
                           {"461.0375", "461.0625", "461.0875", "461.1125", "461.1375", "461.1625"});
    if (channels >= 15)
        frequencies.insert(frequencies.end(), {"464.5000", "467.7625", "467.8125", "467.8500", "467.8750",
                                               "467.9000", "461.1875", "461.2125"});
    std::vector<PlanChannel> plan;
    for (const char* frequency : frequencies)
        plan.push_back({frequency, 0xA0});
    return plan;
}

// Record n of channel n (1-based); the plan also marks the record after the last one.
std::size_t RecordOffset(int channel)
{
    return channels::RecordOf(channel - 1).offset;
}

constexpr unsigned kPlanTone = 0x029E; // QT 67.0 Hz
constexpr unsigned kVhfBandCode = 1;

bool IsVhfImage(const RadioState& state)
{
    return state.Get(identity::kBandCode) == kVhfBandCode;
}

struct PlanSize {
    int channels; // N
    int prepared; // R
};

PlanSize PlanSizeOf(const RadioState& state)
{
    switch (state.ChannelCountCode()) {
    case 0:
        return {2, 3};
    case 5:
        return {8, 9};
    default:
        return {state.sixteenChannelFlag ? 16 : 15, 16};
    }
}

void PrepareRecords(RadioState& state, const PlanSize& size)
{
    ImageView view = state.View();
    const bool vhf = IsVhfImage(state);
    for (int channel = 1; channel <= size.prepared; ++channel) {
        const std::size_t record = RecordOffset(channel);
        view.Set(channels::record::kDecodeTone.At(record), kPlanTone);
        view.Set(channels::record::kEncodeTone.At(record), kPlanTone);
        view.Set(channels::record::kSignallingByte.At(record), 0x00);
        view.Set(channels::record::kAudioByte.At(record), vhf ? 0x3F : 0xAF);
        view.Set(channels::record::kLastByte.At(record), 0xF8);
    }
    if (state.IsParlane()) {
        const int marked = size.channels + (size.channels <= 8 ? 2 : 1);
        for (int channel = 1; channel <= marked; ++channel)
            view.Set(channels::record::kLastByte.At(RecordOffset(channel)), 1);
        if (vhf && size.channels == 8)
            for (int channel = 5; channel <= 7; ++channel)
                view.Set(channels::record::kTxPower.At(RecordOffset(channel)), 0);
    }
}

void WriteFrequencies(RadioState& state, int channelCount)
{
    ImageView view = state.View();
    const bool vhf = IsVhfImage(state);
    const auto plan = vhf ? VhfPlan(channelCount) : UhfPlan(channelCount);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const std::size_t record = RecordOffset(static_cast<int>(i) + 1);
        const auto parsed = FrequencyCodec::ParseFrequency(plan[i].megahertz, vhf ? 0 : 1);
        view.SetBytes(channels::record::kReceiveFrequency.At(record), parsed->field.data());
        view.SetBytes(channels::record::kTransmitFrequency.At(record), parsed->field.data());
        view.Set(channels::record::kStepByte.At(record), plan[i].stepByte);
    }
}

void WriteChannelMaps(RadioState& state, int channelCount)
{
    ImageView view = state.View();
    using channels::kProgrammedMap;
    using channels::kScanAddMap;
    if (channelCount == 2) {
        view.Set(kProgrammedMap.LowByte(), 3);
        view.Set(kScanAddMap.LowByte(), 3);
    } else if (channelCount == 8) {
        view.Set(kProgrammedMap.LowByte(), 0xFF);
        view.Set(kScanAddMap.LowByte(), 0xFF);
    } else {
        view.Fill(channels::kChannelMaps, 0xFF);
        if (!state.sixteenChannelFlag) {
            view.Fill(channels::RecordOf(15), kUnsetByte);
            view.Set(kProgrammedMap.HighByte(), 0x7F);
            view.Set(kScanAddMap.HighByte(), 0x7F);
        }
    }
}

int PlannedChannels(const RadioState& state)
{
    switch (state.ChannelCountCode()) {
    case 0:
        return 2;
    case 5:
        return 8;
    default:
        return 16;
    }
}

} // namespace

void ApplyModelDefaults(RadioState& state, ModelReset reset)
{
    if (reset == ModelReset::ToDefaultModel)
        state.currentModel = DefaultModelRecord();
    state.UpdateBand();
    ApplyFeatureDefaults(state);
    ApplyChannelPlan(state);
}

void ApplyChannelPlan(RadioState& state)
{
    const std::uint8_t line = state.LineLetter();
    const bool sixteen = state.sixteenChannelFlag;
    if (line == kParlaneLine && !sixteen)
        state.Set(scan::kFixedChannel, 1);
    if (!sixteen) {
        state.Set(keys::kSSelector, keys::kSSelectorOn);
        if (line == kParlaneLine) {
            state.Set(keys::kPf1, 3);
            state.Set(keys::kPf2, 1);
        }
    } else {
        state.Set(keys::kSSelector, keys::kSSelectorOff);
        if (line == kParlaneLine && state.ImageModelCode() == "P81L0")
            state.Set(keys::kPf2, 7);
    }
    if (line == kLmrLine) {
        state.Set(features::kSelfProgram, 0);
        return;
    }
    if (line == kParlaneLine)
        state.Set(features::kBatterySave, 1);
    for (const ImageField key : {keys::kPf1, keys::kPf2})
        if (state.Get(key) == 0)
            state.Set(key, 1);
    state.Set(features::kSelfProgram, 1);
    PrepareRecords(state, PlanSizeOf(state));
    const int channels = PlannedChannels(state);
    WriteFrequencies(state, channels);
    WriteChannelMaps(state, channels);
    if (line == kParlaneLine)
        state.MarkSaved();
}

void ApplyTestFrequencyDefaults(RadioState& state)
{
    struct Entry {
        const char* first;
        const char* second;
    };
    static const Entry vhf[] = {{"162.050", "162.100"}, {"150.050", "150.100"}, {"173.950", "173.900"},
                                {"162.000", "162.000"}, {"162.200", "162.200"}, {"162.400", "162.400"}};
    static const Entry uhf[] = {{"460.050", "460.100"}, {"450.050", "450.100"}, {"469.950", "469.900"},
                                {"460.000", "460.000"}, {"460.200", "460.200"}, {"460.400", "460.400"}};
    ImageView view = state.View();
    view.Fill(testfreq::kEntries, kUnsetByte);
    const bool isUhf = IsUhfTypeByte(state.currentModel[identity::kRecordType]);
    const Entry* entries = isUhf ? uhf : vhf;
    for (int i = 0; i < 6; ++i) {
        const std::size_t offset = testfreq::EntryOf(i).offset;
        const auto first = FrequencyCodec::ParseFrequency(entries[i].first, isUhf ? 1 : 0);
        const auto second = FrequencyCodec::ParseFrequency(entries[i].second, isUhf ? 1 : 0);
        view.SetBytes(testfreq::entry::kReceiveFrequency.At(offset), first->field.data());
        view.SetBytes(testfreq::entry::kTransmitFrequency.At(offset), second->field.data());
    }
}

void ClearChannels(RadioState& state)
{
    ImageView view = state.View();
    view.Fill(channels::kRecords, kUnsetByte);
    view.Fill(channels::kChannelMaps, 0);
}

void BuildImageForCurrentModel(RadioState& state)
{
    state.image.fill(0xFF);
    state.CopyCurrentModelIntoImage();
    ApplyModelDefaults(state, ModelReset::Keep);
    ApplyTestFrequencyDefaults(state);
    state.MarkSaved();
}

void BuildImageForNewDocument(RadioState& state)
{
    ModelRecord identityBytes{};
    std::copy_n(state.Reader().Data(identity::kIdentity), identity::kLength, identityBytes.begin());
    state.image.fill(kUnsetByte);
    state.View().SetBytes(identity::kIdentity, identityBytes.data());
    ApplyTestFrequencyDefaults(state);
    ApplyModelDefaults(state, ModelReset::Keep);
    state.MarkSaved();
}

} // namespace qtr
