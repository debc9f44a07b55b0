#include "sim/FaultPlan.h"
#include "sim/RadioProtocol.h"
#include "sim/SimCommandLine.h"
#include "core/link/WireBytes.h"

#include <gtest/gtest.h>

namespace qtr::sim {
namespace {

TEST(SimulatorTest, FaultsAreNamedOnTheCommandLine)
{
    const auto fault = ParseFault("read-block:hang-up:3:2:10");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->step, Step::ReadBlock);
    EXPECT_EQ(fault->kind, FaultKind::HangUp);
    EXPECT_EQ(fault->skip, 3);
    EXPECT_EQ(fault->count, 2);
    EXPECT_EQ(fault->hangUpAfter, 10u);
    for (const char* wrong : {"", "read-block", "reed-block:nak", "end:nack", "end:nak:x", "end:nak:1:2:3:4"})
        EXPECT_FALSE(ParseFault(wrong)) << wrong;
    std::string error;
    EXPECT_FALSE(SimCommandLine::Parse({"--rate", "3600"}, error));
    EXPECT_FALSE(SimCommandLine::Parse({"--fault"}, error));
    const auto line = SimCommandLine::Parse({"--model", "BRS08", "--rate", "4800", "--pace", "--fault", "end:nak"}, error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->profile.rate, 4800u);
    EXPECT_TRUE(line->profile.paced);
    EXPECT_EQ(line->profile.identity[7], 'B');
    EXPECT_EQ(line->profile.faults.size(), 1u);
    EXPECT_FALSE(line->help || line->version);
    const auto version = SimCommandLine::Parse({"--version"}, error);
    ASSERT_TRUE(version) << error;
    EXPECT_TRUE(version->version);
    EXPECT_FALSE(SimCommandLine::Parse({"--radios", "0"}, error));
    const auto fleet = SimCommandLine::Parse({"--radios", "10"}, error);
    ASSERT_TRUE(fleet) << error;
    ASSERT_EQ(fleet->following.size(), 9u);
    const auto serial = [](const RadioProfile& radio) { return std::string(radio.serial.begin(), radio.serial.begin() + 22); };
    EXPECT_EQ(serial(fleet->profile), "12345678ABCD0042SIM-01");
    EXPECT_EQ(serial(fleet->following[7]), "12345678ABCD0042SIM-09");
    EXPECT_EQ(serial(fleet->following[8]), "12345678ABCD0042SIM-10");
}

TEST(SimulatorTest, AFaultHitsOnlyTheOccurrencesItNames)
{
    FaultPlan plan({{Step::ReadBlock, FaultKind::Nak, 2, 2}, {Step::End, FaultKind::Silence, 0, 0}});
    std::vector<bool> hit;
    for (int i = 0; i < 6; ++i)
        hit.push_back(plan.Next(Step::ReadBlock).has_value());
    EXPECT_EQ(hit, (std::vector<bool>{false, false, true, true, false, false}));
    EXPECT_FALSE(plan.Next(Step::Identity));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(plan.Next(Step::End));
}

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

TEST(SimulatorTest, TheRadioTellsALoneInformationRequestFromAHandshake)
{
    RadioProfile profile = RadioProfile::Factory(*RadioProfile::IdentityOf("P7100"));
    profile.rate = 4800;
    RadioProtocol radio(profile);
    const auto program = Bytes("PRO");
    radio.Receive(program.data(), program.size());
    EXPECT_FALSE(radio.Next(true));
    const auto rest = Bytes("GRAM");
    radio.Receive(rest.data(), rest.size());
    const auto handshake = radio.Next(false);
    ASSERT_TRUE(handshake);
    EXPECT_EQ(handshake->bytes, (std::vector<std::uint8_t>{wire::kSync, wire::kAck}));

    const std::uint8_t info = wire::kInfoRequest;
    radio.Receive(&info, 1);
    EXPECT_FALSE(radio.Next(false));
    EXPECT_TRUE(radio.AwaitsMore());
    const auto version = radio.Next(true);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->bytes.size(), wire::kInfoSize);
}

} // namespace
} // namespace qtr::sim
