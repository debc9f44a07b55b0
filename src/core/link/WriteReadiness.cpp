#include "core/link/WriteReadiness.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/Scan.h"
#include "core/base/messages/Vantalink.h"
#include "core/link/RadioSession.h"
#include "core/model/ChannelFields.h"
#include "core/model/FeatureFields.h"
#include "core/model/ModelTable.h"
#include "core/model/ScanFields.h"
#include "core/model/VantalinkFields.h"

namespace qtr {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;

} // namespace

bool WriteReadiness::AnyChannelSendsPttId(const ImageBytes& image)
{
    const ImageReader reader(image);
    for (int slot = 0; slot < channels::kSlotCount; ++slot) {
        const unsigned setting = reader.Get(channels::record::kPttId.At(channels::RecordOf(slot).offset));
        if (setting != 0 && setting != 0x0F)
            return true;
    }
    return false;
}

std::optional<WriteReadiness::Missing> WriteReadiness::MissingPttIdCodes(const ImageBytes& image)
{
    const ImageReader reader(image);
    const bool beginEmpty = reader.Get(features::kBeginOfTx.ByteOf(0)) == kEmpty;
    const bool endEmpty = reader.Get(features::kEndOfTx.ByteOf(0)) == kEmpty;
    const unsigned pttId = reader.Get(features::kPttId);
    Missing missing;
    if (beginEmpty && (pttId == 0 || pttId == 2))
        missing.nameIds.push_back(messages::dtmf::kPttIdBeginOfTx);
    if (endEmpty && (pttId == 1 || pttId == 2))
        missing.nameIds.push_back(messages::dtmf::kPttIdEndOfTx);
    if (missing.nameIds.empty())
        return std::nullopt;
    return missing;
}

std::optional<WriteReadiness::Missing> WriteReadiness::FindMissing(const ImageBytes& image)
{
    const ImageReader reader(image);
    const unsigned pttIdType = reader.Get(features::kPttIdType);
    if (pttIdType == 0 && AnyChannelSendsPttId(image)) {
        if (auto missing = MissingPttIdCodes(image))
            return missing;
    }
    if (pttIdType == 1 && reader.Get(vantalink::kOwnFleet) == kEmpty)
        return Missing{{messages::vantalink::kOwnFleet, messages::vantalink::kOwnId}, false};
    if (reader.Get(identity::kLineLetter) == kLmrLine && reader.Get(scan::kPriority) == 1 &&
        reader.Get(scan::kPriorityChannel) == kEmpty)
        return Missing{{messages::scan::kPriorityChannel}, true};
    return std::nullopt;
}

std::optional<Prompt> WriteReadiness::Refusal(const ImageBytes& image, const MessageCatalog& catalog)
{
    const auto missing = FindMissing(image);
    if (!missing)
        return std::nullopt;
    Prompt refusal;
    refusal.captionId = RadioSession::kErrorCaptionId;
    refusal.messageId = messages::link::kNotReadyToWrite;
    refusal.form = PromptForm::MessageThenDetail;
    refusal.icon = Icon::Error;
    if (missing->blankLineFirst)
        refusal.detail = "\n";
    for (const int id : missing->nameIds)
        refusal.detail += "\n\"" + catalog.MessageText(id) + "\"";
    return refusal;
}

} // namespace qtr
