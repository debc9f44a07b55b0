#include "core/channels/TestFrequencyTable.h"

#include "core/base/CommonMessages.h"

#include "core/base/Prompter.h"
#include "core/model/FieldRoutines.h"
#include "core/model/ModelDefaults.h"
#include "core/model/RadioState.h"

#include <cmath>

namespace qtr {

namespace {

struct Step {
    long long units;
    unsigned code;
    bool vhfOnly;
};

// In the order that settles a tie.
constexpr Step kTestSteps[] = {{625, 2, false}, {500, 1, false}, {750, 3, true}, {250, 0, true}};

// Nearest multiple of the step; an exact half rounds down.
long long RoundToStep(long long units, long long step)
{
    const long long below = (units / step) * step;
    return 2 * (units - below) > step ? below + step : below;
}

} // namespace

TestFrequencyTable::TestFrequencyTable(RadioState& state, FrequencyCodec& codec, Prompter& prompter)
    : state_(state), codec_(codec), prompter_(prompter)
{
}

std::size_t TestFrequencyTable::FieldOffset(int entry, Column column) const
{
    return kFirstEntry + kEntrySize * static_cast<std::size_t>(entry) + (column == Column::Transmit ? 4 : 0);
}

std::string TestFrequencyTable::Text(int entry, Column column) const
{
    return FrequencyCodec::FormatFrequency(state_.image.data() + FieldOffset(entry, column));
}

bool TestFrequencyTable::IsSet(int entry) const
{
    return state_.image[FieldOffset(entry, Column::Receive)] != 0xFF;
}

bool TestFrequencyTable::AnySet() const
{
    for (int entry = 0; entry < kEntryCount; ++entry)
        if (IsSet(entry))
            return true;
    return false;
}

std::uint8_t TestFrequencyTable::StepByte(int entry) const
{
    return state_.image[kFirstStepByte + static_cast<std::size_t>(entry)];
}

bool TestFrequencyTable::IsVhfModel() const
{
    const unsigned band = state_.image[identity::kTypeByte] >> 4;
    return band == 1 || band == 2;
}

TestFrequencyTable::StepChoice TestFrequencyTable::TestStepRule(long long units, bool vhf)
{
    StepChoice best{-1, 0};
    long long bestDistance = 0;
    for (const Step& step : kTestSteps) {
        if (step.vhfOnly && !vhf)
            continue;
        const long long candidate = RoundToStep(units, step.units);
        const long long distance = std::llabs(candidate - units);
        if (best.units < 0 || distance < bestDistance) {
            best = {candidate, step.code};
            bestDistance = distance;
        }
    }
    return best;
}

void TestFrequencyTable::StoreByStepRule(int entry, Column column, const std::string& text)
{
    const auto units = std::llround(LeadingDecimal(text) * 100000.0);
    const StepChoice choice = TestStepRule(units, IsVhfModel());
    const FrequencyField field = FrequencyCodec::PackTenHertzUnits(choice.units);
    std::copy(field.begin(), field.end(), state_.image.begin() + static_cast<std::ptrdiff_t>(FieldOffset(entry, column)));
    const std::size_t stepByte = kFirstStepByte + static_cast<std::size_t>(entry);
    state_.View().SetBits(stepByte, column == Column::Receive ? 4 : 0, 4, choice.code);
}

void TestFrequencyTable::ClearEntry(int entry)
{
    state_.View().Fill(FieldOffset(entry, Column::Receive), kEntrySize, 0xFF);
    state_.image[kFirstStepByte + static_cast<std::size_t>(entry)] = 0xFF;
}

TestFrequencyTable::CommitResult TestFrequencyTable::Commit(int entry, Column column, std::string text,
                                                            const std::string& startText)
{
    CommitResult result;
    if (entry < 0 || entry >= kEntryCount)
        return result;
    result.changed = text != startText;
    if (codec_.CheckBand(text) == 0)
        prompter_.Ask({.captionId = msg::kWarningCaption, .messageId = msg::kOutOfBandWarning, .icon = Icon::Warning});
    if (text.empty()) {
        ClearEntry(entry);
    } else {
        const bool hadTransmit = state_.image[FieldOffset(entry, Column::Transmit)] != 0xFF;
        StoreByStepRule(entry, column, text);
        if (column == Column::Receive && !hadTransmit)
            StoreByStepRule(entry, Column::Transmit, text);
    }
    if (!AnySet()) {
        ApplyTestFrequencyDefaults(state_);
        result.defaultsRestored = true;
    }
    return result;
}

} // namespace qtr
