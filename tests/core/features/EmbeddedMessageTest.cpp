#include "core/features/EmbeddedMessage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qtr {
namespace {

ImageBytes BlankImage()
{
    ImageBytes image{};
    image.fill(0xFF);
    return image;
}

std::vector<std::uint8_t> Bytes(const ImageBytes& image, std::size_t offset, std::size_t length)
{
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + length)};
}

TEST(EmbeddedMessageTest, ALineIsStoredFromItsFirstByteAndPaddedWithFF)
{
    ImageBytes image = BlankImage();
    EXPECT_TRUE(message::StoreLine(image, 0, "HELLO"));
    std::vector<std::uint8_t> expected{0x48, 0x45, 0x4C, 0x4C, 0x4F};
    expected.resize(32, 0xFF);
    EXPECT_EQ(Bytes(image, 768, 32), expected);
    EXPECT_EQ(message::ReadLine(image, 0), "HELLO");
    EXPECT_FALSE(message::StoreLine(image, 0, "HELLO")); // nothing changed

    const std::string full = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    EXPECT_TRUE(message::StoreLine(image, 1, full));
    EXPECT_EQ(std::count(image.begin() + 800, image.begin() + 832, 0xFF), 0);
    EXPECT_EQ(message::ReadLine(image, 1), full);
    EXPECT_EQ(message::ReadLine(image, 0), "HELLO"); // the lines do not run into each other

    EXPECT_TRUE(message::StoreLine(image, 0, "  a b  ")); // spaces kept as typed, case too
    EXPECT_EQ(message::ReadLine(image, 0), "  a b  ");
}

TEST(EmbeddedMessageTest, ClearingOneLineKeepsTheOtherAndEveryByteAroundThem)
{
    ImageBytes image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    const ImageBytes before = image;
    message::StoreLine(image, 0, "LINE ONE");
    message::StoreLine(image, 1, "LINE TWO");
    message::StoreLine(image, 1, "");
    EXPECT_EQ(Bytes(image, 800, 32), std::vector<std::uint8_t>(32, 0xFF));
    EXPECT_EQ(message::ReadLine(image, 0), "LINE ONE");
    EXPECT_EQ(message::ReadLine(image, 1), "");
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 768, before.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 832, image.end(), before.begin() + 832));
}

TEST(EmbeddedMessageTest, ACharacterTheRadioCannotShowEmptiesTheLine)
{
    ImageBytes image = BlankImage();
    message::StoreLine(image, 0, "KEEP");
    message::StoreLine(image, 1, "OLD TEXT");
    EXPECT_TRUE(message::StoreLine(image, 1, "Jos\xC3\xA9")); // "José" in UTF-8
    EXPECT_EQ(Bytes(image, 800, 32), std::vector<std::uint8_t>(32, 0xFF));
    message::StoreLine(image, 1, "TAB\tHERE");
    EXPECT_EQ(message::ReadLine(image, 1), "");
    message::StoreLine(image, 1, "~\x7F"); // up to 0x7F the radio takes
    EXPECT_EQ(message::ReadLine(image, 1), "~\x7F");
    EXPECT_EQ(message::ReadLine(image, 0), "KEEP");
}

TEST(EmbeddedMessageTest, ALineIsReadUpToItsFirstFFAndALongTextIsCut)
{
    ImageBytes image = BlankImage();
    const std::string text = "AB\xFF" "CD";
    std::copy(text.begin(), text.end(), image.begin() + 768);
    EXPECT_EQ(message::ReadLine(image, 0), "AB");
    message::StoreLine(image, 0, std::string(40, 'X'));
    EXPECT_EQ(message::ReadLine(image, 0), std::string(32, 'X'));
    EXPECT_EQ(image[800], 0xFF);
}

} // namespace
} // namespace qtr
