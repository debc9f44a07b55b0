#pragma once

#include "core/channels/ChannelBitmaps.h"
#include "core/channels/ChannelField.h"
#include "core/channels/ChannelRecord.h"
#include "core/channels/ChannelReferences.h"
#include "core/channels/ChannelValueLists.h"
#include "core/model/FeatureFields.h"
#include "core/model/FieldRoutines.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace qtr {

class FrequencyCodec;
struct ParsedFrequency;

// The channel records of the image: storing a frequency (which creates a channel), the
// field setters with the rules that tie fields together, the value lists, and clearing,
// copying, inserting and deleting whole channels together with their bitmap bits; the
// priority and fixed channel references follow through References(). It asks the user
// nothing: a caller warns of a frequency outside the band (WarnsOutOfBand). Slots are
// 0-based, channel numbers 1-based. Operations on a slot outside 0..15 do nothing.
class ChannelTable {
public:
    // The bytes outside the records that the channel rules read or keep consistent.
    static constexpr std::size_t kPttIdTypeOffset = features::kPttIdType.offset;
    static constexpr std::size_t kPriorityModeOffset = scan::kPriority.offset;
    static constexpr std::size_t kPriorityChannelOffset = scan::kPriorityChannel.offset;
    static constexpr std::size_t kFixedChannelOffset = scan::kFixedChannel.offset;
    static constexpr std::uint8_t kNoChannel = scan::kNoChannel;
    static constexpr int kStored = 1;
    static constexpr int kCleared = 0;
    static constexpr int kRefused = -1;

    ChannelTable(RadioState& state, FrequencyCodec& codec);

    ChannelReferences& References() { return references_; }
    const ChannelReferences& References() const { return references_; }

    int ProgrammedCount() const;
    int FreeBytes() const;
    bool IsProgrammed(int slot) const;
    bool HasTransmit(int slot) const;
    // A Parlane channel on one of the frequencies whose TX power is fixed at the low value.
    bool HasRestrictedPower(int slot) const;

    qtr::ValueList ValueList(ChannelField field, int slot) const;
    // The stored frequency as digits; an empty slot has none.
    std::string FrequencyText(int slot, ChannelField which) const;
    // A list or check field's value as stored, and stored as it is (no list is asked).
    int StoredValue(int slot, ChannelField field) const;
    void StoreValue(int slot, ChannelField field, int value);

    // Whether storing `text` deserves the warning that it lies outside the model's band:
    // SetFrequency would take it, and it is a receive frequency or the channel's transmit
    // frequency is there already (a first one is the receive text just warned about).
    bool WarnsOutOfBand(int slot, ChannelField which, const std::string& text) const;
    // Stores the receive or transmit frequency; `text` is rewritten to what is stored.
    // kStored, kCleared (channel emptied or transmit frequency removed) or kRefused.
    int SetFrequency(int slot, ChannelField which, std::string& text);
    // Stores an entry chosen from a Parlane frequency list ("(NN) text", or "(0) " and the
    // off text for none) as receive and transmit frequency; the result is the receive one's.
    int SetParlaneFrequency(int slot, const std::string& chosenEntry);
    void SetTone(int slot, ChannelField which, const std::string& text);
    // `value` is the value a list entry carries; values the field's list does not offer
    // are not stored.
    void SetListField(int slot, ChannelField field, int value);
    void SetCheckField(int slot, ChannelField field, bool checked);
    void SetToneNumber(int slot, int toneListEntry);
    void SelectDuplicateEntry(int slot, const std::string& decoratedText);
    void ApplyPowerRestriction(int slot, const std::string& receiveText);
    // A channel without transmit frequency sends no PTT ID.
    void ResetPttIdWithoutTransmit(int slot);

    void ClearChannel(int slot);
    int CopyChannel(int source, int target);
    // False when there was no room and nothing moved.
    bool InsertChannel(int slot);
    void DeleteChannel(int slot);
    void SetChannelBits(int slot, bool on);
    bool ScanAdd(int slot) const;
    void SetScanAdd(int slot, bool on);

private:
    ChannelRecord Record(int slot) const { return ChannelRecord(state_.image, slot); }
    ChannelBitmaps Bitmaps() const { return ChannelBitmaps(state_.image); }
    bool IsVhfModel() const;
    std::uint8_t ImageByte(const ImageField& field) const;
    ChannelValueLists::Conditions ListConditions(int slot) const;
    // A slot and field SetFrequency stores a non-empty text in.
    bool TakesFrequency(int slot, ChannelField which) const;

    void CreateChannel(int slot);
    void EmptyChannel(int slot);
    void StoreFrequency(int slot, ChannelField which, const ParsedFrequency& frequency);
    int HighestProgrammedFrom(int slot) const;
    void MoveChannel(int source, int target);

    RadioState& state_;
    FrequencyCodec& codec_;
    ChannelReferences references_;
};

} // namespace qtr
