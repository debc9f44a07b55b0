#pragma once

namespace qtr {

// The fields of a channel as the channel views address them, in the order of the
// channel edit form.
enum class ChannelField {
    ReceiveFrequency = 1,
    TransmitFrequency = 2,
    DecodeTone = 3,
    EncodeTone = 4,
    OptionSignalling = 5,
    SpUnmute = 6,
    TxPower = 7,
    WideNarrow = 8,
    BusyChannelLockout = 9,
    PttId = 10,
    AutodialMemory = 11,
    BeatShift = 12,
    ScanAdd = 13,
    PriorityChannel = 14,
    Compander = 15,
};

constexpr bool IsFrequencyField(ChannelField field)
{
    return field == ChannelField::ReceiveFrequency || field == ChannelField::TransmitFrequency;
}

constexpr bool IsToneField(ChannelField field)
{
    return field == ChannelField::DecodeTone || field == ChannelField::EncodeTone;
}

} // namespace qtr
