#include "core/report/PageFrame.h"

#include "core/base/LanguageDate.h"
#include "core/base/MessageCatalog.h"
#include "core/model/IdentityFields.h"
#include "core/model/ModelTable.h"
#include "core/model/RadioState.h"

#include <map>

namespace qtr::report {

namespace {

constexpr int kTitleId = 3018023;
constexpr int kModelLabelId = 3005023;
constexpr int kChannelsLabelId = 3005025;
constexpr int kFrequencyLabelId = 3005027;
constexpr int kFileNameLabelId = 3018005;
constexpr int kParlaneId = 3005035;
constexpr int kLmrId = 3005036;
constexpr int kVhfId = 3018003;
constexpr int kUhfId = 3018001;
constexpr int kLmrVhfRangeId = 3420124;
constexpr int kLmrUhfRangeId = 3420138;
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
        {"P7100", {3005031, kVhfId}}, {"P8100", {3005033, kUhfId}}, {"P71L0", {3005055, kVhfId}},
        {"P81L0", {3005057, kUhfId}}, {"P81L1", {3005057, kUhfId}},
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
    frame.title = Text(catalog, kTitleId);
    frame.printedAt = PrintedDateTime(printedAt, catalog);
    frame.lines = {{
        {Text(catalog, kModelLabelId), PrintedModelText(state, catalog)},
        {Text(catalog, kChannelsLabelId), PrintedChannelCountText(state, catalog)},
        {Text(catalog, kFrequencyLabelId), PrintedFrequencyRangeText(state, catalog)},
        {Text(catalog, kFileNameLabelId), documentName},
    }};
    return frame;
}

std::string PrintedModelText(const RadioState& state, const MessageCatalog& catalog)
{
    const auto found = ModelCodes().find(state.ImageModelCode());
    if (found == ModelCodes().end())
        return {};
    const int lineId = state.LineLetter() == 'B' ? kParlaneId : kLmrId;
    return Text(catalog, found->second.modelId) + " " + Text(catalog, lineId) + " (" +
           Text(catalog, found->second.bandId) + ")";
}

std::string PrintedChannelCountText(const RadioState& state, const MessageCatalog& catalog)
{
    switch (state.Get(identity::kTypeByte)) {
    case typebyte::kVhfTwoChannels:
    case typebyte::kUhfTwoChannels:
        return Text(catalog, 3005021);
    case typebyte::kVhfEightChannels:
    case typebyte::kUhfEightChannels:
        return Text(catalog, 3005051);
    case typebyte::kUhfFifteenOrSixteenChannels:
        return Text(catalog, 3005059);
    default:
        return {};
    }
}

std::string PrintedFrequencyRangeText(const RadioState& state, const MessageCatalog& catalog)
{
    const bool uhf = IsUhfTypeByte(static_cast<std::uint8_t>(state.Get(identity::kTypeByte)));
    if (state.IsParlane())
        return uhf ? kParlaneUhfRange : kParlaneVhfRange;
    return Text(catalog, uhf ? kLmrUhfRangeId : kLmrVhfRangeId);
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
