#include "core/link/CloneAdmission.h"

#include "core/link/IdentityCheck.h"
#include "core/model/IdentityFields.h"

#include <algorithm>
#include <string>

namespace qtr {

CloneRefusal CheckCloneTarget(const RadioIdentity& radio, const ImageBytes& image)
{
    const std::string code(radio.begin(), radio.begin() + identity::kCodeLength);
    if (!IdentityCheck::IsKnownCode(code))
        return CloneRefusal::UnknownModel;
    const auto imageCode = image.begin() + identity::kModelCode.offset;
    if (!std::equal(code.begin(), code.end(), imageCode) || !IdentityCheck::VariantMatches(code, image))
        return CloneRefusal::OtherModel;
    if (radio[identity::kRecordLine] != image[identity::kLineLetter.offset])
        return CloneRefusal::OtherLine;
    const std::uint8_t radioType = radio[identity::kRecordType];
    const std::uint8_t imageType = image[identity::kTypeByte.offset];
    if ((radioType & 0x0F) != (imageType & 0x0F))
        return CloneRefusal::OtherChannelClass;
    if ((radioType & 0xF0) != (imageType & 0xF0))
        return CloneRefusal::OtherBand;
    return CloneRefusal::None;
}

} // namespace qtr
