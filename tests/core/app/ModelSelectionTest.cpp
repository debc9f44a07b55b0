#include "core/app/ModelSelection.h"

#include "core/app/ImageReplacementSequence.h"
#include "core/base/messages/Model.h"

#include "core/base/HelpFile.h"
#include "core/base/MessageCatalog.h"
#include "core/base/ShellHooks.h"
#include "core/document/DataFile.h"
#include "core/document/Document.h"
#include "core/model/FrequencyCodec.h"
#include "NoFilePicker.h"
#include "ScriptedPrompter.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace qtr {
namespace {

class MenuCountingShell : public ShellHooks {
public:
    void RebuildMenus() override { ++menus; }
    void CloseHelpWindows() override { ++helpClosed; }
    int menus = 0;
    int helpClosed = 0;
};

class ModelSelectionTest : public ::testing::Test {
protected:
    ModelSelection Open(int languageChosen = 1)
    {
        language = languageChosen;
        return ModelSelection(state, document, replacement, prompter);
    }

    RadioState state;
    MessageCatalog catalog;
    test::ScriptedPrompter prompter;
    test::NoFilePicker picker;
    MenuCountingShell shell;
    HelpFile help{"/opt/qtr31x/qtr31x", 'e', 'L'};
    int language = 1;
    ImageReplacementSequence replacement{state, shell, help, language};
    Document document{state, catalog, prompter, picker, replacement};
};

TEST_F(ModelSelectionTest, OpeningListsTheClassesOfTheModelCode)
{
    test::StartWithModel(state, test::RecordFor(3, 0x8B, true));
    auto dialog = Open();
    EXPECT_EQ(dialog.SelectedModel(), 3);
    ASSERT_EQ(dialog.ChannelEntries().size(), 4u);
    EXPECT_EQ(dialog.ChannelEntries()[2].text, "15 Channels");
    EXPECT_EQ(dialog.SelectedChannel(), 2);
}

TEST_F(ModelSelectionTest, OkWithoutChangesAsksNothing)
{
    test::StartWithModel(state, test::RecordFor(4, 0x15));
    const auto before = state.image;
    auto dialog = Open();
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(state.image, before);
}

TEST_F(ModelSelectionTest, SwitchingLmrToParlaneInstallsTheTwoChannelPlan)
{
    test::StartWithModel(state, test::RecordFor(0, 0x15));
    state.image[768] = 'X'; // the embedded message goes with a change of line
    auto dialog = Open();
    dialog.SelectModel(4);
    EXPECT_EQ(dialog.SelectedChannel(), 0);
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::model::kOtherLineQuestion});
    EXPECT_EQ(state.currentModel, test::RecordFor(4, 0x10));
    EXPECT_EQ(state.image[445], 0x10);
    EXPECT_EQ(FrequencyCodec::FormatFrequency(state.image.data() + 16), "154.57000");
    EXPECT_EQ(state.image[380], 3);
    EXPECT_EQ(state.image[285], 3);
    EXPECT_EQ(state.image[286], 7);
    EXPECT_EQ(state.image[768], 0xFF);
    EXPECT_FALSE(state.IsModified());
    EXPECT_EQ(help.Path(), "/opt/qtr31x/qtr31x_e_BRS.chm");
    EXPECT_EQ(shell.helpClosed, 1);
    EXPECT_GE(shell.menus, 1);
}

TEST_F(ModelSelectionTest, ConfirmationCancelKeepsTheDialogOpen)
{
    test::StartWithModel(state, test::RecordFor(2, 0x80));
    auto dialog = Open();
    dialog.SelectChannel(1);
    prompter.answers = {Answer::Cancel};
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::StayOpen);
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::model::kSameLineQuestion});
    EXPECT_EQ(state.currentModel[5], 0x80);
}

TEST_F(ModelSelectionTest, SameLineChangeClearsChannelsAndKeepsFeatures)
{
    test::StartWithModel(state, test::RecordFor(2, 0x80));
    state.image[300] = 1; // a feature setting
    state.image[16] = 0x50;
    auto dialog = Open();
    dialog.SelectChannel(1);
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(state.image[445], 0x85);
    EXPECT_EQ(state.image[300], 1);
    EXPECT_TRUE(state.View().AllEqual(16, 256, 0xFF));
    EXPECT_EQ(state.image[363], 0xFF);
    EXPECT_FALSE(state.IsModified());
}

TEST_F(ModelSelectionTest, FifteenSixteenChangeIsAChangeEvenWithTheSameTypeByte)
{
    test::StartWithModel(state, test::RecordFor(7, 0x8B));
    auto dialog = Open();
    dialog.SelectChannel(2);
    EXPECT_TRUE(dialog.SixteenChannelChangeMark());
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::model::kSameLineQuestion});
    EXPECT_EQ(state.ImageModelCode(), "P81L1");
    EXPECT_FALSE(state.sixteenChannelFlag);
    EXPECT_EQ(state.ChannelCount(), 15);
    EXPECT_TRUE(state.View().AllEqual(256, 16, 0xFF));
    EXPECT_EQ(state.image[381], 0x7F);
}

// Every byte from 283 to 363 holds its own offset's low byte, so a write to a neighbour
// of the intended key or scan byte shows as a changed neighbour.
void MarkKeyAndScanBytes(RadioState& state)
{
    for (std::size_t offset = 283; offset <= 363; ++offset)
        state.image[offset] = static_cast<std::uint8_t>(offset);
}

void ExpectUnchanged(const RadioState& state, std::initializer_list<std::size_t> offsets)
{
    for (const std::size_t offset : offsets)
        EXPECT_EQ(state.image[offset], static_cast<std::uint8_t>(offset)) << offset;
}

TEST_F(ModelSelectionTest, ModelChangeWritesExactlyTheKeyAndScanBytesOfAnLmrRadio)
{
    test::StartWithModel(state, test::RecordFor(0, 0x15));
    MarkKeyAndScanBytes(state);
    auto dialog = Open();
    dialog.SelectChannel(0); // 8 to 2 channels, same line
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(state.image[284], 0xFF); // S-Selector off
    EXPECT_EQ(state.image[285], 1);    // PF1
    EXPECT_EQ(state.image[286], 10);   // PF2
    EXPECT_EQ(state.image[352], 0);    // priority
    EXPECT_EQ(state.image[353], 0xFF); // priority channel
    EXPECT_EQ(state.image[356], 1);    // revert channel
    EXPECT_EQ(state.image[363], 0xFF); // fixed channel
    EXPECT_EQ(state.image[319], 0);    // self program
    ExpectUnchanged(state, {283, 287, 300, 309, 318, 351, 354, 355, 357, 358, 359, 360, 361, 362});
}

TEST_F(ModelSelectionTest, ModelChangeWritesExactlyTheKeyAndScanBytesOfAFifteenChannelParlaneRadio)
{
    test::StartWithModel(state, test::RecordFor(7, 0x8B));
    MarkKeyAndScanBytes(state);
    auto dialog = Open();
    dialog.SelectChannel(2); // 16 to 15 channels, same line
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(state.image[284], 1); // S-Selector on
    EXPECT_EQ(state.image[285], 3);
    EXPECT_EQ(state.image[286], 1);
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[353], 0xFF);
    EXPECT_EQ(state.image[356], 6);
    EXPECT_EQ(state.image[363], 1);
    EXPECT_EQ(state.image[309], 1); // battery save
    EXPECT_EQ(state.image[319], 1);
    ExpectUnchanged(state, {283, 287, 300, 308, 310, 318, 351, 354, 355, 357, 358, 359, 360, 361, 362});
}

TEST_F(ModelSelectionTest, ModelChangeToTwoParlaneChannelsSetsTheKeysAndLeavesTheFixedChannel)
{
    test::StartWithModel(state, test::RecordFor(4, 0x15));
    MarkKeyAndScanBytes(state);
    auto dialog = Open();
    dialog.SelectChannel(0);
    EXPECT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
    EXPECT_EQ(state.image[284], 0xFF);
    EXPECT_EQ(state.image[285], 3);
    EXPECT_EQ(state.image[286], 7);
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[353], 0xFF);
    EXPECT_EQ(state.image[356], 1);
    ExpectUnchanged(state, {283, 287, 354, 355, 357, 358, 359, 360, 361, 362, 363});
}

// Every model and channel class that Model Information offers gives an image whose data
// file opens again, whichever model the dialog started from.
TEST_F(ModelSelectionTest, EveryChosenModelAndClassSavesAFileThatOpensAgain)
{
    for (const auto& start : {test::RecordFor(0, 0x10), test::RecordFor(7, 0x8B, true)}) {
        for (int model = 0; model < kModelTypeCount; ++model) {
            for (std::size_t position = 0; position < 4; ++position) {
                test::StartWithModel(state, start);
                auto dialog = Open();
                dialog.SelectModel(model);
                if (position >= dialog.ChannelEntries().size())
                    continue;
                dialog.SelectChannel(static_cast<int>(position));
                ASSERT_EQ(dialog.Ok(), ModelSelection::Outcome::Closed);
                const auto parsed = datafile::Parse(datafile::Build(state.image, datafile::MagicFor(state.image)));
                EXPECT_EQ(parsed.error, datafile::ReadError::None) << model << " " << position;
            }
        }
    }
}

TEST_F(ModelSelectionTest, CancelRestoresImageAndChannelCount)
{
    test::StartWithModel(state, test::RecordFor(3, 0x8B, true));
    const auto before = state.image;
    auto dialog = Open();
    dialog.SelectModel(0);
    dialog.SelectChannel(1);
    dialog.Cancel();
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(state.ChannelCount(), 15);
}

TEST_F(ModelSelectionTest, SpanishKeepsItsHelpLetterAfterAModelChange)
{
    help.ApplyLanguage(2);
    test::StartWithModel(state, test::RecordFor(0, 0x10));
    auto dialog = Open(2);
    dialog.SelectModel(5);
    dialog.Ok();
    EXPECT_EQ(help.LanguageLetter(), 's');
    EXPECT_EQ(shell.helpClosed, 0);
}

} // namespace
} // namespace qtr
