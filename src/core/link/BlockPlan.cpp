#include "core/link/BlockPlan.h"

#include "core/link/WireBytes.h"
#include "core/model/ImageView.h"

namespace qtr {

namespace {

constexpr std::uint8_t kWriteBlockLength = 16;

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
    AddBlocks(plan, 0x000, 0x180, kWriteBlockLength);
    AddBlocks(plan, 0x1B8, 0x1F8, kWriteBlockLength);
    plan.push_back({0x1F8, 8});
    AddBlocks(plan, 0x200, 0x340, kWriteBlockLength);
    return plan;
}

} // namespace qtr
