#include "ScriptedPrompter.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/link/IdentityCheck.h"
#include "core/link/RadioSession.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

RadioIdentity Identity(const std::string& code, std::uint8_t type, std::uint8_t option = 0xFA, char line = 'L')
{
    RadioIdentity identity{};
    std::copy(code.begin(), code.end(), identity.begin());
    identity[5] = type;
    identity[6] = option;
    identity[7] = static_cast<std::uint8_t>(line);
    return identity;
}

// The checks on a link whose port is closed: ending programming mode goes nowhere.
class IdentityCheckTest : public testing::Test {
protected:
    IdentityCheck::Verdict Check(RadioIdentity identity)
    {
        IdentityCheck check(session, image);
        return check.Check(identity);
    }
    void ImageIs(std::uint8_t type, std::uint8_t option)
    {
        image[445] = type;
        image[446] = option;
    }

    ImageBytes image{};
    RadioLink link;
    test::ScriptedPrompter prompter;
    RadioSession session{link, prompter};
};

TEST_F(IdentityCheckTest, AnUnknownModelCodeAsksRetryOrCancel)
{
    prompter.answers = {Answer::Retry, Answer::Cancel};
    link.State().reading = true;
    EXPECT_EQ(Check(Identity("P7200", 0x10)), IdentityCheck::Verdict::IdentifyAgain);
    EXPECT_EQ(Check(Identity("BRX02", 0x10)), IdentityCheck::Verdict::Refused);
    EXPECT_EQ(prompter.AskedIds(),
              (std::vector<int>{messages::link::kUnsupportedRadio, messages::link::kUnsupportedRadio}));
    EXPECT_EQ(prompter.asked.front().buttons, Buttons::RetryCancel);
    EXPECT_FALSE(link.State().reading);
}

TEST_F(IdentityCheckTest, ReadingRewritesTheStandardBusinessCodes)
{
    RadioIdentity brs16 = Identity("BRS16", 0xFB, 0x00, 'B');
    IdentityCheck::RewriteForReading(brs16);
    EXPECT_EQ(brs16, Identity("P8100", 0x8B, 0xFD, 'B'));
    RadioIdentity brl16 = Identity("BRL16", 0xFB, 0x00, 'B');
    IdentityCheck::RewriteForReading(brl16);
    EXPECT_EQ(brl16, Identity("BRL16", 0xFB, 0x00, 'B'));

    link.State().reading = true;
    RadioIdentity brs02 = Identity("BRS02", 0xF0, 0x00, 'B');
    IdentityCheck check(session, image);
    EXPECT_EQ(check.Check(brs02), IdentityCheck::Verdict::Accepted);
    EXPECT_EQ(brs02, Identity("P7100", 0x10, 0xFA, 'B'));
}

TEST_F(IdentityCheckTest, WritingNeedsTheSameVariantAsTheImage)
{
    struct Case {
        const char* code;
        std::uint8_t imageOption;
        bool matches;
    };
    const Case cases[] = {{"P71L0", 0xFD, true}, {"P7100", 0xFD, false}, {"P7100", 0xFA, true},
                          {"BRL08", 0xFD, true}, {"BRS08", 0xFA, true},  {"BRL02", 0xFA, false}};
    for (const Case& c : cases) {
        prompter.asked.clear();
        prompter.answers = {Answer::Cancel};
        link.State().writing = true; // a refusal clears it
        ImageIs(0x10, c.imageOption);
        EXPECT_EQ(Check(Identity(c.code, 0x10)) == IdentityCheck::Verdict::Accepted, c.matches) << c.code;
        EXPECT_EQ(prompter.asked.empty(), c.matches) << c.code;
    }
}

TEST_F(IdentityCheckTest, WritingRefusesAnotherChannelClassAndAsksAboutAnotherBand)
{
    link.State().writing = true;
    ImageIs(0x10, 0xFA);
    EXPECT_EQ(Check(Identity("P7100", 0x15)), IdentityCheck::Verdict::Refused);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].messageId, messages::link::kChannelCountDiffers);
    EXPECT_EQ(prompter.asked[0].captionId, messages::common::kWarningCaption);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::Ok);

    link.State().writing = true;
    prompter.asked.clear();
    prompter.answers = {Answer::Ok, Answer::Cancel};
    EXPECT_EQ(Check(Identity("P7100", 0x80)), IdentityCheck::Verdict::Accepted);
    EXPECT_EQ(Check(Identity("P7100", 0x80)), IdentityCheck::Verdict::Refused);
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[0].messageId, messages::link::kBandDiffers);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.asked[0].defaultAnswer, Answer::Cancel);
}

TEST_F(IdentityCheckTest, RadioInformationChecksOnlyTheModelCode)
{
    ImageIs(0x10, 0xFA);
    EXPECT_EQ(Check(Identity("P81L1", 0x8B, 0xFD)), IdentityCheck::Verdict::Accepted);
    EXPECT_TRUE(prompter.asked.empty());
}

} // namespace
} // namespace qtr
