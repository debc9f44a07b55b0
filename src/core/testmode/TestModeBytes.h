#pragma once

#include <cstdint>

namespace qtr::wire {

// The commands of the radio's test mode, shared by the program and the radio simulator.
inline constexpr char kTuningCommand[] = "TUNING ";
inline constexpr std::uint8_t kTestDataRequest = 0x05;
inline constexpr std::uint8_t kPointValuesRequest = 0x07;
inline constexpr std::uint8_t kTransmitCommand = 0x08;
inline constexpr std::uint8_t kTestChannelCommand = 0x10;
inline constexpr std::uint8_t kTestSignallingCommand = 0x11;
inline constexpr std::uint8_t kWideCommand = 'F';
inline constexpr std::uint8_t kNarrowCommand = 'G';
// What follows a tuning code, or the transmit command.
inline constexpr std::uint8_t kEnter = 0x0D; // select the item or point; transmitter on
inline constexpr std::uint8_t kLeave = 0x0E; // end the item; transmitter off
inline constexpr std::uint8_t kLeaveRestoring = 0x0F;
inline constexpr std::uint8_t kMeasure = 0x0A;
inline constexpr std::uint8_t kSetValue = 0x20;

inline constexpr int kTestChannelCount = 16;
inline constexpr int kTestSignallingCount = 9;

} // namespace qtr::wire
