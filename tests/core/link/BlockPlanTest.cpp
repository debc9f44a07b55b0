#include "core/link/BlockPlan.h"

#include <gtest/gtest.h>

#include <array>

namespace qtr {
namespace {

TEST(BlockPlanTest, ReadsSixteenBlocksOfSixtyFourInAddressOrder)
{
    const auto plan = ReadBlockPlan();
    ASSERT_EQ(plan.size(), 16u);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].address, 64 * i);
        EXPECT_EQ(plan[i].length, 64);
    }
}

TEST(BlockPlanTest, WritesEveryByteOnceExceptTheRadiosOwnRanges)
{
    const auto plan = WriteBlockPlan();
    ASSERT_EQ(plan.size(), 49u);
    std::array<int, 1024> written{};
    std::size_t total = 0;
    for (const Block& block : plan) {
        total += block.length;
        for (std::size_t i = 0; i < block.length; ++i)
            ++written[block.address + i];
    }
    EXPECT_EQ(total, 776u);
    for (std::size_t offset = 0; offset < written.size(); ++offset) {
        const bool radioOwned = (offset >= 384 && offset < 440) || offset >= 832;
        EXPECT_EQ(written[offset], radioOwned ? 0 : 1) << offset;
    }
    EXPECT_EQ(plan[28].address, 0x1F8);
    EXPECT_EQ(plan[28].length, 8);
    EXPECT_EQ(plan.back().address, 0x330);
}

} // namespace
} // namespace qtr
