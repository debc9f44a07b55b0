#include "ProgramFolder.h"
#include "RadioPair.h"
#include "TempFolder.h"
#include "core/base/MemorySettingsStore.h"
#include "core/document/DataFile.h"
#include "core/link/PortDirectory.h"
#include "core/link/SerialPort.h"
#include "core/testmode/TestModeLink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace qtr {
namespace {

// The command-line tool's radio verbs against a simulated radio.
class CliLinkTest : public testing::Test {
protected:
    struct Outcome {
        int status = -1;
        std::string out;
        std::string err;
    };

    Outcome Cli(const std::string& arguments)
    {
        const std::string out = folder.File("out.txt");
        const std::string err = folder.File("err.txt");
        // The desktop program's settings, as the tool finds them, are the test's own.
        const std::string settings = "XDG_CONFIG_HOME=" + folder.File("config") + " ";
        const int status =
            std::system((settings + test::CliPath() + " " + arguments + " >" + out + " 2>" + err).c_str());
        const auto outBytes = test::TempFolder::ReadBytes(out);
        const auto errBytes = test::TempFolder::ReadBytes(err);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(outBytes.begin(), outBytes.end()),
                std::string(errBytes.begin(), errBytes.end())};
    }

    std::string Port(const sim::RadioSimulator& radio) const { return "--port " + radio.SlavePath() + " "; }

    test::TempFolder folder;
};

TEST_F(CliLinkTest, ReadsAChangesWritesItBackAndTellsWhoTheRadioIs)
{
    const auto profile = test::Radio("P81L0", {}, 'B');
    sim::RadioSimulator radio(profile);
    radio.Start();
    const std::string file = folder.File("radio.dat");
    const Outcome read = Cli("read " + Port(radio) + file);
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, "The data has been read from the radio successfully.\n"); // a success is no error
    EXPECT_TRUE(read.err.empty()) << read.err;
    auto bytes = test::TempFolder::ReadBytes(file);
    EXPECT_EQ(bytes, datafile::Build(profile.memory, datafile::MagicFor(profile.memory)));

    const std::string message = "FROM THE COMMAND LINE";
    std::copy(message.begin(), message.end(), bytes.begin() + 16 + 768);
    test::TempFolder::WriteBytes(file, bytes);
    const Outcome write = Cli("write " + Port(radio) + file);
    ASSERT_EQ(write.status, 0) << write.err;
    const auto memory = radio.Memory();
    EXPECT_EQ(std::string(memory.begin() + 768, memory.begin() + 768 + message.size()), message);

    const Outcome info = Cli("info " + Port(radio));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "Model Type: RB-8100L Parlane (UHF)\nFrequency: UHF : 461-470 MHz (15/16 Channels)\n"
                        "Serial Number: 12345678ABCD 0042 SIM-01\nVersion: L1.00\n");
}

TEST_F(CliLinkTest, RefusesBeforeTalkingToTheRadio)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    radio.Start();
    const std::string file = folder.File("radio.dat");
    ASSERT_EQ(Cli("new --model 0 --channels 2 " + file).status, 0);

    const Outcome existing = Cli("read " + Port(radio) + file);
    EXPECT_NE(existing.status, 0);
    EXPECT_NE(existing.err.find("already exists"), std::string::npos);

    auto bytes = test::TempFolder::ReadBytes(file);
    bytes[16 + 307] = 1; // PTT ID type 1 without an own fleet
    test::TempFolder::WriteBytes(file, bytes);
    const Outcome unready = Cli("write " + Port(radio) + file);
    EXPECT_NE(unready.status, 0);
    EXPECT_EQ(unready.err, "qtr31x-cli: The data cannot be written to the radio because the following settings have "
                           "not been entered: \"Fleet (Own)\" \"ID (Own)\"\n");

    EXPECT_NE(Cli("info --port 0").status, 0);
    EXPECT_NE(Cli("info --port " + radio.SlavePath() + " --retries x").status, 0);
    EXPECT_TRUE(radio.Received().empty());
}

TEST_F(CliLinkTest, AFailedExchangeIsTriedAgainAsOftenAsAskedAndThenFails)
{
    auto profile = test::Radio("P7100");
    profile.faults.push_back({sim::Step::Identity, sim::FaultKind::Silence, 0, 0});
    sim::RadioSimulator radio(profile);
    radio.Start();
    const Outcome read = Cli("read " + Port(radio) + "--retries 1 " + folder.File("radio.dat"));
    EXPECT_NE(read.status, 0);
    EXPECT_NE(read.err.find("Communication with the radio failed."), std::string::npos);
    EXPECT_NE(read.err.find("retrying"), std::string::npos);
    const auto heard = radio.Received();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), wire::kIdentityRequest), 2);
    EXPECT_EQ(heard.back(), wire::kEnd);
    EXPECT_FALSE(std::filesystem::exists(folder.File("radio.dat")));
}

TEST_F(CliLinkTest, APortNumberOpensTheDeviceTheDesktopProgramsSettingsName)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    std::filesystem::create_directories(folder.File("config/HALVERN"));
    const std::string lines = "[Backup]\nComPort=1\n\n[Ports]\nCOM3=" + radio.Start() + "\n";
    test::TempFolder::WriteBytes(folder.File("config/HALVERN/QTR31X.conf"), {lines.begin(), lines.end()});
    const Outcome info = Cli("info --port 3");
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out.rfind("Model Type: RB-7100 LMR (VHF)\n", 0), 0u) << info.out;
}

// The running read is untouched by the second program: it still reads the whole radio.
TEST_F(CliLinkTest, ASecondProgramIsToldInOneLineThatThePortIsBusy)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    radio.Start();
    SerialPort running;
    MemorySettingsStore ports;
    ports.WriteText(PortDirectory::kSection, "COM1", radio.SlavePath());
    running.UseDeviceSettings(&ports);
    ASSERT_EQ(running.SetOpen(1), LinkResult::Done);
    const Outcome second = Cli("info " + Port(radio));
    EXPECT_NE(second.status, 0);
    EXPECT_EQ(second.err, "qtr31x-cli: cannot open " + radio.SlavePath() +
                              ": in use by another program (Device or resource busy)\n");
    EXPECT_TRUE(radio.Received().empty());
    running.SetOpen(0);
    EXPECT_EQ(Cli("info " + Port(radio)).status, 0);
}

// A write that stopped after some blocks also says that the radio may hold a partial image.
TEST_F(CliLinkTest, AFailedExchangeSaysWhatFailedAndHowToTryAgainWithoutButtons)
{
    const struct {
        sim::Step step;
        int skip;
        std::string verb;
        std::string where;
        bool partial;
    } cases[] = {{sim::Step::ReadBlock, 4, "read", "(Reading block 5 of 16)", false},
                 {sim::Step::WriteBlock, 24, "write", "(Writing block 25 of 49)", true}};
    const std::string file = folder.File("radio.dat");
    for (const auto& c : cases) {
        auto profile = test::Radio("P7100");
        profile.faults.push_back({c.step, sim::FaultKind::Silence, c.skip, 0});
        sim::RadioSimulator radio(profile);
        radio.Start();
        if (c.partial) {
            ASSERT_EQ(Cli("read --force " + Port(radio) + file).status, 0);
        }
        const Outcome failed = Cli(c.verb + " " + Port(radio) + file);
        EXPECT_NE(failed.status, 0);
        EXPECT_EQ(failed.err.find("Click"), std::string::npos) << failed.err;
        EXPECT_NE(failed.err.find(c.where), std::string::npos) << failed.err;
        EXPECT_EQ(failed.err.find("The radio may hold a partial image: write it again.") != std::string::npos, c.partial)
            << failed.err;
        EXPECT_NE(failed.err.find("--retries N"), std::string::npos) << failed.err;
        EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
    }
}

} // namespace
} // namespace qtr

namespace qtr {
namespace {

// The radio may still be taking in the last byte the tool sent before it ended.
bool HeardEndLast(const sim::RadioSimulator& radio)
{
    for (int wait = 0; wait < 250; ++wait) {
        const auto bytes = radio.Received();
        if (!bytes.empty() && bytes.back() == wire::kEnd && !radio.TestMode().active)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

TEST_F(CliLinkTest, PrintsTheAdjustmentValuesAndLeavesTestMode)
{
    sim::RadioSimulator radio(test::Radio("P8100"));
    radio.Start();
    {
        // A technician has moved Squelch Open's master point from 132 to 77.
        MemorySettingsStore ports;
        ports.WriteText(PortDirectory::kSection, PortDirectory::SettingName(1), radio.SlavePath());
        RadioLink link;
        link.Port().UseDeviceSettings(&ports);
        link.Port().SetPort(1);
        ASSERT_EQ(link.Port().SetOpen(1), LinkResult::Done);
        ASSERT_EQ(testmode::TestModeLink(link).EnterTuning(), LinkResult::Done);
        const std::uint8_t set[] = {12, 0x20, 77};
        link.Port().WriteBytes(set, sizeof set);
        ASSERT_TRUE(link.WaitConfirmation());
        ASSERT_EQ(link.EndProgramming(), LinkResult::Done);
        link.Port().SetOpen(0);
    }
    const Outcome text = Cli("adjustments " + Port(radio));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Item                     Master  Low  Low-Mid  Middle  High-Mid  High  Narrow\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nSquelch Open             77      67   -        77      -         87    128\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nRSSI                     100     -    -        -       -         -     -\n"),
              std::string::npos)
        << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 17) << "the title, the header and fifteen items";
    EXPECT_TRUE(HeardEndLast(radio));

    const Outcome csv = Cli("adjustments --format csv " + Port(radio));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "Item,Master,Low,Low-Mid,Middle,High-Mid,High,Narrow");
    EXPECT_NE(csv.out.find("\nTX Power High,128,116,122,128,134,140,-\n"), std::string::npos) << csv.out;

    const Outcome wrong = Cli("adjustments --format xml " + Port(radio));
    EXPECT_NE(wrong.status, 0);
    EXPECT_NE(wrong.err.find("--format"), std::string::npos);
}

TEST_F(CliLinkTest, AdjustmentsFromARadioThatStopsAnsweringFail)
{
    auto profile = test::Radio("P7100");
    profile.faults = {{sim::Step::TestData, sim::FaultKind::Silence, 0, 0}};
    sim::RadioSimulator radio(profile);
    radio.Start();
    const Outcome outcome = Cli("adjustments " + Port(radio));
    EXPECT_NE(outcome.status, 0);
    EXPECT_TRUE(outcome.out.empty());
    EXPECT_NE(outcome.err.find("--retries"), std::string::npos) << outcome.err;
    EXPECT_TRUE(HeardEndLast(radio));
}

} // namespace
} // namespace qtr
