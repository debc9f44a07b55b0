#include "core/report/PageFrame.h"

#include "core/base/LanguageDate.h"
#include "core/base/MessageCatalog.h"
#include "core/base/messages/Document.h"
#include "core/base/messages/Model.h"
#include "core/base/messages/Print.h"
#include "core/model/IdentityFields.h"
#include "core/model/ModelTable.h"
#include "core/model/RadioState.h"

#include <map>

namespace qtr::report {

namespace {

// The Parlane ranges have no message: they are printed as they are.
constexpr const char* kParlaneVhfRange = "151-159 MHz";
constexpr const char* kParlaneUhfRange = "461-470 MHz";

struct CodeText {
    int modelId;
    int bandId;
};

const std::map<std::string, CodeText>& ModelCodes()
{
    static const std::map<std::string, CodeText> codes{
        {"P7100", {messages::model::kRb7100, messages::model::kVhf}},
        {"P8100", {messages::model::kRb8100, messages::model::kUhf}},
        {"P71L0", {messages::model::kRb7100L, messages::model::kVhf}},
        {"P81L0", {messages::model::kRb8100L, messages::model::kUhf}},
        {"P81L1", {messages::model::kRb8100L, messages::model::kUhf}},
    };
    return codes;
}

std::string Text(const MessageCatalog& catalog, int id)
{
    return catalog.MessageText(id, 1);
}

} // namespace

PageFrame MakePageFrame(const RadioState& state, const MessageCatalog& catalog, const std::string& documentName,
                        const std::tm& printedAt)
{
    PageFrame frame;
    frame.title = Text(catalog, messages::print::kPageTitle);
    frame.printedAt = PrintedDateTime(printedAt, catalog);
    frame.lines = {{
        {Text(catalog, messages::model::kModelType), PrintedModelText(state, catalog)},
        {Text(catalog, messages::model::kChannelsLabel), PrintedChannelCountText(state, catalog)},
        {Text(catalog, messages::model::kFrequencyLabel), PrintedFrequencyRangeText(state, catalog)},
        {Text(catalog, messages::document::kFileName), documentName},
    }};
    return frame;
}

std::string PrintedModelText(const RadioState& state, const MessageCatalog& catalog)
{
    const auto found = ModelCodes().find(state.ImageModelCode());
    if (found == ModelCodes().end())
        return {};
    const int lineId = state.LineLetter() == 'B' ? messages::model::kParlane : messages::model::kLmr;
    return Text(catalog, found->second.modelId) + " " + Text(catalog, lineId) + " (" +
           Text(catalog, found->second.bandId) + ")";
}

std::string PrintedChannelCountText(const RadioState& state, const MessageCatalog& catalog)
{
    switch (state.Get(identity::kTypeByte)) {
    case typebyte::kVhfTwoChannels:
    case typebyte::kUhfTwoChannels:
        return Text(catalog, messages::model::kTwoChannels);
    case typebyte::kVhfEightChannels:
    case typebyte::kUhfEightChannels:
        return Text(catalog, messages::model::kEightChannels);
    case typebyte::kUhfFifteenOrSixteenChannels:
        return Text(catalog, messages::model::kFifteenOrSixteenChannels);
    default:
        return {};
    }
}

std::string PrintedFrequencyRangeText(const RadioState& state, const MessageCatalog& catalog)
{
    const bool uhf = IsUhfTypeByte(static_cast<std::uint8_t>(state.Get(identity::kTypeByte)));
    if (state.IsParlane())
        return uhf ? kParlaneUhfRange : kParlaneVhfRange;
    return Text(catalog, uhf ? messages::model::kLmrUhfRange : messages::model::kLmrVhfRange);
}

std::string PrintedDateTime(const std::tm& time, const MessageCatalog& catalog)
{
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%X", &time);
    return LanguageDate(time, catalog) + " " + std::string(text, length);
}

std::string PageNumberText(int pageNumber)
{
    return "- " + std::to_string(pageNumber) + " -";
}

} // namespace qtr::report
