#pragma once

#include <cstdint>
#include <vector>

namespace qtr {

// One block of the image on the wire: its address and length.
struct Block {
    std::uint16_t address;
    std::uint8_t length;
};

// The sixteen 64-byte requests of a read, in address order.
std::vector<Block> ReadBlockPlan();
// The blocks of a write: everything but the radio's own ranges 384-439 and 832-1023.
std::vector<Block> WriteBlockPlan();
// The 64-byte reads that cover every byte a write sends, in address order.
std::vector<Block> VerifyBlockPlan();

} // namespace qtr
