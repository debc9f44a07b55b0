#include "core/channels/ChannelTable.h"

#include "core/model/FrequencyCodec.h"
#include "core/model/ParlaneLists.h"
#include "core/model/ToneList.h"

#include <algorithm>

namespace qtr {

namespace {

constexpr unsigned kVhfBandCode = 1;
constexpr std::uint8_t kParlaneToneOff = 0;
const char* const kOffEntryPrefix = "(0) ";

ImageRange FrequencyPosition(ChannelField which)
{
    return which == ChannelField::ReceiveFrequency ? channels::record::kReceiveFrequency
                                                   : channels::record::kTransmitFrequency;
}

ImageField StepBits(ChannelField which)
{
    return which == ChannelField::ReceiveFrequency ? channels::record::kReceiveStep : channels::record::kTransmitStep;
}

ImageField TonePosition(ChannelField which)
{
    return which == ChannelField::DecodeTone ? channels::record::kDecodeTone : channels::record::kEncodeTone;
}

// The record bits that hold a list or check field; scan add and priority live elsewhere.
const ImageField* RecordBits(ChannelField field)
{
    switch (field) {
    case ChannelField::OptionSignalling:
        return &channels::record::kOptionSignalling;
    case ChannelField::SpUnmute:
        return &channels::record::kSpUnmute;
    case ChannelField::TxPower:
        return &channels::record::kTxPower;
    case ChannelField::WideNarrow:
        return &channels::record::kWideNarrow;
    case ChannelField::BusyChannelLockout:
        return &channels::record::kBusyChannelLockout;
    case ChannelField::PttId:
        return &channels::record::kPttId;
    case ChannelField::AutodialMemory:
        return &channels::record::kAutodialMemory;
    case ChannelField::BeatShift:
        return &channels::record::kBeatShift;
    case ChannelField::Compander:
        return &channels::record::kCompander;
    default:
        return nullptr;
    }
}

ParsedFrequency UnsetFrequency()
{
    ParsedFrequency unset;
    unset.field.fill(ChannelRecord::kUnset);
    unset.stepCode = step::kNone;
    return unset;
}

} // namespace

ChannelTable::ChannelTable(RadioState& state, FrequencyCodec& codec)
    : state_(state), codec_(codec), references_(state)
{
}

int ChannelTable::ProgrammedCount() const
{
    int count = 0;
    for (int slot = 0; slot < ChannelRecord::kSlotCount; ++slot)
        count += IsProgrammed(slot) ? 1 : 0;
    return count;
}

int ChannelTable::FreeBytes() const
{
    // Records left over beyond the model's slots must not make the free area negative.
    const int freeSlots = std::max(0, state_.SlotCount() - ProgrammedCount());
    return freeSlots * static_cast<int>(ChannelRecord::kSize);
}

bool ChannelTable::IsProgrammed(int slot) const
{
    return ChannelRecord::IsSlot(slot) && Record(slot).IsProgrammed();
}

bool ChannelTable::HasTransmit(int slot) const
{
    return ChannelRecord::IsSlot(slot) && Record(slot).HasTransmit();
}

bool ChannelTable::HasRestrictedPower(int slot) const
{
    return state_.IsParlane() &&
           IsRestrictedPowerFrequency(FrequencyText(slot, ChannelField::ReceiveFrequency));
}

ValueList ChannelTable::ValueList(ChannelField field, int slot) const
{
    return ChannelValueLists::For(field, ListConditions(slot));
}

bool ChannelTable::WarnsOutOfBand(int slot, ChannelField which, const std::string& text) const
{
    std::string snapped = text;
    const bool outOfBand = codec_.CheckBand(snapped) == 0;
    return outOfBand && TakesFrequency(slot, which) &&
           (which == ChannelField::ReceiveFrequency || HasTransmit(slot));
}

int ChannelTable::SetFrequency(int slot, ChannelField which, std::string& text)
{
    if (!ChannelRecord::IsSlot(slot) || !IsFrequencyField(which))
        return kRefused;
    const bool receive = which == ChannelField::ReceiveFrequency;
    if (receive && text.empty()) {
        EmptyChannel(slot);
        return kCleared;
    }
    if (!TakesFrequency(slot, which))
        return kRefused;
    codec_.CheckBand(text); // far off the band, the text moves onto its edge
    const auto parsed = FrequencyCodec::ParseFrequency(text, state_.band.flag);
    if (!parsed) {
        if (receive)
            EmptyChannel(slot);
        else
            StoreFrequency(slot, which, UnsetFrequency());
        return kCleared;
    }
    if (!IsProgrammed(slot))
        CreateChannel(slot);
    StoreFrequency(slot, which, *parsed);
    return kStored;
}

int ChannelTable::SetParlaneFrequency(int slot, const std::string& chosenEntry)
{
    const bool offEntry = chosenEntry.rfind(kOffEntryPrefix, 0) == 0;
    std::string text = offEntry ? std::string() : StripEntryNumber(chosenEntry);
    const int result = SetFrequency(slot, ChannelField::ReceiveFrequency, text);
    // Both follow the store: creating a channel writes its defaults over byte 13.
    SelectDuplicateEntry(slot, chosenEntry);
    ApplyPowerRestriction(slot, text);
    SetFrequency(slot, ChannelField::TransmitFrequency, text);
    return result;
}

void ChannelTable::SetTone(int slot, ChannelField which, const std::string& text)
{
    if (IsProgrammed(slot) && IsToneField(which))
        Record(slot).Set(TonePosition(which), codec_.ParseTone(text));
}

void ChannelTable::SetListField(int slot, ChannelField field, int value)
{
    if (!IsProgrammed(slot) || !ChannelValueLists::Offers(ValueList(field, slot), value))
        return;
    // On Parlane models the autodial bits belong to the tone number.
    if (field == ChannelField::AutodialMemory && state_.IsParlane())
        return;
    StoreValue(slot, field, value);
}

void ChannelTable::SetCheckField(int slot, ChannelField field, bool checked)
{
    if (!IsProgrammed(slot))
        return;
    switch (field) {
    case ChannelField::BeatShift:
    case ChannelField::ScanAdd:
    case ChannelField::Compander:
        StoreValue(slot, field, checked ? 1 : 0);
        break;
    case ChannelField::PriorityChannel:
        references_.SetPriorityChannel(slot, checked);
        break;
    default:
        break;
    }
}

void ChannelTable::SetToneNumber(int slot, int toneListEntry)
{
    // On LMR models the byte holds the autodial memory instead.
    if (IsProgrammed(slot) && state_.IsParlane())
        Record(slot).Set(channels::record::kLastByte, ToneList::ToneNumberByte(toneListEntry));
}

void ChannelTable::SelectDuplicateEntry(int slot, const std::string& decoratedText)
{
    if (!IsProgrammed(slot) || !state_.IsParlane())
        return;
    if (decoratedText == NumberedEntry(kFirstDuplicateEntry, kDuplicateFrequency))
        Record(slot).Set(channels::record::kDuplicateEntry, 0);
    else if (decoratedText == NumberedEntry(kSecondDuplicateEntry, kDuplicateFrequency))
        Record(slot).Set(channels::record::kDuplicateEntry, 1);
}

void ChannelTable::ApplyPowerRestriction(int slot, const std::string& receiveText)
{
    if (IsProgrammed(slot) && state_.IsParlane() && IsRestrictedPowerFrequency(receiveText))
        Record(slot).Set(channels::record::kTxPower, 0);
}

void ChannelTable::ResetPttIdWithoutTransmit(int slot)
{
    if (IsProgrammed(slot) && !HasTransmit(slot))
        Record(slot).Set(channels::record::kPttId, 0);
}

void ChannelTable::ClearChannel(int slot)
{
    if (!ChannelRecord::IsSlot(slot))
        return;
    Record(slot).Clear();
    SetChannelBits(slot, false);
}

int ChannelTable::CopyChannel(int source, int target)
{
    if (!ChannelRecord::IsSlot(source) || !ChannelRecord::IsSlot(target) || source == target ||
        target >= state_.SlotCount())
        return kRefused;
    if (IsProgrammed(target))
        ClearChannel(target);
    Record(target).CopyFrom(Record(source));
    if (IsProgrammed(target)) {
        Bitmaps().SetProgrammed(target, true);
        Bitmaps().SetScanAdd(target, ScanAdd(source));
    }
    return kStored;
}

bool ChannelTable::InsertChannel(int slot)
{
    if (!ChannelRecord::IsSlot(slot))
        return false;
    const int last = HighestProgrammedFrom(slot);
    if (last < 0 || last >= state_.SlotCount() - 1)
        return false;
    const int fixedSlot = references_.ProgrammedFixedSlot();
    for (int target = ChannelRecord::kSlotCount - 1; target > slot; --target)
        MoveChannel(target - 1, target);
    ClearChannel(slot);
    references_.FollowFixedChannel(fixedSlot >= slot ? fixedSlot + 1 : fixedSlot);
    return true;
}

void ChannelTable::DeleteChannel(int slot)
{
    if (!ChannelRecord::IsSlot(slot))
        return;
    const int fixedSlot = references_.ProgrammedFixedSlot();
    for (int target = slot; target < ChannelRecord::kSlotCount - 1; ++target)
        MoveChannel(target + 1, target);
    ClearChannel(ChannelRecord::kSlotCount - 1);
    if (fixedSlot == slot)
        references_.FollowFixedChannel(ChannelReferences::kNoSlot);
    else
        references_.FollowFixedChannel(fixedSlot > slot ? fixedSlot - 1 : fixedSlot);
}

void ChannelTable::SetChannelBits(int slot, bool on)
{
    if (!ChannelRecord::IsSlot(slot))
        return;
    Bitmaps().SetProgrammed(slot, on);
    Bitmaps().SetScanAdd(slot, on);
}

bool ChannelTable::ScanAdd(int slot) const
{
    return ChannelRecord::IsSlot(slot) && Bitmaps().ScanAdd(slot);
}

void ChannelTable::SetScanAdd(int slot, bool on)
{
    // An empty slot keeps both of its bits clear.
    if (IsProgrammed(slot))
        Bitmaps().SetScanAdd(slot, on);
}

bool ChannelTable::IsVhfModel() const
{
    return state_.Get(identity::kBandCode) == kVhfBandCode;
}

std::uint8_t ChannelTable::ImageByte(const ImageField& field) const
{
    return static_cast<std::uint8_t>(state_.Get(field));
}

ChannelValueLists::Conditions ChannelTable::ListConditions(int slot) const
{
    ChannelValueLists::Conditions conditions;
    conditions.pttIdType = ImageByte(features::kPttIdType);
    if (!IsProgrammed(slot))
        return conditions;
    const ChannelRecord record = Record(slot);
    conditions.decodeSet = record.Get(channels::record::kDecodeTone) != kToneOff;
    conditions.optionSignalling = record.Get(channels::record::kOptionSignalling) != 0;
    conditions.restrictedPower = HasRestrictedPower(slot);
    return conditions;
}

std::string ChannelTable::FrequencyText(int slot, ChannelField which) const
{
    if (!IsProgrammed(slot))
        return {};
    return FrequencyCodec::FormatFrequency(Record(slot).Frequency(FrequencyPosition(which)));
}

// A transmit frequency needs a channel, and channels exist only in the model's slots.
bool ChannelTable::TakesFrequency(int slot, ChannelField which) const
{
    if (!ChannelRecord::IsSlot(slot) || !IsFrequencyField(which))
        return false;
    return IsProgrammed(slot) || (which == ChannelField::ReceiveFrequency && slot < state_.SlotCount());
}

int ChannelTable::StoredValue(int slot, ChannelField field) const
{
    if (field == ChannelField::ScanAdd)
        return ScanAdd(slot) ? 1 : 0;
    if (field == ChannelField::PriorityChannel)
        return references_.IsPriorityChannel(slot) ? 1 : 0;
    const ImageField* bits = RecordBits(field);
    return bits != nullptr ? static_cast<int>(Record(slot).Get(*bits)) : 0;
}

void ChannelTable::StoreValue(int slot, ChannelField field, int value)
{
    if (field == ChannelField::ScanAdd) {
        SetScanAdd(slot, value != 0);
        return;
    }
    if (const ImageField* bits = RecordBits(field))
        Record(slot).Set(*bits, static_cast<unsigned>(value));
}

void ChannelTable::CreateChannel(int slot)
{
    ChannelRecord record = Record(slot);
    record.Clear();
    SetChannelBits(slot, true);
    record.Set(channels::record::kSignallingByte, 0x00);
    record.Set(channels::record::kBeatShift, 0);
    if (IsVhfModel())
        record.Set(channels::record::kDuplicateEntry, 0);
    record.Set(channels::record::kWideNarrow, IsVhfModel() ? 1 : 0);
    record.Set(channels::record::kTxPower, 1);
    record.Set(channels::record::kPttId, 0);
    if (state_.IsParlane())
        record.Set(channels::record::kLastByte, kParlaneToneOff);
    else
        record.Set(channels::record::kAutodialMemory, 0);
}

void ChannelTable::EmptyChannel(int slot)
{
    if (!IsProgrammed(slot))
        return;
    ClearChannel(slot);
    references_.ReleaseReferences(slot);
}

void ChannelTable::StoreFrequency(int slot, ChannelField which, const ParsedFrequency& frequency)
{
    ChannelRecord record = Record(slot);
    record.SetFrequency(FrequencyPosition(which), frequency.field);
    record.Set(StepBits(which), frequency.stepCode);
}

int ChannelTable::HighestProgrammedFrom(int slot) const
{
    for (int candidate = ChannelRecord::kSlotCount - 1; candidate >= slot; --candidate)
        if (IsProgrammed(candidate))
            return candidate;
    return -1;
}

void ChannelTable::MoveChannel(int source, int target)
{
    Record(target).CopyFrom(Record(source));
    Bitmaps().CopySlot(target, source);
}

} // namespace qtr
