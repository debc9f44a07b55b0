#pragma once

#include "ProgramFolder.h"
#include "ScriptedPrompter.h"
#include "TestImages.h"
#include "core/channels/ChannelTable.h"
#include "core/model/FrequencyCodec.h"
#include "core/base/MessageCatalog.h"
#include "core/model/ChannelFields.h"
#include "core/report/Report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qtr::test {

// A factory image and the English texts of the program, for what a printout shows.
class ReportTestRadio : public ::testing::Test {
protected:
    static constexpr int kLmrVhf8 = 0;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneVhf = 4;
    static constexpr int kParlaneUhfL = 7;

    ReportTestRadio()
    {
        catalog.SetFolder(ProgramFolder());
        auto ids = MessageCatalog::ProgramMessages();
        if (catalog.LoadLanguage(ids, MessageCatalog::kEnglish) != MessageCatalog::kLoaded)
            throw std::runtime_error("no English language file beside the tests");
        UseModel(kLmrVhf8, 0x15);
    }

    void UseModel(int modelType, std::uint8_t typeByte, bool fifteen = false)
    {
        StartWithModel(state, RecordFor(modelType, typeByte, fifteen));
        state.ChannelClassRow(typeByte);
    }
    // Channels 1 to `count` programmed through the channel table (receive frequency typed
    // into the grid), the rest empty.
    void ProgramChannels(int count, const std::string& frequency)
    {
        FrequencyCodec codec(state, catalog);
        ChannelTable table(state, codec);
        for (int slot = 0; slot < channels::kSlotCount; ++slot)
            std::fill_n(state.image.begin() + static_cast<long>(channels::RecordOf(slot).offset),
                        channels::kRecordSize, 0xFF);
        for (int slot = 0; slot < count; ++slot) {
            std::string text = frequency;
            table.SetFrequency(slot, ChannelField::ReceiveFrequency, text);
        }
    }

    // The texts of one body row, left to right, joined by " | ".
    static std::string Row(const report::ReportPage& page, int row)
    {
        auto texts = page.texts;
        std::erase_if(texts, [row](const report::PlacedText& text) { return text.row != row; });
        std::ranges::sort(texts, {}, &report::PlacedText::column);
        std::string line;
        for (const auto& text : texts)
            line += (line.empty() ? "" : " | ") + text.text;
        return line;
    }
    // The first row that starts with `label`, or "" when none does.
    static std::string RowOf(const report::ReportPage& page, const std::string& label)
    {
        for (int row = 0; row < 80; ++row) {
            const std::string line = Row(page, row);
            if (line.starts_with(label))
                return line;
        }
        return {};
    }

    RadioState state;
    MessageCatalog catalog;
    ScriptedPrompter prompter;
};

} // namespace qtr::test
