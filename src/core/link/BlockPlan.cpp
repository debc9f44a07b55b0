#include "core/link/BlockPlan.h"

#include "core/link/WireBytes.h"
#include "core/model/DtmfFields.h"
#include "core/model/ImageRegions.h"
#include "core/model/ImageView.h"

#include <algorithm>

namespace qtr {

namespace {

constexpr std::uint8_t kWriteBlockLength = 16;
// The one short block of a write ends where the autodial memory starts.
constexpr std::uint8_t kShortBlockLength = 8;
constexpr std::uint16_t kShortBlockAddress = dtmf::kAutodialMemory.offset - kShortBlockLength;

void AddBlocks(std::vector<Block>& plan, std::uint16_t first, std::uint16_t end, std::uint8_t length)
{
    for (std::uint16_t address = first; address < end; address = static_cast<std::uint16_t>(address + length))
        plan.push_back({address, length});
}

} // namespace

std::vector<Block> ReadBlockPlan()
{
    std::vector<Block> plan;
    AddBlocks(plan, 0, kImageSize, wire::kReadBlockLength);
    return plan;
}

std::vector<Block> WriteBlockPlan()
{
    std::vector<Block> plan;
    AddBlocks(plan, 0, regions::kRadioOwnedLow.offset, kWriteBlockLength);
    AddBlocks(plan, regions::kRadioOwnedLow.End(), kShortBlockAddress, kWriteBlockLength);
    plan.push_back({kShortBlockAddress, kShortBlockLength});
    AddBlocks(plan, dtmf::kAutodialMemory.offset, regions::kRadioOwnedHigh.offset, kWriteBlockLength);
    return plan;
}

std::vector<Block> VerifyBlockPlan()
{
    const std::vector<Block> written = WriteBlockPlan();
    const auto holdsWrittenBytes = [&written](const Block& read) {
        return std::any_of(written.begin(), written.end(), [&read](const Block& block) {
            return block.address < read.address + read.length && read.address < block.address + block.length;
        });
    };
    std::vector<Block> plan;
    for (const Block& read : ReadBlockPlan())
        if (holdsWrittenBytes(read))
            plan.push_back(read);
    return plan;
}

} // namespace qtr
