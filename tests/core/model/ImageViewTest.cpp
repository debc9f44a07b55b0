#include "core/model/ImageView.h"

#include "core/channels/ChannelBitmaps.h"
#include "core/model/DtmfFields.h"
#include "core/model/TestFrequencyFields.h"
#include "core/model/VantalinkFields.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class ImageViewTest : public ::testing::Test {
protected:
    void SetUp() override { image.fill(0xFF); }

    ImageBytes image{};
    ImageView view{image};
};

TEST_F(ImageViewTest, FieldsReadAndWriteBytesBitsAndLittleEndianWords)
{
    view.Set(WordAt(371), 400);
    EXPECT_EQ(image[371], 0x90);
    EXPECT_EQ(image[372], 0x01);
    EXPECT_EQ(view.Get(WordAt(371)), 400u);

    view.Set(BitsAt(12, 5, 3), 2); // the other five bits stay
    EXPECT_EQ(image[12], 0x5F);
    EXPECT_EQ(view.Get(BitsAt(12, 5, 3)), 2u);
    view.Set(BitsAt(12, 5, 3), 0x0F); // wider than the field: only its bits are taken
    EXPECT_EQ(image[12], 0xFF);

    view.Set(ByteAt(14).At(16), 0x50);
    EXPECT_EQ(image[30], 0x50);
    EXPECT_EQ(view.Get(WordAt(380).HighByte()), 0xFFu);
}

TEST_F(ImageViewTest, TextsArePaddedAndCutToTheirRange)
{
    view.SetText(dtmf::kIdCode, "000", 0xFF);
    EXPECT_EQ(view.Text(ImageRange{288, 3}), "000");
    EXPECT_TRUE(view.AllEqual(ImageRange{291, 7}, 0xFF));
    view.SetText(ImageRange{100, 4}, "ABCDEFG", 0xFF);
    EXPECT_EQ(view.Text(ImageRange{100, 4}), "ABCD");
    EXPECT_EQ(image[104], 0xFF);
}

TEST_F(ImageViewTest, ListEntriesLieWhereTheirTablesSay)
{
    EXPECT_EQ(vantalink::ListEntry(3).offset, 457u);
    EXPECT_EQ(vantalink::ListEntry(4).offset, 464u); // after the four unused bytes
    EXPECT_EQ(vantalink::entry::kId.At(vantalink::ListEntry(4).offset).offset, 465u);
    EXPECT_EQ(dtmf::AutodialEntry(7).End(), 640u);
    EXPECT_EQ(testfreq::EntryOf(15).End(), 768u);
    EXPECT_EQ(testfreq::StepByteOf(2).offset, 482u);
}

TEST_F(ImageViewTest, BitmapSlotsAboveEightLiveInTheSecondByte)
{
    image[380] = image[381] = image[382] = image[383] = 0;
    ChannelBitmaps bitmaps(image);
    bitmaps.SetProgrammed(9, true);
    bitmaps.SetScanAdd(0, true);
    EXPECT_EQ(image[380], 0x00);
    EXPECT_EQ(image[381], 0x02);
    EXPECT_EQ(image[382], 0x01);
    EXPECT_TRUE(bitmaps.Programmed(9));
    EXPECT_FALSE(bitmaps.Programmed(1));
}

} // namespace
} // namespace qtr
