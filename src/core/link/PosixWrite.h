#pragma once

#include <cstddef>
#include <cstdint>

namespace qtr {

// Writes all the bytes to the file descriptor, however the system splits them; false
// when it fails.
bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count);

} // namespace qtr
