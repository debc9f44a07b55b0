#pragma once

#include <atomic>
#include <initializer_list>

namespace qtr {

// A request, made by a signal, to stop a radio operation at its next safe point: the block
// under way is finished, programming or test mode ended and the port closed. A second
// signal of those caught ends the program at once, as the signal itself would.
class StopRequest {
public:
    // Catches the signals `which` for this request; `wakeFd`, when given, gets one byte per signal
    // so that an event loop hears of it. `restartCalls` keeps system calls going through a
    // signal; without it a wait for input ends with the signal. One request per program.
    void Catch(std::initializer_list<int> which, int wakeFd = -1, bool restartCalls = false);
    ~StopRequest();
    bool Raised() const { return signal_.load() != 0; }
    int Signal() const { return signal_.load(); }
    // The exit status a shell gives a program that a signal ended: 128 and the signal.
    int ExitStatus() const { return 128 + Signal(); }

private:
    static void OnSignal(int signal);

    std::atomic<int> signal_{0};
    int wakeFd_ = -1;
    static_assert(std::atomic<int>::is_always_lock_free, "the flag is set in a signal handler");
};

} // namespace qtr
