#pragma once

#include "core/model/ImageView.h"

#include <cstddef>

namespace qtr {

// The two 16-bit channel bitmaps beside the records: which slots hold a channel and
// which channels are scanned. Bit n of the first byte is slot n, bit n of the second
// byte is slot n + 8.
class ChannelBitmaps {
public:
    static constexpr std::size_t kProgrammedOffset = 380;
    static constexpr std::size_t kScanAddOffset = 382;

    explicit ChannelBitmaps(ImageBytes& image) : image_(image) {}

    bool Programmed(int slot) const { return Bit(kProgrammedOffset, slot); }
    bool ScanAdd(int slot) const { return Bit(kScanAddOffset, slot); }
    void SetProgrammed(int slot, bool on) { SetBit(kProgrammedOffset, slot, on); }
    void SetScanAdd(int slot, bool on) { SetBit(kScanAddOffset, slot, on); }
    // Both bits of the target slot become those of the source slot.
    void CopySlot(int target, int source);

private:
    bool Bit(std::size_t bitmap, int slot) const;
    void SetBit(std::size_t bitmap, int slot, bool on);

    ImageView image_;
};

} // namespace qtr
