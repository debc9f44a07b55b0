#include "core/channels/ChannelValueLists.h"

#include "core/base/messages/Common.h"
#include "core/channels/FormattedField.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Vantalink.h"

namespace qtr {

namespace {

constexpr int kDtmfPttIdType = 0;
constexpr int kVantalinkPttIdType = 1;
constexpr int kVantalinkPttIdCount = 9;
constexpr int kAutodialMemoryCount = 8;

// Consecutive values from `firstValue`, shown by every other message from `firstMessage`.
void AppendNumbered(ValueList& list, int firstMessage, int firstValue, int count)
{
    for (int i = 0; i < count; ++i)
        list.push_back({firstMessage + 2 * i, firstValue + i});
}

} // namespace

bool ChannelValueLists::Offers(const ValueList& list, int value)
{
    return LookupLabel(value, list) != FormattedField::kNoMessage;
}

ValueList ChannelValueLists::For(ChannelField field, const Conditions& channel)
{
    switch (field) {
    case ChannelField::OptionSignalling:
        return {{messages::common::kNone, 0}, {messages::dtmf::kName, 1}, {messages::vantalink::kName, 2}};
    case ChannelField::SpUnmute:
        return SpUnmute(channel);
    case ChannelField::TxPower:
        return TxPower(channel);
    case ChannelField::WideNarrow:
        return {{messages::common::kNarrow, 0}, {messages::common::kWide, 1}};
    case ChannelField::BusyChannelLockout:
        return BusyChannelLockout(channel);
    case ChannelField::PttId:
        return PttId(channel);
    case ChannelField::AutodialMemory:
        return AutodialMemory();
    case ChannelField::ScanAdd:
        return {{messages::common::kYes, 1}, {messages::common::kNo, 0}};
    default:
        return {};
    }
}

ValueList ChannelValueLists::SpUnmute(const Conditions& channel)
{
    ValueList list{{channel.decodeSet ? messages::channels::kQtDqt : messages::channels::kCarrier, 0}};
    if (channel.optionSignalling)
        AppendNumbered(list,
                       channel.decodeSet ? messages::channels::kQtDqtAndOptionSignalling
                                         : messages::channels::kCarrierAndOptionSignalling,
                       1, 2);
    return list;
}

ValueList ChannelValueLists::BusyChannelLockout(const Conditions& channel)
{
    ValueList list{{messages::common::kOff, 0}, {messages::channels::kCarrier, 1}};
    if (channel.decodeSet)
        list.push_back({messages::channels::kQtDqt, 2});
    if (channel.optionSignalling)
        list.push_back({messages::channels::kOptionSignalling, 3});
    return list;
}

ValueList ChannelValueLists::TxPower(const Conditions& channel)
{
    if (channel.restrictedPower)
        return {{messages::common::kLow, 0}};
    return {{messages::common::kHigh, 1}, {messages::common::kLow, 0}};
}

ValueList ChannelValueLists::PttId(const Conditions& channel)
{
    switch (channel.pttIdType) {
    case kDtmfPttIdType:
        return {{messages::common::kOff, 0}, {messages::common::kOn, 1}};
    case kVantalinkPttIdType: {
        ValueList list{{messages::common::kOff, 0}};
        AppendNumbered(list, messages::channels::kFirstVantalinkPttId, 1, kVantalinkPttIdCount);
        return list;
    }
    default:
        return {};
    }
}

ValueList ChannelValueLists::AutodialMemory()
{
    ValueList list;
    AppendNumbered(list, messages::channels::kFirstAutodialMemory, 0, kAutodialMemoryCount);
    return list;
}

} // namespace qtr
