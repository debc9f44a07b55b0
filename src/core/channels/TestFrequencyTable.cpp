#include "core/channels/TestFrequencyTable.h"

#include "core/base/Prompter.h"
#include "core/base/messages/Common.h"
#include "core/model/FieldRoutines.h"
#include "core/model/ModelDefaults.h"
#include "core/model/RadioState.h"
#include "core/model/TestFrequencyFields.h"

#include <cmath>

namespace qtr {

namespace {

struct Step {
    long long units;
    unsigned code;
    bool vhfOnly;
};

using testfreq::kUnset;

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

ImageRange TestFrequencyTable::Field(int entry, Column column)
{
    const ImageRange& field =
        column == Column::Transmit ? testfreq::entry::kTransmitFrequency : testfreq::entry::kReceiveFrequency;
    return field.At(testfreq::EntryOf(entry).offset);
}

ImageField TestFrequencyTable::StepField(int entry, Column column)
{
    const ImageField& step = column == Column::Transmit ? testfreq::entry::kTransmitStep : testfreq::entry::kReceiveStep;
    return step.At(testfreq::StepByteOf(entry).offset);
}

std::string TestFrequencyTable::Text(int entry, Column column) const
{
    return FrequencyCodec::FormatFrequency(state_.Reader().Data(Field(entry, column)));
}

bool TestFrequencyTable::IsSet(int entry) const
{
    return state_.Get(Field(entry, Column::Receive).ByteOf(0)) != kUnset;
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
    return static_cast<std::uint8_t>(state_.Get(testfreq::StepByteOf(entry)));
}

bool TestFrequencyTable::IsVhfModel() const
{
    const unsigned band = state_.Get(identity::kBandCode);
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
    state_.View().SetBytes(Field(entry, column), field.data());
    state_.Set(StepField(entry, column), choice.code);
}

void TestFrequencyTable::ClearEntry(int entry)
{
    state_.View().Fill(testfreq::EntryOf(entry), kUnset);
    state_.Set(testfreq::StepByteOf(entry), kUnset);
}

TestFrequencyTable::CommitResult TestFrequencyTable::Commit(int entry, Column column, std::string text,
                                                            const std::string& startText)
{
    CommitResult result;
    if (entry < 0 || entry >= kEntryCount)
        return result;
    result.changed = text != startText;
    if (codec_.CheckBand(text) == 0)
        prompter_.Ask({.captionId = messages::common::kWarningCaption,
                       .messageId = messages::common::kOutOfBandWarning,
                       .icon = Icon::Warning});
    if (text.empty()) {
        ClearEntry(entry);
    } else {
        const bool hadTransmit = state_.Get(Field(entry, Column::Transmit).ByteOf(0)) != kUnset;
        StoreByStepRule(entry, column, text);
        if (column == Column::Receive && !hadTransmit)
            StoreByStepRule(entry, Column::Transmit, text);
    }
    if (!AnySet()) {
        ApplyTestFrequencyDefaults(state_);
        result.defaultsRestored = true;
    }
    state_.notices.Edited();
    return result;
}

} // namespace qtr
