#include "RadioWaits.h"
#include "TestModePair.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/TestMode.h"
#include "core/model/ModelRecordText.h"
#include "sim/TestModeRadio.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::Bytes;
using test::TestModePair;

std::vector<std::uint8_t> EntryBytes()
{
    std::vector<std::uint8_t> bytes{'T', 'U', 'N', 'I', 'N', 'G', ' ', 0x02, wire::kAck, 0x05, wire::kAck};
    for (int channel = 1; channel <= 16; ++channel)
        bytes.insert(bytes.end(), {0x10, static_cast<std::uint8_t>(channel), wire::kAck});
    return bytes;
}

TEST(TestModeEntryTest, ARadioWithTheImagesTestChannelsEntersTestMode)
{
    TestModePair radio(test::Radio("BRS08"));
    ASSERT_TRUE(radio.Enter());
    EXPECT_TRUE(radio.pair.prompter.asked.empty());
    EXPECT_TRUE(radio.pair.link.Port().IsOpen());
    EXPECT_TRUE(radio.pair.radio.TestMode().active);
    EXPECT_EQ(radio.pair.radio.Received(), EntryBytes());
    const auto factory = sim::TestModeRadio::FactoryAdjustments();
    for (std::size_t entry = 0; entry < 80; ++entry) {
        const int expected = entry < factory.size() ? factory[entry] : 0;
        EXPECT_EQ(radio.values.tuningValues[entry], expected) << entry;
        EXPECT_EQ(radio.values.tuningValuesAtStart[entry], expected) << entry;
    }
    EXPECT_TRUE(radio.values.lineB);
    EXPECT_EQ(radio.values.typeByte, radio.pair.app.state.image[445]);
    EXPECT_FALSE(radio.pair.link.State().acceptNak);
}

TEST(TestModeEntryTest, ARadioWithOtherTestChannelsIsRefusedAndLeavesTestMode)
{
    TestModePair radio(test::Radio("P7100"));
    radio.pair.app.state.image[640 + 8 * 15 + 6] = 0x17; // test channel 16, one byte of its transmit frequency
    EXPECT_FALSE(radio.Enter());
    EXPECT_EQ(radio.pair.prompter.AskedIds(), std::vector<int>{messages::testmode::kTestChannelsDiffer});
    EXPECT_EQ(radio.pair.prompter.asked.front().captionId, messages::common::kErrorCaption);
    EXPECT_EQ(radio.pair.prompter.asked.front().icon, Icon::Error);
    const std::string models = "\n\nThe radio: " + ModelRecordText(test::Radio("P7100").identity) +
                               "\nThe data: " + ModelRecordText(ModelRecordOf(radio.pair.app.state.image));
    EXPECT_EQ(radio.pair.prompter.asked.front().detail, models);
    EXPECT_TRUE(radio.pair.RadioHeardEndLast());
    EXPECT_FALSE(radio.pair.link.Port().IsOpen());
    EXPECT_TRUE(test::LeftTestMode(radio.pair.radio));
}

TEST(TestModeEntryTest, AnUnknownModelIsAskedAboutAndIdentifiedAgain)
{
    auto profile = test::Radio("P7100");
    profile.identity[0] = 'X';
    TestModePair radio(profile, test::Radio("P7100").identity);
    radio.pair.prompter.answers = {Answer::Retry, Answer::Cancel};
    EXPECT_FALSE(radio.Enter());
    EXPECT_EQ(radio.pair.prompter.AskedIds(),
              (std::vector<int>{messages::link::kUnsupportedRadio, messages::link::kUnsupportedRadio}));
    const auto heard = radio.pair.radio.Received();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), 0x02), 2) << "identified twice, one TUNING";
    EXPECT_TRUE(radio.pair.RadioHeardEndLast());
    EXPECT_FALSE(radio.pair.link.Port().IsOpen());
}

TEST(TestModeEntryTest, APortThatCannotBeOpenedSendsNothing)
{
    TestModePair radio(test::Radio("P7100"));
    radio.pair.store.WriteText(PortDirectory::kSection, PortDirectory::SettingName(1), "/dev/qtr31x-no-such-port");
    EXPECT_FALSE(radio.Enter());
    EXPECT_EQ(radio.pair.prompter.AskedIds(), std::vector<int>{messages::link::kPortCannotOpen});
    EXPECT_TRUE(radio.pair.radio.Received().empty());
}

// Every step of the entry that goes wrong asks Retry or Cancel. Retry ends test mode with
// two 'E', waits, and starts again with "TUNING "; Cancel ends test mode and closes the port.
TEST(TestModeEntryTest, EveryFailedStepCanBeRetriedOrCancelled)
{
    using sim::FaultKind;
    using sim::Step;
    struct Case {
        Step step;
        FaultKind kind;
        bool retry;
    };
    std::vector<Case> cases;
    const std::vector<FaultKind> confirmations{FaultKind::Silence, FaultKind::WrongByte, FaultKind::Nak,
                                               FaultKind::ShortReply, FaultKind::HangUp};
    const std::vector<FaultKind> replies{FaultKind::Silence, FaultKind::Nak, FaultKind::ShortReply, FaultKind::HangUp};
    for (const bool retry : {false, true}) {
        for (const Step step : {Step::Tuning, Step::IdentityConfirm, Step::TestDataConfirm}) {
            for (const FaultKind kind : confirmations)
                cases.push_back({step, kind, retry});
        }
        for (const Step step : {Step::Identity, Step::TestData, Step::TestChannel}) {
            for (const FaultKind kind : replies)
                cases.push_back({step, kind, retry});
        }
        // A NAK confirms a test channel; anything else does not.
        for (const FaultKind kind : {FaultKind::Silence, FaultKind::WrongByte, FaultKind::HangUp})
            cases.push_back({Step::TestChannelConfirm, kind, retry});
    }
    std::vector<std::function<void()>> runs;
    for (const Case& c : cases) {
        runs.push_back([c] {
            const std::string name = sim::StepName(c.step) + ":" + sim::FaultKindName(c.kind) +
                                     (c.retry ? " retried" : " cancelled");
            auto profile = test::Radio("P7100");
            // The fault comes at the third test channel, the other steps at their first answer.
            profile.faults = {{c.step, c.kind, c.step == Step::TestChannel || c.step == Step::TestChannelConfirm ? 2 : 0}};
            TestModePair radio(profile);
            radio.pair.prompter.answers = {c.retry ? Answer::Retry : Answer::Cancel};
            const bool entered = radio.Enter();
            const bool hungUp = c.kind == FaultKind::HangUp;
            // A radio that hung up does not answer the second attempt either.
            const std::size_t questions = c.retry && hungUp ? 2 : 1;
            EXPECT_EQ(radio.pair.prompter.AskedIds(), std::vector<int>(questions, messages::link::kCommunicationFailed))
                << name;
            if (c.retry && !hungUp) {
                EXPECT_TRUE(entered) << name;
                const auto heard = radio.pair.radio.Received();
                const std::vector<std::uint8_t> restart{wire::kEnd, wire::kEnd, 'T', 'U', 'N', 'I', 'N', 'G', ' '};
                EXPECT_NE(std::search(heard.begin(), heard.end(), restart.begin(), restart.end()), heard.end()) << name;
                EXPECT_TRUE(radio.pair.link.Port().IsOpen()) << name;
                EXPECT_FALSE(radio.pair.link.State().retryPending) << name;
                return;
            }
            EXPECT_FALSE(entered) << name;
            if (!c.retry) {
                EXPECT_FALSE(radio.pair.link.Port().IsOpen()) << name;
                EXPECT_TRUE(hungUp || radio.pair.RadioHeardEndLast()) << name;
            }
        });
    }
    test::RunTogether(runs);
}

} // namespace
} // namespace qtr
