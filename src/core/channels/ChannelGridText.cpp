#include "core/channels/ChannelGridText.h"

#include "core/base/MessageCatalog.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelTexts.h"
#include "core/model/FrequencyCodec.h"

namespace qtr {

namespace {

bool IsFrequency(ChannelField field)
{
    return field == ChannelField::ReceiveFrequency || field == ChannelField::TransmitFrequency;
}

bool IsTone(ChannelField field)
{
    return field == ChannelField::DecodeTone || field == ChannelField::EncodeTone;
}

} // namespace

const std::vector<GridColumn>& GridColumns(bool parlane)
{
    static const std::vector<GridColumn> lmr{
        {1001061, ChannelField::ReceiveFrequency, 1425}, {1001063, ChannelField::TransmitFrequency, 1425},
        {3310019, ChannelField::DecodeTone, 1275},       {3310021, ChannelField::EncodeTone, 1275},
        {3013009, ChannelField::TxPower, 975},           {3016003, ChannelField::WideNarrow, 975},
        {3013011, ChannelField::ScanAdd, 975},           {3016007, ChannelField::OptionSignalling, 1050},
        {3013007, ChannelField::PttId, 1200},
    };
    static const std::vector<GridColumn> business(lmr.begin(), lmr.begin() + 7);
    return parlane ? business : lmr;
}

std::string GridTitle(const MessageCatalog& catalog, int slot)
{
    constexpr int kTitleId = 3008007;
    constexpr int kChannelId = 3018013;
    return catalog.MessageText(kTitleId, 1) + " [ " + catalog.MessageText(kChannelId, 1) + " - " +
           std::to_string(slot + 1) + " ]";
}

std::string GridRowLabel(int slot, int channelCount)
{
    const int channel = slot + 1;
    if (channelCount == 16 && channel == 16)
        return std::to_string(channel) + " (S)";
    return std::to_string(channel);
}

std::string GridCellText(ChannelTable& channels, FrequencyCodec& codec, const MessageCatalog& catalog, int slot,
                         ChannelField field)
{
    const bool parlane = codec.State().IsParlane();
    if (!channels.IsProgrammed(slot))
        return parlane && IsFrequency(field) ? "(0) " + codec.OffText() : std::string();
    ChannelTexts texts(channels, codec);
    if (parlane && IsFrequency(field))
        return texts.DecoratedFrequency(slot, field);
    const FormattedField shown = texts.FormatField(slot, field);
    if (IsFrequency(field))
        return shown.text;
    if (IsTone(field)) {
        codec.OrderToneList(codec.State().LineLetter());
        std::string text = shown.text;
        if (parlane)
            codec.DecorateToneText(text);
        return text;
    }
    return shown.HasMessage() ? catalog.MessageText(shown.messageId, 1) : std::string();
}

} // namespace qtr
