#include "PseudoTerminal.h"
#include "TempFolder.h"
#include "core/link/PortDirectory.h"
#include "core/link/PortProbe.h"
#include "core/link/SerialPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace qtr {
namespace {

using SteadyClock = std::chrono::steady_clock;

// A pseudo-terminal whose slave side is port 1; the test plays the far end on the master.
class SerialPortTest : public testing::Test {
protected:
    void SetUp() override
    {
        pty_.Settings().WriteText(PortDirectory::kSection, "COM2", "/dev/null");
        pty_.Settings().WriteText(PortDirectory::kSection, "COM3", "/nonexistent/tty");
        port_.UseDeviceSettings(&pty_.Settings());
    }
    void Send(const std::string& bytes) { ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }
    termios SeenSettings() const
    {
        termios tio{};
        tcgetattr(master_, &tio);
        return tio;
    }
    void WaitForBytes(int count) const
    {
        for (int i = 0; i < 200 && port_.BytesWaiting() != count; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    test::PseudoTerminal pty_;
    const int master_ = pty_.Master();
    SerialPort port_;
};

TEST_F(SerialPortTest, OpensWithTheRadiosLineSettings)
{
    EXPECT_EQ(port_.BytesWaiting(), -1);
    ASSERT_EQ(port_.SetOpen(1), LinkResult::Done);
    const termios tio = SeenSettings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(tio.c_cflag & (PARENB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(port_.BytesWaiting(), 0);
    EXPECT_EQ(port_.IsRs232(), true);

    EXPECT_EQ(port_.SetSettings(" 2400 , N , 8 , 2 "), LinkResult::Done);
    EXPECT_EQ(port_.Settings(), "2400,N,8,2");
    const termios changed = SeenSettings();
    EXPECT_EQ(cfgetospeed(&changed), static_cast<speed_t>(B2400));
    EXPECT_EQ(port_.SetSettings("2400,N,9,2"), LinkResult::Failed);
}

TEST_F(SerialPortTest, AReadSucceedsOnlyWithTheFullCountWithinItsTotalTime)
{
    ASSERT_EQ(port_.SetOpen(1), LinkResult::Done);
    ASSERT_EQ(port_.SetReadTimeout(150), LinkResult::Done);
    std::uint8_t buffer[8] = {};
    Send("abc");
    const auto start = SteadyClock::now();
    EXPECT_EQ(port_.ReadBytes(buffer, 5), LinkResult::Failed);
    EXPECT_GE(SteadyClock::now() - start, std::chrono::milliseconds(150));

    // Bytes that keep trickling in do not stretch the deadline.
    std::thread trickle([this] {
        for (int i = 0; i < 8; ++i) {
            Send("x");
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
    });
    const auto second = SteadyClock::now();
    EXPECT_EQ(port_.ReadBytes(buffer, 8), LinkResult::Failed);
    EXPECT_LT(SteadyClock::now() - second, std::chrono::milliseconds(250));
    trickle.join();

    port_.PurgeReceive();
    Send("12345");
    EXPECT_EQ(port_.ReadBytes(buffer, 5), LinkResult::Done);
    EXPECT_EQ(std::string(buffer, buffer + 5), "12345");
}

TEST_F(SerialPortTest, WritingFirstDiscardsWhatWasReceived)
{
    ASSERT_EQ(port_.SetOpen(1), LinkResult::Done);
    Send("stale");
    WaitForBytes(5);
    ASSERT_EQ(port_.BytesWaiting(), 5);
    EXPECT_EQ(port_.WriteText("PROGRAM"), LinkResult::Done);
    EXPECT_EQ(port_.BytesWaiting(), 0);
    char heard[8] = {};
    EXPECT_EQ(read(master_, heard, 7), 7);
    EXPECT_STREQ(heard, "PROGRAM");
}

TEST_F(SerialPortTest, ChangingThePortNumberReopensAnOpenPort)
{
    EXPECT_EQ(port_.SetPort(2), LinkResult::Done); // closed: only the number changes
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_EQ(port_.SetPort(1), LinkResult::Done);
    ASSERT_EQ(port_.SetOpen(1), LinkResult::Done);
    EXPECT_EQ(port_.SetPort(0), LinkResult::Done); // same number, still closed and opened again
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_EQ(port_.Port(), 1);
    EXPECT_EQ(port_.SetOpen(1), LinkResult::Done); // already open
    EXPECT_EQ(port_.SetOpen(0), LinkResult::Done);
    EXPECT_EQ(port_.SetOpen(0), LinkResult::Done); // already closed
}

TEST_F(SerialPortTest, AFailedOpenStillCountsAsOpenUntilClosed)
{
    port_.SetPort(3);
    EXPECT_EQ(port_.SetOpen(1), LinkResult::Failed);
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_EQ(port_.BytesWaiting(), -1);
    EXPECT_TRUE(port_.OpenFailureHint().empty()); // missing, not forbidden
    std::uint8_t byte = 0;
    EXPECT_EQ(port_.ReadBytes(&byte, 1), LinkResult::Failed);
    EXPECT_EQ(port_.WriteByte(1), LinkResult::Failed);
    EXPECT_EQ(port_.SetOpen(0), LinkResult::Failed); // closing no handle fails, as the system's close does
    EXPECT_FALSE(port_.IsOpen());
}

TEST_F(SerialPortTest, OnlyATerminalThatTakesTheSettingsCountsAsASerialPort)
{
    port_.SetPort(2);
    EXPECT_EQ(port_.SetOpen(1), LinkResult::Failed); // /dev/null opens but takes no line settings
    EXPECT_EQ(port_.IsRs232(), false);
    port_.SetOpen(0);
}

// The lock is per open file description, so a second open in this very process, and
// as root, is refused as a second program would be.
TEST_F(SerialPortTest, APortInUseIsRefusedAsBusyAndTheTransferOnItGoesOn)
{
    ASSERT_EQ(port_.SetOpen(1), LinkResult::Done);
    SerialPort second;
    second.UseDeviceSettings(&pty_.Settings());
    EXPECT_EQ(second.SetOpen(1), LinkResult::Failed);
    EXPECT_EQ(second.OpenFailure().problem, PortProblem::Busy);
    EXPECT_EQ(second.OpenFailure().device, port_.DeviceName());
    EXPECT_EQ(second.SetOpen(0), LinkResult::Failed);

    EXPECT_EQ(port_.WriteText("PROGRAM"), LinkResult::Done);
    char heard[8] = {};
    EXPECT_EQ(read(master_, heard, 7), 7);
    EXPECT_STREQ(heard, "PROGRAM");
    Send("\x06");
    std::uint8_t ack = 0;
    EXPECT_EQ(port_.ReadBytes(&ack, 1), LinkResult::Done);
    EXPECT_EQ(ack, 0x06);
    const termios tio = SeenSettings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));

    port_.SetOpen(0);
    EXPECT_EQ(second.SetOpen(1), LinkResult::Done);
    EXPECT_EQ(second.OpenFailure().problem, PortProblem::None);
}

TEST_F(SerialPortTest, TheProbeSaysWhyEachUnusablePortCannotBeUsed)
{
    test::TempFolder folder;
    test::TempFolder::WriteBytes(folder.File("plain"), {1, 2, 3});
    pty_.Settings().WriteText(PortDirectory::kSection, "COM4", folder.File("plain"));
    test::PseudoTerminal busy;
    SerialPort holder;
    holder.UseDeviceSettings(&busy.Settings());
    ASSERT_EQ(holder.SetOpen(1), LinkResult::Done);
    pty_.Settings().WriteText(PortDirectory::kSection, "COM5", holder.DeviceName());

    const auto ports = ProbePorts(port_);
    EXPECT_EQ(ports[0].problem, PortProblem::None);      // a pseudo-terminal
    EXPECT_EQ(ports[1].problem, PortProblem::NotSerial); // /dev/null
    EXPECT_EQ(ports[2].problem, PortProblem::NoDevice);  // missing
    EXPECT_EQ(ports[3].problem, PortProblem::NotSerial); // a regular file
    EXPECT_EQ(ports[4].problem, PortProblem::Busy);
    EXPECT_FALSE(ports[4].usable);
    EXPECT_TRUE(holder.IsOpen());
}

TEST_F(SerialPortTest, TheProbeOffersOnlyTheSerialPortsAndKeepsTheSelection)
{
    port_.SetPort(3);
    const auto ports = ProbePorts(port_);
    ASSERT_EQ(ports.size(), 20u);
    EXPECT_TRUE(ports[0].usable);
    EXPECT_FALSE(ports[1].usable); // /dev/null
    EXPECT_FALSE(ports[2].usable); // missing
    EXPECT_EQ(ports[2].device, "/nonexistent/tty");
    EXPECT_EQ(ports[19].number, 20u);
    EXPECT_EQ(port_.Port(), 3);
    EXPECT_FALSE(port_.IsOpen());
}

TEST(SerialPortDelayTest, WaitsAtLeastTheTimeAskedAndNotMuchLonger)
{
    const auto start = SteadyClock::now();
    SerialPort::DelayMs(30);
    const auto took = SteadyClock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(30));
    EXPECT_LT(took, std::chrono::milliseconds(45));
}

} // namespace
} // namespace qtr
