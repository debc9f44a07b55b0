#include "core/model/ImageIdentity.h"

#include "core/base/messages/Model.h"
#include "core/model/ModelTable.h"

#include <algorithm>
#include <array>
#include <string>

namespace qtr {

namespace {

// The codes a read stores as the radio reports them; any channel class goes with them.
constexpr std::array<const char*, 3> kStoredRadioCodes{"BRL02", "BRL08", "BRL16"};

int ChannelClassRowOf(std::uint8_t typeByte)
{
    const auto& table = ChannelClassTable();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [typeByte](const ChannelClass& entry) { return entry.typeByte == typeByte; });
    return row == table.end() ? -1 : static_cast<int>(row - table.begin());
}

bool IsStoredRadioCode(const std::string& code)
{
    return std::find(kStoredRadioCodes.begin(), kStoredRadioCodes.end(), code) != kStoredRadioCodes.end();
}

} // namespace

IdentityFault FindIdentityFault(const ImageBytes& image)
{
    const ImageReader reader(image);
    const std::string code = reader.Text(identity::kModelCode);
    const std::vector<int> allowedRows = AllowedChannelClassRows(code);
    if (allowedRows.empty() && !IsStoredRadioCode(code))
        return IdentityFault::UnknownModelCode;
    const unsigned option = reader.Get(identity::kOptionBits);
    if (!IsStoredRadioCode(code) && option != kStandardOptionBits && option != kLVariantOptionBits)
        return IdentityFault::UnknownOptionBits;
    const unsigned line = reader.Get(identity::kLineLetter);
    if (line != kParlaneLine && line != kLmrLine)
        return IdentityFault::UnknownLine;
    const int row = ChannelClassRowOf(static_cast<std::uint8_t>(reader.Get(identity::kTypeByte)));
    if (row < 0)
        return IdentityFault::UnknownChannelClass;
    if (!allowedRows.empty() && std::find(allowedRows.begin(), allowedRows.end(), row) == allowedRows.end())
        return IdentityFault::ChannelClassNotOfModel;
    return IdentityFault::None;
}

int IdentityFaultMessage(IdentityFault fault)
{
    switch (fault) {
    case IdentityFault::UnknownModelCode:
        return messages::model::kUnknownModelCode;
    case IdentityFault::UnknownLine:
        return messages::model::kUnknownModelLine;
    case IdentityFault::UnknownChannelClass:
        return messages::model::kUnknownChannelCount;
    case IdentityFault::ChannelClassNotOfModel:
        return messages::model::kChannelCountNotOnModel;
    case IdentityFault::UnknownOptionBits:
        return messages::model::kUnknownOptionBits;
    case IdentityFault::None:
        break;
    }
    return 0;
}

} // namespace qtr
