#include "core/features/ScanModel.h"

#include "core/model/ChannelFields.h"
#include "core/model/IdentityFields.h"
#include "core/model/KeyFields.h"
#include "core/model/RadioState.h"

namespace qtr::scanmodel {

namespace {

using identity::kFifteenOrSixteenChannels;

} // namespace

bool IsFifteenChannelModel(const RadioState& state)
{
    return state.ChannelCountCode() == kFifteenOrSixteenChannels && !state.sixteenChannelFlag;
}

bool IsSSelectorOn(const RadioState& state)
{
    return state.Get(keys::kSSelector) == keys::kSSelectorOn;
}

bool IsProgrammed(const RadioState& state, int channel)
{
    return state.Get(channels::RecordOf(channel - 1).ByteOf(0)) != channels::kUnset;
}

std::vector<int> ProgrammedChannels(const RadioState& state)
{
    std::vector<int> programmed;
    for (int channel = 1; channel <= channels::kSlotCount; ++channel)
        if (IsProgrammed(state, channel))
            programmed.push_back(channel);
    return programmed;
}

} // namespace qtr::scanmodel
