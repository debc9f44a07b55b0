#include "core/testmode/TuningItems.h"

#include <gtest/gtest.h>

namespace qtr::testmode {
namespace {

TEST(TuningItemList, LineBLeavesOutItemsSixAndTenAndMapsPositionsPastThem)
{
    const std::vector<int> listed = ListedItems(true);
    ASSERT_EQ(listed.size(), 13u);
    for (int position = 0; position < 13; ++position)
        EXPECT_EQ(ItemAtListPosition(position, true), listed[static_cast<std::size_t>(position)]) << position;
    EXPECT_EQ(TuningItems()[static_cast<std::size_t>(ItemAtListPosition(6, true))].code, 31);
    EXPECT_EQ(ItemAtListPosition(20, true), kTuningItemCount - 1);
    EXPECT_EQ(ListedItems(false).size(), 15u);
    EXPECT_EQ(ItemAtListPosition(10, false), 10);
}

TEST(TuningItemList, NarrowModeAdjustsOnlyTheMasterPointOfItemsWithANarrowEntry)
{
    const TuningItem& item9 = TuningItems()[9];
    EXPECT_EQ(PointCodes(item9, true), (std::vector<std::uint8_t>{12, 114, 115, 116}));
    EXPECT_EQ(PointEntries(item9, true), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(PointCodes(item9, false), (std::vector<std::uint8_t>{12}));
    EXPECT_EQ(PointEntries(item9, false), (std::vector<int>{4}));
    // Six-point and fixed four-point items adjust every point in both modes.
    EXPECT_EQ(PointEntries(TuningItems()[0], false).size(), 6u);
    EXPECT_EQ(PointEntries(TuningItems()[7], false), (std::vector<int>{45, 46, 47, 48}));
    EXPECT_EQ(PointEntries(TuningItems()[10], false), (std::vector<int>{53}));
}

TEST(TuningItemList, EveryItemHasAsManyEntriesAsPointsAndTabs)
{
    for (const TuningItem& item : TuningItems()) {
        EXPECT_EQ(item.pointCodes.size(), item.wideEntries.size()) << item.nameId;
        EXPECT_EQ(TabsFor(item.pointCodes.size()).size(), item.pointCodes.size()) << item.nameId;
        EXPECT_EQ(item.pointCodes.front(), item.code) << item.nameId;
    }
    EXPECT_EQ(TabsFor(4), (std::vector<TuningTab>{TuningTab::Master, TuningTab::Low, TuningTab::Middle, TuningTab::High}));
}

} // namespace
} // namespace qtr::testmode
