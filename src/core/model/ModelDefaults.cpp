#include "core/model/ModelDefaults.h"

#include "core/model/FrequencyCodec.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace qtr {

namespace {

constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kProgrammedMap = 380;
constexpr std::size_t kTestFrequencies = 640;
constexpr std::size_t kTestFrequencyBytes = 128;

void SetBytes(ImageView& view, std::initializer_list<std::size_t> offsets, std::uint8_t value)
{
    for (const std::size_t offset : offsets)
        view.SetByte(offset, value);
}

void ApplyFeatureDefaults(RadioState& state)
{
    ImageView view = state.View();
    const bool parlane = state.IsParlane();
    const bool sixteen = state.sixteenChannelFlag;
    // DTMF
    SetBytes(view, {272, 273, 275, 276, 278, 280, 281, 282}, 0);
    SetBytes(view, {274, 279}, 10);
    view.SetByte(277, 1);
    view.Fill(288, 3, '0');
    view.Fill(291, 7, 0xFF);
    view.Fill(496, 10, 0xFF);
    view.SetByte(506, 0);
    view.Fill(512, 128, 0xFF);
    // Keys
    view.SetByte(285, parlane ? 3 : 1);
    view.SetByte(286, parlane ? 7 : 10);
    // Optional features
    SetBytes(view, {300, 301, 302, 303, 305, 306, 307, 309, 311, 312, 314, 316, 317}, 0);
    view.SetByte(304, 4);
    view.SetByte(308, 5);
    SetBytes(view, {310, 313, 315, 318}, 1);
    view.SetByte(319, parlane ? 1 : 0);
    view.SetText(320, "12345");
    view.Fill(325, 27, 0xFF);
    // Scan
    view.SetByte(352, 0);
    view.SetByte(353, 0xFF);
    view.SetByte(354, 31);
    view.SetByte(355, 51);
    view.SetByte(356, sixteen ? 1 : 6);
    SetBytes(view, {357, 359}, 3);
    SetBytes(view, {358, 360}, 0);
    view.SetByte(363, parlane && !sixteen ? 1 : 0xFF);
    // Data signalling
    view.SetByte(368, 0xFF);
    SetBytes(view, {369, 370, 373, 375, 377}, 0);
    view.SetByte(371, 0x90);
    SetBytes(view, {372, 376}, 1);
    view.SetByte(374, 10);
    view.Fill(448, 12, 0xFF);
    view.Fill(464, 12, 0xFF);
    // Channel bit maps and embedded message
    view.Fill(kProgrammedMap, 4, 0);
    view.Fill(768, 64, 0xFF);
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

std::size_t RecordOffset(int channel)
{
    return kRecordSize * static_cast<std::size_t>(channel);
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
    const bool vhf = (state.image[identity::kTypeByte] >> 4) == 1;
    for (int channel = 1; channel <= size.prepared; ++channel) {
        const std::size_t record = RecordOffset(channel);
        SetBytes(view, {record + 8, record + 10}, 0x9E);
        SetBytes(view, {record + 9, record + 11}, 0x02);
        view.SetByte(record + 12, 0x00);
        view.SetByte(record + 13, vhf ? 0x3F : 0xAF);
        view.SetByte(record + 15, 0xF8);
    }
    if (state.IsParlane()) {
        const int marked = size.channels + (size.channels <= 8 ? 2 : 1);
        for (int channel = 1; channel <= marked; ++channel)
            view.SetByte(RecordOffset(channel) + 15, 1);
        if (vhf && size.channels == 8)
            for (int channel = 5; channel <= 7; ++channel)
                view.SetBit(RecordOffset(channel) + 13, 5, false);
    }
}

void WriteFrequencies(RadioState& state, int channels)
{
    ImageView view = state.View();
    const bool vhf = (state.image[identity::kTypeByte] >> 4) == 1;
    const auto plan = vhf ? VhfPlan(channels) : UhfPlan(channels);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const std::size_t record = RecordOffset(static_cast<int>(i) + 1);
        const auto parsed = FrequencyCodec::ParseFrequency(plan[i].megahertz, vhf ? 0 : 1);
        for (std::size_t b = 0; b < 4; ++b) {
            view.SetByte(record + b, parsed->field[b]);
            view.SetByte(record + 4 + b, parsed->field[b]);
        }
        view.SetByte(record + 14, plan[i].stepByte);
    }
}

void WriteChannelMaps(RadioState& state, int channels)
{
    ImageView view = state.View();
    if (channels == 2) {
        SetBytes(view, {380, 382}, 3);
    } else if (channels == 8) {
        SetBytes(view, {380, 382}, 0xFF);
    } else {
        view.Fill(kProgrammedMap, 4, 0xFF);
        if (!state.sixteenChannelFlag) {
            view.Fill(RecordOffset(16), kRecordSize, 0xFF);
            SetBytes(view, {381, 383}, 0x7F);
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
    ImageView view = state.View();
    const std::uint8_t line = state.LineLetter();
    const bool sixteen = state.sixteenChannelFlag;
    if (line == kParlaneLine && !sixteen)
        view.SetByte(363, 1);
    if (!sixteen) {
        view.SetByte(284, 1);
        if (line == kParlaneLine) {
            view.SetByte(285, 3);
            view.SetByte(286, 1);
        }
    } else {
        view.SetByte(284, 0xFF);
        if (line == kParlaneLine && state.ImageModelCode() == "P81L0")
            view.SetByte(286, 7);
    }
    if (line == kLmrLine) {
        view.SetByte(319, 0);
        return;
    }
    if (line == kParlaneLine)
        view.SetByte(309, 1);
    if (view.Byte(285) == 0)
        view.SetByte(285, 1);
    if (view.Byte(286) == 0)
        view.SetByte(286, 1);
    view.SetByte(319, 1);
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
    view.Fill(kTestFrequencies, kTestFrequencyBytes, 0xFF);
    const bool isUhf = IsUhfTypeByte(state.currentModel[identity::kRecordType]);
    const Entry* entries = isUhf ? uhf : vhf;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t offset = kTestFrequencies + 8 * i;
        const auto first = FrequencyCodec::ParseFrequency(entries[i].first, isUhf ? 1 : 0);
        const auto second = FrequencyCodec::ParseFrequency(entries[i].second, isUhf ? 1 : 0);
        for (std::size_t b = 0; b < 4; ++b) {
            view.SetByte(offset + b, first->field[b]);
            view.SetByte(offset + 4 + b, second->field[b]);
        }
    }
}

void ClearChannels(RadioState& state)
{
    ImageView view = state.View();
    view.Fill(RecordOffset(1), 16 * kRecordSize, 0xFF);
    view.Fill(kProgrammedMap, 4, 0);
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
    std::copy_n(state.image.begin() + identity::kOffset, identity::kLength, identityBytes.begin());
    state.image.fill(0xFF);
    std::copy(identityBytes.begin(), identityBytes.end(), state.image.begin() + identity::kOffset);
    ApplyTestFrequencyDefaults(state);
    ApplyModelDefaults(state, ModelReset::Keep);
    state.MarkSaved();
}

} // namespace qtr
