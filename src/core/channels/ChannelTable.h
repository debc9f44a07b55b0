#pragma once

#include "core/channels/ChannelBitmaps.h"
#include "core/channels/ChannelField.h"
#include "core/channels/ChannelRecord.h"
#include "core/channels/ChannelValueLists.h"
#include "core/channels/FormattedField.h"
#include "core/model/FeatureFields.h"
#include "core/model/FieldRoutines.h"
#include "core/model/RadioState.h"
#include "core/model/ScanFields.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace qtr {

class FrequencyCodec;
class Prompter;
struct ParsedFrequency;

// The operations on the channels of the image: storing a frequency (which creates a
// channel), the field setters with the rules that tie fields together, the value lists,
// and clearing, copying, inserting and deleting whole channels together with their
// bitmap bits and the priority and fixed channel references. Slots are 0-based,
// channel numbers 1-based. Operations on a slot outside 0..15 do nothing.
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

    ChannelTable(RadioState& state, FrequencyCodec& codec, Prompter& prompter);

    int ProgrammedCount() const;
    int FreeBytes() const;
    bool IsProgrammed(int slot) const;
    bool HasTransmit(int slot) const;
    // True for a programmed slot; for an empty one the user is told so and the result is false.
    bool RequireProgrammed(int slot);
    // A Parlane channel on one of the frequencies whose TX power is fixed at the low value.
    bool HasRestrictedPower(int slot) const;
    // A programmed channel while the priority mode allows a priority channel.
    bool CanBePriorityChannel(int slot) const;

    qtr::ValueList ValueList(ChannelField field, int slot) const;
    // What to show for a field; an empty slot gives the no-channel result. The only writes
    // it makes drop stored combinations that the lists no longer offer.
    FormattedField FormatField(int slot, ChannelField field);
    // Parlane display of a frequency: numbered from the model's list, "(0) " and the off
    // text when unset, and 154.60000 MHz as the list entry the channel chose.
    std::string DecoratedFrequency(int slot, ChannelField which) const;

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

    // After a slot became empty: the priority and fixed channel no longer name it.
    void ReleaseReferences(int slot);
    // After a slot became programmed on a 15-channel model: a fixed channel of none
    // becomes the lowest programmed channel.
    void AssignFixedChannelWhenNone();
    // After channels moved: the priority channel no longer names the channel it did.
    void ClearPriorityChannel();

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
    std::string FrequencyText(int slot, ChannelField which) const;

    FormattedField FormatTextField(int slot, ChannelField field);
    FormattedField FormatListField(int slot, ChannelField field);
    std::string EncodeToneText(int slot);
    int ShownListValue(int slot, ChannelField field, const qtr::ValueList& list);
    int StoredValue(int slot, ChannelField field) const;
    void StoreValue(int slot, ChannelField field, int value);

    void WarnWhenOutOfBand(int slot, ChannelField which, std::string& text);
    void CreateChannel(int slot);
    void EmptyChannel(int slot);
    void StoreFrequency(int slot, ChannelField which, const ParsedFrequency& frequency);

    void SetPriorityChannel(int slot, bool checked);
    void SetReference(const ImageField& reference, std::uint8_t channel);
    std::uint8_t LowestProgrammedChannel() const;
    // The slot of the channel the fixed channel names; -1 when it names no programmed one.
    int ProgrammedFixedSlot() const;
    // After a move: the fixed channel names the channel's new slot, or (-1) the lowest
    // programmed channel when its channel is gone.
    void FollowFixedChannel(int slotAfter);
    int HighestProgrammedFrom(int slot) const;
    void MoveChannel(int source, int target);

    RadioState& state_;
    FrequencyCodec& codec_;
    Prompter& prompter_;
};

} // namespace qtr
