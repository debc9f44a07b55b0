#include "core/link/StopRequest.h"

#include <cerrno>
#include <csignal>
#include <cstdint>

#include <unistd.h>

namespace qtr {

namespace {

StopRequest* caught = nullptr;

} // namespace

void StopRequest::Catch(std::initializer_list<int> which, int wakeFd, bool restartCalls)
{
    caught = this;
    wakeFd_ = wakeFd;
    struct sigaction action {};
    action.sa_handler = &StopRequest::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restartCalls ? SA_RESTART : 0;
    for (const int signal : which)
        sigaction(signal, &action, nullptr);
}

// Once the request is gone, a signal does what it would have done without it.
StopRequest::~StopRequest()
{
    if (caught == this)
        caught = nullptr;
}

// Only what is safe in a signal handler: an atomic store, write, signal and raise.
void StopRequest::OnSignal(int signal)
{
    const int savedErrno = errno;
    if (caught == nullptr || caught->Raised()) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    caught->signal_.store(signal);
    if (caught->wakeFd_ >= 0) {
        const std::uint8_t byte = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(caught->wakeFd_, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace qtr
