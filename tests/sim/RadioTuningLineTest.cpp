#include "ScriptedPrompter.h"
#include "ScriptedPtyRadio.h"
#include "core/testmode/RadioTuningLine.h"
#include "core/base/messages/Link.h"
#include "core/testmode/TuningCommands.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Bytes = test::ScriptedPtyRadio::Bytes;

// The tuning commands over the real serial port, with the test playing the radio.
class RadioTuningLineTest : public testing::Test {
protected:
    void Radio(test::ScriptedPtyRadio::Script script) { radio_.Play(std::move(script)); }
    Bytes Heard() { return radio_.Heard(); }

    test::ScriptedPtyRadio radio_;
    RadioLink& link_ = radio_.link;
    testmode::RadioTuningLine line_{link_};
    test::ScriptedPrompter prompter_;
    testmode::TuningCommands commands_{line_, prompter_};
};

TEST_F(RadioTuningLineTest, EachCommandGoesOutWholeAndItsAnswerIsTaken)
{
    constexpr std::uint8_t kAck = 0x06;
    Radio({{2, {kAck}}, {3, {kAck}}, {1, {9, 8, 7, 6}}, {1, {}}, {2, {77}}, {1, {}}, {2, {kAck}}, {2, {kAck}}});
    EXPECT_TRUE(commands_.Select(101));
    EXPECT_TRUE(commands_.SetValue(101, 200));
    EXPECT_EQ(commands_.ReadPointValues(4), (Bytes{9, 8, 7, 6}));
    EXPECT_EQ(commands_.ReadMeasured(33), std::optional<std::uint8_t>(77));
    EXPECT_EQ(link_.Port().ReadTimeout(), 300u);
    EXPECT_TRUE(commands_.End(116, wire::kLeaveRestoring));
    EXPECT_TRUE(commands_.TransmitterOff());
    EXPECT_EQ(Heard(), (Bytes{101, 0x0D, 101, 0x20, 200, 0x07, kAck, 33, 0x0A, kAck, 116, 0x0F, 0x08, 0x0E}));
    EXPECT_TRUE(prompter_.asked.empty());
}

TEST_F(RadioTuningLineTest, AnAnswerThatIsNoAckOrComesLateIsNoConfirmation)
{
    Radio({{2, {0x00}}, {2, {}}, {1, {}}});
    prompter_.answers = {Answer::Retry, Answer::Cancel};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(commands_.Select(12));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(Heard(), (Bytes{12, 0x0D, 12, 0x0D, 'E'}));
    EXPECT_EQ(prompter_.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kCommunicationFailed}));
}

TEST_F(RadioTuningLineTest, AMeasuredValueThatDoesNotComeIsWaitedForOnly300Milliseconds)
{
    Radio({{2, {}}});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(commands_.ReadMeasured(35), std::nullopt);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
    EXPECT_EQ(link_.Port().ReadTimeout(), 300u); // and no longer, however loaded the machine
    EXPECT_EQ(Heard(), (Bytes{35, 0x0A}));
}

} // namespace
} // namespace qtr
