#include "core/channels/ChannelFormRules.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Scan.h"
#include "core/channels/ChannelField.h"
#include "core/channels/ChannelTable.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

constexpr int kLabelMessages[ChannelFormRules::kRowCount] = {
    messages::common::kChannel,
    messages::channels::kReceiveFrequency,
    messages::channels::kTransmitFrequency,
    messages::channels::kQtDqtDecode,
    messages::channels::kQtDqtEncode,
    messages::channels::kOptionSignalling,
    messages::channels::kSpUnmute,
    messages::channels::kTxPower,
    messages::channels::kWideNarrow,
    messages::channels::kBusyChannelLockout,
    messages::channels::kPttId,
    messages::dtmf::kAutodialMemory,
    messages::channels::kBeatShift,
    messages::channels::kScanAdd,
    messages::scan::kPriorityChannel,
    messages::channels::kCompander,
};

bool IsRow(int row, ChannelField field)
{
    return row == static_cast<int>(field);
}

// Rows that only a channel with a transmit frequency uses.
bool NeedsTransmit(int row)
{
    return IsRow(row, ChannelField::EncodeTone) || IsRow(row, ChannelField::TxPower) ||
           IsRow(row, ChannelField::BusyChannelLockout) || IsRow(row, ChannelField::PttId) ||
           IsRow(row, ChannelField::AutodialMemory);
}

} // namespace

ChannelFormRules::ChannelFormRules(const ChannelTable& channels, const RadioState& state)
    : channels_(channels), state_(state)
{
}

int ChannelFormRules::LabelMessage(int row)
{
    return row >= 0 && row < kRowCount ? kLabelMessages[row] : 0;
}

ChannelFormRules::Control ChannelFormRules::ControlOf(int row) const
{
    const bool parlane = state_.IsParlane();
    switch (static_cast<ChannelField>(row)) {
    case ChannelField::ReceiveFrequency:
        return parlane ? Control::ParlaneFrequencyList : Control::FrequencyEdit;
    case ChannelField::TransmitFrequency:
        return parlane ? Control::Mirror : Control::FrequencyEdit;
    case ChannelField::DecodeTone:
        return parlane ? Control::ParlaneToneList : Control::LmrToneList;
    case ChannelField::EncodeTone:
        return parlane ? Control::Mirror : Control::LmrToneList;
    case ChannelField::BeatShift:
    case ChannelField::ScanAdd:
    case ChannelField::PriorityChannel:
    case ChannelField::Compander:
        return Control::CheckBox;
    default:
        return row == kChannelRow ? Control::ChannelNumber : Control::FieldList;
    }
}

bool ChannelFormRules::RowShown(int row) const
{
    if (row < 0 || row >= kRowCount)
        return false;
    if (!state_.IsParlane())
        return true;
    return !IsRow(row, ChannelField::OptionSignalling) && !IsRow(row, ChannelField::SpUnmute) &&
           !IsRow(row, ChannelField::PttId) && !IsRow(row, ChannelField::AutodialMemory) &&
           !IsRow(row, ChannelField::PriorityChannel);
}

bool ChannelFormRules::RowEnabled(int row, int slot) const
{
    if (row == kChannelRow || IsRow(row, ChannelField::ReceiveFrequency))
        return true;
    if (IsRow(row, ChannelField::PriorityChannel))
        return channels_.References().CanBePriorityChannel(slot);
    if (!channels_.IsProgrammed(slot))
        return false;
    return !NeedsTransmit(row) || channels_.HasTransmit(slot);
}

bool ChannelFormRules::EnterMovesOn(int row, int slot) const
{
    return !IsRow(row, ChannelField::ReceiveFrequency) || channels_.IsProgrammed(slot);
}

} // namespace qtr
