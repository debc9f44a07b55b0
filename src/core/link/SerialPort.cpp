#include "core/link/SerialPort.h"

#include "core/link/LineSettings.h"
#include "core/link/PosixWrite.h"
#include "core/link/TermiosSpeed.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace qtr {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHighestPriority = -20;
constexpr int kNormalPriority = 0;
constexpr std::uint32_t kProbeWaitMs = 10;

tcflag_t CharacterSize(unsigned dataBits)
{
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t ParityFlags(char parity)
{
    switch (parity) {
    case 'E':
        return PARENB;
    case 'O':
        return PARENB | PARODD;
    case 'M':
        return PARENB | PARODD | CMSPAR;
    case 'S':
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

// Raw bytes, no flow control of either kind, the receiver on and modem status ignored.
bool BuildTermios(const LineSettings& line, termios& tio)
{
    const auto speed = SpeedOfBaud(line.baud);
    if (!speed)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | CharacterSize(line.dataBits) | ParityFlags(line.parity);
    if (line.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return cfsetispeed(&tio, *speed) == 0 && cfsetospeed(&tio, *speed) == 0;
}

// Asked for during a read so that the wait is not delayed by other programs; without
// the privilege the request simply fails.
void RaisePriority()
{
    static_cast<void>(setpriority(PRIO_PROCESS, 0, kHighestPriority));
}

void RestorePriority()
{
    static_cast<void>(setpriority(PRIO_PROCESS, 0, kNormalPriority));
}

} // namespace

SerialPort::~SerialPort()
{
    if (handle_ >= 0)
        ::close(handle_);
}

LinkResult SerialPort::SetPort(std::uint8_t port)
{
    if (port != 0)
        port_ = port;
    if (!open_)
        return LinkResult::Done;
    const LinkResult closed = SetOpen(0);
    const LinkResult opened = SetOpen(1);
    return ResultOf(closed == LinkResult::Done && opened == LinkResult::Done);
}

LinkResult SerialPort::SetOpen(int wanted)
{
    if ((wanted != 0) == open_)
        return LinkResult::Done;
    return wanted != 0 ? Open() : Close();
}

LinkResult SerialPort::Open()
{
    openFailure_ = {};
    const std::string device = DeviceName();
    handle_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    open_ = true;
    if (handle_ < 0)
        return RefuseOpen(device, errno);
    // Nobody else may talk to the radio while we do. TIOCEXCL does not keep root out, the
    // lock does; a port held by another program is left exactly as it is.
    if (flock(handle_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(handle_);
        handle_ = -1;
        return RefuseOpen(device, error);
    }
    static_cast<void>(ioctl(handle_, TIOCEXCL));
    if (Configure())
        return LinkResult::Done;
    const int error = errno;
    return RefuseOpen(device, isatty(handle_) ? error : ENOTTY);
}

// Non-blocking only so that the open does not wait for a carrier; writes block.
bool SerialPort::Configure()
{
    const int flags = fcntl(handle_, F_GETFL);
    if (flags < 0 || fcntl(handle_, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return false;
    return ApplyQueueSizes() && ApplySettings() && ApplyTimeouts() && SetModemLine(TIOCMBIC, TIOCM_RTS);
}

LinkResult SerialPort::RefuseOpen(const std::string& device, int error)
{
    openFailure_ = FailureOf(device, error);
    return LinkResult::Failed;
}

LinkResult SerialPort::Close()
{
    open_ = false;
    const int result = ::close(handle_);
    handle_ = -1;
    return ResultOf(result == 0);
}

LinkResult SerialPort::SetSettings(const std::string& text)
{
    settings_ = LineSettings::WithoutBlanks(text);
    return ResultOf(!open_ || ApplySettings());
}

bool SerialPort::ApplySettings()
{
    const auto line = LineSettings::Parse(settings_);
    termios tio{};
    if (!line || tcgetattr(handle_, &tio) != 0 || !BuildTermios(*line, tio))
        return false;
    if (tcsetattr(handle_, TCSANOW, &tio) != 0)
        return false;
    return SetModemLine(TIOCMBIS, TIOCM_DTR) && SetModemLine(TIOCMBIC, TIOCM_RTS);
}

// Pseudo-terminals have no modem lines; there the request counts as done.
bool SerialPort::SetModemLine(unsigned long request, int line) const
{
    if (ioctl(handle_, request, &line) == 0)
        return true;
    return errno == ENOTTY || errno == EINVAL;
}

LinkResult SerialPort::SetReadTimeout(std::uint32_t milliseconds)
{
    readTimeoutMs_ = milliseconds;
    return ResultOf(!open_ || ApplyTimeouts());
}

// Reads wait on their own deadline, so the time-outs need only a working handle.
bool SerialPort::ApplyTimeouts() const
{
    termios tio{};
    return tcgetattr(handle_, &tio) == 0;
}

LinkResult SerialPort::SetInputQueueSize(std::uint16_t size)
{
    inputQueueSize_ = size;
    return ResultOf(!open_ || ApplyQueueSizes());
}

LinkResult SerialPort::SetOutputQueueSize(std::uint16_t size)
{
    outputQueueSize_ = size;
    return ResultOf(!open_ || ApplyQueueSizes());
}

bool SerialPort::ApplyQueueSizes() const
{
    return BytesWaiting() >= 0;
}

LinkResult SerialPort::WriteBytes(const std::uint8_t* bytes, std::uint16_t count)
{
    if (handle_ < 0)
        return LinkResult::Failed;
    PurgeReceive();
    if (!WriteAll(handle_, bytes, count))
        return LinkResult::Failed;
    // Return once the bytes are on the line, so that waits for the answer start then.
    int drained = 0;
    do {
        drained = tcdrain(handle_);
    } while (drained != 0 && errno == EINTR);
    return ResultOf(drained == 0);
}

LinkResult SerialPort::WriteText(const std::string& text)
{
    return WriteBytes(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint16_t>(text.size()));
}

LinkResult SerialPort::WriteByte(std::uint8_t byte)
{
    return WriteBytes(&byte, 1);
}

LinkResult SerialPort::ReadBytes(std::uint8_t* buffer, std::uint16_t count)
{
    if (handle_ < 0)
        return LinkResult::Failed;
    RaisePriority();
    const std::uint16_t received = ReadUntilDeadline(buffer, count);
    RestorePriority();
    return ResultOf(received >= count);
}

std::uint16_t SerialPort::ReadUntilDeadline(std::uint8_t* buffer, std::uint16_t count) const
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(readTimeoutMs_);
    std::uint16_t received = 0;
    while (received < count) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || !WaitForInput(static_cast<std::uint32_t>(left)))
            break;
        const ssize_t n = ::read(handle_, buffer + received, count - received);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break; // the line hung up
        received = static_cast<std::uint16_t>(received + n);
    }
    return received;
}

bool SerialPort::WaitForInput(std::uint32_t milliseconds) const
{
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    pollfd entry{handle_, POLLIN, 0};
    int ready = 0;
    do {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
        ready = poll(&entry, 1, static_cast<int>(std::max<long long>(left, 0)));
    } while (ready < 0 && errno == EINTR);
    if (ready > 0 && (entry.revents & POLLIN) != 0)
        return true;
    // A hung-up line reports itself at once; wait out the time as a silent one would.
    if (ready != 0)
        std::this_thread::sleep_until(end);
    return false;
}

LinkResult SerialPort::PurgeReceive()
{
    if (handle_ >= 0)
        tcflush(handle_, TCIFLUSH);
    return LinkResult::Done;
}

int SerialPort::BytesWaiting() const
{
    int count = 0;
    if (handle_ < 0 || ioctl(handle_, FIONREAD, &count) != 0)
        return -1;
    return count;
}

// Sleeps through most of the wait and watches the clock for the rest, so the wait ends
// as precisely as a busy loop would without keeping a processor busy.
void SerialPort::DelayMs(std::uint32_t milliseconds)
{
    constexpr auto kSpinMargin = std::chrono::milliseconds(1);
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    if (end - Clock::now() > kSpinMargin)
        std::this_thread::sleep_until(end - kSpinMargin);
    while (Clock::now() < end) {
    }
}

bool SerialPort::IsRs232()
{
    DelayMs(kProbeWaitMs);
    const bool result = handle_ >= 0 && isatty(handle_) && ApplySettings();
    DelayMs(kProbeWaitMs);
    return result;
}

} // namespace qtr
