#include "core/channels/ChannelRecord.h"

namespace qtr {

ChannelRecord::ChannelRecord(ImageBytes& image, int slot)
    : image_(image), slot_(slot), base_(channels::RecordOf(slot).offset)
{
}

} // namespace qtr
