#include "core/link/WriteReadiness.h"

#include "core/base/MessageCatalog.h"
#include "core/link/RadioSession.h"
#include "core/model/ModelTable.h"

namespace qtr {

namespace {

constexpr std::size_t kPttIdOffset = 306;
constexpr std::size_t kPttIdTypeOffset = 307;
constexpr std::size_t kBeginOfTxCode = 320;
constexpr std::size_t kEndOfTxCode = 336;
constexpr std::size_t kOwnFleetOffset = 368;
constexpr std::size_t kPriorityOffset = 352;
constexpr std::size_t kPriorityChannelOffset = 353;
constexpr std::size_t kChannelPttIdByte = 14;
constexpr std::uint8_t kEmpty = 0xFF;

} // namespace

bool WriteReadiness::AnyChannelSendsPttId(const ImageBytes& image)
{
    for (std::size_t channel = 1; channel <= 16; ++channel) {
        const unsigned setting = image[16 * channel + kChannelPttIdByte] & 0x0F;
        if (setting != 0 && setting != 0x0F)
            return true;
    }
    return false;
}

std::optional<WriteReadiness::Missing> WriteReadiness::MissingPttIdCodes(const ImageBytes& image)
{
    const bool beginEmpty = image[kBeginOfTxCode] == kEmpty;
    const bool endEmpty = image[kEndOfTxCode] == kEmpty;
    const std::uint8_t pttId = image[kPttIdOffset];
    Missing missing;
    if (beginEmpty && (pttId == 0 || pttId == 2))
        missing.nameIds.push_back(kBeginOfTxNameId);
    if (endEmpty && (pttId == 1 || pttId == 2))
        missing.nameIds.push_back(kEndOfTxNameId);
    if (missing.nameIds.empty())
        return std::nullopt;
    return missing;
}

std::optional<WriteReadiness::Missing> WriteReadiness::FindMissing(const ImageBytes& image)
{
    const std::uint8_t pttIdType = image[kPttIdTypeOffset];
    if (pttIdType == 0 && AnyChannelSendsPttId(image)) {
        if (auto missing = MissingPttIdCodes(image))
            return missing;
    }
    if (pttIdType == 1 && image[kOwnFleetOffset] == kEmpty)
        return Missing{{kOwnFleetNameId, kOwnIdNameId}, false};
    if (image[identity::kLineLetter] == kLmrLine && image[kPriorityOffset] == 1 &&
        image[kPriorityChannelOffset] == kEmpty)
        return Missing{{kPriorityChannelNameId}, true};
    return std::nullopt;
}

std::optional<Prompt> WriteReadiness::Refusal(const ImageBytes& image, const MessageCatalog& catalog)
{
    const auto missing = FindMissing(image);
    if (!missing)
        return std::nullopt;
    Prompt refusal;
    refusal.captionId = RadioSession::kErrorCaptionId;
    refusal.messageId = kMissingSettingsId;
    refusal.form = PromptForm::MessageThenDetail;
    refusal.icon = Icon::Error;
    if (missing->blankLineFirst)
        refusal.detail = "\n";
    for (const int id : missing->nameIds)
        refusal.detail += "\n\"" + catalog.MessageText(id) + "\"";
    return refusal;
}

} // namespace qtr
