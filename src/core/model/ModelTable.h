#pragma once

#include "core/model/IdentityFields.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qtr {

using ModelRecord = std::array<std::uint8_t, identity::kLength>;

constexpr std::uint8_t kParlaneLine = 'B';
constexpr std::uint8_t kLmrLine = 'L';
constexpr unsigned kStandardOptionBits = 2;
constexpr unsigned kLVariantOptionBits = 5;

// The type byte of a model record: the band in the high nibble, the channel class in the low one.
namespace typebyte {
constexpr std::uint8_t kVhfTwoChannels = 0x10;
constexpr std::uint8_t kVhfEightChannels = 0x15;
constexpr std::uint8_t kUhfTwoChannels = 0x80;
constexpr std::uint8_t kUhfEightChannels = 0x85;
constexpr std::uint8_t kUhfFifteenOrSixteenChannels = 0x8B; // the model code tells which
} // namespace typebyte

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

} // namespace qtr
