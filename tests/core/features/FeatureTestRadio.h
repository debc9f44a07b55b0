#pragma once

#include "ScriptedPrompter.h"
#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/features/SettingsForm.h"
#include "core/model/ChannelFields.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qtr::test {

// The factory image of one model, with the texts the settings forms compare against.
class FeatureTestRadio : public ::testing::Test {
protected:
    static constexpr int kLmrVhf8 = 0;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneVhf = 4;
    static constexpr int kParlaneUhfL = 7;

    FeatureTestRadio()
    {
        std::vector<int> ids{messages::common::kOff, messages::common::kNone};
        catalog.LoadText(ids, "^#001001023\nNone\n^#001001039\nOff\n");
        UseModel(kLmrVhf8, 0x15);
    }

    void UseModel(int modelType, std::uint8_t typeByte, bool fifteen = false)
    {
        const ModelRecord record = RecordFor(modelType, typeByte, fifteen);
        state.currentModel = record;
        StartWithModel(state, record);
        state.ChannelClassRow(typeByte);
    }
    void UseFifteenChannelLmr() { UseModel(kLmrUhfL, 0x8B, true); }
    void UseFifteenChannelParlane() { UseModel(kParlaneUhfL, 0x8B, true); }
    void UseSixteenChannelLmr() { UseModel(kLmrUhfL, 0x8B); }
    void UseTwoChannelParlane() { UseModel(kParlaneVhf, 0x10); }

    void ClearChannel(int channel) { state.View().Fill(channels::RecordOf(channel - 1), 0xFF); }
    void ProgramChannel(int channel) { state.image[16 * static_cast<std::size_t>(channel)] = 0x00; }
    void ProgramOnly(std::initializer_list<int> programmed)
    {
        for (int channel = 1; channel <= 16; ++channel)
            ClearChannel(channel);
        for (const int channel : programmed)
            ProgramChannel(channel);
    }

    // Every byte but those of `allowed` is as it was in `before`.
    void ExpectOnlyChanged(const ImageBytes& before, std::initializer_list<ImageRange> allowed)
    {
        std::vector<std::size_t> changedOutside;
        for (std::size_t offset = 0; offset < before.size(); ++offset) {
            bool inside = false;
            for (const ImageRange& range : allowed)
                inside = inside || (offset >= range.offset && offset < range.End());
            if (!inside && state.image[offset] != before[offset])
                changedOutside.push_back(offset);
        }
        EXPECT_EQ(changedOutside, std::vector<std::size_t>{});
    }
    // Every way of committing each row of the form writes only the bytes the row names.
    void ExpectEveryRowWritesOnlyItsBytes(form::SettingsForm& form, const std::vector<std::string>& texts)
    {
        for (int row = 0; row < form.RowCount(); ++row) {
            SCOPED_TRACE("row " + std::to_string(row));
            const form::FormRow& description = form.Row(row);
            for (const std::string& text : texts) {
                const ImageBytes before = state.image;
                if (description.kind == form::ControlKind::Edit || description.kind == form::ControlKind::EditSpin)
                    form.CommitText(row, text);
                ExpectOnlyChanged(before, {description.bytes});
            }
            for (int step = 0; step < 3; ++step) {
                const ImageBytes before = state.image;
                if (description.kind == form::ControlKind::EditSpin)
                    form.Spin(row, step == 0 ? -1 : +1, texts.front());
                else if (description.kind == form::ControlKind::List)
                    form.CommitEntry(row, step);
                else if (description.kind == form::ControlKind::CheckBox)
                    form.CommitCheck(row, step == 1);
                ExpectOnlyChanged(before, {description.bytes});
            }
        }
    }
    std::string Bytes(std::size_t offset, std::size_t length) const
    {
        return std::string(reinterpret_cast<const char*>(state.image.data() + offset), length);
    }

    RadioState state;
    MessageCatalog catalog;
    ScriptedPrompter prompter;
};

} // namespace qtr::test
