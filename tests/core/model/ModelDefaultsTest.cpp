#include "core/model/ModelDefaults.h"

#include "core/model/FrequencyCodec.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

std::string ReceiveOf(const RadioState& state, int channel)
{
    return FrequencyCodec::FormatFrequency(state.image.data() + 16 * channel);
}

TEST(ModelDefaultsTest, SixteenChannelParlaneUhfPlan)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(7, 0x8B));
    EXPECT_TRUE(state.sixteenChannelFlag);
    EXPECT_EQ(ReceiveOf(state, 1), "464.50000");
    EXPECT_EQ(ReceiveOf(state, 9), "464.50000");
    EXPECT_EQ(ReceiveOf(state, 16), "461.21250");
    for (int offset = 380; offset <= 383; ++offset)
        EXPECT_EQ(state.image[offset], 0xFF) << offset;
    EXPECT_EQ(state.image[284], 0xFF);
    EXPECT_EQ(state.image[286], 7);
    EXPECT_EQ(state.image[287], 1); // byte 15 of the record after the sixteenth
    EXPECT_EQ(state.image[16 * 16 + 13], 0xAF);
    EXPECT_EQ(state.image[16 * 16 + 14], 0xA0);
    EXPECT_FALSE(state.IsModified());
}

TEST(ModelDefaultsTest, FifteenChannelParlaneUhfPlanDropsTheSixteenthRecord)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(7, 0x8B, true));
    EXPECT_FALSE(state.sixteenChannelFlag);
    EXPECT_TRUE(state.View().AllEqual(256, 16, 0xFF));
    EXPECT_EQ(state.image[381], 0x7F);
    EXPECT_EQ(state.image[383], 0x7F);
    EXPECT_EQ(state.image[284], 1);
    EXPECT_EQ(state.image[285], 3);
    EXPECT_EQ(state.image[286], 1);
    EXPECT_EQ(state.image[363], 1);
    EXPECT_EQ(state.image[356], 6);
}

TEST(ModelDefaultsTest, EightChannelParlaneVhfPlan)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(4, 0x15));
    const char* expected[] = {"154.57000", "154.60000", "151.70000", "151.76000",
                              "151.82000", "151.88000", "151.94000", "151.51250"};
    const std::uint8_t steps[] = {0x50, 0xA0, 0xA0, 0x50, 0x50, 0x50, 0x50, 0xA0};
    for (int channel = 1; channel <= 8; ++channel) {
        EXPECT_EQ(ReceiveOf(state, channel), expected[channel - 1]);
        EXPECT_EQ(state.image[16 * channel + 14], steps[channel - 1]);
        const std::uint8_t power = channel >= 5 && channel <= 7 ? 0x1F : 0x3F;
        EXPECT_EQ(state.image[16 * channel + 13], power) << channel;
        EXPECT_EQ(state.image[16 * channel + 8], 0x9E);
        EXPECT_EQ(state.image[16 * channel + 9], 0x02);
    }
    // Records 9 and 10 carry the byte-15 mark; record 9 is prepared, record 10 only marked.
    EXPECT_EQ(state.image[16 * 10 + 15], 1);
    EXPECT_EQ(state.image[16 * 9 + 12], 0x00);
    EXPECT_EQ(state.image[16 * 10 + 12], 0xFF);
    EXPECT_EQ(state.image[380], 0xFF);
    EXPECT_EQ(state.image[381], 0x00);
    EXPECT_EQ(state.image[309], 1);
    EXPECT_EQ(state.image[319], 1);
}

TEST(ModelDefaultsTest, TwoChannelParlaneVhfIsTheDefaultModel)
{
    RadioState state;
    ApplyModelDefaults(state, ModelReset::ToDefaultModel);
    EXPECT_EQ(state.currentModel, DefaultModelRecord());
    BuildImageForCurrentModel(state);
    EXPECT_EQ(ReceiveOf(state, 1), "154.57000");
    EXPECT_EQ(ReceiveOf(state, 2), "154.60000");
    EXPECT_FALSE(state.View().AllEqual(16 * 3, 16, 0xFF)); // record 3 is prepared
    EXPECT_EQ(state.image[380], 3);
    EXPECT_EQ(state.image[382], 3);
    EXPECT_EQ(state.image[285], 3);
    EXPECT_EQ(state.image[286], 7);
    EXPECT_EQ(state.image[363], 0xFF);
}

TEST(ModelDefaultsTest, LmrModelsGetNoChannelPlan)
{
    for (const auto& [type, typeByte] : {std::pair{0, 0x15}, {3, 0x8B}, {2, 0x80}}) {
        RadioState state;
        test::StartWithModel(state, test::RecordFor(type, static_cast<std::uint8_t>(typeByte)));
        EXPECT_TRUE(state.View().AllEqual(16, 256, 0xFF)) << type;
        EXPECT_TRUE(state.View().AllEqual(380, 4, 0x00));
        EXPECT_EQ(state.image[319], 0);
        EXPECT_EQ(state.image[285], 1);
        EXPECT_EQ(state.image[286], 10);
        EXPECT_EQ(state.image[309], 0);
        EXPECT_FALSE(state.IsModified());
    }
}

TEST(ModelDefaultsTest, FeatureDefaultsAndUntouchedBytes)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(0, 0x10));
    EXPECT_EQ(state.View().Text(320, 5), "12345");
    EXPECT_EQ(state.View().Text(288, 3), "000");
    EXPECT_EQ(state.image[371], 0x90);
    EXPECT_EQ(state.image[304], 4);
    EXPECT_EQ(state.image[308], 5);
    EXPECT_EQ(state.image[506], 0);
    for (const int untouched : {0, 15, 283, 287, 298, 384, 439, 507, 832, 1023})
        EXPECT_EQ(state.image[untouched], 0xFF) << untouched;
}

TEST(ModelDefaultsTest, TestFrequenciesFollowTheBand)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(2, 0x85));
    EXPECT_EQ(FrequencyCodec::FormatFrequency(state.image.data() + 640), "460.05000");
    EXPECT_EQ(FrequencyCodec::FormatFrequency(state.image.data() + 644), "460.10000");
    EXPECT_EQ(FrequencyCodec::FormatFrequency(state.image.data() + 640 + 8 * 2 + 4), "469.90000");
    EXPECT_TRUE(state.View().AllEqual(640 + 48, 80, 0xFF));
    test::StartWithModel(state, test::RecordFor(1, 0x10));
    EXPECT_EQ(FrequencyCodec::FormatFrequency(state.image.data() + 640 + 8), "150.05000");
}

TEST(ModelDefaultsTest, NewKeepsTheImagesIdentityAndResetsTheRest)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(6, 0x85));
    state.image[0] = 0x12;
    state.image[900] = 0x34;
    state.image[16 + 2] = 0x99;
    BuildImageForNewDocument(state);
    EXPECT_EQ(state.image[0], 0xFF);
    EXPECT_EQ(state.image[900], 0xFF);
    EXPECT_EQ(ReceiveOf(state, 1), "464.50000");
    EXPECT_EQ(state.ImageModelCode(), "P8100");
    EXPECT_FALSE(state.IsModified());
}

TEST(ModelDefaultsTest, ClearChannelsEmptiesRecordsAndMaps)
{
    RadioState state;
    test::StartWithModel(state, test::RecordFor(4, 0x15));
    ClearChannels(state);
    EXPECT_TRUE(state.View().AllEqual(16, 256, 0xFF));
    EXPECT_TRUE(state.View().AllEqual(380, 4, 0));
}

} // namespace
} // namespace qtr
