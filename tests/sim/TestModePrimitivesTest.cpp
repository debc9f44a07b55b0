#include "PseudoTerminal.h"
#include "core/link/PortDirectory.h"
#include "core/link/RadioLink.h"
#include "core/testmode/TestModeLink.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <thread>
#include <unistd.h>

namespace qtr {
namespace {

// The test-mode commands on the wire, with the test playing the radio on the master side.
class TestModePrimitivesTest : public testing::Test {
protected:
    void SetUp() override
    {
        link_.Port().UseDeviceSettings(&pty_.Settings());
        ASSERT_EQ(link_.Port().SetOpen(1), LinkResult::Done);
        link_.Port().SetReadTimeout(300);
    }
    void TearDown() override
    {
        link_.Port().SetOpen(0);
    }
    // Answers each expected command with its reply; what the program sent is kept.
    void Radio(std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> script)
    {
        radio_ = std::thread([this, script] {
            for (const auto& [expected, reply] : script) {
                std::vector<std::uint8_t> command(expected);
                std::size_t got = 0;
                while (got < expected) {
                    pollfd entry{master_, POLLIN, 0};
                    if (poll(&entry, 1, 1000) <= 0)
                        return;
                    got += static_cast<std::size_t>(read(master_, command.data() + got, expected - got));
                }
                heard_.insert(heard_.end(), command.begin(), command.end());
                if (!reply.empty())
                    static_cast<void>(write(master_, reply.data(), reply.size()));
            }
        });
    }
    std::vector<std::uint8_t> Heard()
    {
        radio_.join();
        return heard_;
    }

    test::PseudoTerminal pty_;
    const int master_ = pty_.Master();
    RadioLink link_;
    testmode::TestModeLink commands_{link_};
    std::thread radio_;
    std::vector<std::uint8_t> heard_;
};

TEST_F(TestModePrimitivesTest, ATestChannelIsConfirmedByAckOrNak)
{
    const std::vector<std::uint8_t> record{1, 2, 3, 4, 5, 6, 7, 8};
    Radio({{2, record}, {1, {wire::kNak}}, {2, record}, {1, {0x00}}});
    testmode::TestChannelRecord received{};
    EXPECT_EQ(commands_.SelectTestChannel(5, received), LinkResult::Done);
    EXPECT_EQ(std::vector<std::uint8_t>(received.begin(), received.end()), record);
    EXPECT_EQ(commands_.SelectTestChannel(6, received), LinkResult::Failed);
    EXPECT_EQ(Heard(), (std::vector<std::uint8_t>{0x10, 5, wire::kAck, 0x10, 6, wire::kAck}));
}

TEST_F(TestModePrimitivesTest, SwitchingTheTransmitterWaitsLongerForItsAck)
{
    Radio({{2, {}}});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(commands_.SetTransmit(true), LinkResult::Failed);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(800));
    EXPECT_EQ(link_.Port().ReadTimeout(), 500u);
    EXPECT_EQ(Heard(), (std::vector<std::uint8_t>{0x08, 0x0D}));
}

TEST_F(TestModePrimitivesTest, TheOtherCommandsExpectAnAck)
{
    Radio({{2, {wire::kAck}}, {1, {wire::kAck}}, {7, {wire::kAck}}, {2, {wire::kAck}}, {1, std::vector<std::uint8_t>(62, 9)},
           {1, {wire::kAck}}, {1, {wire::kNak}}});
    EXPECT_EQ(commands_.SetTestSignalling(3), LinkResult::Done);
    EXPECT_EQ(commands_.SetWide(false), LinkResult::Done);
    EXPECT_EQ(commands_.EnterTuning(), LinkResult::Done);
    EXPECT_EQ(commands_.SendCodeEnter(0x21), LinkResult::Done);
    std::uint8_t data[62] = {};
    EXPECT_EQ(commands_.ReadTestData(data, sizeof data), LinkResult::Done);
    EXPECT_EQ(data[61], 9);
    EXPECT_EQ(link_.EndProgramming(), LinkResult::Failed); // a NAK is no ACK
    const auto heard = Heard();
    EXPECT_EQ(std::string(heard.begin() + 3, heard.begin() + 10), "TUNING ");
    EXPECT_EQ(heard[2], 'G');
    EXPECT_EQ(heard.back(), wire::kEnd);
}

} // namespace
} // namespace qtr
