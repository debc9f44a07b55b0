#include "PseudoTerminal.h"
#include "ScriptedPrompter.h"
#include "core/app/RadioTuningLine.h"
#include "core/testmode/TuningCommands.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <thread>
#include <unistd.h>

namespace qtr {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The tuning commands over the real serial port, with the test playing the radio on the
// master side of a pseudo-terminal.
class RadioTuningLineTest : public testing::Test {
protected:
    void SetUp() override
    {
        link_.UseDeviceSettings(&pty_.Settings());
        ASSERT_EQ(link_.SetOpen(1), 1);
    }
    void TearDown() override { link_.SetOpen(0); }
    // Answers each command of the expected length with its reply; what the program sent is kept.
    void Radio(std::vector<std::pair<std::size_t, Bytes>> script)
    {
        radio_ = std::thread([this, script] {
            for (const auto& [expected, reply] : script) {
                Bytes command(expected);
                std::size_t got = 0;
                while (got < expected) {
                    pollfd entry{pty_.Master(), POLLIN, 0};
                    if (poll(&entry, 1, 1000) <= 0)
                        return;
                    got += static_cast<std::size_t>(read(pty_.Master(), command.data() + got, expected - got));
                }
                heard_.insert(heard_.end(), command.begin(), command.end());
                if (!reply.empty())
                    static_cast<void>(write(pty_.Master(), reply.data(), reply.size()));
            }
        });
    }
    Bytes Heard()
    {
        radio_.join();
        return heard_;
    }

    test::PseudoTerminal pty_;
    RadioLink link_;
    RadioTuningLine line_{link_};
    test::ScriptedPrompter prompter_;
    testmode::TuningCommands commands_{line_, prompter_};
    std::thread radio_;
    Bytes heard_;
};

TEST_F(RadioTuningLineTest, EachCommandGoesOutWholeAndItsAnswerIsTaken)
{
    constexpr std::uint8_t kAck = 0x06;
    Radio({{2, {kAck}}, {3, {kAck}}, {1, {9, 8, 7, 6}}, {1, {}}, {2, {77}}, {1, {}}, {2, {kAck}}, {2, {kAck}}});
    EXPECT_TRUE(commands_.Select(101));
    EXPECT_TRUE(commands_.SetValue(101, 200));
    EXPECT_EQ(commands_.ReadPointValues(4), (Bytes{9, 8, 7, 6}));
    EXPECT_EQ(commands_.ReadMeasured(33), std::optional<std::uint8_t>(77));
    EXPECT_EQ(link_.ReadTimeout(), 300u);
    EXPECT_TRUE(commands_.End(116, testmode::TuningCommands::kEndRestored));
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
    EXPECT_EQ(prompter_.AskedIds(), (std::vector<int>{3003005, 3003005}));
}

TEST_F(RadioTuningLineTest, AMeasuredValueThatDoesNotComeIsWaitedForOnly300Milliseconds)
{
    Radio({{2, {}}});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(commands_.ReadMeasured(35), std::nullopt);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(290));
    EXPECT_LT(waited, std::chrono::milliseconds(550));
    EXPECT_EQ(Heard(), (Bytes{35, 0x0A}));
}

} // namespace
} // namespace qtr
