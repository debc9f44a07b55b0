#include "core/link/WrittenImageCheck.h"

#include "core/link/BlockPlan.h"

#include <cstdio>

namespace qtr {

std::optional<WriteMismatch> CompareWrittenBytes(const ImageBytes& sent, const ImageBytes& readBack)
{
    std::optional<WriteMismatch> mismatch;
    for (const Block& block : WriteBlockPlan()) {
        for (std::size_t at = block.address; at < block.address + block.length; ++at) {
            if (sent[at] == readBack[at])
                continue;
            if (!mismatch)
                mismatch = WriteMismatch{static_cast<std::uint16_t>(at), 0};
            ++mismatch->count;
        }
    }
    return mismatch;
}

std::string HexAddress(std::uint16_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%03X", static_cast<unsigned>(address));
    return text;
}

} // namespace qtr
