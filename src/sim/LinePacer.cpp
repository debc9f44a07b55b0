#include "sim/LinePacer.h"

#include "core/link/PosixWrite.h"
#include "core/link/WireBytes.h"

#include <algorithm>
#include <thread>

namespace qtr::sim {

LinePacer::LinePacer(unsigned rate, bool paced)
    : byteTime_(std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(1'000'000'000LL *
                                                                                      wire::kBitsPerByte / rate))),
      paced_(paced)
{
}

void LinePacer::Arrived(std::size_t count)
{
    arrival_ = std::max(arrival_, Clock::now()) + byteTime_ * static_cast<long>(count);
}

void LinePacer::WaitUntilArrived() const
{
    if (paced_)
        std::this_thread::sleep_until(arrival_);
}

bool LinePacer::Send(int fd, const std::vector<std::uint8_t>& bytes)
{
    if (!paced_)
        return WriteAll(fd, bytes.data(), bytes.size());
    // Late wake-ups must not add up: every byte of a reply keeps to the reply's schedule.
    sent_ = std::max(sent_, Clock::now());
    for (const std::uint8_t byte : bytes) {
        sent_ += byteTime_;
        std::this_thread::sleep_until(sent_);
        if (!WriteAll(fd, &byte, 1))
            return false;
    }
    return true;
}

} // namespace qtr::sim
