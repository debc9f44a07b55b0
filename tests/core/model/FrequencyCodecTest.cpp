#include "core/model/FrequencyCodec.h"

#include "ProgramFolder.h"
#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

FrequencyField Field(std::initializer_list<std::uint8_t> bytes)
{
    FrequencyField field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

class FrequencyCodecTest : public ::testing::Test {
protected:
    void UseModel(int type, std::uint8_t typeByte)
    {
        test::StartWithModel(state, test::RecordFor(type, typeByte));
    }
    RadioState state;
    MessageCatalog catalog;
    FrequencyCodec codec{state, catalog};
};

TEST_F(FrequencyCodecTest, FormatsPackedDecimalAndTreatsBlankFieldsAsUnset)
{
    EXPECT_EQ(FrequencyCodec::FormatFrequency(Field({0x00, 0x20, 0x18, 0x15}).data()), "151.82000");
    EXPECT_EQ(FrequencyCodec::FormatFrequency(Field({0x50, 0x62, 0x75, 0x46}).data()), "467.56250");
    EXPECT_EQ(FrequencyCodec::FormatFrequency(Field({0xFF, 0xFF, 0xFF, 0xFF}).data()), "");
    EXPECT_EQ(FrequencyCodec::FormatFrequency(Field({0, 0, 0, 0}).data()), "");
}

TEST_F(FrequencyCodecTest, ParseChoosesTheFirstStepThatDivides)
{
    struct Case {
        const char* text;
        int band;
        const char* stored;
        unsigned code;
    };
    const Case cases[] = {
        {"151.82000", 0, "151.82000", step::k5000Hz}, {"151.81250", 0, "151.81250", step::k6250Hz},
        {"151.8225", 0, "151.82250", step::k2500Hz},  {"151.8213", 0, "151.82000", step::k5000Hz},
        {"462.5625", 1, "462.56250", step::k6250Hz},  {"462.5612", 1, "462.55625", step::k6250Hz},
        {"151.8225", 1, "151.81875", step::k6250Hz},  {"450.0", -1, "450.00000", step::k6250Hz},
    };
    for (const auto& c : cases) {
        const auto parsed = FrequencyCodec::ParseFrequency(c.text, c.band);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(FrequencyCodec::FormatFrequency(parsed->field.data()), c.stored) << c.text;
        EXPECT_EQ(parsed->stepCode, c.code) << c.text;
    }
}

TEST_F(FrequencyCodecTest, ParseRefusesEmptyZeroAndGarbage)
{
    EXPECT_FALSE(FrequencyCodec::ParseFrequency("", 0));
    EXPECT_FALSE(FrequencyCodec::ParseFrequency("0", 0));
    EXPECT_FALSE(FrequencyCodec::ParseFrequency("abc", 0));
    EXPECT_FALSE(FrequencyCodec::ParseFrequency("-151.8", 0));
    const auto bytes = FrequencyCodec::ParseFrequency("151.82", 0)->field;
    EXPECT_EQ(bytes, Field({0x00, 0x20, 0x18, 0x15}));
}

TEST_F(FrequencyCodecTest, CheckBandSnapsFarValuesAndKeepsNearOnes)
{
    UseModel(0, 0x10);
    std::string text = "151.8";
    EXPECT_EQ(codec.CheckBand(text), 1);
    EXPECT_EQ(text, "151.80000");
    text = "175";
    EXPECT_EQ(codec.CheckBand(text), 0);
    EXPECT_EQ(text, "175.00000");
    text = "300";
    EXPECT_EQ(codec.CheckBand(text), 0);
    EXPECT_EQ(text, "174.00000");
    text = "2";
    EXPECT_EQ(codec.CheckBand(text), 0);
    EXPECT_EQ(text, "150.00000");
    text = "";
    EXPECT_EQ(codec.CheckBand(text), 1);
    EXPECT_EQ(text, "");

    UseModel(2, 0x80);
    text = "151.8213";
    EXPECT_EQ(codec.CheckBand(text), 0);
    EXPECT_EQ(text, "450.00000");
}

TEST_F(FrequencyCodecTest, ToneWordsRoundTrip)
{
    EXPECT_EQ(codec.ParseTone("67.0"), 0x029E);
    EXPECT_EQ(codec.ParseTone("D023N"), 0x2813);
    EXPECT_EQ(codec.ParseTone("D754I"), 0xA9EC);
    EXPECT_EQ(codec.FormatTone(0x029E, 'L'), "67.0");
    EXPECT_EQ(codec.FormatTone(0x2813, 'L'), "D023N");
    EXPECT_EQ(codec.FormatTone(0xA9EC, 'B'), "D754I");
    // The encoder's bit 11 is not needed to decode.
    EXPECT_EQ(codec.FormatTone(0x2013, 'L'), "D023N");
}

TEST_F(FrequencyCodecTest, NormaliseForcesCodesAndClampsTones)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D12", "D120N"},   {"D7", "D700N"},   {"D999X", "D777N"}, {"D023n", "D023N"}, {"D023I", "D023I"},
        {"67", "67.0"},     {"250.35", "250.3"}, {"300", "254.1"}, {"50", "67.0"},     {"d023N", "67.0"},
        {"100.07", "100.0"}, {"99999999999999999999", "254.1"}, {"9223372036854775808", "254.1"},
        {"-9223372036854775809", "67.0"},
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        FrequencyCodec::NormaliseToneText(text);
        EXPECT_EQ(text, expected) << input;
    }
    EXPECT_EQ(codec.ParseTone("d023N"), 670);
}

TEST_F(FrequencyCodecTest, OffTextsParseAsOff)
{
    std::vector<int> ids = MessageCatalog::RequiredMessages();
    catalog.SetFolder(test::ProgramFolder());
    ASSERT_EQ(catalog.LoadLanguage(ids, MessageCatalog::kEnglish), 0);
    EXPECT_EQ(codec.ParseTone(catalog.MessageText(messages::common::kNone)), 0xFFFF);
    EXPECT_EQ(codec.ParseTone(catalog.MessageText(messages::common::kOff)), 0xFFFF);
    EXPECT_EQ(codec.ParseTone(""), 0xFFFF);
    EXPECT_EQ(codec.FormatTone(0xFFFF, 'B'), catalog.MessageText(messages::common::kOff));
    EXPECT_EQ(codec.FormatTone(0xFFFF, 'L'), catalog.MessageText(messages::common::kNone));
    EXPECT_EQ(codec.FormatTone(0xFFFF, 'Q'), "");
}

TEST_F(FrequencyCodecTest, ToneListOrderFollowsTheLineThatFilledIt)
{
    auto parlane = codec.FillToneList('B');
    EXPECT_FALSE(parlane.editable);
    ASSERT_EQ(parlane.entries.size(), 206u);
    EXPECT_EQ(parlane.entries[1], "(01) 67.0");
    EXPECT_EQ(parlane.entries[39], "(39) 69.3");
    EXPECT_EQ(parlane.entries[40], "(01) D023N");
    EXPECT_EQ(parlane.entries[123], "D023I");
    EXPECT_EQ(codec.ToneIndexOf("69.3"), 39);
    std::string text = "69.3";
    codec.DecorateToneText(text);
    EXPECT_EQ(text, "(39) 69.3");

    // A second Parlane fill must not rotate again.
    codec.FillToneList('B');
    EXPECT_EQ(codec.ToneIndexOf("69.3"), 39);

    auto lmr = codec.FillToneList('L');
    EXPECT_TRUE(lmr.editable);
    EXPECT_EQ(lmr.maxTypedCharacters, 5);
    EXPECT_EQ(lmr.entries[2], "69.3");
    EXPECT_EQ(codec.ToneIndexOf("69.3"), 2);
    EXPECT_TRUE(codec.FillToneList('X').entries.empty());
}

TEST_F(FrequencyCodecTest, DecorationLeavesInvertedCodesAndUnknownTexts)
{
    std::string inverted = "D023I";
    codec.DecorateToneText(inverted);
    EXPECT_EQ(inverted, "D023I");
    std::string normal = "D023N";
    codec.DecorateToneText(normal);
    EXPECT_EQ(normal, "(01) D023N");
    std::string typed = "68.1";
    codec.DecorateToneText(typed);
    EXPECT_EQ(typed, "68.1");
    EXPECT_EQ(ToneList::ToneNumberByte(39), 39);
    EXPECT_EQ(ToneList::ToneNumberByte(40), 0x81);
    EXPECT_EQ(ToneList::ToneNumberByte(122), 0xD3);
    EXPECT_EQ(ToneList::ToneNumberByte(123), 0xFF);
}

TEST_F(FrequencyCodecTest, FrequencyDecorationUsesTheModelsParlaneList)
{
    UseModel(4, 0x15);
    std::string text = "154.60000";
    EXPECT_EQ(codec.DecorateFrequencyText(text), 4);
    EXPECT_EQ(text, "(04) 154.60000");
    text = "";
    EXPECT_EQ(codec.DecorateFrequencyText(text), 0);
    EXPECT_EQ(text, "(0) ");
    text = "155.00000";
    EXPECT_EQ(codec.DecorateFrequencyText(text), -1);
    EXPECT_EQ(text, "155.00000");
    UseModel(6, 0x80);
    text = "469.56250";
    EXPECT_EQ(codec.DecorateFrequencyText(text), 56);
}

TEST_F(FrequencyCodecTest, RecomputeStepCodesRewritesProgrammedSlotsOnly)
{
    UseModel(4, 0x15);
    ImageView view = state.View();
    view.SetByte(16 + 14, 0x00);          // channel 1: 154.5700, really a 5 kHz step
    view.Fill(16 + 4 * 16 + 4, 4, 0xFF);  // channel 5: no transmit frequency
    view.Fill(16 * 9, 16, 0xFF);          // channel 9 beyond the model stays empty
    codec.RecomputeStepCodes();
    EXPECT_EQ(view.Byte(16 + 14), 0x50);
    EXPECT_EQ(view.Bits(16 * 5 + 14, 4, 2), step::kNone);
    EXPECT_EQ(view.Bits(16 * 5 + 14, 6, 2), step::k5000Hz);
    EXPECT_TRUE(view.AllEqual(16 * 9, 16, 0xFF));
}

} // namespace
} // namespace qtr
