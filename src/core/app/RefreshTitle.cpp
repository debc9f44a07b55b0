#include "core/app/RefreshTitle.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Document.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

constexpr std::size_t kBandSuffixLength = 6; // " (VHF)" or " (UHF)"

// By line letter, band and option bits of the current model, as the title has always named it.
std::string TitleModelName(const RadioState& state, bool lmr)
{
    const ModelRecord& model = state.currentModel;
    const bool uhf = IsUhfTypeByte(model[identity::kRecordType]);
    const bool lVariant = (model[identity::kRecordOption] & 0x07) == kLVariantOptionBits;
    const int index = (lmr ? 0 : 4) + (uhf ? 2 : 0) + (lVariant ? 1 : 0);
    std::string name = ModelTable()[static_cast<std::size_t>(index)].name;
    if (lmr)
        name.resize(name.size() - kBandSuffixLength);
    return name;
}

std::string ChannelText(const RadioState& state)
{
    switch (state.currentModel[identity::kRecordType]) {
    case typebyte::kVhfEightChannels:
    case typebyte::kUhfEightChannels:
        return "8 Channels";
    case typebyte::kUhfFifteenOrSixteenChannels:
        return state.sixteenChannelFlag ? "*16 Channels" : "15 Channels";
    default:
        return "2 Channels";
    }
}

std::string ModelPart(const RadioState& state)
{
    const bool lmr = state.LineLetter() != kParlaneLine;
    const std::string name = TitleModelName(state, lmr);
    if (!lmr)
        return name + " " + ChannelText(state);
    const bool uhf = IsUhfTypeByte(state.currentModel[identity::kRecordType]);
    return name + " " + (uhf ? "UHF:450-470 MHz" : "VHF:150-174 MHz") + "(" + ChannelText(state) + ")";
}

} // namespace

std::string RefreshTitle(const RadioState& state, const MessageCatalog& catalog, const std::string& documentName)
{
    return catalog.MessageText(messages::app::kProgramName) + " [" + ModelPart(state) + "] [" +
        catalog.MessageText(messages::document::kFileName) + " : " + documentName + " ]";
}

} // namespace qtr
