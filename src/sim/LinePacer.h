#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qtr::sim {

// Gives bytes the time they take on a real line: 11 bit times each at 8N2. Unpaced,
// everything happens at once.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    LinePacer(unsigned rate, bool paced);

    // `count` bytes came from the program just now; they are complete only once they
    // would have crossed the line.
    void Arrived(std::size_t count);
    void WaitUntilArrived() const;
    // Writes the bytes to `fd` at the line's pace; false when the line failed.
    bool Send(int fd, const std::vector<std::uint8_t>& bytes);

private:
    Clock::duration byteTime_;
    bool paced_;
    Clock::time_point arrival_{};
    Clock::time_point sent_{};
};

} // namespace qtr::sim
