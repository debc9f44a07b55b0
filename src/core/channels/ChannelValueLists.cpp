#include "core/channels/ChannelValueLists.h"

#include "core/base/CommonMessages.h"
#include "core/channels/FormattedField.h"

namespace qtr {

namespace {

constexpr int kDecodeOffUnmute = 3013029;
constexpr int kDecodeSetUnmute = 3013025;
constexpr int kOptionSignallingLabel = 3018015;

constexpr int kDtmfPttIdType = 0;
constexpr int kVantalinkPttIdType = 1;
constexpr int kFirstVantalinkPttId = 3420150;
constexpr int kVantalinkPttIdCount = 9;
constexpr int kFirstAutodialMemory = 3390013;
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
        return {{msg::kNoneText, 0}, {3013023, 1}, {3400001, 2}};
    case ChannelField::SpUnmute:
        return SpUnmute(channel);
    case ChannelField::TxPower:
        return TxPower(channel);
    case ChannelField::WideNarrow:
        return {{1001031, 0}, {1001029, 1}};
    case ChannelField::BusyChannelLockout:
        return BusyChannelLockout(channel);
    case ChannelField::PttId:
        return PttId(channel);
    case ChannelField::AutodialMemory:
        return AutodialMemory();
    case ChannelField::ScanAdd:
        return {{1001007, 1}, {1001009, 0}};
    default:
        return {};
    }
}

ValueList ChannelValueLists::SpUnmute(const Conditions& channel)
{
    ValueList list{{channel.decodeSet ? kDecodeSetUnmute : kDecodeOffUnmute, 0}};
    if (channel.optionSignalling)
        AppendNumbered(list, channel.decodeSet ? 3420146 : 3420142, 1, 2);
    return list;
}

ValueList ChannelValueLists::BusyChannelLockout(const Conditions& channel)
{
    ValueList list{{msg::kOffText, 0}, {kDecodeOffUnmute, 1}};
    if (channel.decodeSet)
        list.push_back({kDecodeSetUnmute, 2});
    if (channel.optionSignalling)
        list.push_back({kOptionSignallingLabel, 3});
    return list;
}

ValueList ChannelValueLists::TxPower(const Conditions& channel)
{
    if (channel.restrictedPower)
        return {{3013017, 0}};
    return {{3013015, 1}, {3013017, 0}};
}

ValueList ChannelValueLists::PttId(const Conditions& channel)
{
    switch (channel.pttIdType) {
    case kDtmfPttIdType:
        return {{msg::kOffText, 0}, {1001037, 1}};
    case kVantalinkPttIdType: {
        ValueList list{{msg::kOffText, 0}};
        AppendNumbered(list, kFirstVantalinkPttId, 1, kVantalinkPttIdCount);
        return list;
    }
    default:
        return {};
    }
}

ValueList ChannelValueLists::AutodialMemory()
{
    ValueList list;
    AppendNumbered(list, kFirstAutodialMemory, 0, kAutodialMemoryCount);
    return list;
}

} // namespace qtr
