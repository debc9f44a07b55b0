#include "TestModePair.h"
#include "sim/RadioProtocol.h"
#include "sim/TestModeRadio.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::Bytes;

// The simulated radio's test mode, spoken to byte by byte.
class TestModeSimulatorTest : public testing::Test {
protected:
    explicit TestModeSimulatorTest(sim::RadioProfile profile = test::Radio("P7100")) : radio_(profile) {}

    void SetUp() override
    {
        ASSERT_EQ(Link().Port().SetOpen(1), LinkResult::Done);
        ASSERT_EQ(TestLink().EnterTuning(), LinkResult::Done);
    }
    RadioLink& Link() { return radio_.pair.link; }
    testmode::TestModeLink TestLink() { return testmode::TestModeLink(Link()); }
    sim::TestModeState Radio() const { return radio_.pair.radio.TestMode(); }
    int Adjustment(int entry) const { return Radio().adjustments[static_cast<std::size_t>(entry)]; }
    // A tuning command and the radio's one-byte confirmation.
    bool Confirmed(std::initializer_list<int> command)
    {
        const auto bytes = Bytes(command);
        Link().Port().WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
        return Link().WaitConfirmation();
    }
    std::vector<std::uint8_t> Reply(std::initializer_list<int> command, int count)
    {
        const auto bytes = Bytes(command);
        Link().Port().WriteBytes(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
        std::vector<std::uint8_t> reply(static_cast<std::size_t>(count));
        if (!Link().WaitForBytes(count) || Link().Port().ReadBytes(reply.data(), static_cast<std::uint16_t>(count)) != LinkResult::Done)
            return {};
        Link().Port().WriteByte(wire::kAck);
        return reply;
    }

    test::TestModePair radio_;
};

TEST_F(TestModeSimulatorTest, AnswersTheTestChannelsSignallingSpacingAndTransmitter)
{
    EXPECT_TRUE(Radio().active);
    testmode::TestData data{};
    ASSERT_EQ(TestLink().ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())), LinkResult::Done);
    EXPECT_EQ(data, sim::TestModeRadio::FactoryAdjustments());

    const auto memory = radio_.pair.radio.Memory();
    testmode::TestChannelRecord record{};
    Link().State().acceptNak = true;
    ASSERT_EQ(TestLink().SelectTestChannel(2, record), LinkResult::Done);
    EXPECT_TRUE(std::equal(record.begin(), record.end(), memory.begin() + 648));
    EXPECT_EQ(TestLink().SelectTestChannel(16, record), LinkResult::Done) << "a channel that is not set is confirmed by NAK";
    EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(Radio().channel, 16);

    EXPECT_EQ(TestLink().SetTestSignalling(4), LinkResult::Done);
    EXPECT_EQ(TestLink().SetTestSignalling(10), LinkResult::Failed) << "there are nine test signallings";
    EXPECT_EQ(Radio().signalling, 4);
    EXPECT_EQ(TestLink().SetWide(false), LinkResult::Done);
    EXPECT_FALSE(Radio().wide);
    EXPECT_EQ(TestLink().SetTransmit(true), LinkResult::Done);
    EXPECT_TRUE(Radio().transmitting);
    EXPECT_EQ(TestLink().SetTransmit(false), LinkResult::Done);
    EXPECT_FALSE(Radio().transmitting);

    EXPECT_EQ(Link().EndProgramming(), LinkResult::Done);
    EXPECT_FALSE(Radio().active);
    EXPECT_FALSE(radio_.pair.radio.InProgrammingMode());
}

TEST_F(TestModeSimulatorTest, TheMasterPointCarriesTheOtherPointsAndTheMiddlePointIsTheMaster)
{
    // TX Power High: entries 10 to 15, the master 128 and the points 116 to 140.
    EXPECT_EQ(Reply({0x07}, 0).size(), 0u) << "no item selected, no points";
    ASSERT_TRUE(Confirmed({18, 0x0D}));
    EXPECT_EQ(Reply({0x07}, 6), Bytes({128, 116, 122, 128, 134, 140}));
    ASSERT_TRUE(Confirmed({18, 0x20, 250}));
    EXPECT_EQ(Reply({0x07}, 6), Bytes({250, 238, 244, 250, 255, 255})) << "shifted by 122 and kept within 0 to 255";
    ASSERT_TRUE(Confirmed({49, 0x20, 100}));
    EXPECT_EQ(Adjustment(13), 100);
    EXPECT_EQ(Adjustment(10), 100) << "the middle point is the master's value";
    ASSERT_TRUE(Confirmed({48, 0x20, 7}));
    EXPECT_EQ(Adjustment(11), 7);
    EXPECT_EQ(Adjustment(10), 100) << "other points leave the master alone";
    ASSERT_TRUE(Confirmed({18, 0x0E}));
    ASSERT_TRUE(Confirmed({12, 0x0F}));
}

TEST_F(TestModeSimulatorTest, NarrowSpacingAdjustsTheNarrowValueAlone)
{
    ASSERT_EQ(TestLink().SetWide(false), LinkResult::Done);
    // Squelch Open: wide entries 0 to 3, narrow entry 4.
    const int wideMaster = Adjustment(0);
    ASSERT_TRUE(Confirmed({12, 0x0D}));
    ASSERT_TRUE(Confirmed({12, 0x20, 77}));
    EXPECT_EQ(Adjustment(4), 77);
    EXPECT_EQ(Adjustment(0), wideMaster);
    EXPECT_EQ(Reply({0x07}, 1), Bytes({77}));
    // RX Sensitivity has no narrow value: its points move with the master in either spacing.
    ASSERT_TRUE(Confirmed({31, 0x0D}));
    ASSERT_TRUE(Confirmed({31, 0x20, 130}));
    EXPECT_EQ(Reply({0x07}, 4), Bytes({130, 120, 130, 140}));
}

TEST_F(TestModeSimulatorTest, TheMeasuredValueDriftsAndUnknownCodesAreRefused)
{
    const auto first = Reply({34, 0x0A}, 1);
    ASSERT_EQ(first.size(), 1u);
    std::this_thread::sleep_for(std::chrono::milliseconds(560));
    const auto second = Reply({34, 0x0A}, 1);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(std::abs(first[0] - second[0]), 1);
    EXPECT_LE(std::abs(first[0] - 100), 8) << "around the RSSI value";
    EXPECT_FALSE(Confirmed({18, 0x33})) << "no such action";
    EXPECT_TRUE(Confirmed({18, 0x0D})) << "and the radio still listens";
}

// Commands may arrive a byte at a time; the radio answers each once it is complete.
TEST(TestModeSimulatorProtocolTest, CommandsInPiecesAreAnsweredWhenComplete)
{
    sim::RadioProtocol radio(test::Radio("P7100"));
    const auto feed = [&](std::initializer_list<int> bytes) {
        std::optional<sim::Reply> reply;
        for (const auto byte : Bytes(bytes)) {
            EXPECT_FALSE(reply) << "answered before the command was complete";
            radio.Receive(&byte, 1);
            reply = radio.Next(false);
        }
        return reply ? reply->bytes : std::vector<std::uint8_t>{0xEE};
    };
    EXPECT_EQ(feed({'T', 'U', 'N', 'I', 'N', 'G', ' '}), Bytes({wire::kAck}));
    EXPECT_EQ(feed({18, 0x20, 0x06}), Bytes({wire::kAck})) << "a value may be the ACK byte";
    EXPECT_EQ(radio.TestMode().State().adjustments[10], 6);
    EXPECT_EQ(feed({0x10, 3}).size(), 8u);
    EXPECT_EQ(feed({wire::kAck}), Bytes({wire::kAck}));
    EXPECT_EQ(feed({0x08, 0x0D}), Bytes({wire::kAck}));
    EXPECT_TRUE(radio.TestMode().State().transmitting);
    EXPECT_EQ(feed({'E'}), Bytes({wire::kAck}));
    EXPECT_FALSE(radio.TestMode().Active());
    EXPECT_EQ(feed({'P', 'R', 'O', 'G', 'R', 'A', 'M'}), Bytes({wire::kAck})) << "programming mode as before";
}

TEST(TestModeSimulatorFaultTest, TestModeStepsHaveFaultsOfTheirOwn)
{
    EXPECT_EQ(sim::ParseFault("code-value:nak:2")->step, sim::Step::CodeValue);
    EXPECT_EQ(sim::StepName(sim::Step::PointValues), "point-values");
    auto profile = test::Radio("P7100");
    profile.faults = {{sim::Step::TestData, sim::FaultKind::ShortReply}, {sim::Step::CodeEnter, sim::FaultKind::Nak}};
    test::TestModePair radio(profile);
    RadioLink& link = radio.pair.link;
    testmode::TestModeLink commands(link);
    ASSERT_EQ(link.Port().SetOpen(1), LinkResult::Done);
    ASSERT_EQ(commands.EnterTuning(), LinkResult::Done);
    testmode::TestData data{};
    EXPECT_EQ(commands.ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())), LinkResult::Failed);
    EXPECT_EQ(commands.ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())), LinkResult::Done);
    EXPECT_EQ(commands.SendCodeEnter(18), LinkResult::Failed);
    EXPECT_EQ(commands.SendCodeEnter(18), LinkResult::Done);
}

TEST(TestModeSimulatorPaceTest, AnswersAtTheLineRate)
{
    auto profile = test::Radio("P7100");
    profile.paced = true;
    test::TestModePair radio(profile);
    RadioLink& link = radio.pair.link;
    testmode::TestModeLink commands(link);
    ASSERT_EQ(link.Port().SetOpen(1), LinkResult::Done);
    ASSERT_EQ(commands.EnterTuning(), LinkResult::Done);
    testmode::TestData data{};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(commands.ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())), LinkResult::Done);
    // 62 bytes, our ACK and the radio's, 11 bit times each at 9600 baud.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(70));
}

} // namespace
} // namespace qtr
