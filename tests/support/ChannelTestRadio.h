#pragma once

#include "ScriptedPrompter.h"
#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/channels/ChannelCommits.h"
#include "core/base/messages/Common.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelTexts.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ModelDefaults.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qtr::test {

// A factory radio of one model with every channel cleared, and a channel table on it.
struct ChannelTestRadio {
    static constexpr int kLmrVhf = 0;
    static constexpr int kLmrUhf = 2;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneVhf = 4;
    static constexpr int kParlaneUhf = 6;

    ChannelTestRadio(int modelType, std::uint8_t typeByte, bool fifteenChannels = false)
    {
        std::vector<int> ids{messages::common::kNone, messages::common::kOff};
        catalog.LoadText(ids, "^#001001023\nNone\n^#001001039\nOff\n");
        StartWithModel(state, RecordFor(modelType, typeByte, fifteenChannels));
        ClearChannels(state);
    }

    using Record = std::array<std::uint8_t, 16>;

    Record RecordOf(int slot) const
    {
        Record record{};
        for (std::size_t i = 0; i < record.size(); ++i)
            record[i] = Byte(slot, i);
        return record;
    }
    std::uint8_t Byte(int slot, std::size_t position) const
    {
        return state.image[16 + 16 * static_cast<std::size_t>(slot) + position];
    }
    void SetByte(int slot, std::size_t position, std::uint8_t value)
    {
        state.image[16 + 16 * static_cast<std::size_t>(slot) + position] = value;
    }
    // As a channel window stores a typed frequency: out of band it is warned of; `text`
    // becomes what is stored.
    int StoreTyped(int slot, ChannelField which, std::string& text)
    {
        return StoreWithBandWarning(table, prompter, slot, which, text);
    }
    int Store(int slot, std::string text, ChannelField which = ChannelField::ReceiveFrequency)
    {
        return StoreTyped(slot, which, text);
    }
    // A simplex channel on a frequency that tells the slots apart: the band's lower edge plus slot MHz.
    void Program(int slot)
    {
        const std::string text = std::to_string(static_cast<int>(state.band.lower) + slot);
        Store(slot, text);
        Store(slot, text, ChannelField::TransmitFrequency);
    }
    std::string Text(int slot, ChannelField field) { return texts.FormatField(slot, field).text; }

    MessageCatalog catalog;
    RadioState state;
    FrequencyCodec codec{state, catalog};
    ScriptedPrompter prompter;
    ChannelTable table{state, codec};
    ChannelTexts texts{table, codec};
};

} // namespace qtr::test

namespace qtr {

// The fields the channel tests type into most, by short names.
inline constexpr auto kReceive = ChannelField::ReceiveFrequency;
inline constexpr auto kTransmit = ChannelField::TransmitFrequency;
inline constexpr auto kDecode = ChannelField::DecodeTone;
inline constexpr auto kEncode = ChannelField::EncodeTone;

} // namespace qtr
