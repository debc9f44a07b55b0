#include "RadioPair.h"
#include "core/base/messages/Link.h"
#include "core/model/ModelRecordText.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::Radio;
using test::RadioPair;

std::string CodeIn(const ImageBytes& image)
{
    return std::string(image.begin() + 440, image.begin() + 445);
}

TEST(IdentityTest, BusinessRadiosAreReadAsTheModelsTheyStandFor)
{
    struct Case {
        const char* code;
        std::uint8_t reportedType;
        const char* storedCode;
        std::uint8_t storedType;
        std::uint8_t storedOption;
    };
    const Case cases[] = {
        {"BRS02", 0xF0, "P7100", 0x10, 0xFA},
        {"BRS08", 0x35, "P7100", 0x15, 0xFA},
        {"BRS16", 0xFB, "P8100", 0x8B, 0xFD},
        {"BRL08", 0x15, "BRL08", 0x15, 0xFD}, // stored as reported
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        RadioPair pair(Radio(c.code, c.reportedType));
        ASSERT_TRUE(pair.Read());
        const ImageBytes& image = pair.app.state.image;
        EXPECT_EQ(CodeIn(image), c.storedCode);
        EXPECT_EQ(image[445], c.storedType);
        EXPECT_EQ(image[446], c.storedOption);
        EXPECT_EQ(image[447], 'B');
        EXPECT_EQ(pair.app.state.currentModel[5], c.storedType);
    }
}

TEST(IdentityTest, ReadingAFifteenChannelRadioErasesTheSixteenthRecord)
{
    auto profile = Radio("P81L1");
    std::copy_n(profile.memory.begin() + 16, 16, profile.memory.begin() + 256); // record 16 as record 1
    RadioPair pair(profile);
    ASSERT_TRUE(pair.Read());
    const ImageBytes& image = pair.app.state.image;
    EXPECT_TRUE(std::all_of(image.begin() + 256, image.begin() + 272, [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_FALSE(pair.app.state.sixteenChannelFlag);
    EXPECT_EQ(pair.app.state.SlotCount(), 15);
}

TEST(IdentityTest, AnUnknownModelIsRefusedAndRetryIdentifiesAgain)
{
    auto profile = Radio("P7100");
    profile.faults.push_back({sim::Step::Identity, sim::FaultKind::WrongByte});
    {
        RadioPair pair(profile);
        pair.prompter.answers = {Answer::Retry};
        EXPECT_TRUE(pair.Read());
        EXPECT_EQ(pair.prompter.AskedIds(),
                  (std::vector<int>{messages::link::kUnsupportedRadio, messages::link::kReadDone}));
    }
    RadioPair pair(Radio("X7100"));
    pair.StartWith(DefaultModelRecord());
    const ImageBytes before = pair.app.state.image;
    pair.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(pair.Read());
    EXPECT_EQ(pair.prompter.AskedIds(), std::vector<int>{messages::link::kUnsupportedRadio});
    EXPECT_EQ(pair.app.state.image, before);
    EXPECT_TRUE(pair.RadioHeardEndLast());
    EXPECT_FALSE(pair.link.Port().IsOpen());
}

struct WriteRefusal {
    const char* label;
    sim::RadioProfile radio;
    ModelRecord image;
    std::vector<Answer> answers;
    std::vector<int> asked;
};

TEST(IdentityTest, AWriteToARadioOfAnotherKindIsRefusedBeforeAnyBlock)
{
    const auto p7100 = *sim::RadioProfile::IdentityOf("P7100");
    const auto p71l0 = *sim::RadioProfile::IdentityOf("P71L0");
    const WriteRefusal cases[] = {
        {"L variant radio, standard image",
         Radio("P71L0"),
         p7100,
         {Answer::Cancel},
         {messages::link::kUnsupportedRadio}},
        {"standard radio, L variant image",
         Radio("P7100"),
         p71l0,
         {Answer::Cancel},
         {messages::link::kUnsupportedRadio}},
        {"standard business radio, L variant image",
         Radio("BRS02"),
         p71l0,
         {Answer::Cancel},
         {messages::link::kUnsupportedRadio}},
        {"8 channel radio, 2 channel image", Radio("P7100", 0x15), p7100, {}, {messages::link::kChannelCountDiffers}},
        {"UHF radio, VHF image, Cancel", Radio("P7100", 0x80), p7100, {Answer::Cancel}, {messages::link::kBandDiffers}},
    };
    for (const WriteRefusal& c : cases) {
        SCOPED_TRACE(c.label);
        RadioPair pair(c.radio);
        pair.StartWith(c.image);
        pair.prompter.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_FALSE(pair.Write());
        EXPECT_EQ(pair.prompter.AskedIds(), c.asked);
        EXPECT_EQ(pair.prompter.asked.front().detail, "\n\nThe radio: " + ModelRecordText(c.radio.identity) +
                                                          "\nThe data: " + ModelRecordText(c.image));
        EXPECT_EQ(pair.radio.Memory(), c.radio.memory);
        EXPECT_TRUE(pair.RadioHeardEndLast());
        EXPECT_FALSE(pair.link.Port().IsOpen());
    }
}

TEST(IdentityTest, ABusinessRadioOfTheSameVariantAndOKOnAnotherBandWrite)
{
    RadioPair sameVariant(Radio("BRL02"));
    sameVariant.StartWith(*sim::RadioProfile::IdentityOf("P71L0"));
    EXPECT_TRUE(sameVariant.Write());

    RadioPair otherBand(Radio("P7100", 0x80));
    otherBand.StartWith(*sim::RadioProfile::IdentityOf("P7100"));
    otherBand.prompter.answers = {Answer::Ok};
    EXPECT_TRUE(otherBand.Write());
    EXPECT_EQ(otherBand.prompter.AskedIds(),
              (std::vector<int>{messages::link::kBandDiffers, messages::link::kWriteDone}));
    EXPECT_EQ(otherBand.radio.Memory()[445], 0x10); // the image's identity went to the radio
}

} // namespace
} // namespace qtr
