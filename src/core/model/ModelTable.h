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
