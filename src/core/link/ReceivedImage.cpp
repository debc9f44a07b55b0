#include "core/link/ReceivedImage.h"

#include "core/channels/ChannelBitmaps.h"
#include "core/channels/ChannelRecord.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/RadioState.h"

#include <algorithm>

namespace qtr {

void StoreReceivedImage(RadioState& state, FrequencyCodec& codec, const RadioIdentity& identity)
{
    std::transform(state.snapshot.begin(), state.snapshot.end(), state.image.begin(),
                   [](std::uint32_t entry) { return static_cast<std::uint8_t>(entry & 0xFF); });
    ImageView view = state.View();
    view.SetBytes(identity::kIdentity, identity.data());
    // The 15-channel radio has no sixteenth channel, whatever its memory holds there.
    if (state.ImageModelCode() == "P81L1")
        view.Fill(channels::RecordOf(channels::kSlotCount - 1), channels::kUnset);
    ChannelBitmaps bitmaps(state.image);
    for (int slot = 0; slot < channels::kSlotCount; ++slot) {
        if (ChannelRecord(state.image, slot).IsProgrammed())
            bitmaps.SetProgrammed(slot, true);
    }
    // The step codes depend on the band, so the radio's model must be current first.
    state.AdoptImageModel();
    codec.RecomputeStepCodes();
}

} // namespace qtr
