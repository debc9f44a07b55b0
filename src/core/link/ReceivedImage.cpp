#include "core/link/ReceivedImage.h"

#include "core/channels/ChannelBitmaps.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/RadioState.h"

#include <algorithm>

namespace qtr {

namespace {

constexpr std::size_t kRecordSize = 16;
constexpr int kRecordCount = 16;
constexpr std::size_t kSixteenthRecord = kRecordSize * 16;

} // namespace

void StoreReceivedImage(RadioState& state, FrequencyCodec& codec, const RadioIdentity& identity)
{
    std::transform(state.snapshot.begin(), state.snapshot.end(), state.image.begin(),
                   [](std::uint32_t entry) { return static_cast<std::uint8_t>(entry & 0xFF); });
    std::copy(identity.begin(), identity.end(), state.image.begin() + identity::kOffset);
    ImageView view = state.View();
    if (state.ImageModelCode() == "P81L1")
        view.Fill(kSixteenthRecord, kRecordSize, 0xFF);
    ChannelBitmaps bitmaps(state.image);
    for (int slot = 0; slot < kRecordCount; ++slot) {
        if (view.Byte(kRecordSize * static_cast<std::size_t>(slot + 1)) != 0xFF)
            bitmaps.SetProgrammed(slot, true);
    }
    // The step codes depend on the band, so the radio's model must be current first.
    state.AdoptImageModel();
    codec.RecomputeStepCodes();
}

} // namespace qtr
