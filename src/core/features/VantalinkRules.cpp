#include "core/features/VantalinkRules.h"

#include "core/base/messages/Common.h"
#include "core/base/messages/Vantalink.h"
#include "core/features/SettingsForm.h"
#include "core/model/RadioState.h"
#include "core/model/VantalinkFields.h"

#include <algorithm>

namespace qtr::features {

namespace {

constexpr long long kLowestFleet = 100;
constexpr long long kHighestFleet = 349;
constexpr long long kLowestId = 1000;
constexpr long long kHighestId = 4999;
constexpr long long kFleetBase = kLowestFleet - 1;
constexpr long long kIdBase = kLowestId - 1;
constexpr form::SpinRange kFleetCodes{1, static_cast<int>(kHighestFleet - kFleetBase), 1};
constexpr form::SpinRange kIdCodes{1, static_cast<int>(kHighestId - kIdBase), 1};
constexpr unsigned kLongestModulationDelay = 6000;
constexpr unsigned kModulationDelayShownForOdd = 400;
constexpr unsigned kLongestMessageMode = 300;
constexpr unsigned kWildcard = 0;
constexpr unsigned kUnusedFleet = 0xFF;
constexpr unsigned kUnusedId = 0xFFFF;

bool InRange(unsigned stored, const form::SpinRange& range)
{
    return static_cast<int>(stored) >= range.minimum && static_cast<int>(stored) <= range.maximum;
}

void GiveOwnIdIfUnset(RadioState& state)
{
    if (state.Get(vantalink::kOwnId) == kOwnIdNotSet)
        state.Set(vantalink::kOwnId, static_cast<unsigned>(kIdCodes.minimum));
}

void GiveOwnFleetIfUnset(RadioState& state)
{
    if (state.Get(vantalink::kOwnFleet) == kOwnFleetNotSet)
        state.Set(vantalink::kOwnFleet, static_cast<unsigned>(kFleetCodes.minimum));
}

void ClearOwnIdentity(RadioState& state)
{
    state.Set(vantalink::kOwnFleet, kOwnFleetNotSet);
    state.Set(vantalink::kOwnId, kOwnIdNotSet);
}

// A value that is not set steps to the lowest one, whichever the direction.
void StepCode(RadioState& state, ImageField field, unsigned notSet, const form::SpinRange& range, int direction)
{
    const unsigned stored = state.Get(field);
    const int next = stored == notSet ? range.minimum : form::SpinWrapped(static_cast<int>(stored), direction, range);
    state.Set(field, static_cast<unsigned>(next));
}

bool IsWildcardText(const std::string& text, const std::string& wildcardText)
{
    return text.front() == '0' || text.front() == 'A' || text == wildcardText;
}

} // namespace

unsigned FleetCode(long long fleet)
{
    return static_cast<unsigned>(std::clamp(fleet, kLowestFleet, kHighestFleet) - kFleetBase);
}

unsigned IdCode(long long id)
{
    return static_cast<unsigned>(std::clamp(id, kLowestId, kHighestId) - kIdBase);
}

std::string FleetText(unsigned stored)
{
    return InRange(stored, kFleetCodes) ? std::to_string(stored + kFleetBase) : std::string();
}

std::string IdText(unsigned stored)
{
    return InRange(stored, kIdCodes) ? std::to_string(stored + kIdBase) : std::string();
}

void CommitOwnFleet(RadioState& state, const std::string& text)
{
    if (text.empty())
        return ClearOwnIdentity(state);
    state.Set(vantalink::kOwnFleet, FleetCode(form::TypedNumber(text)));
    GiveOwnIdIfUnset(state);
}

void CommitOwnId(RadioState& state, const std::string& text)
{
    if (text.empty())
        return ClearOwnIdentity(state);
    state.Set(vantalink::kOwnId, IdCode(form::TypedNumber(text)));
    GiveOwnFleetIfUnset(state);
}

void StepOwnFleet(RadioState& state, int direction)
{
    StepCode(state, vantalink::kOwnFleet, kOwnFleetNotSet, kFleetCodes, direction);
    GiveOwnIdIfUnset(state);
}

void StepOwnId(RadioState& state, int direction)
{
    StepCode(state, vantalink::kOwnId, kOwnIdNotSet, kIdCodes, direction);
    GiveOwnFleetIfUnset(state);
}

unsigned ModulationDelayValue(long long typed)
{
    return static_cast<unsigned>(std::clamp<long long>(typed, 0, kLongestModulationDelay));
}

form::FieldText ModulationDelayText(unsigned stored)
{
    return form::FieldText::Plain(std::to_string(stored <= kLongestModulationDelay ? stored : kModulationDelayShownForOdd));
}

unsigned MessageModeSeconds(long long typed)
{
    return static_cast<unsigned>(std::clamp<long long>(typed, 0, kLongestMessageMode));
}

form::FieldText MessageModeText(unsigned stored)
{
    if (stored == 0)
        return form::FieldText::Message(messages::common::kOff);
    return form::FieldText::Plain(std::to_string(std::min(stored, kLongestMessageMode)));
}

form::FieldText FleetIdCellText(const ImageReader& image, std::size_t index, FleetIdColumn column)
{
    const ImageRange entry = vantalink::ListEntry(index);
    const bool fleet = column == FleetIdColumn::Fleet;
    const unsigned stored = image.Get(fleet ? vantalink::entry::kFleet.At(entry.offset) : vantalink::entry::kId.At(entry.offset));
    if (stored == kWildcard)
        return form::FieldText::Message(messages::vantalink::kAll);
    return form::FieldText::Plain(fleet ? FleetText(stored) : IdText(stored));
}

void CommitFleetIdCell(ImageView image, std::size_t index, FleetIdColumn column, const std::string& text,
                       const std::string& wildcardText)
{
    const ImageRange entry = vantalink::ListEntry(index);
    const ImageField fleet = vantalink::entry::kFleet.At(entry.offset);
    const ImageField id = vantalink::entry::kId.At(entry.offset);
    if (text.empty())
        return image.Fill(entry, 0xFF);
    const bool isFleet = column == FleetIdColumn::Fleet;
    const long long typed = form::TypedNumber(text);
    const unsigned value = IsWildcardText(text, wildcardText) ? kWildcard : isFleet ? FleetCode(typed) : IdCode(typed);
    image.Set(isFleet ? fleet : id, value);
    const ImageField other = isFleet ? id : fleet;
    if (image.Get(other) == (isFleet ? kUnusedId : kUnusedFleet))
        image.Set(other, kWildcard);
}

} // namespace qtr::features
