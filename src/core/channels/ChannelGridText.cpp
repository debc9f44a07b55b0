#include "core/channels/ChannelGridText.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
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
        {messages::common::kRxFrequency, ChannelField::ReceiveFrequency, 1425},
        {messages::common::kTxFrequency, ChannelField::TransmitFrequency, 1425},
        {messages::channels::kDecodeHeader, ChannelField::DecodeTone, 1275},
        {messages::channels::kEncodeHeader, ChannelField::EncodeTone, 1275},
        {messages::channels::kTxPowerHeader, ChannelField::TxPower, 975},
        {messages::channels::kWideNarrowHeader, ChannelField::WideNarrow, 975},
        {messages::channels::kScanAdd, ChannelField::ScanAdd, 975},
        {messages::channels::kOptionSignallingHeader, ChannelField::OptionSignalling, 1050},
        {messages::channels::kPttId, ChannelField::PttId, 1200},
    };
    static const std::vector<GridColumn> business(lmr.begin(), lmr.begin() + 7);
    return parlane ? business : lmr;
}

std::string GridTitle(const MessageCatalog& catalog, int slot)
{
    return catalog.MessageText(messages::channels::kInformationTitle, 1) + " [ " +
        catalog.MessageText(messages::common::kChannel, 1) + " - " + std::to_string(slot + 1) + " ]";
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
