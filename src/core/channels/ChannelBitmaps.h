#pragma once

#include "core/model/ChannelFields.h"
#include "core/model/ImageView.h"

#include <cstddef>

namespace qtr {

// The two 16-bit channel bitmaps beside the records: which slots hold a channel and
// which channels are scanned. Bit n of a bitmap is slot n.
class ChannelBitmaps {
public:
    explicit ChannelBitmaps(ImageBytes& image) : image_(image) {}

    bool Programmed(int slot) const { return Bit(channels::kProgrammedMap, slot); }
    bool ScanAdd(int slot) const { return Bit(channels::kScanAddMap, slot); }
    void SetProgrammed(int slot, bool on) { SetBit(channels::kProgrammedMap, slot, on); }
    void SetScanAdd(int slot, bool on) { SetBit(channels::kScanAddMap, slot, on); }
    // Both bits of the target slot become those of the source slot.
    void CopySlot(int target, int source);

private:
    bool Bit(const ImageField& bitmap, int slot) const;
    void SetBit(const ImageField& bitmap, int slot, bool on);

    ImageView image_;
};

} // namespace qtr
