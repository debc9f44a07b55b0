#include "RadioPair.h"

#include "core/base/messages/Link.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::Radio;
using test::RadioPair;

TEST(InformationTest, ShowsWhatTheRadioSaysAboutItself)
{
    RadioPair business(Radio("P8100", 0x85, 'B'));
    const auto info = business.Information();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->ModelText(), "  RB-8100 Parlane (UHF)");
    EXPECT_EQ(info->FrequencyText(business.app.catalog), "  UHF : 461-470 MHz (8 Channels)");
    EXPECT_EQ(info->SerialNumberText(), " 12345678ABCD 0042 SIM-01");
    EXPECT_EQ(info->VersionText(), " V1.00");
    EXPECT_TRUE(business.prompter.asked.empty());
    EXPECT_FALSE(business.link.Port().IsOpen());
    EXPECT_FALSE(business.radio.InProgrammingMode());

    RadioPair lVariant(Radio("P71L0"));
    const auto lInfo = lVariant.Information();
    ASSERT_TRUE(lInfo);
    EXPECT_EQ(lInfo->ModelText(), "  RB-7100L LMR (VHF)");
    EXPECT_EQ(lInfo->VersionText(), " L1.00");
}

// A bad serial sum, and a serial text or version with bytes no radio sends, fail as silence does.
TEST(InformationTest, ABadSerialSumOrAGarbledReplyCountsAsNoAnswer)
{
    auto badSum = Radio("P7100");
    badSum.faults.push_back({sim::Step::Serial, sim::FaultKind::BadChecksum});
    RadioPair retried(badSum);
    retried.prompter.answers = {Answer::Retry};
    EXPECT_TRUE(retried.Information());
    EXPECT_EQ(retried.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});

    auto garbledVersion = Radio("P7100");
    garbledVersion.version[0] = 0xA9;
    auto garbledSerial = Radio("P7100");
    garbledSerial.serial[3] = 0x1B;
    for (const auto& profile : {badSum, garbledVersion, garbledSerial}) {
        RadioPair cancelled(profile);
        cancelled.prompter.answers = {Answer::Cancel};
        EXPECT_FALSE(cancelled.Information());
        EXPECT_EQ(cancelled.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});
        EXPECT_TRUE(cancelled.RadioHeardEndLast());
        EXPECT_FALSE(cancelled.link.Port().IsOpen());
    }
}

TEST(InformationTest, AFailedIdentityStartsAgainWithTheHandshake)
{
    auto profile = Radio("P7100");
    profile.faults.push_back({sim::Step::Identity, sim::FaultKind::Silence});
    profile.faults.push_back({sim::Step::Info, sim::FaultKind::Nak});
    RadioPair pair(profile);
    pair.prompter.answers = {Answer::Retry, Answer::Retry};
    ASSERT_TRUE(pair.Information());
    EXPECT_EQ(pair.prompter.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kCommunicationFailed}));
    const auto heard = pair.radio.Received();
    const std::string text(heard.begin(), heard.end());
    EXPECT_NE(text.find("PROGRAM", text.find("PROGRAM") + 1), std::string::npos);
}

} // namespace
} // namespace qtr
