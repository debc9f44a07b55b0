#include "sim/RadioSimulator.h"

#include "core/link/TermiosSpeed.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace qtr::sim {

namespace {

// How long a lone 'P' waits for the rest of "PROGRAM" before it counts as a command.
constexpr int kQuietMs = 2;

void CloseIfOpen(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

RadioSimulator::RadioSimulator(const RadioProfile& profile, std::vector<RadioProfile> following)
    : protocol_(profile, std::move(following)), pacer_(profile.rate, profile.paced), rate_(profile.rate)
{
}

RadioSimulator::~RadioSimulator()
{
    Stop();
}

std::string RadioSimulator::Start()
{
    if (openpty(&master_, &slaveHold_, nullptr, nullptr, nullptr) != 0 || pipe2(stopPipe_, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot open a pseudo-terminal");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slaveHold_, F_SETFD, FD_CLOEXEC);
    char name[PATH_MAX] = {};
    if (ttyname_r(slaveHold_, name, sizeof name) != 0)
        throw std::runtime_error("cannot name the pseudo-terminal");
    slavePath_ = name;
    termios tio{};
    tcgetattr(slaveHold_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slaveHold_, TCSANOW, &tio);
    thread_ = std::thread([this] { Serve(); });
    return slavePath_;
}

void RadioSimulator::Stop()
{
    if (thread_.joinable()) {
        const char stop = 1;
        static_cast<void>(::write(stopPipe_[1], &stop, 1));
        thread_.join();
    }
    CloseLine();
    CloseIfOpen(stopPipe_[0]);
    CloseIfOpen(stopPipe_[1]);
}

void RadioSimulator::CloseLine()
{
    CloseIfOpen(master_);
    CloseIfOpen(slaveHold_);
}

ImageBytes RadioSimulator::Memory() const
{
    std::lock_guard lock(mutex_);
    return protocol_.Memory();
}

std::vector<ImageBytes> RadioSimulator::Memories() const
{
    std::lock_guard lock(mutex_);
    return protocol_.Memories();
}

bool RadioSimulator::InProgrammingMode() const
{
    std::lock_guard lock(mutex_);
    return protocol_.InProgrammingMode();
}

TestModeState RadioSimulator::TestMode() const
{
    std::lock_guard lock(mutex_);
    return protocol_.TestMode().State();
}

std::vector<std::uint8_t> RadioSimulator::Received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

// The pseudo-terminal's two sides share one set of line settings, so the radio sees
// the rate the program chose.
bool RadioSimulator::RateMatches() const
{
    termios tio{};
    if (tcgetattr(master_, &tio) != 0)
        return false;
    return BaudOfSpeed(cfgetospeed(&tio)) == rate_;
}

void RadioSimulator::Serve()
{
    for (;;) {
        bool awaitsMore = false;
        {
            std::lock_guard lock(mutex_);
            awaitsMore = protocol_.AwaitsMore();
        }
        pollfd entries[2] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        const int ready = poll(entries, 2, awaitsMore ? kQuietMs : -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (entries[1].revents & POLLIN) != 0)
            return;
        if ((entries[0].revents & POLLIN) != 0)
            TakeInput();
        const bool lineUp = Answer(ready == 0);
        if (!lineUp) {
            hungUp_ = true;
            CloseLine();
        }
        TellWaiters();
        if (!lineUp)
            return;
    }
}

// Under the change mutex, so that the notice cannot fall between a waiter's check and its wait.
void RadioSimulator::TellWaiters()
{
    std::lock_guard lock(changeMutex_);
    changed_.notify_all();
}

bool RadioSimulator::WaitUntil(const std::function<bool(const RadioSimulator&)>& done,
                               std::chrono::milliseconds bound) const
{
    std::unique_lock lock(changeMutex_);
    return changed_.wait_for(lock, bound, [&] { return done(*this); });
}

void RadioSimulator::TakeInput()
{
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const bool heard = RateMatches();
    std::lock_guard lock(mutex_);
    received_.insert(received_.end(), buffer, buffer + n);
    if (!heard)
        return;
    pacer_.Arrived(static_cast<std::size_t>(n));
    protocol_.Receive(buffer, static_cast<std::size_t>(n));
}

bool RadioSimulator::Answer(bool lineQuiet)
{
    for (;;) {
        std::optional<Reply> reply;
        {
            std::lock_guard lock(mutex_);
            reply = protocol_.Next(lineQuiet);
        }
        if (!reply)
            return true;
        pacer_.WaitUntilArrived();
        const bool hangUp = reply->hangUpAfter.has_value();
        if (hangUp)
            reply->bytes.resize(*reply->hangUpAfter);
        pacer_.Send(master_, reply->bytes);
        sent_ += reply->bytes.size();
        if (hangUp)
            return false;
    }
}

} // namespace qtr::sim
