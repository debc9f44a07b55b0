#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qtr {

// Offsets of the model identity inside the image (same layout as the model record).
namespace identity {
constexpr std::size_t kOffset = 440;
constexpr std::size_t kCodeOffset = 440;
constexpr std::size_t kCodeLength = 5;
constexpr std::size_t kTypeByte = 445;
constexpr std::size_t kOptionByte = 446;
constexpr std::size_t kLineLetter = 447;
constexpr std::size_t kLength = 8;
// Positions inside an 8-byte model record.
constexpr std::size_t kRecordType = 5;
constexpr std::size_t kRecordOption = 6;
constexpr std::size_t kRecordLine = 7;
} // namespace identity

using ModelRecord = std::array<std::uint8_t, identity::kLength>;

constexpr std::uint8_t kParlaneLine = 'B';
constexpr std::uint8_t kLmrLine = 'L';
constexpr unsigned kStandardOptionBits = 2;
constexpr unsigned kLVariantOptionBits = 5;

struct ModelInfo {
    const char* name;        // as shown in Model Information and the window title
    const char* printedName; // single-space form used by radio information and printing
    const char* code;
    std::uint8_t line;
    bool uhf;
    unsigned optionBits;
};

constexpr int kModelTypeCount = 8;
const std::array<ModelInfo, kModelTypeCount>& ModelTable();

struct ChannelClass {
    std::uint8_t typeByte;
    const char* text;
    const char* suffix;
};

constexpr int kChannelClassCount = 6;
constexpr int kFifteenChannelRow = 4;
constexpr int kSixteenChannelRow = 5;
// The LMR and Parlane tables are identical, so one table serves both lines.
const std::array<ChannelClass, kChannelClassCount>& ChannelClassTable();

// Rows of the channel-class table that a model code may use, in table order.
std::vector<int> AllowedChannelClassRows(const std::string& modelCode);

// The default model: RB-7100 Parlane, VHF, 2 channels.
ModelRecord DefaultModelRecord();

bool IsUhfTypeByte(std::uint8_t typeByte);

// The option byte with its low three bits made standard (2) or L variant (5); the other bits stay.
std::uint8_t WithOptionBits(std::uint8_t option, unsigned bits);

} // namespace qtr
