#include "FeatureTestRadio.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/features/ScanForm.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Scan = ScanForm;

class ScanFormTest : public test::FeatureTestRadio {
protected:
    Scan& OpenScan()
    {
        scan = std::make_unique<Scan>(state, catalog, prompter);
        channelWindowsTold = false;
        const auto listening = state.notices.Subscribe([this](const ImageNotice& notice) {
            channelWindowsTold = channelWindowsTold || notice.reason == ImageReason::ChannelSettingsChanged;
        });
        scan->Open();
        return *scan;
    }
    form::SettingsForm& Form() { return scan->Form(); }
    std::string Commit(int row, const std::string& text) { return Form().Resolve(Form().CommitText(row, text).text); }
    std::vector<unsigned> Codes(int row)
    {
        std::vector<unsigned> codes;
        for (const auto& entry : Form().Entries(row))
            codes.push_back(entry.code);
        return codes;
    }
    void SetScan(unsigned priority, unsigned revert)
    {
        state.image[352] = static_cast<std::uint8_t>(priority);
        state.image[356] = static_cast<std::uint8_t>(revert);
    }

    std::unique_ptr<Scan> scan;
    bool channelWindowsTold = false;
};

TEST_F(ScanFormTest, TimesAreBroughtIntoRangeAndWrittenBack)
{
    struct TimeCase {
        int row;
        const char* typed;
        const char* shown;
        unsigned stored;
    };
    const TimeCase cases[] = {
        {Scan::kLookBackTimeA, "0.5", "0.50", 1},    {Scan::kLookBackTimeA, "7", "5.00", 91},
        {Scan::kLookBackTimeA, "2.47", "2.45", 40},  {Scan::kLookBackTimeA, "0.53", "0.50", 1},
        {Scan::kLookBackTimeB, "", "0.50", 1},       {Scan::kLookBackTimeB, ".", "0.50", 1},
        {Scan::kLookBackTimeB, "2", "2.00", 31},     {Scan::kLookBackTimeB, "9999999999999", "5.00", 91},
        {Scan::kLookBackTimeB, "4.9", "4.90", 89},   {Scan::kDropoutDelayTime, "450", "300", 300},
        {Scan::kDropoutDelayTime, "", "0", 0},       {Scan::kTxDwellTime, "300", "300", 300},
        {Scan::kTxDwellTime, "99999999999999999999", "300", 300},
    };
    OpenScan();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " typed " + c.typed);
        EXPECT_EQ(Commit(c.row, c.typed), c.shown);
        EXPECT_EQ(state.Get(Form().Row(c.row).field), c.stored);
    }
    Commit(Scan::kDropoutDelayTime, "450");
    EXPECT_EQ(state.image[357], 0x2C);
    EXPECT_EQ(state.image[358], 0x01);
}

TEST_F(ScanFormTest, StoredTimesBeyondTheRangeShowAsTheyMay)
{
    OpenScan();
    state.image[354] = 92;
    EXPECT_EQ(Form().Resolve(Form().Text(Scan::kLookBackTimeA)), "");
    state.image[354] = 0;
    EXPECT_EQ(Form().Resolve(Form().Text(Scan::kLookBackTimeA)), "");
    state.View().SetWord(357, 301);
    EXPECT_EQ(Form().Resolve(Form().Text(Scan::kDropoutDelayTime)), "3");
    EXPECT_EQ(state.Reader().Word(357), 301);
}

TEST_F(ScanFormTest, SpinStepsCommitTheTypedTextFirstAndWrap)
{
    OpenScan();
    EXPECT_EQ(Form().Resolve(Form().Spin(Scan::kLookBackTimeA, +1, "5.00").text), "0.50");
    EXPECT_EQ(Form().Resolve(Form().Spin(Scan::kLookBackTimeA, -1, "0.5").text), "5.00");
    EXPECT_EQ(Form().Resolve(Form().Spin(Scan::kLookBackTimeA, +1, "2").text), "2.05");
    EXPECT_EQ(Form().Resolve(Form().Spin(Scan::kDropoutDelayTime, -1, "0").text), "300");
    EXPECT_EQ(Form().Resolve(Form().Spin(Scan::kTxDwellTime, +1, "400").text), "0");
}

TEST_F(ScanFormTest, PriorityChannelMustBeProgrammed)
{
    SetScan(1, 0);
    ProgramOnly({2, 4});
    state.image[353] = 2;
    OpenScan();
    EXPECT_EQ(Commit(Scan::kPriorityChannel, "5"), "2");
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::channels::kNotProgrammed});
    EXPECT_EQ(prompter.asked[0].captionId, messages::common::kErrorCaption);
    EXPECT_EQ(state.image[353], 2);
    EXPECT_EQ(Commit(Scan::kPriorityChannel, "4"), "4");
    EXPECT_EQ(Commit(Scan::kPriorityChannel, ""), "");
    EXPECT_EQ(state.image[353], 0xFF);
    const auto result = Form().CommitText(Scan::kPriorityChannel, "0");
    EXPECT_TRUE(result.effects & form::kChannelFormRefresh);
    EXPECT_EQ(Form().Row(Scan::kPriorityChannel).limit.maxLength, 1u);
}

TEST_F(ScanFormTest, PriorityRulesOnLmr)
{
    SetScan(1, 3);
    state.image[353] = 1;
    OpenScan();
    EXPECT_TRUE(Form().Enabled(Scan::kPriorityChannel));
    const auto result = Form().CommitEntry(Scan::kPriority, 0);
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[356], 1);
    EXPECT_EQ(state.image[353], 0xFF);
    EXPECT_TRUE(result.effects & form::kChannelFormRefresh);
    EXPECT_FALSE(Form().Enabled(Scan::kPriorityChannel));
    EXPECT_FALSE(Form().Enabled(Scan::kLookBackTimeA));
    EXPECT_FALSE(Form().Enabled(Scan::kLookBackTimeB));
    EXPECT_EQ(Codes(Scan::kRevertChannel), (std::vector<unsigned>{0, 1}));

    Form().CommitEntry(Scan::kPriority, 2); // priority mode 2
    EXPECT_EQ(state.image[356], 3);
    EXPECT_EQ(Codes(Scan::kRevertChannel), (std::vector<unsigned>{2, 3}));
    EXPECT_TRUE(Form().Enabled(Scan::kLookBackTimeA));
    EXPECT_EQ(Codes(Scan::kPriority), (std::vector<unsigned>{0, 1, 2}));
}

TEST_F(ScanFormTest, ListsFollowSSelectorOnFifteenChannelLmr)
{
    UseFifteenChannelLmr();
    SetScan(2, 3);
    OpenScan();
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[356], 6);
    EXPECT_EQ(Codes(Scan::kPriority), (std::vector<unsigned>{0, 1}));
    EXPECT_EQ(Codes(Scan::kRevertChannel), (std::vector<unsigned>{6}));
    Form().CommitEntry(Scan::kPriority, 1);
    EXPECT_EQ(Codes(Scan::kRevertChannel), (std::vector<unsigned>{6, 2, 3}));
    Form().CommitEntry(Scan::kPriority, 0);
    EXPECT_EQ(state.image[356], 6);
    EXPECT_TRUE(Form().Visible(Scan::kFixedChannel));
}

TEST_F(ScanFormTest, FixedChannelListHoldsTheProgrammedChannels)
{
    UseFifteenChannelLmr();
    ProgramOnly({2, 5, 9});
    state.image[363] = 4;
    OpenScan();
    EXPECT_EQ(Codes(Scan::kFixedChannel), (std::vector<unsigned>{2, 5, 9}));
    EXPECT_EQ(state.image[363], 0xFF); // 4 is no programmed channel
    state.image[363] = 0xFF;
    scan->Rebuild();
    EXPECT_EQ(state.image[363], 2); // none takes the first entry
    Form().CommitEntry(Scan::kFixedChannel, 2);
    EXPECT_EQ(state.image[363], 9);

    ProgramOnly({});
    scan->Rebuild();
    EXPECT_EQ(Codes(Scan::kFixedChannel), (std::vector<unsigned>{0xFF}));
    EXPECT_EQ(state.image[363], 0xFF);
}

TEST_F(ScanFormTest, RevertChannelOtherThanFixedClearsTheFixedChannel)
{
    UseFifteenChannelLmr();
    state.image[284] = 0xFF;
    SetScan(1, 6);
    ProgramOnly({3});
    state.image[363] = 3;
    OpenScan();
    EXPECT_EQ(state.image[363], 3);
    Form().CommitEntry(Scan::kRevertChannel, 2); // code 2
    EXPECT_EQ(state.image[356], 2);
    EXPECT_EQ(state.image[363], 0xFF);
    EXPECT_FALSE(Form().Enabled(Scan::kFixedChannel));
    EXPECT_TRUE(Codes(Scan::kFixedChannel).empty());
}

TEST_F(ScanFormTest, ParlaneAdjustmentsAndLayout)
{
    UseFifteenChannelParlane();
    SetScan(2, 1);
    OpenScan();
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[356], 6);
    EXPECT_FALSE(Form().Enabled(Scan::kPriority));
    EXPECT_EQ(Codes(Scan::kPriority), (std::vector<unsigned>{0}));
    for (const int row : {Scan::kPriorityChannel, Scan::kLookBackTimeA, Scan::kLookBackTimeB,
                          Scan::kDropoutDelayTime, Scan::kTxDwellTime})
        EXPECT_FALSE(Form().Visible(row)) << row;
    EXPECT_TRUE(Form().Visible(Scan::kRevertChannel));
    EXPECT_TRUE(Form().Visible(Scan::kFixedChannel));

    // S-Selector turned off while the window is open.
    state.image[284] = 0xFF;
    scan->Rebuild();
    EXPECT_EQ(state.image[356], 1);
    EXPECT_EQ(state.image[363], 0xFF);
    EXPECT_TRUE(Form().Enabled(Scan::kPriority));
    EXPECT_FALSE(Form().Visible(Scan::kFixedChannel));
    EXPECT_EQ(Codes(Scan::kRevertChannel), (std::vector<unsigned>{1}));

    UseTwoChannelParlane();
    OpenScan();
    EXPECT_FALSE(Form().Visible(Scan::kRevertChannel));
    EXPECT_FALSE(Form().Visible(Scan::kFixedChannel));
    EXPECT_EQ(Codes(Scan::kPriority), (std::vector<unsigned>{0, 2}));
}

TEST_F(ScanFormTest, OpeningDropsAPriorityChannelThatPriorityModeDoesNotUse)
{
    SetScan(0, 1);
    state.image[353] = 1;
    OpenScan();
    EXPECT_EQ(state.image[353], 0xFF);
    EXPECT_TRUE(channelWindowsTold);
    EXPECT_EQ(Form().Row(Scan::kPriorityChannel).limit.maxLength, 1u);
    UseSixteenChannelLmr();
    OpenScan();
    EXPECT_EQ(Form().Row(Scan::kPriorityChannel).limit.maxLength, 2u);
    EXPECT_FALSE(Form().Visible(Scan::kFixedChannel));
}

} // namespace
} // namespace qtr
