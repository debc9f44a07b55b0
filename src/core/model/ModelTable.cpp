#include "core/model/ModelTable.h"

namespace qtr {

const std::array<ModelInfo, kModelTypeCount>& ModelTable()
{
    static const std::array<ModelInfo, kModelTypeCount> table{{
        {"RB-7100    LMR (VHF)", "RB-7100 LMR (VHF)", "P7100", kLmrLine, false, kStandardOptionBits},
        {"RB-7100L  LMR (VHF)", "RB-7100L LMR (VHF)", "P71L0", kLmrLine, false, kLVariantOptionBits},
        {"RB-8100    LMR (UHF)", "RB-8100 LMR (UHF)", "P8100", kLmrLine, true, kStandardOptionBits},
        {"RB-8100L  LMR (UHF)", "RB-8100L LMR (UHF)", "P81L0", kLmrLine, true, kLVariantOptionBits},
        {"RB-7100    Parlane (VHF)", "RB-7100 Parlane (VHF)", "P7100", kParlaneLine, false, kStandardOptionBits},
        {"RB-7100L  Parlane (VHF)", "RB-7100L Parlane (VHF)", "P71L0", kParlaneLine, false, kLVariantOptionBits},
        {"RB-8100    Parlane (UHF)", "RB-8100 Parlane (UHF)", "P8100", kParlaneLine, true, kStandardOptionBits},
        {"RB-8100L  Parlane (UHF)", "RB-8100L Parlane (UHF)", "P81L0", kParlaneLine, true, kLVariantOptionBits},
    }};
    return table;
}

const std::array<ChannelClass, kChannelClassCount>& ChannelClassTable()
{
    static const std::array<ChannelClass, kChannelClassCount> table{{
        {typebyte::kVhfTwoChannels, "2 Channels", "(K)"},
        {typebyte::kVhfEightChannels, "8 Channels", "(K2)"},
        {typebyte::kUhfTwoChannels, "2 Channels", "(K)"},
        {typebyte::kUhfEightChannels, "8 Channels", "(K2)"},
        {typebyte::kUhfFifteenOrSixteenChannels, "15 Channels", "(K3)"},
        {typebyte::kUhfFifteenOrSixteenChannels, "*16 Channels", "(K3)"},
    }};
    return table;
}

std::vector<int> AllowedChannelClassRows(const std::string& modelCode)
{
    if (modelCode == "P7100" || modelCode == "P71L0")
        return {0, 1};
    if (modelCode == "P8100")
        return {2, 3};
    if (modelCode == "P81L0" || modelCode == "P81L1")
        return {2, 3, 4, 5};
    return {};
}

ModelRecord DefaultModelRecord()
{
    return {'P', '7', '1', '0', '0', typebyte::kVhfTwoChannels, 0xFA, kParlaneLine};
}

bool IsUhfTypeByte(std::uint8_t typeByte)
{
    return typeByte == typebyte::kUhfTwoChannels || typeByte == typebyte::kUhfEightChannels ||
           typeByte == typebyte::kUhfFifteenOrSixteenChannels;
}

} // namespace qtr
