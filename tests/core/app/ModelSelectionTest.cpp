#include "core/app/ModelSelection.h"

#include "core/app/ImageReplacementSequence.h"

#include "core/base/HelpFile.h"
#include "core/base/MessageCatalog.h"
#include "core/base/ShellHooks.h"
#include "core/document/Document.h"
#include "core/model/FrequencyCodec.h"
#include "NoFilePicker.h"
#include "ScriptedPrompter.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class RecordingShell : public ShellHooks {
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
    RecordingShell shell;
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
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{3420226});
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
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{3003039});
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
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{3003039});
    EXPECT_EQ(state.ImageModelCode(), "P81L1");
    EXPECT_FALSE(state.sixteenChannelFlag);
    EXPECT_EQ(state.ChannelCount(), 15);
    EXPECT_TRUE(state.View().AllEqual(256, 16, 0xFF));
    EXPECT_EQ(state.image[381], 0x7F);
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
