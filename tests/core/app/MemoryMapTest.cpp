#include "core/app/MemoryMap.h"
#include "core/base/messages/Menu.h"
#include "core/model/RadioState.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using namespace memorymap;

TEST(MemoryMapTest, TheImageIsShownUpsideDownWithItsLabels)
{
    EXPECT_EQ(OffsetOf({64, 1}), 0U);
    EXPECT_EQ(OffsetOf({64, 16}), 15U);
    EXPECT_EQ(OffsetOf({63, 1}), 16U);
    EXPECT_EQ(OffsetOf({1, 1}), 1008U);
    EXPECT_EQ(OffsetOf({1, 16}), 1023U);
    for (std::size_t offset : {0U, 15U, 16U, 767U, 1023U})
        EXPECT_EQ(OffsetOf(CellOf(offset)), offset);
    EXPECT_EQ(RowLabel(1), "   03F_");
    EXPECT_EQ(RowLabel(64), "   000_");
    EXPECT_EQ(RowLabel(63), "   001_");
    EXPECT_EQ(ColumnLabel(1), "__0");
    EXPECT_EQ(ColumnLabel(16), "__F");
    EXPECT_EQ(AddressText({64, 1}), "0000");
    EXPECT_EQ(AddressText({1, 16}), "03FF");
    EXPECT_EQ(AddressText({16, 11}), "030A");
    EXPECT_EQ(CellText(0xFF), "FF");
    EXPECT_EQ(CellText(0x05), "05");
    EXPECT_EQ(CellText(0xAB), "AB");
}

TEST(MemoryMapTest, AnEditedCellAlwaysHoldsTwoHexadecimalDigits)
{
    EXPECT_EQ(CellTextOfEditor(""), "FF");
    EXPECT_EQ(CellTextOfEditor("5"), "05");
    EXPECT_EQ(CellTextOfEditor("a"), "0A");
    EXPECT_EQ(CellTextOfEditor("3c"), "3C");
    EXPECT_EQ(CellTextOfEditor("x7g"), "07"); // what is not a digit never reaches the cell
    EXPECT_EQ(CellTextOfEditor("1234"), "12");
    EXPECT_EQ(ByteOf("3c"), 0x3C);
    EXPECT_EQ(ByteOf("FF"), 0xFF);
    EXPECT_EQ(ByteOf(""), 0xFF);
}

TEST(MemoryMapTest, RightAndLeftRunThroughTheAddressesAcrossRows)
{
    EXPECT_EQ(Right({64, 16}), (GridCell{63, 1})); // "   000_" last column to "   001_" first
    EXPECT_EQ(Left({63, 1}), (GridCell{64, 16}));
    EXPECT_EQ(Right({10, 3}), (GridCell{10, 4}));
    EXPECT_EQ(Left({10, 3}), (GridCell{10, 2}));
    EXPECT_EQ(Right({1, 16}), (GridCell{1, 16})); // the top row's last cell stays
    EXPECT_EQ(Left({64, 1}), (GridCell{64, 1}));  // and the bottom row's first
}

TEST(MemoryMapTest, WritingTheImageIsHeardOnlyWhenAByteChanged)
{
    RadioState state;
    state.image.fill(0xFF);
    state.MarkSaved();
    std::vector<ImageNotice> heard;
    const auto listening = state.notices.Subscribe([&](const ImageNotice& notice) { heard.push_back(notice); });
    ImageBytes edited = state.image;
    EXPECT_FALSE(WriteImage(state, edited));
    EXPECT_TRUE(heard.empty());
    edited[1000] = 0x05;
    EXPECT_TRUE(WriteImage(state, edited));
    EXPECT_EQ(state.image[1000], 0x05);
    EXPECT_TRUE(state.IsModified());
    const int memoryMapName = messages::menu::kMemoryMap;
    EXPECT_EQ(heard, (std::vector<ImageNotice>{{ImageNotice::Kind::Changed, ImageReason::Edited, memoryMapName}}));
}

} // namespace
} // namespace qtr
