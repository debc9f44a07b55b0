#pragma once

#include <cstddef>
#include <cstdint>

namespace qtr::wire {

// Control bytes and sizes of the programming protocol, shared by the program and the
// radio simulator.
inline constexpr std::uint8_t kIdentityRequest = 0x02;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kSync = 0x16;
inline constexpr std::uint8_t kEnd = 'E';
inline constexpr std::uint8_t kReadBlock = 'R';
inline constexpr std::uint8_t kDataBlock = 'W';
inline constexpr std::uint8_t kInfoRequest = 'P';
inline constexpr std::uint8_t kSerialReply = 'N';
inline constexpr char kProgramCommand[] = "PROGRAM";
inline constexpr char kSerialCommand[] = "NRK";

inline constexpr std::size_t kIdentitySize = 8;
inline constexpr std::size_t kBlockHeaderSize = 4; // 'W', address high, address low, length
inline constexpr std::size_t kReadBlockLength = 64;
inline constexpr std::size_t kReadReplySize = kBlockHeaderSize + kReadBlockLength;
inline constexpr std::size_t kSerialDataSize = 32;
inline constexpr std::size_t kSerialReplySize = 1 + kSerialDataSize + 1; // 'N', data, sum
inline constexpr std::size_t kInfoSize = 10;
inline constexpr unsigned kBitsPerByte = 11; // start, 8 data, 2 stop

} // namespace qtr::wire
