#include "core/report/ImageComparison.h"

#include "core/app/Workspace.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/ShellHooks.h"
#include "core/channels/ChannelCommits.h"
#include "core/channels/TestFrequencyTable.h"
#include "core/features/DtmfForm.h"
#include "core/features/KeyAssignmentForm.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/ScanForm.h"
#include "core/features/VantalinkForm.h"
#include "core/model/MessageFields.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "NoFilePicker.h"
#include "ProgramFolder.h"
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qtr {
namespace {

// A started program on an 8-channel LMR VHF radio with two channels.
class ImageComparisonTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(app.Start(store, test::ProgramFolder() + "/qtr31x"), 0);
        app.state.currentModel = *ModelRecordFor(0, 8);
        app.BuildFirstImage();
        BuildImageForNewDocument(app.state);
        commits.StoreFrequency(0, ChannelField::ReceiveFrequency, "151.5", true);
        commits.StoreFrequency(1, ChannelField::ReceiveFrequency, "152.5", true);
        before = app.state.image;
    }

    ImageDifferences Compare() const { return CompareImages(before, app.state.image, app.catalog); }

    // Chooses another entry of a list row of a settings form.
    void ChooseOtherEntry(form::SettingsForm& form, int row)
    {
        const int selected = form.SelectedEntry(row);
        form.CommitEntry(row, selected == 0 ? 1 : 0);
    }

    MemorySettingsStore store;
    test::ScriptedPrompter prompter;
    test::NoFilePicker picker;
    ShellHooks shell;
    Workspace app{prompter, picker, shell};
    ChannelCommits commits{app.channels, app.codec, app.prompter};
    ImageBytes before{};
};

TEST_F(ImageComparisonTest, IdenticalImagesHaveNoDifference)
{
    EXPECT_TRUE(Compare().Empty());
    EXPECT_TRUE(DifferenceLines(Compare(), "(empty)").empty());
}

TEST_F(ImageComparisonTest, AChannelFieldByItsNameWithBothValuesAsTheGridShowsThem)
{
    // 151.5 has a 6.25 kHz step, 151.505 a 5 kHz one: the step bits count under the frequency.
    commits.StoreFrequency(0, ChannelField::ReceiveFrequency, "151.505", true);
    const auto differences = Compare();
    ASSERT_EQ(differences.settings.size(), 1u);
    EXPECT_EQ(differences.settings[0], (SettingDifference{"Channel 1 RX Frequency", "151.50000", "151.50500"}));
    EXPECT_TRUE(differences.bytes.empty());
}

TEST_F(ImageComparisonTest, ANewChannelListsEachOfItsFieldsAgainstEmpty)
{
    commits.StoreFrequency(4, ChannelField::ReceiveFrequency, "160", true);
    const auto differences = Compare();
    ASSERT_FALSE(differences.settings.empty());
    EXPECT_EQ(differences.settings[0], (SettingDifference{"Channel 5 RX Frequency", "", "160.00000"}));
    EXPECT_TRUE(differences.bytes.empty()); // the bitmap bits count under the channel
    const auto lines = DifferenceLines(differences, "(empty)");
    EXPECT_EQ(lines[0], "Channel 5 RX Frequency: (empty) -> 160.00000");
}

TEST_F(ImageComparisonTest, AChannelListFieldAndACheckBox)
{
    app.channels.SetListField(1, ChannelField::TxPower, 0);
    app.channels.SetCheckField(1, ChannelField::Compander, true);
    const auto differences = Compare();
    ASSERT_EQ(differences.settings.size(), 2u);
    EXPECT_EQ(differences.settings[0], (SettingDifference{"Channel 2 TX Power", "High", "Low"}));
    EXPECT_EQ(differences.settings[1], (SettingDifference{"Channel 2 Compander", "Off", "On"}));
}

TEST_F(ImageComparisonTest, OneRowOfEachSettingsWindow)
{
    OptionalFeaturesForm features(app.state, app.catalog);
    ChooseOtherEntry(features.Form(), OptionalFeaturesForm::kMicSensitivity);
    KeyAssignmentForm keys(app.state, app.catalog, [] { return false; });
    ChooseOtherEntry(keys.Form(), KeyAssignmentForm::kPf1);
    ScanForm scan(app.state, app.catalog, prompter);
    ChooseOtherEntry(scan.Form(), ScanForm::kPriority);
    EXPECT_EQ(DifferenceLines(Compare(), "(empty)"),
              (std::vector<std::string>{"Mic Sensitivity: Normal -> High", "PF1: Squelch Off -> None",
                                        "Priority: None -> Fixed"}));
}

TEST_F(ImageComparisonTest, DtmfAndVantalinkRowsAndGridCellsByName)
{
    DtmfForm dtmf(app.state, app.catalog);
    dtmf.Form().CommitText(DtmfForm::kIdCode, "12345");
    dtmf.AutodialGrid().Commit({2, 1}, "123");
    VantalinkForm vantalink(app.state, app.catalog);
    vantalink.FleetIdGrid().Commit({8, 1}, "150");
    const ImageDifferences differences = Compare();
    EXPECT_EQ(DifferenceLines(differences, "(empty)"),
              (std::vector<std::string>{"ID Code: 000 -> 12345", "Autodial Memory (DTMF) 2: (empty) -> 123",
                                        "Fleet 8: (empty) -> 150", "ID 8: (empty) -> All"}));
}

TEST_F(ImageComparisonTest, TestFrequencyAndEmbeddedMessage)
{
    TestFrequencyTable table(app.state, app.codec, prompter);
    table.Commit(2, TestFrequencyTable::Column::Transmit, "155", table.Text(2, TestFrequencyTable::Column::Transmit));
    app.state.View().SetText(message::kLine2, "HELLO", 0xFF);
    const auto lines = DifferenceLines(Compare(), "(empty)");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Test Frequency 3 TX Frequency: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("-> 155.00000"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "Embedded Message 2: (empty) -> HELLO");
}

TEST_F(ImageComparisonTest, BytesNoSettingCoversAreNamedByOffset)
{
    app.state.image[900] ^= 0x5A;
    const auto differences = Compare();
    EXPECT_TRUE(differences.settings.empty());
    ASSERT_EQ(differences.bytes.size(), 1u);
    EXPECT_EQ(differences.bytes[0], (ByteDifference{900, before[900], before[900] ^ 0x5Au}));
    char expected[40];
    std::snprintf(expected, sizeof expected, "offset 0x384: %02X -> %02X", before[900], before[900] ^ 0x5A);
    EXPECT_EQ(DifferenceLines(differences, "")[0], expected);
}

TEST_F(ImageComparisonTest, AnotherModelNamesTheModel)
{
    app.state.currentModel = *ModelRecordFor(4, 8);
    BuildImageForCurrentModel(app.state);
    const auto differences = Compare();
    ASSERT_FALSE(differences.settings.empty());
    EXPECT_EQ(differences.settings[0].name, "Model Type");
    EXPECT_EQ(differences.settings[0].before, "RB-7100 LMR (VHF)");
}

} // namespace
} // namespace qtr
